// SPDX-License-Identifier: GPL-3.0-or-later
// Every way the program ends, against the real window: what is saved, whether the
// farewell sounds, what the player is told, and whether the program may end.
#include "session/session.h"
#include "shell/boardwidget.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/tests/windowtestbench.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <functional>
#include <unistd.h>
#include <utility>

using namespace ttt;

namespace {

enum class Ending { MenuExit, CloseBox, QuitPicture, KeyS, Sigterm, Sighup, DisplayGone };

const QByteArray chosenRecord("1,2,2,0,1,0,16\r\n"); // Easy, O first, two players

QByteArray optionsFile()
{
    QFile file(QStringLiteral("options.ttt"));
    if (QFileInfo(file).isDir())
        return "<folder>";
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class EndingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyEnding_data();
    void everyEnding();
    void sessionEndCutsTheFarewellShort();
    void sessionEndWhileExitsWarningWaits();
    void whileEndingOnlyASessionEndCounts_data();
    void whileEndingOnlyASessionEndCounts();
    void nothingEndsTwice();
    void aRefusedLinkIsToldOnlyAtStart();

private:
    void start()
    {
        m_bench->window->startUp({});
        m_bench->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_bench->window.get()));
        for (const char* choice :
             {layout::levelActions[0], layout::oFirstAction, layout::twoPlayerAction})
            m_bench->window->findChild<QAction*>(QLatin1String(choice))->trigger();
        m_bench->cues.played.clear();
    }
    void end(Ending ending);
    // Closes the warning the exit shows, as the player would; returns its text.
    void answerWarnings(QString* text)
    {
        auto* watcher = new QTimer(this);
        connect(watcher, &QTimer::timeout, this, [text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *text = box->text();
                box->close();
            }
        });
        watcher->start(0);
    }
    bool farewellPlayed() const
    {
        const auto& played = m_bench->cues.played;
        return std::any_of(played.begin(), played.end(),
                           [](const std::string& cue) { return cue.rfind("end", 0) == 0; });
    }

    std::unique_ptr<test::WindowTestBench> m_bench;
};

void EndingsTest::init()
{
    QApplication::setQuitOnLastWindowClosed(false);
    m_bench = std::make_unique<test::WindowTestBench>();
}

void EndingsTest::cleanup()
{
    m_bench.reset();
    qDeleteAll(findChildren<QTimer*>()); // answerWarnings()'s, whose text is gone
}

void EndingsTest::end(Ending ending)
{
    MainWindow& window = *m_bench->window;
    switch (ending) {
    case Ending::MenuExit:
        window.findChild<QAction*>(QLatin1String(layout::exitAction))->trigger();
        break;
    case Ending::CloseBox:
        window.close();
        break;
    case Ending::QuitPicture:
        QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(layout::quitButton.name)),
                          Qt::LeftButton);
        break;
    case Ending::KeyS:
        QTest::keyClick(window.findChild<BoardWidget*>(), Qt::Key_S);
        break;
    case Ending::Sigterm:
    case Ending::Sighup:
        // The real signal, through the handler and the event loop.
        std::raise(ending == Ending::Sigterm ? SIGTERM : SIGHUP);
        QTRY_COMPARE(m_bench->session->stage(), Session::Stage::Ended);
        break;
    case Ending::DisplayGone:
        m_bench->session->saveWithoutDisplay(); // what runs as Qt ends the program
        break;
    }
}

void EndingsTest::everyEnding_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("farewell");
    QTest::addColumn<bool>("warningBox");
    QTest::addColumn<bool>("mayEnd"); // the program ends with status 0
    QTest::addColumn<bool>("windowGone");

    const QByteArray folder("<folder>");
    // clang-format off
    QTest::newRow("menu Exit")               << Ending::MenuExit    << false << chosenRecord << true  << false << true  << true;
    QTest::newRow("menu Exit, not saved")    << Ending::MenuExit    << true  << folder       << true  << true  << true  << true;
    QTest::newRow("close box")               << Ending::CloseBox    << false << chosenRecord << true  << false << true  << true;
    QTest::newRow("close box, not saved")    << Ending::CloseBox    << true  << folder       << true  << true  << true  << true;
    QTest::newRow("Quit picture")            << Ending::QuitPicture << false << chosenRecord << true  << false << true  << true;
    QTest::newRow("Quit picture, not saved") << Ending::QuitPicture << true  << folder       << true  << true  << true  << true;
    QTest::newRow("key S")                   << Ending::KeyS        << false << QByteArray("<none>") << false << false << true << false;
    QTest::newRow("SIGTERM")                 << Ending::Sigterm     << false << chosenRecord << false << false << true  << true;
    QTest::newRow("SIGTERM, not saved")      << Ending::Sigterm     << true  << folder       << false << false << true  << true;
    QTest::newRow("SIGHUP")                  << Ending::Sighup      << false << chosenRecord << false << false << true  << true;
    QTest::newRow("display gone")            << Ending::DisplayGone << false << chosenRecord << false << false << false << false;
    QTest::newRow("display gone, not saved") << Ending::DisplayGone << true  << folder       << false << false << false << false;
    // clang-format on
}

