// SPDX-License-Identifier: GPL-3.0-or-later
// Tic Tac Toe: one player against the computer, or two players on one board.
#include "assets/assetpaths.h"
#include "game/clockrandom.h"
#include "shell/abruptexitsave.h"
#include "shell/art/artwork.h"
#include "shell/commandline.h"
#include "shell/cueplayer.h"
#include "shell/displaycheck.h"
#include "shell/drawablewindows.h"
#include "shell/endsignals.h"
#include "shell/firstframe.h"
#include "shell/fontwarmup.h"
#include "shell/gamestyle.h"
#include "shell/mainwindow.h"
#include "shell/platformchoice.h"
#include "shell/settingsfiles.h"
#include "translations/language.h"

#include <QApplication>
#include <QLocale>
#include <QSessionManager>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Help, version and a refused command line are answered before any window system is
// touched; returns the exit status then, or nothing when the game should start.
std::optional<int> answerCommandLine(const ttt::CommandLineRequest& request)
{
    switch (request.action) {
    case ttt::CommandLineRequest::Action::ShowHelp:
    case ttt::CommandLineRequest::Action::ShowVersion:
        // Output that goes nowhere (a full disk, a closed output) is a failure, told.
        if (std::fputs(qPrintable(request.text), stdout) < 0 || std::fflush(stdout) != 0) {
            std::fprintf(stderr, "tictactoe: cannot write the output: %s\n", std::strerror(errno));
            return 1;
        }
        return 0;
    case ttt::CommandLineRequest::Action::Refuse:
        std::fprintf(stderr, "%s\n", qPrintable(request.text));
        return 2;
    case ttt::CommandLineRequest::Action::Play:
        break;
    }
    return std::nullopt;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tic Tac Toe"));
    // Names the window after the game's desktop entry (the Wayland app id), so that
    // docks and task switchers show it with the entry's icon and name.
    QGuiApplication::setDesktopFileName(ttt::assets::desktopEntryName());
    QApplication::setStyle(new ttt::GameStyle);
    // The game ends when its exit has run, not when its last window closes: the
    // farewell is still sounding then.
    QApplication::setQuitOnLastWindowClosed(false);
    // No window, dialog or menu grows beyond what can be drawn, whatever the scale.
    new ttt::DrawableWindows(qApp);
}

// Every way the game ends: "S" at once, with nothing saved and no farewell; Exit after
// its farewell; the desktop session ending, or a terminal's signal, saved with no
// farewell.
void connectEndings(QApplication& app, ttt::MainWindow& window, ttt::EndSignals& endSignals)
{
    QObject::connect(&window, &ttt::MainWindow::quitNowRequested, &app,
                     [] { QCoreApplication::exit(0); });
    QObject::connect(&window, &ttt::MainWindow::shutDownFinished, &app,
                     [] { QCoreApplication::exit(0); });
    QObject::connect(&endSignals, &ttt::EndSignals::endRequested, &window,
                     &ttt::MainWindow::endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.endSession(); });
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList arguments = argumentsOf(argc, argv);
    if (const std::optional<int> status = answerCommandLine(ttt::readCommandLine(arguments)))
        return *status;
    // A write the system refuses (a file-size limit) is a failed write to report,
    // not a reason to end the game.
    std::signal(SIGXFSZ, SIG_IGN);

    // On a Wayland desktop with XWayland beside it the game runs through X11, where
    // Always on Top works.
    ttt::preferPlatform(arguments);
    ttt::FontWarmUp fonts;
    auto displayCheck = std::make_unique<ttt::DisplayCheck>();
    QApplication app(argc, argv);
    displayCheck->finish();
    displayCheck.reset();
    setUpApplication();
    // The desktop's language, before any text is made; in English nothing is loaded.
    const ttt::i18n::Translation translation(QLocale::system().uiLanguages());
    fonts.finish();

    ttt::ClockRandom random;
    ttt::CuePlayer cues;
    ttt::Artwork artwork;
    ttt::Game game(random, cues);
    ttt::MainWindow window(game, artwork);
    ttt::EndSignals endSignals;
    connectEndings(app, window, endSignals);

    // The settings are read before the window shows and saved whenever it ends.
    const ttt::StartingOptions start = ttt::loadOptionsFile();
    ttt::keepSettingsOf(window);
    window.startUp(start.options);
    const ttt::AbruptExitSave displayLoss([&window] { window.saveWithoutDisplay(); });
    // The window comes first; its icon and the sound system follow as soon as it is
    // on the screen, and the greeting waits for them.
    cues.holdSoundSystem();
    window.show();
    window.greet();
    ttt::afterFirstFrame(&window, [&cues, &artwork] {
        QApplication::setWindowIcon(artwork.appIcon());
        cues.startSoundSystem();
    });
    // A settings file that could not be read is told once, without holding up the game.
    QTimer::singleShot(0, &window, [&window, problem = start.problem] { window.warn(problem); });
    return app.exec();
}
