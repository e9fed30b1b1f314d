// Tic Tac Toe: one player against the computer, or two players on one board.
#include "game/clockrandom.h"
#include "shell/art/artwork.h"
#include "shell/cueplayer.h"
#include "shell/firstframe.h"
#include "shell/fontwarmup.h"
#include "shell/gamestyle.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    ttt::FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tic Tac Toe"));
    QApplication::setStyle(new ttt::GameStyle);

    fonts.finish();

    ttt::ClockRandom random;
    ttt::CuePlayer cues;
    ttt::Artwork artwork;
    ttt::MainWindow window(random, cues, artwork);
    QObject::connect(&window, &ttt::MainWindow::quitNowRequested, &app, &QApplication::quit);
    QObject::connect(&window, &ttt::MainWindow::shutDownFinished, &app, &QApplication::quit);

    const std::string problem = window.startUpFromSettingsFile();
    // The window comes first; its icon and the sound system follow as soon as it is
    // on the screen, and the start cue waits for them.
    cues.holdSoundSystem();
    window.show();
    window.greet();
    ttt::afterFirstFrame(&window, [&cues, &artwork] {
        QApplication::setWindowIcon(artwork.appIcon());
        cues.startSoundSystem();
    });
    // A settings file that could not be read is told once, without holding up the game.
    QTimer::singleShot(0, &window, [&window, problem] { window.warn(problem); });
    return app.exec();
}
