#include "skin/HandOver.h"

namespace skin {

void SwitchToWindow(HandOver member, forms::Form& source, forms::Form& target, std::string_view marker) {
    if (member == HandOver::BrowserToHelp) {
        target.SetVisible(true);
        source.Unload();
        return;
    }
    source.Unload();
    if (member == HandOver::MenuToBrowser) {
        for (std::string_view each : DictionaryMarkers)
            target.Ctl(each).SetVisible(each == marker);
    }
    target.SetVisible(true);
}

} // namespace skin
