"""Checks a release zip: the files a user gets, and that its vemplor.exe runs on the oldest
Windows the README promises for it.

    check_release_zip.py ZIP --objdump OBJDUMP --minimum xp|vista --sample DIR

The zip must hold exactly vemplor.exe, the sample lists as they are in DIR, README-ja.txt
(UTF-8 with a byte-order mark and CR LF line ends, which every Notepad reads) and LICENSE.txt.
The exe must be built for the zip's processor, ask for a subsystem version the minimum runs,
import no DLL or function that first came with a later Windows, and import only DLLs that Windows
protects from a copy planted beside the exe.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

# Functions a program might import, by the Windows version that first had them.
NEW_FUNCTIONS = {
    "vista": """GetTickCount64 InitializeConditionVariable SleepConditionVariableCS
        SleepConditionVariableSRW WakeConditionVariable WakeAllConditionVariable InitializeSRWLock
        AcquireSRWLockExclusive AcquireSRWLockShared ReleaseSRWLockExclusive ReleaseSRWLockShared
        InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete InitOnceInitialize
        InitializeCriticalSectionEx CreateEventExA CreateEventExW CreateMutexExA CreateMutexExW
        CreateSemaphoreExA CreateSemaphoreExW GetFileInformationByHandleEx
        SetFileInformationByHandle CreateSymbolicLinkA CreateSymbolicLinkW
        GetFinalPathNameByHandleA GetFinalPathNameByHandleW GetLocaleInfoEx LCMapStringEx
        CompareStringEx GetUserDefaultLocaleName LocaleNameToLCID LCIDToLocaleName
        EnumSystemLocalesEx GetDateFormatEx GetTimeFormatEx GetNumberFormatEx ResolveLocaleName
        GetCurrentProcessorNumber QueryFullProcessImageNameA QueryFullProcessImageNameW CancelIoEx
        CancelSynchronousIo GetErrorMode GetDynamicTimeZoneInformation FlsAlloc FlsFree
        FlsGetValue FlsSetValue GetThreadId GetProcessIdOfThread SetFileCompletionNotificationModes
        CreateThreadpoolWork SubmitThreadpoolWork CreateThreadpoolTimer RegGetValueA RegGetValueW
        RegDeleteKeyExA RegDeleteKeyExW RegDeleteTreeA RegDeleteTreeW SHGetKnownFolderPath
        TaskDialog TaskDialogIndirect ChangeWindowMessageFilter SetProcessDPIAware
        IsProcessDPIAware ShutdownBlockReasonCreate ShutdownBlockReasonDestroy
        AddClipboardFormatListener RemoveClipboardFormatListener Wow64DisableWow64FsRedirection
        Wow64RevertWow64FsRedirection""",
    "7": """TryAcquireSRWLockExclusive TryAcquireSRWLockShared SetThreadErrorMode
        GetThreadErrorMode ChangeWindowMessageFilterEx GetLogicalProcessorInformationEx
        QueryUnbiasedInterruptTime PowerCreateRequest RegisterTouchWindow
        SetCurrentProcessExplicitAppUserModelID""",
    "8": """GetSystemTimePreciseAsFileTime AddDllDirectory SetDefaultDllDirectories
        RemoveDllDirectory CreateFile2 GetCurrentThreadStackLimits GetProcessMitigationPolicy
        SetProcessMitigationPolicy WaitOnAddress WakeByAddressSingle WakeByAddressAll
        GetDpiForMonitor SetProcessDpiAwareness""",
    "10": """GetDpiForWindow GetDpiForSystem SetThreadDpiAwarenessContext
        SetProcessDpiAwarenessContext EnableNonClientDpiScaling AdjustWindowRectExForDpi
        GetSystemMetricsForDpi SystemParametersInfoForDpi SetThreadDescription""",
}
NEW_DLLS = {
    "vista": {"dwmapi.dll", "bcrypt.dll", "ncrypt.dll", "propsys.dll", "wevtapi.dll"},
    "7": set(),
    "8": {"shcore.dll", "ucrtbase.dll"},
    "10": set(),
}
# The DLLs Windows always loads from the system folder (KnownDLLs), and comctl32, which the
# manifest names. A copy of any other DLL the exe imports, put beside it, is loaded instead.
PROTECTED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll",
                  "advapi32.dll", "comdlg32.dll", "shlwapi.dll", "imm32.dll", "msvcrt.dll",
                  "comctl32.dll"}
LATER_THAN = {"xp": ["vista", "7", "8", "10"], "vista": ["7", "8", "10"]}
# The highest subsystem version each minimum loads an executable for.
SUBSYSTEM_LIMIT = {"xp": (5, 1), "vista": (6, 0)}
PROCESSOR = {"win32": "pei-i386", "win64": "pei-x86-64"}
CONTENTS = {"vemplor.exe", "Vemplor.txt", "Filter.txt", "README-ja.txt", "LICENSE.txt"}


def denied_imports(imports, minimum):
    """The imports (dll, function) a Windows of the minimum version lacks, as messages."""
    later = LATER_THAN[minimum]
    functions = {name for version in later for name in NEW_FUNCTIONS[version].split()}
    dlls = set().union(*(NEW_DLLS[version] for version in later))
    faults = []
    for dll, function in imports:
        lower = dll.lower()
        if lower not in PROTECTED_DLLS:
            faults.append(f"{dll} is not protected: a copy beside the exe would be loaded")
        if lower in dlls or lower.startswith("api-ms-win-"):
            faults.append(f"{dll} is not in Windows {minimum}")
        elif function in functions:
            faults.append(f"{dll}!{function} is not in Windows {minimum}")
        # The secure variants of the C runtime came to msvcrt.dll with Vista.
        elif minimum == "xp" and lower == "msvcrt.dll" and function.endswith("_s"):
            faults.append(f"{dll}!{function} is not in Windows XP's msvcrt.dll")
    return sorted(set(faults))


def check_exe(exe, objdump, minimum, build):
    # objdump speaks the locale's language; the parsing reads its English.
    header = subprocess.run([objdump, "-p", str(exe)], capture_output=True, text=True,
                            check=True, env=dict(os.environ, LC_ALL="C")).stdout
    faults = []
    if f"file format {PROCESSOR[build]}" not in header:
        faults.append(f"vemplor.exe is not built for {build}")
    major = int(re.search(r"^MajorSubsystemVersion\s+(\d+)", header, re.M).group(1))
    minor = int(re.search(r"^MinorSubsystemVersion\s+(\d+)", header, re.M).group(1))
    if (major, minor) > SUBSYSTEM_LIMIT[minimum]:
        faults.append(f"subsystem version {major}.{minor} does not load on Windows {minimum}")
    imports = []
    dll = None
    for line in header.splitlines():
        named = re.match(r"\s*DLL Name: (\S+)", line)
        if named:
            dll = named.group(1)
        elif dll and re.match(r"\t[0-9a-f]+\t\s*\d+\s+\S+", line):
            imports.append((dll, line.split()[-1]))
    if not imports:
        faults.append("no imports found: objdump's output was not understood")
    print(f"vemplor.exe: {build}, subsystem {major}.{minor}, {len(imports)} imports")
    return faults + denied_imports(imports, minimum)


def check_text(name, data, with_mark):
    faults = []
    if with_mark and not data.startswith(b"\xef\xbb\xbf"):
        faults.append(f"{name} has no UTF-8 byte-order mark")
    try:
        data.decode("utf-8")
    except UnicodeDecodeError as error:
        faults.append(f"{name} is not UTF-8: {error}")
    if data.count(b"\n") != data.count(b"\r\n") or not data.endswith(b"\r\n"):
        faults.append(f"{name} has a line end other than CR LF")
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("zip", type=Path)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--minimum", required=True, choices=sorted(LATER_THAN))
    parser.add_argument("--sample", required=True, type=Path)
    args = parser.parse_args()
    if not args.zip.is_file():
        sys.exit(f"{args.zip} is missing: scripts/release.sh makes it")
    build = re.search(r"-(win32|win64)\.zip$", args.zip.name).group(1)

    faults = []
    with zipfile.ZipFile(args.zip) as archive, tempfile.TemporaryDirectory() as unpacked:
        names = set(archive.namelist())
        if names != CONTENTS:
            faults.append(f"the zip holds {sorted(names)}, not {sorted(CONTENTS)}")
        for sample in ("Vemplor.txt", "Filter.txt"):
            if sample in names and archive.read(sample) != (args.sample / sample).read_bytes():
                faults.append(f"{sample} is not the sample's")
        for text, with_mark in (("README-ja.txt", True), ("LICENSE.txt", False)):
            if text in names:
                faults += check_text(text, archive.read(text), with_mark)
        if "vemplor.exe" in names:
            exe = Path(archive.extract("vemplor.exe", unpacked))
            faults += check_exe(exe, args.objdump, args.minimum, build)
    print("\n".join(faults) or f"{args.zip.name}: complete, and fit for Windows {args.minimum}")
    sys.exit(1 if faults else 0)


main()
