// SPDX-License-Identifier: GPL-3.0-or-later
// Tic Tac Toe: one player against the computer, or two players on one board.
#include "game/clockrandom.h"
#include "session/displaycheck.h"
#include "session/firstframe.h"
#include "session/fontwarmup.h"
#include "session/platformchoice.h"
#include "session/session.h"
#include "session/startup.h"
#include "shell/art/artwork.h"
#include "shell/cueplayer.h"
#include "shell/mainwindow.h"
#include "translations/language.h"

#include <QApplication>
#include <QLocale>

#include <csignal>

int main(int argc, char* argv[])
{
    const QStringList arguments = ttt::argumentsOf(argc, argv);
    if (const std::optional<int> status = ttt::answerCommandLine(arguments))
        return *status;
    // A write the system refuses (a file-size limit) is a failed write to report,
    // not a reason to end the game.
    std::signal(SIGXFSZ, SIG_IGN);

    // On a Wayland desktop with XWayland beside it the game runs through X11, where
    // Always on Top works. The fonts are read while Qt sets itself up.
    ttt::preferPlatform(arguments);
    ttt::FontWarmUp fonts;
    ttt::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.finish();
    ttt::setUpApplication();
    // The desktop's language, before any text is made; in English nothing is loaded.
    const ttt::i18n::Translation translation(QLocale::system().uiLanguages());
    fonts.finish();

    ttt::ClockRandom random;
    ttt::CuePlayer cues;
    ttt::Artwork artwork;
    ttt::Game game(random, cues);
    ttt::MainWindow window(game, artwork);
    ttt::Session session(game, window);
    QObject::connect(&session, &ttt::Session::finished, &app, &QCoreApplication::exit);

    // The window comes first; its icon and the sound system follow as soon as it is
    // on the screen, and the greeting waits for them.
    cues.holdSoundSystem();
    session.start();
    ttt::afterFirstFrame(&window, [&cues, &artwork] {
        QApplication::setWindowIcon(artwork.appIcon());
        cues.startSoundSystem();
    });
    return app.exec();
}
