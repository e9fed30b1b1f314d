// SPDX-License-Identifier: GPL-3.0-or-later
// Listens to what the game really plays: its cue player hands the cues to a real
// sound server with a null sink, and the sink's monitor is recorded and measured.
#include "audiblespan.h"
#include "monitorrecorder.h"
#include "soundserver.h"
#include "wavefile.h"

#include "game/clockrandom.h"
#include "game/game.h"
#include "shell/cueplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <memory>

using namespace ttt;
using namespace ttt::realsound;

namespace {

constexpr int rate = MonitorRecorder::sampleRate;
// How much shorter or longer than its file a cue may sound: the recording's own
// timing, and the quiet first and last moments of a cue that sound under the
// threshold of what counts as heard.
constexpr double allowedShortfall = 0.05;
constexpr double allowedExcess = 0.05;

std::size_t samplesIn(double seconds)
{
    return static_cast<std::size_t>(seconds * rate);
}

QString soundPath(const QString& file)
{
    return QDir(QStringLiteral(TTT_SOUND_FOLDER)).filePath(file);
}

// Passes the game's cues on to the player, keeping the file of the latest.
class LatestCue : public CueSink
{
public:
    explicit LatestCue(CueSink& player) : m_player(player) {}
    void play(std::string_view file) override
    {
        m_file = QString::fromUtf8(file.data(), qsizetype(file.size()));
        m_player.play(file);
    }
    QString path() const { return soundPath(m_file); }

private:
    CueSink& m_player;
    QString m_file;
};

} // namespace

class RealSoundTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cuePlayerPlaysTheWholeFile_data();
    void cuePlayerPlaysTheWholeFile();
    void gameCuesAreHeard();
    void soundsOffKeepEveryCueSilent_data();
    void soundsOffKeepEveryCueSilent();
    void newCueCutsOffTheOneStillSounding();

private:
    std::size_t now() const { return m_recorder->sampleCount(); }
    void recordUntil(std::size_t sampleCount);
    void expectHeardAsTheFile(const QString& path, std::size_t from);
    void expectSilence(std::size_t from);

    std::unique_ptr<MonitorRecorder> m_recorder;
    std::unique_ptr<CuePlayer> m_player;
};

void RealSoundTest::init()
{
    m_player = std::make_unique<CuePlayer>(SoundLocator({QStringLiteral(TTT_SOUND_FOLDER)}));
    m_recorder = std::make_unique<MonitorRecorder>();
    QVERIFY2(m_recorder->start(), qPrintable(m_recorder->problem()));
    // The recording runs once the monitor delivers its first tenth of a second.
    recordUntil(samplesIn(0.1));
}

void RealSoundTest::cleanup()
{
    m_player.reset();
    m_recorder.reset();
}

void RealSoundTest::recordUntil(std::size_t sampleCount)
{
    const int waitMs = int(1000 * double(sampleCount - std::min(sampleCount, now())) / rate);
    QTRY_VERIFY_WITH_TIMEOUT(now() >= sampleCount, waitMs + 10000);
}

void RealSoundTest::expectHeardAsTheFile(const QString& path, std::size_t from)
{
    const std::optional<WaveFile> wave = WaveFile::load(path);
    QVERIFY2(wave, qPrintable(path));
    QCOMPARE(wave->sampleRate(), rate);
    const AudibleSpan inFile = AudibleSpan::of(wave->samples());
    QVERIFY(inFile.heard());

    // Room for the player to start late, then the whole file, then a silent tail.
    recordUntil(from + samplesIn(1.0) + wave->samples().size());
    const auto recording = m_recorder->samplesFrom(from);
    const AudibleSpan heard = AudibleSpan::of(recording);
    QVERIFY2(heard.heard(), "the sink's monitor recorded silence");
    qInfo("%s: %.3f s in the file, %.3f s heard, peak %d of %d, starting %.3f s after play",
          qPrintable(QFileInfo(path).fileName()), inFile.seconds(rate), heard.seconds(rate),
          heard.peak, inFile.peak, double(heard.first) / rate);
    QVERIFY2(heard.seconds(rate) >= inFile.seconds(rate) - allowedShortfall,
             "the sound heard is much shorter than its file");
    QVERIFY2(heard.seconds(rate) <= inFile.seconds(rate) + allowedExcess,
             "the sound heard is longer than its file");
    QVERIFY2(heard.peak * 2 >= inFile.peak, "the sound heard is much quieter than its file");
    QVERIFY2(std::size_t(heard.last) + samplesIn(0.3) < recording.size(),
             "the sound was still going on at the end of the recording");
}

