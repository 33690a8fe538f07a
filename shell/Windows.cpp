#include "shell/Windows.h"

#include "browser/Form2.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"

namespace shell {

forms::Form& ConnectWindows(forms::Runtime& runtime) {
    forms::Runtime* rt = &runtime;
    auto startMenu = [rt]() -> forms::Form& { return rt->Instance<Form1>(); };
    auto browserWindow = [rt]() -> forms::Form& { return rt->Instance<browser::Form2>(); };

    Form4& splash = runtime.Instance<Form4>();
    splash.startMenu = startMenu;
    runtime.Instance<Form1>().browserWindow = browserWindow;
    auto& browser = runtime.Instance<browser::Form2>();
    browser.startMenu = startMenu;
    browser.helpWindow = [rt]() -> forms::Form& { return rt->Instance<Form3>(); };
    runtime.Instance<Form3>().browserWindow = browserWindow;
    return splash;
}

} // namespace shell
