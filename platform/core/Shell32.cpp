#include "platform/core/Shell32.h"

#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace platform {
namespace {

std::string& Opener() {
    static std::string opener = "xdg-open";
    return opener;
}

constexpr std::intptr_t SE_ERR_FNF = 2;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;
constexpr std::intptr_t kStarted = 42;

} // namespace

void SetShellOpener(const char* program) {
    Opener() = program;
}

std::intptr_t ShellExecuteA(HWND, const char* operation, const char* file, const char*, const char*, int) {
    if (file == nullptr || *file == '\0')
        return SE_ERR_FNF;
    if (operation != nullptr && *operation != '\0' && std::string(operation) != "open")
        return SE_ERR_NOASSOC;
    // The address goes to the opener as one argument; no shell ever sees it.
    std::string program = Opener(), address = file;
    char* argv[] = {program.data(), address.data(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0)
        return SE_ERR_FNF;
    std::thread([child] {
        int status = 0;
        waitpid(child, &status, 0);
    }).detach();
    return kStarted;
}

} // namespace platform
