// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace ttt::test {

// Permission bits do not stop root, so a test about an unreadable or read-only file
// proves nothing when run as root. Such a test runs itself again, alone, in a child
// process as the unprivileged user "nobody" (through setpriv) and takes its result.
struct UnprivilegedRun
{
    enum Outcome { Passed, Failed, Impossible };
    Outcome outcome = Impossible;
    std::string output; // the child's output, or why it could not run
};

UnprivilegedRun runCurrentTestAsNobody();

// For a test that needs root to set things up (a file owned by someone else) and then
// an ordinary user to act on them: runs body in a forked child as "nobody" and passes
// when body returns true. Impossible unless this process is root.
UnprivilegedRun runAsNobody(const std::function<bool()>& body);

} // namespace ttt::test

// For a test whose point is lost on root: when permission bits do not apply here, the
// test runs as "nobody" instead and ends with that run's result. It is skipped only
// when the privileges cannot be dropped.
#define RUN_AS_NOBODY_WHEN_PERMISSIONS_DO_NOT_APPLY(skipReason)                                    \
    do {                                                                                           \
        if (!ttt::test::permissionsApply()) {                                                      \
            const ttt::test::UnprivilegedRun run = ttt::test::runCurrentTestAsNobody();            \
            if (run.outcome == ttt::test::UnprivilegedRun::Impossible)                             \
                GTEST_SKIP() << (skipReason) << "; " << run.output;                                \
            EXPECT_EQ(run.outcome, ttt::test::UnprivilegedRun::Passed) << run.output;              \
            return;                                                                                \
        }                                                                                          \
    } while (false)
