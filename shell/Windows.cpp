#include "shell/Windows.h"

#include "browser/Form2.h"
#include "shell/Form1.h"
#include "shell/Form4.h"

namespace shell {

forms::Form& ConnectWindows(forms::Runtime& runtime) {
    forms::Runtime* rt = &runtime;
    auto startMenu = [rt]() -> forms::Form& { return rt->Instance<Form1>(); };
    auto browserWindow = [rt]() -> forms::Form& { return rt->Instance<browser::Form2>(); };

    Form4& splash = runtime.Instance<Form4>();
    splash.startMenu = startMenu;
    runtime.Instance<Form1>().browserWindow = browserWindow;
    runtime.Instance<browser::Form2>().startMenu = startMenu;
    return splash;
}

} // namespace shell
