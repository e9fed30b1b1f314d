#include "gamemenus.h"

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
    QMenu* file = addMenu(bar, "file", QObject::tr("&File"));
    // Shows the reason an item is unavailable; items without a tooltip show none.
    file->setToolTipsVisible(true);
    m.newGame = addItem(file, "newgamemenu", QObject::tr("&New Game"));
    m.clearScore = addItem(file, "clearscore", QObject::tr("&Clear Score"));
    m.allOnTop = addItem(file, "allontop", QObject::tr("Al&ways on Top"), true);
    m.taskbar = addItem(file, "taskbar", QObject::tr("&Taskbar"), true);
    m.taskbar->setVisible(false);
    m.taskbar->setEnabled(false);
    file->addSeparator()->setObjectName(QStringLiteral("blank"));
    m.exit = addItem(file, "exit", QObject::tr("E&xit"));

    QMenu* diff = addMenu(bar, "diff", QObject::tr("&Difficulty"));
    const QString levelCaptions[] = {QObject::tr("&Easy"), QObject::tr("&Meduim"),
                                     QObject::tr("&Hard"), QObject::tr("&Unbeatable")};
    for (int i = 0; i < 4; ++i) {
        m.levels[i] = addItem(diff, "ai", levelCaptions[i], true);
        m.levels[i]->setObjectName(QStringLiteral("ai%1").arg(i + 1));
    }

    QMenu* options = addMenu(bar, "options", QObject::tr("&Options"));
    m.graphics = addItem(options, "graphics", QObject::tr("&Graphics"));
    QMenu* firstMove = options->addMenu(QObject::tr("&First Move"));
    firstMove->setObjectName(QStringLiteral("firstmove"));
    m.xFirst = addItem(firstMove, "first", QObject::tr("X Goes First"), true);
    m.oFirst = addItem(firstMove, "firsto", QObject::tr("O Goes First"), true);
    QMenu* players = options->addMenu(QObject::tr("&Number of Players"));
    players->setObjectName(QStringLiteral("numofplay"));
    m.onePlayer = addItem(players, "newgame", QObject::tr("&One Player"), true);
    m.twoPlayer = addItem(players, "twoplayer", QObject::tr("&Two Player"), true);
    m.turnScore = addItem(options, "turnscore", QObject::tr("&Turn Scoring Off"));
    m.sounds = addItem(options, "sounds", QObject::tr("&Sounds"), true);

    QMenu* help = addMenu(bar, "helpmenu", QObject::tr("&Help"));
    m.tips = addItem(help, "tips", QObject::tr("&Tips"));
    m.about = addItem(help, "about", QObject::tr("&About Tic Tac Toe"));
    return m;
}

} // namespace ttt
