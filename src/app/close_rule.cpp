#include "app/close_rule.h"

CloseAction DecideCloseAction(int closeSetting, int trayIconShown)
{
    if (closeSetting != 0 || trayIconShown != 1) {
        return CloseAction::Quit;
    }
    return CloseAction::Hide;
}
