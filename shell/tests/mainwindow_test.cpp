// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real main window: clicks, keys, menus and option buttons.
#include "core/boardtext.h"
#include "game/savedoptions.h"
#include "settings/settingsfile.h"
#include "shell/art/artwork.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "windowtestbench.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace ttt;

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartShowsTheDefaults();
    void twoPlayerGameByClicks();
    void onePlayerGameByDigitKeys();
    void firstMoveMenuLeavesTheButtons();
    void difficultyMenuSelectsTheButton();
    void playersButtonChecksTheMenu();
    void scoringSwitchShowsDashesAndDisablesClear();
    void cellsTellScreenReadersWhatTheyHold();
    void anyButtonPressesAPictureButtonOnlyLeftClicks_data();
    void anyButtonPressesAPictureButtonOnlyLeftClicks();
    void keysOnTheFocusedPictureButton_data();
    void keysOnTheFocusedPictureButton();
    void doubleClickOnAFreeSquareIsOneMove();
    void menuShowsTheNewGameKeyWithoutTakingIt();
    void f10OpensTheMenusAndTheirEndGivesTheBoardItsKeys();

private:
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    QLabel* label(const char* name) const
    {
        return m_window->findChild<QLabel*>(QString::fromLatin1(name));
    }
    QRadioButton* radio(const char* name) const
    {
        return m_window->findChild<QRadioButton*>(QString::fromLatin1(name));
    }
    void startWith(const SettingsRecord& settings)
    {
        m_window->startUp(optionsFromRecord(settings));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_bench->cues.played.clear();
    }
    void clickCell(int square)
    {
        QTest::mouseClick(m_window->findChild<BoardWidget*>()->cell(square), Qt::LeftButton);
    }
    QString boardText() const
    {
        return QString::fromStdString(ttt::boardText(m_bench->game().match().board()));
    }

    std::unique_ptr<test::WindowTestBench> m_bench;
    MainWindow* m_window = nullptr;
};

void MainWindowTest::init()
{
    m_bench = std::make_unique<test::WindowTestBench>();
    m_window = m_bench->window.get();
}

void MainWindowTest::cleanup()
{
    m_bench.reset();
}

void MainWindowTest::firstStartShowsTheDefaults()
{
    startWith(SettingsRecord{});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Vemo's Tic Tac Toe "));
    QVERIFY(action(layout::levelActions[2])->isChecked());
    QVERIFY(action(layout::xFirstAction)->isChecked());
    QVERIFY(!action(layout::oFirstAction)->isChecked());
    QVERIFY(action(layout::onePlayerAction)->isChecked());
    QVERIFY(action(layout::soundsAction)->isChecked());
    QVERIFY(!action(layout::allOnTopAction)->isChecked());
    QVERIFY(action(layout::clearScoreAction)->isEnabled());
    QCOMPARE(action(layout::scoringAction)->text(), QStringLiteral("&Turn Scoring Off"));
    QVERIFY(!action(layout::taskbarAction)->isVisible());
    QVERIFY(!action(layout::taskbarAction)->isEnabled());
    QVERIFY(radio(layout::difficultyOptions[2].name)->isChecked());
    QVERIFY(radio(layout::firstMoveOptions[0].name)->isChecked());
    QVERIFY(radio(layout::playersOptions[0].name)->isChecked());
    QCOMPARE(label(layout::xTotal.name)->text(), QStringLiteral(" 0"));
    QCOMPARE(label(layout::newGamePointer.name)->text(), QStringLiteral("^"));
    QVERIFY(m_bench->cues.played.empty());
}

void MainWindowTest::twoPlayerGameByClicks()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    QTest::mouseClick(m_window->findChild<QWidget*>(QLatin1String(layout::newGameButton.name)),
                      Qt::LeftButton);
    QCOMPARE(label(layout::newGamePointer.name)->text(), QString());
    for (int s : {7, 1, 8, 2, 9})
        clickCell(s);
    QCOMPARE(boardText(), QStringLiteral("OO....XXX"));
    QCOMPARE(label(layout::xTotal.name)->text(), QStringLiteral(" 1"));
    QCOMPARE(label(layout::newGamePointer.name)->text(), QStringLiteral("^"));
    QCOMPARE(
        m_window->findChild<QWidget*>(QLatin1String(layout::resultPicture.name))->accessibleName(),
        QStringLiteral("X wins"));
    QCOMPARE(m_bench->cues.played.size(), size_t(1));
    QVERIFY(QString::fromStdString(m_bench->cues.played[0]).startsWith(QStringLiteral("x2win")));
    clickCell(3); // the game is over: ignored
    QCOMPARE(boardText(), QStringLiteral("OO....XXX"));
    QVERIFY(m_window->findChild<BoardWidget*>()->hasFocus());
}

