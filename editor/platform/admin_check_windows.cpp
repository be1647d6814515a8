#include "editor/platform/admin_check.h"

#include <vector>
#include <windows.h>

namespace rivetbench::platform {

bool IsAdmin() {
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) {
        if (GetLastError() != ERROR_NO_TOKEN) return false;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    }

    // Asked first for its size: a user in many groups needs more than any fixed buffer holds.
    DWORD size = 0;
    GetTokenInformation(token, TokenGroups, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    const bool haveGroups = size != 0 && GetTokenInformation(token, TokenGroups, buffer.data(), size, &size);
    CloseHandle(token);
    if (!haveGroups) return false;

    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
                                  0, 0, 0, 0, &administrators))
        return false;
    // Membership alone counts, whatever the group's attributes (a deny-only entry included).
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
    bool found = false;
    for (DWORD i = 0; i < groups->GroupCount && !found; ++i)
        found = EqualSid(administrators, groups->Groups[i].Sid) != FALSE;
    FreeSid(administrators);
    return found;
}

} // namespace rivetbench::platform
