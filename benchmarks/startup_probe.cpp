// Times how long a program takes to show its first window and reads how much memory it used.
//
//     startup_probe [--settle-ms N] [--timeout-ms N] [--verbose] [--] COMMAND [ARGUMENT...]
//
// Watches the X display's root window for new top-level windows, starts COMMAND (no shell), and
// waits for the first window that COMMAND's start created to be mapped. It then lets the program
// run on for the settle time (300 ms) so that the first frame is painted, ends it with SIGTERM
// (SIGKILL if it lingers) and reads the peak resident memory of the process from wait4.
//
// Prints one line on standard output: the milliseconds from the start to the first map, and the peak
// resident memory in KiB. The program's own output goes to standard error. Exits 1 if no window
// maps within the time-out (10 s), if the program ends first, or if it cannot be started.

#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Options {
    long settleMs = 300;
    long timeoutMs = 10000;
    bool verbose = false;
    char** command = nullptr;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "startup_probe: %s\n", message.c_str());
    std::exit(1);
}

[[noreturn]] void Usage() {
    std::fprintf(stderr, "usage: startup_probe [--settle-ms N] [--timeout-ms N] [--verbose] [--] "
                         "COMMAND [ARGUMENT...]\n");
    std::exit(2);
}

long Milliseconds(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0)
        Usage();
    return value;
}

Options Parse(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--settle-ms" && i + 1 < argc) {
            options.settleMs = Milliseconds(argv[++i]);
        } else if (arg == "--timeout-ms" && i + 1 < argc) {
            options.timeoutMs = Milliseconds(argv[++i]);
        } else if (arg.starts_with("--")) {
            Usage();
        } else {
            break;
        }
    }
    if (i >= argc)
        Usage();
    options.command = argv + i;
    return options;
}

double Now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1.0e6;
}

void SetCloseOnExec(int fd) {
    const int flags = fcntl(fd, F_GETFD);
    if (flags >= 0)
        fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
}

// Starts the command. The child's standard output goes to standard error, so that the probe's one
// line stays alone on standard output. A close-on-exec pipe carries errno back if exec fails.
pid_t Start(char** command) {
    int report[2];
    if (pipe(report) != 0)
        Fail(std::string("pipe: ") + std::strerror(errno));
    SetCloseOnExec(report[0]);
    SetCloseOnExec(report[1]);
    const pid_t pid = fork();
    if (pid < 0)
        Fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        close(report[0]);
        dup2(STDERR_FILENO, STDOUT_FILENO);
        signal(SIGTERM, SIG_DFL);
        execvp(command[0], command);
        const int error = errno;
        [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
        _exit(127);
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        waitpid(pid, nullptr, 0);
        Fail(std::string("cannot start ") + command[0] + ": " + std::strerror(error));
    }
    return pid;
}

std::string Describe(int status) {
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    return "ended";
}

// Fails if the child has already ended: it will map no window now.
void CheckAlive(pid_t pid, const char* name, const char* when) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid)
        Fail(std::string(name) + " " + Describe(status) + " " + when);
}

// Ends the child: SIGTERM, then SIGKILL if it is still there after two seconds. Returns its peak
// resident memory in KiB.
long Stop(pid_t pid) {
    kill(pid, SIGTERM);
    rusage usage{};
    int status = 0;
    for (int waited = 0; waited < 200; ++waited) {
        const pid_t got = wait4(pid, &status, WNOHANG, &usage);
        if (got == pid)
            return usage.ru_maxrss;
        if (got < 0 && errno != EINTR)
            Fail(std::string("wait4: ") + std::strerror(errno));
        usleep(10000);
    }
    kill(pid, SIGKILL);
    while (wait4(pid, &status, 0, &usage) < 0)
        if (errno != EINTR)
            Fail(std::string("wait4: ") + std::strerror(errno));
    return usage.ru_maxrss;
}

struct Mapped {
    Window window = 0;
    int width = 0;
    int height = 0;
};

// Waits for the first map of a top-level window created after the start. Windows that bypass the
// window manager (tooltips, menus, drag pictures) are not the program's window and are skipped.
bool AwaitFirstMap(Display* display, Window root, pid_t pid, const Options& options, double deadline,
                   Mapped& mapped) {
    // Every top-level window created since the start, with its latest size.
    std::map<Window, std::pair<int, int>> created;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
                created[event.xcreatewindow.window] = {event.xcreatewindow.width, event.xcreatewindow.height};
            } else if (event.type == ConfigureNotify && event.xconfigure.event == root) {
                auto it = created.find(event.xconfigure.window);
                if (it != created.end())
                    it->second = {event.xconfigure.width, event.xconfigure.height};
            } else if (event.type == MapNotify && event.xmap.event == root) {
                auto it = created.find(event.xmap.window);
                if (it != created.end() && !event.xmap.override_redirect) {
                    mapped = {it->first, it->second.first, it->second.second};
                    return true;
                }
            }
        }
        CheckAlive(pid, options.command[0], "before mapping a window");
        const double left = deadline - Now();
        if (left <= 0)
            return false;
        // Short slices, so that a program that ends without a window is noticed at once.
        const int slice = left < 20.0 ? static_cast<int>(left) + 1 : 20;
        fd.revents = 0;
        if (poll(&fd, 1, slice) < 0 && errno != EINTR)
            Fail(std::string("poll: ") + std::strerror(errno));
        if (fd.revents & (POLLERR | POLLHUP))
            Fail("lost the connection to the X display");
    }
}

} // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        Fail(name && *name ? std::string("cannot open the X display ") + name
                           : std::string("cannot open the X display: DISPLAY is not set"));
    }
    SetCloseOnExec(ConnectionNumber(display));
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // The selection must be in force on the server before the program can create a window.
    XSync(display, False);

    const double started = Now();
    const pid_t pid = Start(options.command);
    Mapped mapped;
    if (!AwaitFirstMap(display, root, pid, options, started + static_cast<double>(options.timeoutMs),
                       mapped)) {
        Stop(pid);
        Fail(std::string("no window of ") + options.command[0] + " mapped within " +
             std::to_string(options.timeoutMs) + " ms");
    }
    const double firstMap = Now() - started;

    // Let the program paint its first frame and settle before its memory is read.
    const double settleEnd = Now() + static_cast<double>(options.settleMs);
    for (double left = settleEnd - Now(); left > 0; left = settleEnd - Now()) {
        CheckAlive(pid, options.command[0], "right after mapping its window");
        usleep(static_cast<useconds_t>(left < 10.0 ? left * 1000.0 : 10000.0));
    }
    CheckAlive(pid, options.command[0], "right after mapping its window");
    const long peakKiB = Stop(pid);
    XCloseDisplay(display);

    if (options.verbose)
        std::fprintf(stderr, "startup_probe: %s: window 0x%lx %dx%d mapped after %.1f ms, peak %ld KiB\n",
                     options.command[0], mapped.window, mapped.width, mapped.height, firstMap, peakKiB);
    std::printf("%.1f %ld\n", firstMap, peakKiB);
    return 0;
}
