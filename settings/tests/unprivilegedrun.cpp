// SPDX-License-Identifier: GPL-3.0-or-later
#include "unprivilegedrun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ttt::test {

namespace {

constexpr const char* childMark = "TTT_UNPRIVILEGED_CHILD";

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace

UnprivilegedRun runCurrentTestAsNobody()
{
    if (std::getenv(childMark) != nullptr)
        return {UnprivilegedRun::Impossible, "already running as the unprivileged child"};
    if (::geteuid() != 0)
        return {UnprivilegedRun::Impossible, "only root can become nobody"};
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {UnprivilegedRun::Impossible, "cannot find this test program"};
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string(test->test_suite_name()) + "." + test->name();
    const std::string command = std::string("cd /tmp && ") + childMark +
                                "=1 setpriv --reuid=65534 --regid=65534 --clear-groups -- " +
                                quoted(self.string()) + " " + quoted("--gtest_filter=" + filter) +
                                " 2>&1";
    FILE* child = ::popen(command.c_str(), "r");
    if (child == nullptr)
        return {UnprivilegedRun::Impossible, "cannot start setpriv"};
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), child))
        output.append(buffer.data(), got);
    const int status = ::pclose(child);
    if (output.find("setpriv") != std::string::npos &&
        output.find("[==========]") == std::string::npos)
        return {UnprivilegedRun::Impossible, "could not become nobody: " + output};
    const bool passed = WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
                        output.find("[       OK ] " + filter) != std::string::npos;
    return {passed ? UnprivilegedRun::Passed : UnprivilegedRun::Failed,
            "run as nobody:\n" + output};
}

UnprivilegedRun runAsNobody(const std::function<bool()>& body)
{
    if (::geteuid() != 0)
        return {UnprivilegedRun::Impossible, "only root can become nobody"};
    constexpr int cannotDrop = 3;
    const pid_t child = ::fork();
    if (child < 0)
        return {UnprivilegedRun::Impossible, "cannot fork"};
    if (child == 0) {
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setresgid(nobody, nobody, nobody) != 0 ||
            ::setresuid(nobody, nobody, nobody) != 0)
            ::_exit(cannotDrop);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return {UnprivilegedRun::Failed, "the child as nobody did not exit normally"};
    if (WEXITSTATUS(status) == cannotDrop)
        return {UnprivilegedRun::Impossible, "could not become nobody"};
    return {WEXITSTATUS(status) == 0 ? UnprivilegedRun::Passed : UnprivilegedRun::Failed,
            "the child as nobody exited with " + std::to_string(WEXITSTATUS(status))};
}

} // namespace ttt::test
