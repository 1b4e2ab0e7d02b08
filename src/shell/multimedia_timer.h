#pragma once
// The multimedia timer's functions, from the system folder's winmm.dll. Windows does not protect
// winmm.dll from a copy beside the program, so the program does not import it: the functions are
// looked up at run time.
#include <windows.h>
#include <mmsystem.h>

struct MultimediaTimerFunctions {
    decltype(&timeGetDevCaps) getDevCaps;
    decltype(&timeBeginPeriod) beginPeriod;
    decltype(&timeEndPeriod) endPeriod;
    decltype(&timeSetEvent) setEvent;
    decltype(&timeKillEvent) killEvent;
    decltype(&timeGetTime) getTime;
};

// Looked up once and kept for the process's lifetime, as a timer's thread may still run in the
// library; null when the library or one of the functions is missing.
const MultimediaTimerFunctions* MultimediaTimer();

// Milliseconds since the system started, as finely as the timer's resolution allows: timeGetTime,
// or GetTickCount without winmm.dll.
DWORD MultimediaTime();