void MainWindowTest::onePlayerGameByDigitKeys()
{
    startWith({1, 1, 1, 0, 1, 0, 16});
    QWidget* board = m_window->findChild<BoardWidget*>();
    QTest::keyClick(board, Qt::Key_P);
    m_bench->random.queueSquares({4, 5});
    QTest::keyClick(board, Qt::Key_1);
    QTest::keyClick(board, Qt::Key_2);
    QCOMPARE(boardText(), QStringLiteral("XX.OO...."));
    QTest::keyClick(board, Qt::Key_3);
    QCOMPARE(boardText(), QStringLiteral("XXXOO...."));
    QCOMPARE(
        m_window->findChild<QWidget*>(QLatin1String(layout::resultPicture.name))->accessibleName(),
        QStringLiteral("X wins"));
    QCOMPARE(label(layout::xTotal.name)->text(), QStringLiteral(" 1"));
    // Digit keys reach the game from an option button too.
    QTest::keyClick(radio(layout::difficultyOptions[0].name), Qt::Key_Space);
    QCOMPARE(boardText(), QStringLiteral("........."));
    QTest::keyClick(radio(layout::difficultyOptions[0].name), Qt::Key_7);
    QCOMPARE(m_bench->game().match().board().at(7), Mark::X);
}

void MainWindowTest::firstMoveMenuLeavesTheButtons()
{
    startWith(SettingsRecord{});
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_P);
    action(layout::oFirstAction)->trigger();
    QVERIFY(action(layout::oFirstAction)->isChecked());
    QVERIFY(!action(layout::xFirstAction)->isChecked());
    QVERIFY(radio(layout::firstMoveOptions[0].name)->isChecked());
    QCOMPARE(label(layout::newGamePointer.name)->text(), QStringLiteral("^"));
    // The option button updates the menu.
    QTest::mouseClick(radio(layout::firstMoveOptions[0].name), Qt::LeftButton);
    QVERIFY(action(layout::xFirstAction)->isChecked());
    QVERIFY(!action(layout::oFirstAction)->isChecked());
}

void MainWindowTest::difficultyMenuSelectsTheButton()
{
    startWith(SettingsRecord{});
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_P);
    action(layout::levelActions[3])->trigger();
    QVERIFY(radio(layout::difficultyOptions[3].name)->isChecked());
    QVERIFY(action(layout::levelActions[3])->isChecked());
    QVERIFY(!action(layout::levelActions[2])->isChecked());
    QCOMPARE(m_bench->cues.played, (std::vector<std::string>{"brain.wav", "brain.wav"}));
    QCOMPARE(label(layout::newGamePointer.name)->text(), QString()); // the game goes on
    action(layout::levelActions[3])->trigger();                      // already checked: nothing
    QVERIFY(action(layout::levelActions[3])->isChecked());
    QCOMPARE(m_bench->cues.played.size(), size_t(2));
    QTest::mouseClick(radio(layout::difficultyOptions[0].name), Qt::LeftButton);
    QVERIFY(action(layout::levelActions[0])->isChecked());
    QCOMPARE(m_bench->cues.played.size(), size_t(3));
}

void MainWindowTest::playersButtonChecksTheMenu()
{
    startWith(SettingsRecord{});
    QTest::mouseClick(radio(layout::playersOptions[1].name), Qt::LeftButton);
    QVERIFY(action(layout::twoPlayerAction)->isChecked());
    QVERIFY(!action(layout::onePlayerAction)->isChecked());
    action(layout::onePlayerAction)->trigger();
    QVERIFY(radio(layout::playersOptions[0].name)->isChecked());
}

void MainWindowTest::scoringSwitchShowsDashesAndDisablesClear()
{
    startWith(SettingsRecord{});
    action(layout::scoringAction)->trigger();
    QCOMPARE(action(layout::scoringAction)->text(), QStringLiteral("&Turn Scoring On"));
    QVERIFY(!action(layout::clearScoreAction)->isEnabled());
    for (const char* name : {layout::xTotal.name, layout::oTotal.name, layout::noWinnerTotal.name})
        QCOMPARE(label(name)->text(), QStringLiteral(" -"));
    QCOMPARE(m_bench->cues.played, std::vector<std::string>{"score.wav"});
}

void MainWindowTest::cellsTellScreenReadersWhatTheyHold()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_P);
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_7);
    QCOMPARE(m_window->findChild<BoardWidget*>()->cell(7)->accessibleName(),
             QStringLiteral("7, top left, X"));
    QCOMPARE(m_window->findChild<BoardWidget*>()->cell(3)->accessibleName(),
             QStringLiteral("3, bottom right, empty"));
    QCOMPARE(m_window->findChild<BoardWidget*>()->cell(7)->cursor().shape(), Qt::BitmapCursor);
}

void MainWindowTest::anyButtonPressesAPictureButtonOnlyLeftClicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left") << Qt::LeftButton << 1;
    QTest::newRow("right") << Qt::RightButton << 0;
    QTest::newRow("middle") << Qt::MiddleButton << 0;
}

