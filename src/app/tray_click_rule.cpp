#include "app/tray_click_rule.h"

namespace {
const unsigned int LeftButtonDown = 0x0201;
const unsigned int RightButtonDown = 0x0204;
} // namespace

TrayClickAction DecideTrayClick(unsigned int mouseMessage, bool pickerVisible,
                                bool interactionAllowed, bool autoHideArmed)
{
    if (!interactionAllowed) {
        return TrayClickAction::Nothing;
    }
    if (mouseMessage == RightButtonDown) {
        return TrayClickAction::OpenMenu;
    }
    if (mouseMessage != LeftButtonDown || autoHideArmed) {
        return TrayClickAction::Nothing;
    }
    return pickerVisible ? TrayClickAction::HidePicker : TrayClickAction::ShowPicker;
}
