// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/art/artwork.h"
#include "shell/stayontop.h"
#include "shell/trayicon.h"

#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>

using ttt::StayOnTop;
using ttt::TrayIcon;

namespace {

bool isShown(const TrayIcon& tray)
{
    const auto* icon = tray.findChild<QSystemTrayIcon*>();
    return icon && icon->isVisible();
}

} // namespace

class TestWindowHelpers : public QObject
{
    Q_OBJECT

private slots:
    void removeWithoutAddIsSafe();
    void addShowsIconOnlyWhereThereIsATray();
    void toggledTwiceIsOffAgain();
    void keepsVisibleWindowShowing();
    void keepsHiddenWindowHidden();
    void sameFlagLeavesNativeWindowAlone();
};

void TestWindowHelpers::removeWithoutAddIsSafe()
{
    TrayIcon tray;
    tray.remove();
    QVERIFY(!isShown(tray));
}

void TestWindowHelpers::addShowsIconOnlyWhereThereIsATray()
{
    TrayIcon tray;
    QCOMPARE(TrayIcon::tip(), QStringLiteral("Tic Tac Toe"));
    tray.add(ttt::Artwork().appIcon());
    QCOMPARE(isShown(tray), QSystemTrayIcon::isSystemTrayAvailable());
    tray.remove();
    QVERIFY(!isShown(tray));
    tray.remove();
    QVERIFY(!isShown(tray));
}

void TestWindowHelpers::toggledTwiceIsOffAgain()
{
    QWidget window;
    window.show();
    StayOnTop::apply(&window, true);
    QVERIFY(StayOnTop::isOnTop(&window));
    StayOnTop::apply(&window, false);
    QVERIFY(!StayOnTop::isOnTop(&window));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestWindowHelpers::keepsVisibleWindowShowing()
{
    QWidget window;
    window.show();
    StayOnTop::apply(&window, true);
    QVERIFY(window.isVisible());
    StayOnTop::apply(&window, false);
    QVERIFY(window.isVisible());
}

void TestWindowHelpers::keepsHiddenWindowHidden()
{
    QWidget window;
    StayOnTop::apply(&window, true);
    QVERIFY(StayOnTop::isOnTop(&window));
    QVERIFY(!window.isVisible());
}

void TestWindowHelpers::sameFlagLeavesNativeWindowAlone()
{
    QWidget window;
    window.show();
    StayOnTop::apply(&window, true);
    const WId native = window.winId();
    StayOnTop::apply(&window, true);
    QCOMPARE(window.winId(), native);
    QVERIFY(StayOnTop::isOnTop(&window));
}

QTEST_MAIN(TestWindowHelpers)
#include "windowhelpers_test.moc"