void MainWindowTest::anyButtonPressesAPictureButtonOnlyLeftClicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    startWith(SettingsRecord{});
    for (const char* name : {layout::newGameButton.name, layout::quitButton.name}) {
        auto* picture = m_window->findChild<QAbstractButton*>(QString::fromLatin1(name));
        // The quit button would end the game: only its face is looked at.
        QSignalSpy clicked(picture, &QAbstractButton::clicked);
        QTest::mousePress(picture, button);
        QVERIFY2(picture->isDown(), name);
        if (clicks == 1 && picture->objectName() == QLatin1String(layout::quitButton.name)) {
            QTest::mouseMove(picture, QPoint(-5, -5)); // let go outside: no click
            QTest::mouseRelease(picture, button, {}, QPoint(-5, -5));
            QCOMPARE(clicked.count(), 0);
        } else {
            QTest::mouseRelease(picture, button);
            QCOMPARE(clicked.count(), clicks);
        }
        QVERIFY(!picture->isDown());
    }
}

void MainWindowTest::keysOnTheFocusedPictureButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    for (const char* name :
         {layout::newGameButton.name, layout::quitButton.name, layout::playersOptions[0].name,
          layout::firstMoveOptions[0].name, layout::difficultyOptions[3].name}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, Space").arg(QLatin1String(name))))
            << QString::fromLatin1(name) << int(Qt::Key_Space);
        QTest::newRow(qPrintable(QStringLiteral("%1, P").arg(QLatin1String(name))))
            << QString::fromLatin1(name) << int(Qt::Key_P);
    }
}

// Space and P start a new game from any control, and the game goes on on the board:
// the arrows then walk its squares and change no option. Enter presses a picture.
void MainWindowTest::keysOnTheFocusedPictureButton()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    startWith({4, 1, 1, 0, 1, 0, 16});
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto* control = m_window->findChild<QAbstractButton*>(name);
    control->setFocus(Qt::TabFocusReason);
    QVERIFY(control->hasFocus());
    QSignalSpy clicked(control, &QAbstractButton::clicked);
    QTest::keyClick(control, Qt::Key(key));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(m_bench->game().match().isPlaying());
    auto* board = m_window->findChild<BoardWidget*>();
    QVERIFY(board->hasFocus());
    for (Qt::Key arrow : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left})
        QTest::keyClick(QApplication::focusWidget(), arrow);
    QVERIFY(board->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(m_bench->game().options().level, Level::Unbeatable);
    QCOMPARE(m_bench->game().options().firstMover, Mark::X);
    QVERIFY(m_bench->game().match().isPlaying());
    if (qobject_cast<QRadioButton*>(control))
        return;
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_Return);
    QTRY_COMPARE(clicked.count(), 1);
}

void MainWindowTest::doubleClickOnAFreeSquareIsOneMove()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_P);
    // What the desktop delivers for a double-click: press, release, then a second
    // press that comes with a double-click event, then its release.
    QWidget* cell = m_window->findChild<BoardWidget*>()->cell(5);
    const QPointF at = cell->rect().center();
    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, cell->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(cell, &event);
    }
    QCOMPARE(boardText(), QStringLiteral("....X...."));
    QVERIFY(m_bench->cues.played.empty()); // no refusal cue for the square just taken
    clickCell(1);                          // the next click is a move again
    QCOMPARE(boardText(), QStringLiteral("O...X...."));
}

void MainWindowTest::menuShowsTheNewGameKeyWithoutTakingIt()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    QAction* newGame = action(layout::newGameAction);
    QCOMPARE(newGame->text(), QStringLiteral("&New Game"));
    QCOMPARE(newGame->shortcut(), QKeySequence(Qt::Key_P));
    QSignalSpy triggered(newGame, &QAction::triggered);
    for (QWidget* focus : {static_cast<QWidget*>(m_window->findChild<BoardWidget*>()),
                           static_cast<QWidget*>(radio(layout::difficultyOptions[0].name))}) {
        focus->setFocus();
        clickCell(5);
        QTest::keyClick(focus, Qt::Key_P);
        QCOMPARE(boardText(), QStringLiteral("........."));
        QVERIFY(m_bench->game().match().isPlaying());
    }
    QCOMPARE(triggered.count(), 0); // the game heard the key, not the menu
}

void MainWindowTest::f10OpensTheMenusAndTheirEndGivesTheBoardItsKeys()
{
    startWith(SettingsRecord{});
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto* board = m_window->findChild<BoardWidget*>();
    QTest::keyClick(board, Qt::Key_F10);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QLatin1String(layout::fileMenu));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    // Opened by its letter, a menu leaves the menu bar holding the keys when it closes:
    // they go back to the board, where the game hears them.
    QTest::keyClick(m_window, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTRY_COMPARE(m_window->focusWidget(), board);
    QTest::keyClick(board, Qt::Key_P);
    QVERIFY(m_bench->game().match().isPlaying());
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
