#include "editor/platform/admin_check_posix.h"

#include "editor/platform/admin_check.h"

#include <algorithm>
#include <cerrno>
#include <grp.h>
#include <unistd.h>

namespace rivetbench::platform {
namespace {

std::vector<gid_t> groupIds() {
    std::vector<gid_t> ids;
    // Sized as the system says: a user in many groups must not be cut short. The list can change
    // between the two calls, hence the retry.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int count = getgroups(0, nullptr);
        if (count < 0) break;
        ids.resize(static_cast<std::size_t>(count));
        const int got = getgroups(count, ids.data());
        if (got >= 0) {
            ids.resize(static_cast<std::size_t>(got));
            break;
        }
        ids.clear();
        if (errno != EINVAL) break;
    }
    // getgroups need not list the effective group.
    ids.push_back(getegid());
    return ids;
}

std::vector<std::string> groupNames(const std::vector<gid_t>& ids) {
    std::vector<std::string> names;
    const long suggested = sysconf(_SC_GETGR_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 1024);
    for (const gid_t id : ids) {
        group entry{};
        group* found = nullptr;
        int error = 0;
        while ((error = getgrgid_r(id, &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
               buffer.size() < (1u << 24))
            buffer.resize(buffer.size() * 2);
        if (error == 0 && found != nullptr && found->gr_name != nullptr) names.emplace_back(found->gr_name);
    }
    return names;
}

} // namespace

bool isAdminGroupList(unsigned long uid, const std::vector<std::string>& groupNames) {
    if (uid == 0) return true;
    return std::any_of(groupNames.begin(), groupNames.end(), [](const std::string& name) {
        return name == "sudo" || name == "wheel" || name == "admin";
    });
}

bool IsAdmin() {
    return isAdminGroupList(geteuid(), groupNames(groupIds()));
}

} // namespace rivetbench::platform
