// SPDX-License-Identifier: GPL-3.0-or-later
// Times the move cycle as the player feels it: from a click on a board cell to
// the next painted frame of the board, with the computer's reply in between. The
// game runs in the real main window on the offscreen platform.
//
//     movecycle_bench [--cycles N]   times N clicks and prints the median
//     movecycle_bench --smoke        three clicks, checks they are played
#include "game/savedoptions.h"
#include "paintwatch.h"

#include "game/clockrandom.h"
#include "shell/art/artwork.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/cueplayer.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace ttt;

namespace {

// Runs the event loop until the watched widget has been painted.
bool waitForPaint(perf::PaintWatch& watch)
{
    for (int round = 0; round < 1000 && !watch.painted(); ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return watch.painted();
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * double(values.size() - 1))];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    int cycles = smoke ? 3 : 1000;
    if (argc > 2 && std::strcmp(argv[1], "--cycles") == 0)
        cycles = std::max(1, std::atoi(argv[2]));

    QApplication app(argc, argv);
    ClockRandom random;
    CuePlayer cues;
    Artwork artwork;
    Game game(random, cues);
    MainWindow window(game, artwork);
    SettingsRecord settings; // one player, X first, Hard
    settings.soundOn = 0;    // the benchmark times the window, not the sound system
    window.startUp(optionsFromRecord(settings));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* newGame = window.findChild<QAbstractButton*>(QLatin1String(layout::newGameButton.name));
    perf::PaintWatch watch;
    for (Square square : Board::squares)
        watch.watch(window.findChild<BoardWidget*>()->cell(square));

    std::vector<double> micros;
    micros.reserve(std::size_t(cycles));
    for (int cycle = 0; cycle < cycles; ++cycle) {
        QTest::mouseClick(newGame, Qt::LeftButton);
        QCoreApplication::processEvents();
        const Square square = Board::squares[cycle % Board::squareCount];
        watch.reset();

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window.findChild<BoardWidget*>()->cell(square), Qt::LeftButton);
        const bool painted = waitForPaint(watch);
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);

        const Board& board = game.match().board();
        if (!painted || board.at(square) != Mark::X || board.markCount() != 2) {
            std::fprintf(stderr, "click on square %d: painted %d, cell %d, %d marks\n", square,
                         int(painted), static_cast<int>(board.at(square)), board.markCount());
            return 1;
        }
    }
    std::printf("move cycle, click to painted board, %d cycles: median %.1f us, "
                "10%% %.1f us, 90%% %.1f us\n",
                cycles, percentile(micros, 0.5), percentile(micros, 0.1), percentile(micros, 0.9));
    return 0;
}
