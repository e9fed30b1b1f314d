// Tic Tac Toe: one player against the computer, or two players on one board.
#include "game/clockrandom.h"
#include "shell/art/artwork.h"
#include "shell/cueplayer.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tic Tac Toe"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    ttt::ClockRandom random;
    ttt::CuePlayer cues;
    ttt::Artwork artwork;
    ttt::MainWindow window(random, cues, artwork);
    QObject::connect(&window, &ttt::MainWindow::quitNowRequested, &app, &QApplication::quit);
    QObject::connect(&window, &ttt::MainWindow::shutDownFinished, &app, &QApplication::quit);

    const std::string problem = window.startUpFromSettingsFile();
    window.show();
    window.greet();
    // A settings file that could not be read is told once, without holding up the game.
    QTimer::singleShot(0, &window, [&window, problem] { window.warn(problem); });
    return app.exec();
}
