// Tic Tac Toe: one player against the computer, or two players on one board.
#include "game/clockrandom.h"
#include "settings/settingsfile.h"
#include "shell/art/artwork.h"
#include "shell/cueplayer.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QMessageBox>
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

    const ttt::LoadedSettings settings = ttt::loadSettings(ttt::settingsFileName);
    window.startUp(settings.record);
    window.show();
    window.greet();
    if (!settings.problem.empty()) {
        // Told once, without holding up the game.
        auto* note =
            new QMessageBox(QMessageBox::Warning, window.windowTitle(),
                            QString::fromStdString(settings.problem), QMessageBox::Ok, &window);
        note->setAttribute(Qt::WA_DeleteOnClose);
        note->setModal(false);
        QTimer::singleShot(0, note, &QMessageBox::show);
    }
    return app.exec();
}
