#pragma once

namespace rivetbench::platform {

// IsAdmin: on Windows the thread's (else the process's) token lists the Administrators group;
// elsewhere the user is root or in the sudo, wheel or admin group.
bool IsAdmin();

} // namespace rivetbench::platform
