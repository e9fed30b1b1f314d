// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a Wayland compositor (run by under-weston): Always on Top is
// shown unavailable while the saved choice survives, and About stays over the
// main window in the compositor's own stacking.
#include "session/settingsstore.h"
#include "shell/dialogs/aboutwindow.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/secondarywindows.h"
#include "shell/stayontop.h"
#include "shell/tests/windowtestbench.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QWindow>

using namespace ttt;

class WaylandWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { m_bench = std::make_unique<test::WindowTestBench>(); }
    void cleanup() { m_bench.reset(); }
    void alwaysOnTopIsUnavailableAndTheSavedChoiceKept();
    void aboutStaysOverTheMainWindow();

private:
    QAction* action(const char* name) const
    {
        return m_bench->window->findChild<QAction*>(QString::fromLatin1(name));
    }
    void startWith(const QByteArray& settings)
    {
        QFile file(QStringLiteral("options.ttt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(settings);
        file.close();
        const StartingOptions start = loadOptionsFile();
        QVERIFY(start.problem.isEmpty());
        m_bench->window->startUp(start.options);
        m_bench->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_bench->window.get()));
    }

    std::unique_ptr<test::WindowTestBench> m_bench;
};

namespace {

// The titles of this program's windows as the compositor stacks them, topmost first.
QStringList compositorStacking()
{
    QProcess debug;
    debug.start(QStringLiteral("weston-debug"), {QStringLiteral("scene-graph")});
    if (!debug.waitForFinished(5000))
        return {};
    const QString ours = QStringLiteral("PID %1,").arg(QCoreApplication::applicationPid());
    const QString before = QStringLiteral("top-level window '");
    QStringList titles;
    for (const QString& line : QString::fromUtf8(debug.readAllStandardOutput()).split('\n')) {
        const qsizetype start = line.indexOf(before);
        const qsizetype end = line.lastIndexOf(QStringLiteral("' of "));
        if (line.contains(ours) && start >= 0 && end > start)
            titles.append(line.mid(start + before.size(), end - start - before.size()));
    }
    return titles;
}

} // namespace

void WaylandWindowTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
}

void WaylandWindowTest::alwaysOnTopIsUnavailableAndTheSavedChoiceKept()
{
    startWith("3,1,1,0,1,1,16\r\n");
    QAction* onTop = action(layout::allOnTopAction);
    QVERIFY(!onTop->isEnabled());
    QVERIFY(!onTop->isChecked());
    QCOMPARE(onTop->text(), QStringLiteral("Al&ways on Top"));
    QVERIFY(!onTop->toolTip().isEmpty());
    QVERIFY(m_bench->window->findChild<QMenu*>(QLatin1String(layout::fileMenu))->toolTipsVisible());
    onTop->trigger();
    QVERIFY(!StayOnTop::isOnTop(m_bench->window.get()));

    action(layout::aboutAction)->trigger();
    QVERIFY(!StayOnTop::isOnTop(test::secondaryWindow(layout::aboutWindow)));

    m_bench->window->close();
    QFile file(QStringLiteral("options.ttt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("3,1,1,0,1,1,16\r\n"));
}

void WaylandWindowTest::aboutStaysOverTheMainWindow()
{
    startWith("3,1,1,0,1,0,16\r\n");
    const QString mainTitle = m_bench->window->windowTitle();
    QTRY_VERIFY_WITH_TIMEOUT(compositorStacking().contains(mainTitle), 10000);

    action(layout::aboutAction)->trigger();
    AboutWindow* about = test::secondaryWindow<AboutWindow>(layout::aboutWindow);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowHandle()->transientParent(), m_bench->window->windowHandle());
    const QStringList expected{about->windowTitle(), mainTitle};
    QTRY_COMPARE_WITH_TIMEOUT(compositorStacking(), expected, 10000);
}

QTEST_MAIN(WaylandWindowTest)
#include "wayland_window_test.moc"
