#include "browser/Form2.h"
#include "platform/qt/Program.h"

int main(int argc, char** argv) {
    return platform::qt::RunProgram(argc, argv, [](forms::Runtime& runtime) -> forms::Form& {
        return runtime.Instance<browser::Form2>();
    });
}
