// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamemenus.h"

#include "game/options.h"
#include "levelwords.h"
#include "shell/layout/windowlayout.h"

#include <QCoreApplication>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ttt {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption, bool checkable = false)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

GameMenus GameMenus::build(QMenuBar* bar)
{
    GameMenus m;
    QMenu* file = addMenu(bar, layout::fileMenu, QObject::tr("&File"));
    // Shows the reason an item is unavailable; items without a tooltip show none.
    file->setToolTipsVisible(true);
    m.newGame = addItem(file, layout::newGameAction, QObject::tr("&New Game"));
    // The menu shows the game's own key for a new game. The game hears the key itself,
    // wherever the focus is, so the shortcut is only shown: it applies to the menu bar
    // having the focus, which it never has.
    m.newGame->setShortcut(QKeySequence(Qt::Key_P));
    m.newGame->setShortcutContext(Qt::WidgetShortcut);
    m.clearScore = addItem(file, layout::clearScoreAction, QObject::tr("&Clear Score"));
    m.allOnTop = addItem(file, layout::allOnTopAction, QObject::tr("Al&ways on Top"), true);
    m.taskbar = addItem(file, layout::taskbarAction, QObject::tr("&Taskbar"), true);
    m.taskbar->setVisible(false);
    m.taskbar->setEnabled(false);
    file->addSeparator()->setObjectName(QLatin1String(layout::fileSeparator));
    m.exit = addItem(file, layout::exitAction, QObject::tr("E&xit"));

    QMenu* diff = addMenu(bar, layout::difficultyMenu, QObject::tr("&Difficulty"));
    for (std::size_t i = 0; i < levelWords.size(); ++i) {
        m.levels[i] = addItem(diff, layout::levelActions[i],
                              QCoreApplication::translate("QObject", levelWords[i].menu), true);
    }

    QMenu* options = addMenu(bar, layout::optionsMenu, QObject::tr("&Options"));
    m.graphics = addItem(options, layout::graphicsAction, QObject::tr("&Graphics"));
    QMenu* firstMove = options->addMenu(QObject::tr("&First Move"));
    firstMove->setObjectName(QLatin1String(layout::firstMoveMenu));
    m.xFirst = addItem(firstMove, layout::xFirstAction, QObject::tr("X Goes First"), true);
    m.oFirst = addItem(firstMove, layout::oFirstAction, QObject::tr("O Goes First"), true);
    QMenu* players = options->addMenu(QObject::tr("&Number of Players"));
    players->setObjectName(QLatin1String(layout::playersMenu));
    m.onePlayer = addItem(players, layout::onePlayerAction, QObject::tr("&One Player"), true);
    m.twoPlayer = addItem(players, layout::twoPlayerAction, QObject::tr("&Two Player"), true);
    m.turnScore = addItem(options, layout::scoringAction, QObject::tr("&Turn Scoring Off"));
    m.sounds = addItem(options, layout::soundsAction, QObject::tr("&Sounds"), true);

    QMenu* help = addMenu(bar, layout::helpMenu, QObject::tr("&Help"));
    m.tips = addItem(help, layout::tipsAction, QObject::tr("&Tips"));
    m.about = addItem(help, layout::aboutAction, QObject::tr("&About Tic Tac Toe"));
    return m;
}

void GameMenus::show(const Options& options, bool onTopAvailable) const
{
    clearScore->setEnabled(options.scoring);
    // The switch names the action it offers.
    turnScore->setText(options.scoring ? QObject::tr("&Turn Scoring Off")
                                       : QObject::tr("&Turn Scoring On"));
    allOnTop->setChecked(onTopAvailable && options.onTop);
    for (std::size_t i = 0; i < allLevels.size(); ++i)
        levels[i]->setChecked(options.level == allLevels[i]);
    xFirst->setChecked(options.firstMover == Mark::X);
    oFirst->setChecked(options.firstMover == Mark::O);
    onePlayer->setChecked(options.players == Players::One);
    twoPlayer->setChecked(options.players == Players::Two);
    sounds->setChecked(options.sounds.isOn());
}

void GameMenus::disableOnTop(const QString& reason) const
{
    allOnTop->setEnabled(false);
    allOnTop->setToolTip(reason);
    allOnTop->setStatusTip(reason);
}

} // namespace ttt
