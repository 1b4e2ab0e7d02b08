#include "paste/target_integrity.h"

#include <vector>

namespace {

// PROCESS_QUERY_LIMITED_INFORMATION of Windows Vista, which the headers hide from a build for
// older systems: the one right a process run as administrator grants to others.
const DWORD QueryLimitedInformation = 0x1000;

// The last relative identifier of the process token's mandatory label.
bool ReadIntegrityLevel(HANDLE process, IntegrityLevel& level)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) {
        return false;
    }
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<unsigned char> label(size);
    bool read = size >= sizeof(TOKEN_MANDATORY_LABEL) &&
                GetTokenInformation(token, TokenIntegrityLevel, label.data(), size, &size);
    if (read) {
        PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(label.data())->Label.Sid;
        read = IsValidSid(sid) && *GetSidSubAuthorityCount(sid) > 0;
        if (read) {
            level = *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
        }
    }
    CloseHandle(token);
    return read;
}

} // namespace

PasteRoute PasteRouteInto(HWND target)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    HANDLE process = processId != 0 ? OpenProcess(QueryLimitedInformation, FALSE, processId)
                                    : nullptr;
    if (process == nullptr) {
        return PasteRoute::Keystroke;
    }
    IntegrityLevel picker = 0;
    IntegrityLevel targetLevel = 0;
    bool known = ReadIntegrityLevel(GetCurrentProcess(), picker) &&
                 ReadIntegrityLevel(process, targetLevel);
    CloseHandle(process);
    return known ? DecidePasteRoute(picker, targetLevel) : PasteRoute::Keystroke;
}