void EndingsTest::everyEnding()
{
    QFETCH(Ending, ending);
    QFETCH(bool, saveFails);
    QFETCH(bool, warningBox);

    if (saveFails)
        QVERIFY(QDir::current().mkdir(QStringLiteral("options.ttt")));
    start();
    QSignalSpy finished(m_bench->session.get(), &Session::finished);
    QString warning;
    answerWarnings(&warning);
    // Where nobody may answer a box, the problem goes to standard error instead.
    if (saveFails && !warningBox && ending != Ending::KeyS)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The settings could not be saved"));
    end(ending);

    QTEST(optionsFile(), "file");
    QTEST(farewellPlayed(), "farewell");
    QCOMPARE(warning.startsWith(QLatin1String("The settings could not be saved")), warningBox);
    QTEST(finished.count() == 1 && finished.at(0).at(0).toInt() == 0, "mayEnd");
    QTEST(!m_bench->window->isVisible(), "windowGone");
    QCOMPARE(m_bench->session->stage(), Session::Stage::Ended);
}

void EndingsTest::sessionEndCutsTheFarewellShort()
{
    start();
    m_bench->session->findChild<QTimer*>(QLatin1String("farewell"))->setInterval(60000);
    QSignalSpy finished(m_bench->session.get(), &Session::finished);
    m_bench->window->close();
    QCOMPARE(m_bench->session->stage(), Session::Stage::Farewell);
    QCOMPARE(finished.count(), 0); // the farewell is being heard
    std::raise(SIGTERM);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(optionsFile(), chosenRecord); // saved once, by the exit
}

void EndingsTest::sessionEndWhileExitsWarningWaits()
{
    QVERIFY(QDir::current().mkdir(QStringLiteral("options.ttt")));
    start();
    QSignalSpy finished(m_bench->session.get(), &Session::finished);
    // The desktop ends the session while the warning waits for its answer: the program
    // ends, repeating on standard error what the box said.
    QTimer::singleShot(0, this, [this] {
        QCOMPARE(m_bench->session->stage(), Session::Stage::WarningShown);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The settings could not be saved"));
        m_bench->session->endSession();
        QApplication::activeModalWidget()->close();
    });
    m_bench->window->close();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(m_bench->session->stage(), Session::Stage::Ended);
}

void EndingsTest::whileEndingOnlyASessionEndCounts_data()
{
    QTest::addColumn<bool>("warning"); // Exit's warning waits, else the farewell sounds
    QTest::addColumn<Ending>("ending");
    const std::pair<Ending, const char*> endings[] = {
        {Ending::MenuExit, "Exit"}, {Ending::KeyS, "S"}, {Ending::DisplayGone, "display gone"}};
    for (const bool warning : {false, true})
        for (const auto& [ending, name] : endings)
            QTest::addRow("%s during the %s", name, warning ? "warning" : "farewell")
                << warning << ending;
}

void EndingsTest::whileEndingOnlyASessionEndCounts()
{
    QFETCH(bool, warning);
    QFETCH(Ending, ending);
    if (warning)
        QVERIFY(QDir::current().mkdir(QStringLiteral("options.ttt")));
    start();
    m_bench->session->findChild<QTimer*>(QLatin1String("farewell"))->setInterval(60000);
    QSignalSpy finished(m_bench->session.get(), &Session::finished);
    const Session::Stage stage = warning ? Session::Stage::WarningShown : Session::Stage::Farewell;
    int requests = 0;
    const auto request = [&] { // each in the stage the close box left the session in
        QCOMPARE(m_bench->session->stage(), stage);
        QFile::remove(QStringLiteral("options.ttt")); // a second save would be seen
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        // A hidden or blocked window sends no Exit of its own; the key still comes.
        QSignalSpy quit(m_bench->window.get(), &MainWindow::quitNowRequested);
        if (ending == Ending::MenuExit)
            emit m_bench->window->exitRequested();
        else
            end(ending);
        QCOMPARE(quit.count(), ending == Ending::KeyS ? 1 : 0);
        QCOMPARE(m_bench->session->stage(), stage);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(optionsFile(), QByteArray(warning ? "<folder>" : "<none>"));
        ++requests;
    };
    QObject answering;
    QTimer::singleShot(0, &answering, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            request();
            box->close();
        }
    });
    m_bench->window->close();
    if (!warning)
        request();
    QCOMPARE(requests, 1);
}

void EndingsTest::nothingEndsTwice()
{
    start();
    QSignalSpy finished(m_bench->session.get(), &Session::finished);
    m_bench->window->close();
    QCOMPARE(finished.count(), 1);
    QFile::remove(QStringLiteral("options.ttt"));
    // Whatever comes after the end is ignored: no second save, no second end.
    std::raise(SIGTERM);
    QTest::qWait(20);
    m_bench->session->endSession();
    m_bench->session->saveWithoutDisplay();
    m_bench->session->quitNow();
    m_bench->session->exit();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(optionsFile(), QByteArray("<none>"));
}

void EndingsTest::aRefusedLinkIsToldOnlyAtStart()
{
    if (::geteuid() != 0)
        QSKIP("only root can plant another user's link");
    QVERIFY(QFile::link(QStringLiteral("elsewhere.ttt"), QStringLiteral("options.ttt")));
    QCOMPARE(::lchown("options.ttt", 65534, 65534), 0);
    QString warning;
    answerWarnings(&warning);
    m_bench->session->start(); // told once the window is up
    m_bench->window->close();
    QCOMPARE(warning, QString()); // and not again at the exit
}

QTEST_MAIN(EndingsTest)
#include "endings_test.moc"
