#pragma once

#include <string>
#include <vector>

namespace rivetbench::platform {

// Root, or a member of one of the groups that may act as administrator (sudo, wheel, admin).
bool isAdminGroupList(unsigned long uid, const std::vector<std::string>& groupNames);

} // namespace rivetbench::platform
