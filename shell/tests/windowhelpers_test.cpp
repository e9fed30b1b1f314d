// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/stayontop.h"

#include <QTest>
#include <QWidget>

using ttt::StayOnTop;

class TestWindowHelpers : public QObject
{
    Q_OBJECT

private slots:
    void onlyWaylandCannotKeepWindowsOnTop();
    void toggledTwiceIsOffAgain();
    void keepsVisibleWindowShowing();
    void keepsHiddenWindowHidden();
    void sameFlagLeavesNativeWindowAlone();
};

void TestWindowHelpers::onlyWaylandCannotKeepWindowsOnTop()
{
    for (const char* name : {"xcb", "offscreen", "minimal", "eglfs"})
        QVERIFY2(StayOnTop::isAvailable(QString::fromLatin1(name)), name);
    for (const char* name : {"wayland", "wayland-egl"})
        QVERIFY2(!StayOnTop::isAvailable(QString::fromLatin1(name)), name);
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
