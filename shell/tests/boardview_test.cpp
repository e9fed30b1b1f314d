// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows about the game beyond the marks: the status line, the
// computer's latest square, the winning line, a refused square's flash, the
// whole layout at a larger size, and pictures drawn afresh once a drag has settled.
#include "core/board.h"
#include "game/savedoptions.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/focusring.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/picturelabel.h"
#include "shell/scaledcanvas.h"
#include "windowtestbench.h"

#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace ttt;

class BoardViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void statusLineSaysWhatComesNext_data();
    void statusLineSaysWhatComesNext();
    void latestSquareIsRingedUntilTheNextMove();
    void winningLineIsDrawn_data();
    void winningLineIsDrawn();
    void refusedSquareFlashes();
    void boardInvitesMovesOnlyDuringAGame();
    void layoutScalesWithTheWindow_data();
    void layoutScalesWithTheWindow();
    void dragIsDrawnScaledUntilItSettles();

private:
    void startWith(const SettingsRecord& settings)
    {
        m_window->startUp(optionsFromRecord(settings));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void type(const QString& keys)
    {
        for (QChar key : keys)
            QTest::keyClick(m_window->findChild<BoardWidget*>(), key.toLatin1());
    }
    QLabel* statusLine() const
    {
        return m_window->findChild<QLabel*>(QLatin1String(layout::statusLine.name));
    }
    CellView* cell(Square square) const
    {
        return m_window->findChild<BoardWidget*>()->cell(square);
    }
    // Whether anything is drawn over the square's picture: a ring, a line or a flash.
    bool drawnOver(Square square) const
    {
        CellView* shown = cell(square);
        return shown->grab().toImage().convertToFormat(QImage::Format_RGB32) !=
               shown->picture().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The marked squares with something drawn over them.
    std::vector<Square> ringedSquares() const
    {
        std::vector<Square> ringed;
        for (Square square : Board::squares) {
            if (m_bench->game().match().board().at(square) != Mark::Free && drawnOver(square))
                ringed.push_back(square);
        }
        return ringed;
    }

    FocusRing* focusRing() const
    {
        return m_window->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly);
    }
    // The focused control lies inside the ring, clear of its band and edge.
    void expectRingRound(QWidget* control)
    {
        const int reach = FocusRing::reach(control);
        const QRect shown(control->mapTo(m_window, QPoint(0, 0)), control->size());
        QTRY_VERIFY(focusRing()->isVisible());
        QCOMPARE(focusRing()->geometry(), shown.adjusted(-reach, -reach, reach, reach));
    }

    std::unique_ptr<test::WindowTestBench> m_bench;
    MainWindow* m_window = nullptr;
};

void BoardViewTest::init()
{
    m_bench = std::make_unique<test::WindowTestBench>();
    m_window = m_bench->window.get();
}

void BoardViewTest::cleanup()
{
    m_bench.reset();
}

void BoardViewTest::statusLineSaysWhatComesNext_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("firstMover");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("boardDescription");

    // The board's description is the whole position, for a screen reader's "where am I".
    const QString idle = QStringLiteral("Press P or New Game to play");
    const QString noScore = QStringLiteral(" Score: X 0, O 0, no winner 0.");
    QTest::newRow("before the first game")
        << 1 << 1 << "" << idle << "Board empty. Press P to play." + noScore;
    QTest::newRow("one player") << 1 << 1 << "p5"
                                << "Your move"
                                << "X on 5, O on 1; free 2, 3, 4, 6, 7, 8 and 9. Your move." +
                                       noScore;
    QTest::newRow("two players, X first") << 2 << 1 << "p"
                                          << "X to move"
                                          << "Board empty. X to move." + noScore;
    QTest::newRow("two players after X")
        << 2 << 1 << "p5"
        << "O to move"
        << "X on 5; free 1, 2, 3, 4, 6, 7, 8 and 9. O to move." + noScore;
    QTest::newRow("two players, O first") << 2 << 2 << "p"
                                          << "O to move"
                                          << "Board empty. O to move." + noScore;
    QTest::newRow("X wins") << 2 << 1 << "p71829"
                            << ""
                            << "X on 7, 8 and 9, O on 1 and 2; free 3, 4, 5 and 6. X wins: 7, 8, "
                               "9. Score: X 1, O 0, no winner 0.";
    QTest::newRow("O wins") << 2 << 2 << "p71829"
                            << ""
                            << "X on 1 and 2, O on 7, 8 and 9; free 3, 4, 5 and 6. O wins: 7, 8, "
                               "9. Score: X 0, O 1, no winner 0.";
    QTest::newRow("no winner") << 2 << 1 << "p123546978"
                               << ""
                               << "X on 1, 3, 4, 8 and 9, O on 2, 5, 6 and 7. No winner. Score: X "
                                  "0, O 0, no winner 1.";
    QTest::newRow("a new game after a win")
        << 2 << 1 << "p71829p"
        << "X to move"
        << "Board empty. X to move. Score: X 1, O 0, no winner 0.";
}

