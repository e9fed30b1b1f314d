// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given: the board as a table whose cells are the squares,
// which it can press, the whole position on request, and the pictures and the
// secondary windows in their roles. What reaches a
// screen reader over the desktop's accessibility bus, the announcements among
// it, is tested on the installed game (tests/e2e/accessibility.py).
#include "core/boardtext.h"
#include "game/savedoptions.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/layout/windowlayout.h"
#include "windowtestbench.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>

#include <array>
#include <memory>

using namespace ttt;

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roles_data();
    void roles();
    void squaresArePressedByActionAndKeys();
    void tabWalksTheSquaresAsTheyAreRead();
    void theBoardIsReadAsAList();

private:
    CellView* cell(int square) const
    {
        return m_bench->window->findChild<BoardWidget*>()->cell(square);
    }
    QAccessibleActionInterface* actions(int square) const
    {
        return QAccessible::queryAccessibleInterface(cell(square))->actionInterface();
    }
    QString boardText() const
    {
        return QString::fromStdString(ttt::boardText(m_bench->game().match().board()));
    }

    std::unique_ptr<test::WindowTestBench> m_bench;
};

void AccessibilityTest::init()
{
    m_bench = std::make_unique<test::WindowTestBench>();
    MainWindow& window = *m_bench->window;
    SettingsRecord twoPlayers;
    twoPlayers.players = 2;
    window.startUp(optionsFromRecord(twoPlayers));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void AccessibilityTest::cleanup()
{
    m_bench.reset();
}

void AccessibilityTest::roles_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("square") << "square" << QAccessible::ListItem;
    QTest::newRow("board") << "board" << QAccessible::List;
    QTest::newRow("outcome") << layout::resultPicture.name << QAccessible::Graphic;
    QTest::newRow("About") << layout::aboutWindow << QAccessible::Dialog;
    QTest::newRow("Tips") << layout::tipsWindow << QAccessible::Dialog;
    QTest::newRow("chooser") << layout::graphicsChooser << QAccessible::Dialog;
}

void AccessibilityTest::roles()
{
    QFETCH(QString, widget);
    QFETCH(QAccessible::Role, role);
    const auto open = [this](const char* action) {
        m_bench->window->findChild<QAction*>(QLatin1String(action))->trigger();
    };
    QWidget* shown = widget == QLatin1String("square") ? cell(5)
                     : widget == QLatin1String("board")
                         ? m_bench->window->findChild<BoardWidget*>()
                         : m_bench->window->findChild<QWidget*>(widget);
    if (widget == QLatin1String(layout::aboutWindow))
        open(layout::aboutAction);
    else if (widget == QLatin1String(layout::tipsWindow))
        open(layout::tipsAction);
    else if (widget == QLatin1String(layout::graphicsChooser))
        open(layout::graphicsAction);
    if (!shown)
        shown = test::secondaryWindow(qPrintable(widget));
    QVERIFY(shown);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(shown);
    QCOMPARE(face->role(), role);
    QVERIFY(!face->text(QAccessible::Name).isEmpty());
}

void AccessibilityTest::squaresArePressedByActionAndKeys()
{
    QTest::keyClick(m_bench->window->findChild<BoardWidget*>(), Qt::Key_P);

    QAccessibleActionInterface* square5 = actions(5);
    QVERIFY(QAccessible::queryAccessibleInterface(cell(5))->state().focusable);
    QVERIFY(square5->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QCOMPARE(square5->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
             QStringList{QStringLiteral("5")});
    square5->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(boardText(), QStringLiteral("....X...."));
    QCOMPARE(cell(5)->accessibleName(), QStringLiteral("5, centre, X"));

    // Enter on a square reached by Tab plays it, the digits still play theirs,
    // the arrows walk the board, and Space starts a new game; the focus stays.
    cell(7)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cell(7), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(boardText(), QStringLiteral("....X.O.."));
    QTest::keyClick(cell(7), Qt::Key_3);
    QCOMPARE(boardText(), QStringLiteral("..X.X.O.."));
    QTest::keyClick(cell(7), Qt::Key_Return);
    QCOMPARE(boardText(), QStringLiteral("..X.X.O..")); // taken: no move
    QTest::keyClick(cell(7), Qt::Key_Down);
    QTest::keyClick(cell(4), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), cell(5));
    QTest::keyClick(cell(5), Qt::Key_Space);
    QCOMPARE(boardText(), QStringLiteral("........."));
    QCOMPARE(QApplication::focusWidget(), cell(5));

    // While a secondary window is open the main window takes no moves.
    m_bench->window->findChild<QAction*>(QLatin1String(layout::tipsAction))->trigger();
    actions(1)->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(boardText(), QStringLiteral("........."));
}

void AccessibilityTest::tabWalksTheSquaresAsTheyAreRead()
{
    m_bench->window->findChild<BoardWidget*>()->setFocus(Qt::OtherFocusReason);
    for (int square : {7, 8, 9, 4, 5, 6, 1, 2, 3}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), cell(square));
    }
}

void AccessibilityTest::theBoardIsReadAsAList()
{
    auto* board = m_bench->window->findChild<BoardWidget*>();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(board);
    QCOMPARE(face->childCount(), 9);
    // Counted as the squares are numbered.
    for (int square = 1; square <= 9; ++square) {
        QAccessibleInterface* item = face->child(square - 1);
        QCOMPARE(item->object(), cell(square));
        QCOMPARE(face->indexOfChild(item), square - 1);
    }
    // The board tells the whole position; a square only itself.
    for (auto key : {Qt::Key_P, Qt::Key_5, Qt::Key_1})
        QTest::keyClick(board, key);
    QVERIFY(face->text(QAccessible::Description).startsWith(QLatin1String("X on 5, O on 1;")));
    QVERIFY(
        QAccessible::queryAccessibleInterface(cell(2))->text(QAccessible::Description).isEmpty());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
