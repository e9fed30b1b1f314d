// SPDX-License-Identifier: GPL-3.0-or-later
#include "fault_rerun.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace ttt::test {

namespace {

constexpr const char* childMark = "TTT_FAULT_CHILD";
constexpr const char* nobody = "65534";

} // namespace

Rerun rerunWithoutRoot()
{
    if (::geteuid() != 0 || qEnvironmentVariableIsSet(childMark))
        return {};
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        return {Rerun::Impossible,
                QStringLiteral("running as root without setpriv, so permission bits cannot be "
                               "made to apply")};
    // The child's home, working and temporary folder: one that nobody may write in,
    // removed with everything the child (and Qt and the font cache on its behalf)
    // left in it.
    QTemporaryDir scratch;
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (!scratch.isValid() || !QFile::setPermissions(scratch.path(), everyone))
        return {Rerun::Impossible, QStringLiteral("cannot make a scratch folder for nobody")};
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(childMark), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), scratch.path());
    environment.insert(QStringLiteral("TMPDIR"), scratch.path());
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(scratch.path());
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(setpriv, {QStringLiteral("--reuid=%1").arg(QLatin1String(nobody)),
                          QStringLiteral("--regid=%1").arg(QLatin1String(nobody)),
                          QStringLiteral("--clear-groups"), QStringLiteral("--"),
                          QCoreApplication::applicationFilePath(), function});
    if (!child.waitForFinished(120000))
        return {Rerun::Failed, QStringLiteral("the unprivileged run did not finish")};
    const QString output = QString::fromLocal8Bit(child.readAll());
    if (output.contains(QLatin1String("setpriv:")))
        return {Rerun::Impossible, QStringLiteral("could not become nobody: ") + output};
    // The function's own verdict, not the set-up's: it must have passed, not skipped.
    const QRegularExpression passed(
        QStringLiteral("^PASS   : \\w+::%1\\(\\)$").arg(QRegularExpression::escape(function)),
        QRegularExpression::MultilineOption);
    const bool ok = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                    output.contains(passed);
    return {ok ? Rerun::Passed : Rerun::Failed, QStringLiteral("run as nobody:\n") + output};
}

} // namespace ttt::test
