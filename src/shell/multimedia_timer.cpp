#include "shell/multimedia_timer.h"

#include "shell/system_library.h"

namespace {

template <typename Function>
bool LookUp(HMODULE library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

MultimediaTimerFunctions* LoadMultimediaTimer()
{
    static MultimediaTimerFunctions functions;
    HMODULE winmm = LoadSystemLibrary(L"winmm.dll");
    bool complete = winmm != nullptr && LookUp(winmm, "timeGetDevCaps", functions.getDevCaps) &&
                    LookUp(winmm, "timeBeginPeriod", functions.beginPeriod) &&
                    LookUp(winmm, "timeEndPeriod", functions.endPeriod) &&
                    LookUp(winmm, "timeSetEvent", functions.setEvent) &&
                    LookUp(winmm, "timeKillEvent", functions.killEvent) &&
                    LookUp(winmm, "timeGetTime", functions.getTime);
    return complete ? &functions : nullptr;
}

} // namespace

const MultimediaTimerFunctions* MultimediaTimer()
{
    static const MultimediaTimerFunctions* loaded = LoadMultimediaTimer();
    return loaded;
}

DWORD MultimediaTime()
{
    const MultimediaTimerFunctions* timer = MultimediaTimer();
    return timer != nullptr ? timer->getTime() : GetTickCount();
}