void BoardViewTest::statusLineSaysWhatComesNext()
{
    QFETCH(int, players);
    QFETCH(int, firstMover);
    QFETCH(QString, keys);
    QFETCH(QString, status);
    QFETCH(QString, boardDescription);
    startWith({3, firstMover, players, 0, 1, 0, 16});
    type(keys);
    QCOMPARE(statusLine()->isVisible(), !status.isEmpty());
    if (!status.isEmpty())
        QCOMPARE(statusLine()->text(), status);
    QCOMPARE(m_window->findChild<BoardWidget*>()->accessibleDescription(), boardDescription);
    QVERIFY(statusLine()->font().pointSizeF() >= m_window->menuBar()->font().pointSizeF());
}

void BoardViewTest::latestSquareIsRingedUntilTheNextMove()
{
    startWith({1, 1, 1, 0, 1, 0, 16}); // Easy: the computer plays its draws
    m_bench->random.queueSquares({9, 3});
    type(QStringLiteral("p5"));
    QCOMPARE(ringedSquares(), std::vector<Square>{9});
    type(QStringLiteral("9")); // refused: nothing moves, the ring stays
    QCOMPARE(ringedSquares(), std::vector<Square>{9});
    type(QStringLiteral("1"));
    QTRY_COMPARE(ringedSquares(), std::vector<Square>{3}); // once 9's flash is over
    type(QStringLiteral("p"));
    QVERIFY(ringedSquares().empty());

    m_window->startUp(optionsFromRecord({3, 1, 2, 0, 1, 0, 16})); // two players: each mark
    type(QStringLiteral("p51"));
    QCOMPARE(ringedSquares(), std::vector<Square>{1});
}

void BoardViewTest::winningLineIsDrawn_data()
{
    QTest::addColumn<int>("lineIndex");
    for (std::size_t i = 0; i < boardLines.size(); ++i) {
        const Line& line = boardLines[i];
        QTest::addRow("%d-%d-%d", line[0], line[1], line[2]) << static_cast<int>(i);
    }
}

void BoardViewTest::winningLineIsDrawn()
{
    QFETCH(int, lineIndex);
    const Line line = boardLines[static_cast<std::size_t>(lineIndex)];
    // X takes the line; O takes the first two squares off it, which never make a line.
    std::vector<Square> elsewhere;
    for (Square square : Board::squares) {
        if (std::find(line.begin(), line.end(), square) == line.end())
            elsewhere.push_back(square);
    }
    startWith({3, 1, 2, 0, 1, 0, 16});
    QString keys = QStringLiteral("p");
    for (Square square : {line[0], elsewhere[0], line[1], elsewhere[1], line[2]})
        keys += QString::number(square);
    type(keys.left(keys.size() - 1));
    QCOMPARE(ringedSquares(), std::vector<Square>{elsewhere[1]}); // O's latest mark
    type(keys.right(1));
    for (Square square : line)
        QVERIFY(drawnOver(square)); // the line crosses its squares
    QCOMPARE(
        m_window->findChild<PictureLabel*>(QLatin1String(layout::resultPicture.name))->caption(),
        QStringLiteral("X wins!"));
    type(QStringLiteral("p") + QString::number(line[0]));
    QCOMPARE(ringedSquares(), std::vector<Square>{line[0]}); // the line gone, the new X ringed
}

void BoardViewTest::refusedSquareFlashes()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    type(QStringLiteral("p5"));
    const QImage steady = cell(5)->grab().toImage(); // X, ringed as the latest mark
    const auto flashing = [&] { return cell(5)->grab().toImage() != steady; };
    QTest::mouseClick(cell(5), Qt::LeftButton);
    QVERIFY(flashing()); // turned over at once ...
    QTRY_VERIFY(!flashing());
    QTest::qWait(1000);
    QVERIFY(!flashing());      // ... and as before again after a few flashes
    type(QStringLiteral("5")); // the digit key is refused the same way
    QVERIFY(flashing());
}