void RealSoundTest::expectSilence(std::size_t from)
{
    recordUntil(from + samplesIn(2.0));
    const AudibleSpan heard = AudibleSpan::of(m_recorder->samplesFrom(from));
    QVERIFY2(
        !heard.heard(),
        qPrintable(
            QStringLiteral("sound heard %1 s into the recording").arg(double(heard.first) / rate)));
}

void RealSoundTest::cuePlayerPlaysTheWholeFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("shortest") << QStringLiteral("score.wav");
    QTest::newRow("one-file cue") << QStringLiteral("brain.wav");
    QTest::newRow("longest") << QStringLiteral("end2.wav");
}

void RealSoundTest::cuePlayerPlaysTheWholeFile()
{
    QFETCH(QString, file);
    const std::size_t from = now();
    m_player->play(file.toStdString());
    expectHeardAsTheFile(soundPath(file), from);
}

void RealSoundTest::gameCuesAreHeard()
{
    ClockRandom random;
    LatestCue latest(*m_player);
    Game game(random, latest);
    game.startUp(Options{});

    std::size_t from = now();
    game.playGreeting();
    expectHeardAsTheFile(latest.path(), from);
    if (QTest::currentTestFailed())
        return;

    game.newGame();
    game.clickSquare(5);
    from = now();
    game.clickSquare(5); // taken: refused with the refusal cue
    QCOMPARE(QFileInfo(latest.path()).fileName(), QStringLiteral("Error.wav"));
    expectHeardAsTheFile(latest.path(), from);
}

void RealSoundTest::soundsOffKeepEveryCueSilent_data()
{
    QTest::addColumn<bool>("fromSavedSetting");
    QTest::newRow("saved setting off") << true;
    QTest::newRow("switched off from the menu") << false;
}

void RealSoundTest::soundsOffKeepEveryCueSilent()
{
    QFETCH(bool, fromSavedSetting);
    ClockRandom random;
    LatestCue latest(*m_player);
    Game game(random, latest);
    Options options;
    options.players = Players::Two;
    options.sounds = SoundSwitch::fromSaved(fromSavedSetting ? 0 : 1);
    game.startUp(options);
    if (!fromSavedSetting)
        game.toggleSounds();
    QVERIFY(!game.options().sounds.isOn());

    const std::size_t from = now();
    game.playGreeting();
    game.newGame();
    for (int square : {7, 1, 8, 2, 9}) // X wins a two-player game
        game.clickSquare(square);
    QCOMPARE(game.match().outcome(), Outcome::XWins);
    game.newGame();
    game.clickSquare(5);
    game.clickSquare(5);
    game.clickLevelButton(Level::Easy);
    game.toggleScoring();
    game.toggleScoring();
    game.clearScore();
    game.playAboutCue();
    QVERIFY(!game.sayFarewell());
    game.toggleSounds(); // switching sounds back on makes no sound either
    expectSilence(from);
    if (QTest::currentTestFailed())
        return;

    // The same recording hears the next refused move now that sounds are on.
    const std::size_t heardFrom = now();
    game.clickSquare(5);
    expectHeardAsTheFile(soundPath(QStringLiteral("Error.wav")), heardFrom);
}

void RealSoundTest::newCueCutsOffTheOneStillSounding()
{
    const QString longCue = QStringLiteral("end2.wav");
    const std::optional<WaveFile> wave = WaveFile::load(soundPath(longCue));
    QVERIFY(wave);
    const std::size_t from = now();
    m_player->play(longCue.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(AudibleSpan::of(m_recorder->samplesFrom(from)).heard(), 10000);

    m_player->play("score.wav");
    recordUntil(from + samplesIn(1.0) + wave->samples().size());
    const AudibleSpan heard = AudibleSpan::of(m_recorder->samplesFrom(from));
    const double longSeconds = AudibleSpan::of(wave->samples()).seconds(rate);
    qInfo("%s alone sounds %.3f s; cut off by score.wav, the two sound %.3f s", qPrintable(longCue),
          longSeconds, heard.seconds(rate));
    QVERIFY(heard.seconds(rate) < longSeconds - 1.0);
}

int main(int argc, char* argv[])
{
    const SoundServer server(qEnvironmentVariable("TTT_SOUND_SERVER_STATE"));
    if (!server.available()) {
        std::printf("SKIP: no sound server to listen to: %s\n", qPrintable(server.problem()));
        return 77;
    }
    server.connectClients();
    QCoreApplication app(argc, argv);
    RealSoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "realsound_test.moc"
