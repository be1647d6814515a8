#ifndef _WIN32
#include "editor/platform/admin_check.h"
#include "editor/platform/admin_check_posix.h"

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

using rivetbench::platform::isAdminGroupList;

namespace {

std::vector<std::string> manyGroupsEndingWith(const std::string& last) {
    std::vector<std::string> groups;
    for (int i = 0; i < 3000; ++i)
        groups.push_back("project-group-" + std::to_string(i));
    groups.push_back(last);
    return groups;
}

struct AdminCase {
    const char* title;
    unsigned long uid;
    std::vector<std::string> groups;
    bool admin;
};

TEST(IsAdmin, GroupList) {
    const AdminCase cases[] = {
        {"root", 0, {}, true},
        {"sudo", 1000, {"pilot", "sudo"}, true},
        {"wheel", 1000, {"wheel"}, true},
        {"admin", 1000, {"users", "admin", "audio"}, true},
        {"no groups", 1000, {}, false},
        {"near misses", 1000, {"users", "adm", "sudoers", "SUDO", "wheel2", "administrators"}, false},
        {"many groups, the last one admin", 1000, manyGroupsEndingWith("wheel"), true},
        {"many groups, none admin", 1000, manyGroupsEndingWith("games"), false},
    };
    for (const AdminCase& c : cases)
        EXPECT_EQ(isAdminGroupList(c.uid, c.groups), c.admin) << c.title;
}

TEST(IsAdmin, RootIsAlwaysAdmin) {
    if (geteuid() != 0) GTEST_SKIP() << "not running as root";
    EXPECT_TRUE(rivetbench::platform::IsAdmin());
}

} // namespace
#endif
