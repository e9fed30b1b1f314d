// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkey_storm.h"

#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/secondarywindows.h"
#include "shell/tests/windowtestbench.h"

#include <QAction>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

namespace ttt::test {

namespace {

// Every menu command but Exit, which is one of the rarer ways out (see quit()).
const char* const menuNames[] = {
    layout::newGameAction,   layout::clearScoreAction, layout::allOnTopAction,
    layout::taskbarAction,   layout::levelActions[0],  layout::levelActions[1],
    layout::levelActions[2], layout::levelActions[3],  layout::graphicsAction,
    layout::xFirstAction,    layout::oFirstAction,     layout::onePlayerAction,
    layout::twoPlayerAction, layout::scoringAction,    layout::soundsAction,
    layout::tipsAction,      layout::aboutAction};

const char* const optionNames[] = {
    layout::playersOptions[0].name,    layout::playersOptions[1].name,
    layout::firstMoveOptions[0].name,  layout::firstMoveOptions[1].name,
    layout::difficultyOptions[0].name, layout::difficultyOptions[1].name,
    layout::difficultyOptions[2].name, layout::difficultyOptions[3].name};

// Digits, letters other than "S" and "s", and the space bar.
const char keys[] = "0123456789 abcdefghijklmnopqrtuvwxyzABCDEFGHIJKLMNOPQRTUVWXYZ";

template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("the storm cannot find %s", qPrintable(name));
    return found;
}

template <typename T> T* child(const QObject* parent, const char* name)
{
    return child<T>(parent, QString::fromLatin1(name));
}

bool isOpen(const QWidget* window)
{
    return window && window->isVisible();
}

} // namespace

StormEvent MonkeyStorm::next(MainWindow& window)
{
    const bool mainBlocked = !window.isEnabled();
    if (isOpen(secondaryWindow(layout::graphicsChooser)))
        return pick(4) == 0 ? blockedClick(window) : onChooser();
    if (isOpen(secondaryWindow(layout::aboutWindow)))
        return pick(4) == 0 ? blockedClick(window) : onAbout();
    if (isOpen(secondaryWindow(layout::tipsWindow)))
        return pick(4) == 0 ? blockedClick(window) : onTips();
    if (mainBlocked)
        return blockedClick(window); // the watcher reports a window left disabled
    return onMainWindow(window);
}

StormEvent MonkeyStorm::onMainWindow(MainWindow& window)
{
    const int roll = pick(1000);
    if (roll < 300) {
        const int square = pick(layout::squareCount) + 1;
        QTest::mouseClick(window.findChild<BoardWidget*>()->cell(square), Qt::LeftButton);
        return {StormKind::Square, QStringLiteral("click square %1").arg(square), {}};
    }
    if (roll < 450) {
        const int square = pick(layout::squareCount) + 1;
        QTest::keyClick(window.findChild<BoardWidget*>(), char('0' + square));
        return {StormKind::Square, QStringLiteral("key %1 on the board").arg(square), {}};
    }
    if (roll < 530) {
        QWidget* targets[] = {window.findChild<BoardWidget*>(), window.centralWidget(),
                              child<QWidget>(&window, layout::newGameButton.name),
                              child<QWidget>(&window, layout::quitButton.name),
                              child<QWidget>(&window, optionNames[pick(8)])};
        QWidget* target = targets[pick(5)];
        return keyPress(target, target->objectName());
    }
    if (roll < 730)
        return menuCommand(window);
    if (roll < 880)
        return optionButton(window);
    if (roll < 920) {
        QTest::mouseClick(child<QWidget>(&window, layout::newGameButton.name), Qt::LeftButton);
        return {StormKind::NewGameButton, QStringLiteral("click New Game"), {}};
    }
    if (roll < 994) {
        QTest::mouseClick(window.centralWidget(), Qt::LeftButton, {}, QPoint(3, 3));
        return {StormKind::Background, QStringLiteral("click the window background"), {}};
    }
    return quit(window);
}

StormEvent MonkeyStorm::menuCommand(MainWindow& window)
{
    const char* name = menuNames[pick(std::size(menuNames))];
    child<QAction>(&window, name)->trigger();
    return {StormKind::Menu, QStringLiteral("menu %1").arg(QLatin1String(name)),
            QString::fromLatin1(name)};
}

StormEvent MonkeyStorm::optionButton(MainWindow& window)
{
    const char* name = optionNames[pick(std::size(optionNames))];
    QTest::mouseClick(child<QRadioButton>(&window, name), Qt::LeftButton);
    return {StormKind::Option, QStringLiteral("option button %1").arg(QLatin1String(name)),
            QString::fromLatin1(name)};
}

StormEvent MonkeyStorm::keyPress(QWidget* target, const QString& where)
{
    const char key = keys[pick(sizeof keys - 1)];
    QTest::keyClick(target, key);
    const StormKind kind = key >= '1' && key <= '9' ? StormKind::Square : StormKind::Key;
    return {kind, QStringLiteral("key '%1' on %2").arg(QLatin1Char(key)).arg(where), {}};
}

