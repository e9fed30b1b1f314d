// SPDX-License-Identifier: GPL-3.0-or-later
// The game under faults of its surroundings: settings that cannot be read or saved,
// a full disk, no sound files and no sound device. In each it starts, plays, tells
// the player what could not be saved, exits, and never loses a settings file.
#include "core/tests/scriptedrandom.h"
#include "fault_rerun.h"
#include "results/tests/recordingcues.h"
#include "session/session.h"
#include "session/settingsstore.h"
#include "shell/art/artwork.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/cueplayer.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/secondarywindows.h"
#include "shell/tests/windowtestbench.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace ttt;

namespace {

const QByteArray savedRecord("4,2,2,1,0,1,34\r\n");
const QByteArray defaultLine("3,1,1,0,1,0,16\r\n");

QByteArray contentOf(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& name, const QByteArray& content)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

// Files a save leaves behind when it gives up half-way.
QStringList leftovers()
{
    return QDir::current().entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden);
}

// While in force, every write that would make a file grow fails, as on a full disk.
class FullDisk
{
public:
    FullDisk()
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none = {0, m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_old = {};
    void (*m_oldSignal)(int) = nullptr;
};

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readOnlyWorkingDirectory();
    void optionsFileIsAFolder();
    void unreadableOptionsFile();
    void readOnlyOptionsFile();
    void diskFullWhileSaving();
    void everySoundFileMissing();
    void noSoundDevice();

private:
    void start(CueSink& cues);
    QString startAndTakeMessage(CueSink& cues);
    QString takeMessage();
    void playAGame();
    void chooseSet(int set);
    QString exitAndTakeMessage();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
    test::ScriptedRandom m_random;
    test::RecordingCues m_cues;
    Artwork m_artwork;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Session> m_session;
};

void FaultsTest::initTestCase()
{
    // No sound server can be reached: the "no sound device" case is real, and no
    // other case makes a noise.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    QApplication::setQuitOnLastWindowClosed(false);
}

void FaultsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    m_random = {};
    m_cues.played.clear();
}

void FaultsTest::cleanup()
{
    m_session.reset();
    m_window.reset();
    QDir::setCurrent(m_oldDir);
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

void FaultsTest::start(CueSink& cues)
{
    m_session.reset();
    m_window.reset();
    m_game = std::make_unique<Game>(m_random, cues);
    m_window = std::make_unique<MainWindow>(*m_game, m_artwork);
    m_session = std::make_unique<Session>(*m_game, *m_window);
    m_session->findChild<QTimer*>(QLatin1String("farewell"))->setInterval(0);
}

// Starts the window as the program does: a settings problem is told once, without
// holding up the game. Returns that message's text, after closing it.
QString FaultsTest::startAndTakeMessage(CueSink& cues)
{
    start(cues);
    const StartingOptions start = loadOptionsFile();
    m_window->startUp(start.options);
    m_window->show();
    m_window->greet();
    m_window->warn(start.problem);
    return takeMessage();
}

QString FaultsTest::takeMessage()
{
    for (QMessageBox* box : m_window->findChildren<QMessageBox*>()) {
        if (box->isVisible()) {
            const QString text = box->text();
            box->close();
            return text;
        }
    }
    return {};
}

// A two-player game that X wins on the bottom row.
void FaultsTest::playAGame()
{
    QTest::mouseClick(
        m_window->findChild<QWidget*>(QLatin1String(layout::firstMoveOptions[0].name)),
        Qt::LeftButton);
    QTest::mouseClick(m_window->findChild<QWidget*>(QLatin1String(layout::playersOptions[1].name)),
                      Qt::LeftButton);
    QTest::mouseClick(m_window->findChild<QWidget*>(QLatin1String(layout::newGameButton.name)),
                      Qt::LeftButton);
    for (int square : {1, 7, 2, 8, 3})
        QTest::mouseClick(m_window->findChild<BoardWidget*>()->cell(square), Qt::LeftButton);
    QCOMPARE(m_game->match().board().at(3), Mark::X);
    QVERIFY(!m_game->match().isPlaying());
    QCOMPARE(
        m_window->findChild<QWidget*>(QLatin1String(layout::resultPicture.name))->accessibleName(),
        QStringLiteral("X wins"));
}

void FaultsTest::chooseSet(int set)
{
    m_window->findChild<QAction*>(QLatin1String(layout::graphicsAction))->trigger();
    GraphicsChooser* chooser = test::secondaryWindow<GraphicsChooser>(layout::graphicsChooser);
    QVERIFY(chooser && chooser->isVisible());
    QTest::mouseClick(
        chooser->findChild<QWidget*>(layout::numberedName(layout::setOptionPrefix, set)),
        Qt::LeftButton);
    QTest::mouseClick(chooser->findChild<QWidget*>(QLatin1String(layout::okButton)),
                      Qt::LeftButton);
    QVERIFY(m_window->isEnabled());
    QCOMPARE(m_game->options().pictureSet, PictureSet::numbered(set));
}

// Exit by the menu; a message shown on the way out is read and closed, as the
// player would. Returns its text, or an empty string when there was none.
QString FaultsTest::exitAndTakeMessage()
{
    QString text;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        box->close();
    });
    watcher.start(0);
    QSignalSpy finished(m_session.get(), &Session::finished);
    m_window->findChild<QAction*>(QLatin1String(layout::exitAction))->trigger();
    watcher.stop();
    [&] { QCOMPARE(finished.count(), 1); }();
    return text;
}