// The board's focus shows as numbers on the squares and the ring round it, while a game runs.
void BoardViewTest::boardInvitesMovesOnlyDuringAGame()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->findChild<BoardWidget*>()->setFocus();
    QVERIFY(!m_window->findChild<BoardWidget*>()->cell(5)->isNumberShown());
    QVERIFY(!focusRing()->isVisible());
    type(QStringLiteral("p"));
    QVERIFY(m_window->findChild<BoardWidget*>()->cell(5)->isNumberShown());
    QVERIFY(focusRing()->isVisible());
    type(QStringLiteral("71829")); // X takes the top row: the game is over
    QVERIFY(!m_window->findChild<BoardWidget*>()->cell(3)->isNumberShown());
    QVERIFY(!focusRing()->isVisible());
}

void BoardViewTest::layoutScalesWithTheWindow_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("2x") << 2.0;
}

// Every control's rectangle in the client area.
static std::map<QWidget*, QRect> controlRects(QWidget* area)
{
    std::map<QWidget*, QRect> rects;
    for (QWidget* widget : area->findChildren<QWidget*>())
        rects[widget] = QRect(widget->mapTo(area, QPoint(0, 0)), widget->size());
    return rects;
}

void BoardViewTest::layoutScalesWithTheWindow()
{
    QFETCH(double, factor);
    startWith({3, 1, 2, 0, 1, 0, 16});
    QWidget* area = m_window->centralWidget();
    QCOMPARE(area->size(), layout::clientSize);
    QCOMPARE(area->minimumSize(), layout::clientSize);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QWidget* hard = m_window->findChild<QWidget*>(QLatin1String(layout::difficultyOptions[2].name));
    hard->setFocus();
    expectRingRound(hard);
    const int reachBefore = FocusRing::reach(hard);
    const std::map<QWidget*, QRect> before = controlRects(area);
    const qreal fontBefore = statusLine()->font().pointSizeF();

    const QSize grown = (QSizeF(layout::clientSize) * factor).toSize();
    m_window->resize(m_window->size() + (grown - area->size()));
    QTRY_COMPARE(area->size(), grown);

    const std::map<QWidget*, QRect> after = controlRects(area);
    QCOMPARE(after.size(), before.size());
    QVERIFY(after.size() >= 34); // the board, its squares, the panels and their buttons
    const auto near = [](int actual, qreal expected) { return std::abs(actual - expected) <= 1.0; };
    for (const auto& [widget, rect] : before) {
        const QRect scaled = after.at(widget);
        const QString name = widget->objectName() + QLatin1Char(' ') +
                             QLatin1String(widget->metaObject()->className());
        const bool kept = near(scaled.left(), rect.left() * factor) &&
                          near(scaled.top(), rect.top() * factor) &&
                          near(scaled.width(), rect.width() * factor) &&
                          near(scaled.height(), rect.height() * factor);
        QVERIFY2(kept, qPrintable(QStringLiteral("%1: %2,%3 %4x%5 became %6,%7 %8x%9")
                                      .arg(name)
                                      .arg(rect.x())
                                      .arg(rect.y())
                                      .arg(rect.width())
                                      .arg(rect.height())
                                      .arg(scaled.x())
                                      .arg(scaled.y())
                                      .arg(scaled.width())
                                      .arg(scaled.height())));
    }
    QCOMPARE(statusLine()->font().pointSizeF(), fontBefore * factor);
    expectRingRound(hard);
    QVERIFY(FocusRing::reach(hard) >= reachBefore * factor - 1);
    QCOMPARE(m_window->findChild<QWidget*>(QLatin1String(layout::difficultyPanel.name))
                 ->font()
                 .pointSizeF(),
             area->font().pointSizeF());
    QCOMPARE(area->font().pointSizeF(), 8.25 * factor);
}

void BoardViewTest::dragIsDrawnScaledUntilItSettles()
{
    startWith({3, 1, 2, 0, 1, 0, 16});
    auto* canvas = qobject_cast<ScaledCanvas*>(m_window->centralWidget());
    const QWidget* square = cell(5);
    QSignalSpy settled(canvas, &ScaledCanvas::settled);
    QTRY_VERIFY(settled.count() > 0 && !canvas->isResizing());
    const auto grow = [this](int by) { m_window->resize(m_window->size() + QSize(by, by)); };

    // One resize alone, such as a maximize, is drawn sharp at once.
    grow(40);
    QCOMPARE(ScaledCanvas::pictureFit(square), Artwork::Fit::Exact);
    // Resizes on its heels are a drag: drawn from the size drawn last, until it settles.
    for (int step = 0; step < 3; ++step) {
        grow(20);
        QCOMPARE(ScaledCanvas::pictureFit(square), Artwork::Fit::Nearest);
    }
    settled.clear();
    QTRY_COMPARE(settled.count(), 1);
    QCOMPARE(ScaledCanvas::pictureFit(square), Artwork::Fit::Exact);
}

QTEST_MAIN(BoardViewTest)
#include "boardview_test.moc"