StormEvent MonkeyStorm::quit(MainWindow& window)
{
    switch (pick(3)) {
    case 0:
        child<QAction>(&window, layout::exitAction)->trigger();
        return {StormKind::Quit, QStringLiteral("menu exit"), QLatin1String(layout::exitAction)};
    case 1:
        QTest::mouseClick(child<QWidget>(&window, layout::quitButton.name), Qt::LeftButton);
        return {StormKind::Quit, QStringLiteral("click Quit"),
                QLatin1String(layout::quitButton.name)};
    default:
        return closeByFrame(&window, QStringLiteral("the main window"));
    }
}

StormEvent MonkeyStorm::closeByFrame(QWidget* window, const QString& name)
{
    // The platform's close request, as the window frame's close box sends it.
    window->windowHandle()->close();
    const StormKind kind =
        name == QLatin1String("the main window") ? StormKind::Quit : StormKind::Secondary;
    return {kind, QStringLiteral("close box of %1").arg(name), {}};
}

StormEvent MonkeyStorm::blockedClick(MainWindow& window)
{
    const int roll = pick(100);
    if (roll < 2)
        return closeByFrame(&window, QStringLiteral("the main window"));
    QWidget* target = nullptr;
    if (roll < 50)
        target = window.findChild<BoardWidget*>()->cell(pick(layout::squareCount) + 1);
    else if (roll < 80)
        target = child<QWidget>(&window, optionNames[pick(8)]);
    else
        target =
            child<QWidget>(&window, pick(2) ? layout::newGameButton.name : layout::quitButton.name);
    QTest::mouseClick(target, Qt::LeftButton);
    const QString name =
        target->objectName().isEmpty() ? QStringLiteral("a cell") : target->objectName();
    return {StormKind::Blocked, QStringLiteral("click %1 behind a secondary window").arg(name), {}};
}

StormEvent MonkeyStorm::onChooser()
{
    QWidget* chooser = secondaryWindow(layout::graphicsChooser);
    const int roll = pick(100);
    if (roll < 45) {
        const int set = pick(12) + 1;
        QTest::mouseClick(
            child<QWidget>(chooser, layout::numberedName(layout::setOptionPrefix, set)),
            Qt::LeftButton);
        return {StormKind::Secondary, QStringLiteral("chooser: pick Option %1").arg(set), {}};
    }
    if (roll < 70) {
        QTest::mouseClick(child<QWidget>(chooser, layout::okButton), Qt::LeftButton);
        return {StormKind::Secondary, QStringLiteral("chooser: OK"), {}};
    }
    if (roll < 80) {
        QTest::mouseClick(child<QWidget>(chooser, layout::cancelButton), Qt::LeftButton);
        return {StormKind::Secondary, QStringLiteral("chooser: Cancel"), {}};
    }
    if (roll < 90)
        return closeByFrame(chooser, QStringLiteral("the chooser"));
    QWidget* focus = chooser->focusWidget() ? chooser->focusWidget() : chooser;
    const int key = roll < 95 ? Qt::Key_Escape : Qt::Key_Return;
    QTest::keyClick(focus, Qt::Key(key));
    return {StormKind::Secondary,
            QStringLiteral("chooser: %1 on %2")
                .arg(key == Qt::Key_Escape ? QStringLiteral("Escape") : QStringLiteral("Return"))
                .arg(focus->objectName()),
            {}};
}

StormEvent MonkeyStorm::onAbout()
{
    QWidget* about = secondaryWindow(layout::aboutWindow);
    const int roll = pick(100);
    if (roll < 40) {
        QTest::mouseClick(child<QWidget>(about, layout::okButton), Qt::LeftButton);
        return {StormKind::Secondary, QStringLiteral("about: Thank you"), {}};
    }
    if (roll < 70) {
        QTest::mouseDClick(child<QWidget>(about, layout::slideHotspot), Qt::LeftButton);
        return {StormKind::Secondary, QStringLiteral("about: double-click the hotspot"), {}};
    }
    if (roll < 90)
        return closeByFrame(about, QStringLiteral("About"));
    QTest::keyClick(about, Qt::Key_Escape);
    return {StormKind::Secondary, QStringLiteral("about: Escape"), {}};
}

StormEvent MonkeyStorm::onTips()
{
    QWidget* tips = secondaryWindow(layout::tipsWindow);
    const int roll = pick(100);
    if (roll < 50) {
        QTest::mouseClick(child<QWidget>(tips, layout::okButton), Qt::LeftButton);
        return {StormKind::Secondary, QStringLiteral("tips: OK"), {}};
    }
    if (roll < 90)
        return closeByFrame(tips, QStringLiteral("Tips"));
    QTest::keyClick(tips, Qt::Key_Escape);
    return {StormKind::Secondary, QStringLiteral("tips: Escape"), {}};
}

} // namespace ttt::test