void FaultsTest::readOnlyWorkingDirectory()
{
    FAULT_RUN_WITHOUT_ROOT();
    QVERIFY(QFile::setPermissions(QDir::currentPath(), QFile::ReadOwner | QFile::ExeOwner));
    const QString atStart = startAndTakeMessage(m_cues);
    QVERIFY2(atStart.contains(QLatin1String("could not be created")), qPrintable(atStart));
    QCOMPARE(m_game->options().level, Level::Hard); // the defaults
    playAGame();
    chooseSet(2);
    const QString atChoice = takeMessage();
    QVERIFY2(atChoice.startsWith(QLatin1String("The picture set could not be saved")),
             qPrintable(atChoice));
    const QString atExit = exitAndTakeMessage();
    QVERIFY2(atExit.startsWith(QLatin1String("The settings could not be saved")),
             qPrintable(atExit));
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

void FaultsTest::optionsFileIsAFolder()
{
    QVERIFY(QDir::current().mkdir(QStringLiteral("options.ttt")));
    const QString atStart = startAndTakeMessage(m_cues);
    QVERIFY2(atStart.contains(QLatin1String("could not be read")), qPrintable(atStart));
    playAGame();
    chooseSet(12);
    QCOMPARE(takeMessage(), QString());
    QCOMPARE(contentOf(QStringLiteral("cardset.ttt")), QByteArray("34\r\n"));
    const QString atExit = exitAndTakeMessage();
    QVERIFY2(atExit.startsWith(QLatin1String("The settings could not be saved")),
             qPrintable(atExit));
    QVERIFY(QFileInfo(QStringLiteral("options.ttt")).isDir());
    QCOMPARE(leftovers(), QStringList());
}

void FaultsTest::unreadableOptionsFile()
{
    FAULT_RUN_WITHOUT_ROOT();
    writeFile(QStringLiteral("options.ttt"), savedRecord);
    QVERIFY(QFile::setPermissions(QStringLiteral("options.ttt"), {}));
    const QString atStart = startAndTakeMessage(m_cues);
    QVERIFY2(atStart.contains(QLatin1String("could not be read")), qPrintable(atStart));
    QCOMPARE(m_game->options().level, Level::Hard); // the defaults
    playAGame();
    const QString atExit = exitAndTakeMessage();
    QVERIFY2(atExit.startsWith(QLatin1String("The settings could not be saved")),
             qPrintable(atExit));
    QVERIFY(QFile::setPermissions(QStringLiteral("options.ttt"), QFile::ReadOwner));
    QCOMPARE(contentOf(QStringLiteral("options.ttt")), savedRecord);
    QCOMPARE(leftovers(), QStringList());
}

void FaultsTest::readOnlyOptionsFile()
{
    FAULT_RUN_WITHOUT_ROOT();
    writeFile(QStringLiteral("options.ttt"), savedRecord);
    QVERIFY(QFile::setPermissions(QStringLiteral("options.ttt"), QFile::ReadOwner));
    const QString atStart = startAndTakeMessage(m_cues); // told before any choice is made
    QVERIFY2(atStart.contains(QLatin1String("will not be saved")), qPrintable(atStart));
    QCOMPARE(m_game->options().level, Level::Unbeatable); // the saved settings
    m_window->findChild<QAction*>(QLatin1String(layout::levelActions[0]))->trigger();
    const QString atExit = exitAndTakeMessage();
    QVERIFY2(atExit.startsWith(QLatin1String("The settings could not be saved")),
             qPrintable(atExit));
    QCOMPARE(contentOf(QStringLiteral("options.ttt")), savedRecord);
    QCOMPARE(leftovers(), QStringList());
}

void FaultsTest::diskFullWhileSaving()
{
    writeFile(QStringLiteral("options.ttt"), savedRecord);
    QCOMPARE(startAndTakeMessage(m_cues), QString());
    const QByteArray afterStart = contentOf(QStringLiteral("options.ttt"));
    QCOMPARE(afterStart, savedRecord + defaultLine);
    playAGame();
    QString atChoice;
    QString atExit;
    {
        const FullDisk full;
        chooseSet(5);
        atChoice = takeMessage();
        atExit = exitAndTakeMessage();
    }
    QVERIFY2(atChoice.startsWith(QLatin1String("The picture set could not be saved")),
             qPrintable(atChoice));
    QVERIFY2(atExit.startsWith(QLatin1String("The settings could not be saved")),
             qPrintable(atExit));
    QCOMPARE(contentOf(QStringLiteral("options.ttt")), afterStart);
    QVERIFY(!QFile::exists(QStringLiteral("cardset.ttt")));
    QCOMPARE(leftovers(), QStringList());
}

void FaultsTest::everySoundFileMissing()
{
    const QTemporaryDir noSounds;
    CuePlayer player(SoundLocator({noSounds.path()}));
    QCOMPARE(startAndTakeMessage(player), QString());
    playAGame();
    QCOMPARE(exitAndTakeMessage(), QString());
    QCOMPARE(contentOf(QStringLiteral("options.ttt")), QByteArray("3,1,2,0,1,0,16\r\n"));
}

void FaultsTest::noSoundDevice()
{
    // A sound server address where none listens: the sound system finds no device.
    const bool hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/ttt-no-sound-server");
    const auto restore = qScopeGuard(
        [&] { hadServer ? qputenv("PULSE_SERVER", server) : qunsetenv("PULSE_SERVER"); });
    CuePlayer player; // the game's own sound files, found beside the executable
    QVERIFY2(!SoundLocator().locate(QStringLiteral("start1.wav")).isEmpty(),
             "the game's sound files were not found");
    QCOMPARE(startAndTakeMessage(player), QString());
    playAGame();
    QCOMPARE(exitAndTakeMessage(), QString());
    QCOMPARE(contentOf(QStringLiteral("options.ttt")), QByteArray("3,1,2,0,1,0,16\r\n"));
}

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
