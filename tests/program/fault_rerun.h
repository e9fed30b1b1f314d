// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ttt::test {

// Permission bits do not stop root, so a test of an unreadable or read-only file
// would prove nothing when run as root. Such a test runs itself again, alone, in a
// child process as the unprivileged user "nobody" and takes that run's result.
struct Rerun
{
    enum Outcome {
        NotNeeded, // this process is not root, or is already the child: test here
        Passed,
        Failed,
        Impossible, // the privileges could not be dropped; output says why
    };
    Outcome outcome = NotNeeded;
    QString output;
};

Rerun rerunWithoutRoot();

} // namespace ttt::test

// Runs the current test function as "nobody" when this process is root, and ends it
// here with the child's result.
#define FAULT_RUN_WITHOUT_ROOT()                                                                   \
    do {                                                                                           \
        const ttt::test::Rerun rerun = ttt::test::rerunWithoutRoot();                              \
        if (rerun.outcome == ttt::test::Rerun::Impossible)                                         \
            QSKIP(qPrintable(rerun.output));                                                       \
        if (rerun.outcome != ttt::test::Rerun::NotNeeded) {                                        \
            QVERIFY2(rerun.outcome == ttt::test::Rerun::Passed, qPrintable(rerun.output));         \
            qInfo("passed when run as the unprivileged user nobody");                              \
            return;                                                                                \
        }                                                                                          \
    } while (false)
