// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces that let the window come up before anything heavy: the held sound
// system, the first-frame hook, the deferred menu-bar arrow and the font warm-up.
#include "session/firstframe.h"
#include "session/fontwarmup.h"
#include "shell/cueplayer.h"
#include "shell/gamestyle.h"
#include "shell/sound/soundsystemloader.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace ttt;

namespace {

// What the cue player handed to its outputs, and how many it opened.
struct OutputLog
{
    int opened = 0;
    QStringList played;
    int stops = 0;
};

class LoggingOutput : public SoundOutput
{
public:
    explicit LoggingOutput(OutputLog& log) : m_log(log) {}
    void play(const QString& file) override { m_log.played << QFileInfo(file).fileName(); }
    void stop() override { ++m_log.stops; }

private:
    OutputLog& m_log;
};

CuePlayer::OutputFactory loggingFactory(OutputLog& log, bool works = true)
{
    return [&log, works]() -> std::unique_ptr<SoundOutput> {
        ++log.opened;
        if (!works)
            return nullptr;
        return std::make_unique<LoggingOutput>(log);
    };
}

class PaintCounter : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class StartUpTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void cuesPlayAtOnceUnlessHeld();
    void heldCuesWaitAndOnlyTheLatestPlays();
    void heldSystemWithNothingWaitingOpensNothing();
    void heldCueWithoutFileLeavesNothingWaiting();
    void failedSoundSystemIsAskedForOnlyOnce();

    void soundSystemPluginLoadsFromBesideTheProgram();
    void missingSoundSystemSaysWhy();

    void firstFrameHookRunsOnceAfterThePaint();
    void firstFrameHookFallsBackForAHiddenWindow();

    void menuBarArrowIsTheFusionArrow();
    void otherStandardIconsPassThrough();

    void fontsWorkAfterTheWarmUp();

private:
    void writeSound(const QString& name);
    SoundLocator locator() const { return SoundLocator({m_sounds.path()}); }

    QTemporaryDir m_sounds;
};

void StartUpTest::initTestCase()
{
    QVERIFY(m_sounds.isValid());
    writeSound(QStringLiteral("start1.wav"));
    writeSound(QStringLiteral("x1win.wav"));
}

void StartUpTest::writeSound(const QString& name)
{
    QFile file(m_sounds.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
}

void StartUpTest::cuesPlayAtOnceUnlessHeld()
{
    OutputLog log;
    CuePlayer player(locator(), loggingFactory(log));
    player.play("start1.wav");
    QCOMPARE(log.opened, 1);
    QCOMPARE(log.played, QStringList{QStringLiteral("start1.wav")});
    player.play("x1win.wav");
    QCOMPARE(log.opened, 1); // one output serves every cue
    QCOMPARE(log.played.last(), QStringLiteral("x1win.wav"));
}

void StartUpTest::heldCuesWaitAndOnlyTheLatestPlays()
{
    OutputLog log;
    CuePlayer player(locator(), loggingFactory(log));
    player.holdSoundSystem();
    player.play("start1.wav");
    player.play("x1win.wav");
    QCOMPARE(log.opened, 0);
    player.startSoundSystem();
    QCOMPARE(log.opened, 1);
    QCOMPARE(log.played, QStringList{QStringLiteral("x1win.wav")});
    player.startSoundSystem(); // a second start plays nothing again
    QCOMPARE(log.played.size(), 1);
}

void StartUpTest::heldSystemWithNothingWaitingOpensNothing()
{
    OutputLog log;
    CuePlayer player(locator(), loggingFactory(log));
    player.holdSoundSystem();
    player.startSoundSystem();
    QCOMPARE(log.opened, 0);
    player.play("start1.wav");
    QCOMPARE(log.opened, 1);
    QCOMPARE(log.played, QStringList{QStringLiteral("start1.wav")});
}

void StartUpTest::heldCueWithoutFileLeavesNothingWaiting()
{
    OutputLog log;
    CuePlayer player(locator(), loggingFactory(log));
    player.holdSoundSystem();
    player.play("start1.wav");
    player.play("nosuchcue.wav"); // replaces the waiting cue with silence
    player.startSoundSystem();
    QCOMPARE(log.opened, 0);
    QVERIFY(log.played.isEmpty());
}

void StartUpTest::failedSoundSystemIsAskedForOnlyOnce()
{
    OutputLog log;
    CuePlayer player(locator(), loggingFactory(log, false));
    player.play("start1.wav");
    player.play("x1win.wav");
    QCOMPARE(log.opened, 1);
    QVERIFY(log.played.isEmpty());
}

void StartUpTest::soundSystemPluginLoadsFromBesideTheProgram()
{
    QString problem;
    const auto output = openSoundOutput(defaultSoundSystemPath(), &problem);
    QVERIFY2(output, qPrintable(problem));
    output->stop(); // stopping before anything played is harmless
}

void StartUpTest::missingSoundSystemSaysWhy()
{
    QString problem;
    QVERIFY(!openSoundOutput(m_sounds.filePath(QStringLiteral("libnosuchsound.so")), &problem));
    QVERIFY(!problem.isEmpty());
}

void StartUpTest::firstFrameHookRunsOnceAfterThePaint()
{
    PaintCounter window;
    window.resize(120, 80);
    window.show();
    int calls = 0;
    int paintsAtCall = -1;
    const int noFallback = 600000;
    afterFirstFrame(
        &window,
        [&] {
            ++calls;
            paintsAtCall = window.paints;
        },
        noFallback);
    QTRY_COMPARE(calls, 1);
    QVERIFY2(paintsAtCall >= 1, "the hook ran before the window had painted");
    window.hide();
    window.show(); // exposed again: the hook is spent
    QTest::qWait(50);
    QCOMPARE(calls, 1);
}

void StartUpTest::firstFrameHookFallsBackForAHiddenWindow()
{
    QWidget window;
    int calls = 0;
    afterFirstFrame(
        &window, [&] { ++calls; }, 50);
    QCOMPARE(calls, 0);
    QTRY_COMPARE(calls, 1);
    QTest::qWait(100);
    QCOMPARE(calls, 1);
}

void StartUpTest::menuBarArrowIsTheFusionArrow()
{
    GameStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style.standardIcon(which);
        const QIcon real = fusion->standardIcon(which);
        QVERIFY(!real.isNull());
        QCOMPARE(deferred.availableSizes(), real.availableSizes());
        for (int size : {16, 32}) {
            const QImage shown = deferred.pixmap(size, size).toImage();
            QVERIFY(!shown.isNull());
            QCOMPARE(shown, real.pixmap(size, size).toImage());
        }
    }
}

void StartUpTest::otherStandardIconsPassThrough()
{
    GameStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon warning = style.standardIcon(QStyle::SP_MessageBoxWarning);
    QVERIFY(!warning.isNull());
    QCOMPARE(warning.pixmap(32, 32).toImage(),
             fusion->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32).toImage());
}

void StartUpTest::fontsWorkAfterTheWarmUp()
{
    // main() below reads the font configuration on a thread before the application
    // exists, as the game does; text must measure and list as usual after it.
    QVERIFY(!QFontDatabase::families().isEmpty());
    QFont bold = QApplication::font();
    bold.setBold(true);
    QVERIFY(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Difficulty")) > 0);
    QVERIFY(QFontMetrics(QApplication::font()).height() > 0);
}

int main(int argc, char* argv[])
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    StartUpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
