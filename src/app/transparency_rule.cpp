#include "app/transparency_rule.h"

// VER_PLATFORM_WIN32_NT
const unsigned long PlatformWin32Nt = 2;

bool LayeringAllowed(unsigned long platformId, unsigned long majorVersion,
                     unsigned long minorVersion)
{
    if (platformId != PlatformWin32Nt)
        return false;
    if (majorVersion >= 6)
        return true;
    return majorVersion == 5 && minorVersion <= 2;
}
