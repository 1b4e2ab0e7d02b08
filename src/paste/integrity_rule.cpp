#include "paste/integrity_rule.h"

PasteRoute DecidePasteRoute(IntegrityLevel picker, IntegrityLevel target)
{
    return target > picker ? PasteRoute::ClipboardOnly : PasteRoute::Keystroke;
}
