// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded storm of random player actions on the real main window, with every
// promise of the game checked after each one. MONKEY_SEED replays a storm and
// MONKEY_EVENTS sets its length (20,000 events unless told otherwise).
#include "core/randomsource.h"
#include "core/tests/scriptedrandom.h"
#include "monkey_storm.h"
#include "monkey_watch.h"
#include "results/tests/recordingcues.h"
#include "session/session.h"
#include "session/settingsstore.h"
#include "shell/art/artwork.h"
#include "shell/dialogs/graphicschooser.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/tests/windowtestbench.h"

#include <QFile>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <random>

using namespace ttt;

namespace {

// The computer's draws, from the storm's seed, so that a storm can be replayed.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    void reseed() override {}
    double next() override { return std::generate_canonical<double, 32>(m_engine); }

private:
    std::mt19937 m_engine;
};

QtMessageHandler passOn = nullptr;

// The offscreen platform says on every window it cannot raise or resize it; the
// storm opens thousands of windows, and those notes would crowd out the report.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    passOn(type, context, message);
}

long fromEnvironment(const char* name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok ? value : fallback;
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void stormKeepsEveryPromise();

private:
    void startWindow();
    void watchChooser();
    QString restartAfterExit();
    QString report(long event, const QString& broken) const;

    unsigned m_seed = 0;
    QTemporaryDir m_dir;
    QString m_oldDir;
    std::unique_ptr<SeededRandom> m_random;
    test::RecordingCues m_cues;
    Artwork m_artwork;
    test::MonkeyWatch m_watch{m_artwork};
    std::unique_ptr<Game> m_game;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Session> m_session;
    QPointer<GraphicsChooser> m_watchedChooser;
    std::deque<QString> m_recent;
    bool m_exited = false;
    bool m_quitNow = false;
    int m_restarts = 0;
};

void MonkeyTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_oldDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    // Exit is part of the storm: the test starts a new window after each one.
    QApplication::setQuitOnLastWindowClosed(false);
    passOn = qInstallMessageHandler(dropPlatformNotes);
}

void MonkeyTest::cleanupTestCase()
{
    m_session.reset();
    m_window.reset();
    QDir::setCurrent(m_oldDir);
    qInstallMessageHandler(passOn);
}

void MonkeyTest::startWindow()
{
    m_session.reset();
    m_window.reset();
    m_game = std::make_unique<Game>(*m_random, m_cues);
    m_window = std::make_unique<MainWindow>(*m_game, m_artwork);
    m_session = std::make_unique<Session>(*m_game, *m_window);
    m_session->findChild<QTimer*>(QLatin1String("farewell"))->setInterval(0);
    connect(m_session.get(), &Session::finished, this, [this] { m_exited = true; });
    connect(m_window.get(), &MainWindow::quitNowRequested, this, [this] { m_quitNow = true; });
    const StartingOptions start = loadOptionsFile();
    QVERIFY2(start.problem.isEmpty(), qPrintable(start.problem));
    m_window->startUp(start.options);
    m_window->show();
    m_window->greet();
    m_watch.attach(*m_window, *m_game);
}

// A normal exit wrote what the menus showed; the next start brings it all back.
QString MonkeyTest::restartAfterExit()
{
    m_exited = false;
    ++m_restarts;
    if (m_window->isVisible())
        return QStringLiteral("the window stayed open after exit");
    QFile file(QStringLiteral("options.ttt"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("exit left no options.ttt");
    const QString written = QString::fromLatin1(file.readAll());
    if (written != m_watch.expectedExitLine())
        return QStringLiteral("exit wrote \"%1\", the menus showed \"%2\"")
            .arg(written, m_watch.expectedExitLine());
    const QString before = m_watch.expectedOptions();
    m_session.reset();
    m_window.reset();
    startWindow();
    if (m_watch.optionsShown() != before)
        return QStringLiteral("after a restart the options read \"%1\", before exit \"%2\"")
            .arg(m_watch.optionsShown(), before);
    return {};
}

QString MonkeyTest::report(long event, const QString& broken) const
{
    QString text = QStringLiteral("MONKEY_SEED=%1: event %2 broke a promise: %3\nLast events:")
                       .arg(m_seed)
                       .arg(event + 1)
                       .arg(broken);
    for (const QString& recent : m_recent)
        text += QStringLiteral("\n  ") + recent;
    return text;
}

// The chooser is made when first opened; from then on its OK is watched, as the
// marks vanish from view when a set is accepted.
void MonkeyTest::watchChooser()
{
    auto* chooser = test::secondaryWindow<GraphicsChooser>(layout::graphicsChooser);
    if (!chooser || chooser == m_watchedChooser)
        return;
    m_watchedChooser = chooser;
    connect(chooser, &GraphicsChooser::accepted, this,
            [this] { m_watch.notePictureSetAccepted(); });
}

void MonkeyTest::stormKeepsEveryPromise()
{
    m_seed = static_cast<unsigned>(
        fromEnvironment("MONKEY_SEED", QRandomGenerator::global()->bounded(1u << 30)));
    const long events = fromEnvironment("MONKEY_EVENTS", 20000);
    qInfo("monkey storm: MONKEY_SEED=%u MONKEY_EVENTS=%ld", m_seed, events);
    m_random = std::make_unique<SeededRandom>(m_seed ^ 0x5eedu);
    startWindow();
    test::MonkeyStorm storm(m_seed);
    for (long i = 0; i < events; ++i) {
        m_watch.before();
        m_cues.played.clear();
        const test::StormEvent event = storm.next(*m_window);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        watchChooser();
        m_recent.push_back(event.text);
        if (m_recent.size() > 25)
            m_recent.pop_front();
        QString broken = m_watch.after(event, m_cues.played);
        if (broken.isEmpty() && m_quitNow)
            broken = QStringLiteral("the game quit without a key \"S\"");
        if (broken.isEmpty() && event.kind == test::StormKind::Quit && !m_exited)
            broken = QStringLiteral("the way out did not end the game");
        if (broken.isEmpty() && m_exited)
            broken = restartAfterExit();
        if (!broken.isEmpty())
            QFAIL(qPrintable(report(i, broken)));
    }
    qInfo("monkey storm: %ld events, %d exits and restarts, every promise kept", events,
          m_restarts);
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
