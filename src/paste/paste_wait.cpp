#include "paste/paste_wait.h"

unsigned int PasteWaitMs(int pasteTime)
{
    if (pasteTime < 0) {
        return 0;
    }
    return static_cast<unsigned int>(pasteTime < LongestPasteWaitMs ? pasteTime
                                                                     : LongestPasteWaitMs);
}
