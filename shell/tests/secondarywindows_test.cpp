// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with its secondary windows, start-up from the settings file and
// the always-on-top band.
#include "session/settingsstore.h"
#include "shell/art/artwork.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/dialogs/aboutwindow.h"
#include "shell/dialogs/graphicschooser.h"
#include "shell/dialogs/tipswindow.h"
#include "shell/layout/windowlayout.h"
#include "shell/mainwindow.h"
#include "shell/secondarywindows.h"
#include "shell/stayontop.h"
#include "windowtestbench.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace ttt;

class SecondaryWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartWritesTheDefaultLine();
    void savedRecordIsRestored();
    void chooserOkChangesTheSetAndStopsTheGame_data();
    void chooserOkChangesTheSetAndStopsTheGame();
    void chooserCancelAndFrameCloseChangeNothing();
    void aboutPlaysItsCueAndKeepsItsHeight();
    void tipsIsMadeAnewEachTime();
    void exitWhileAboutIsOpenClosesEveryWindow();
    void alwaysOnTopTwiceEndsOff();
    void secondaryWindowsAreDialogsCentredOverTheGame_data();
    void secondaryWindowsAreDialogsCentredOverTheGame();
    void secondaryWindowTakesTheTopBand();

private:
    QByteArray fileText(const char* name) const
    {
        QFile file(QString::fromLatin1(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const char* name, const QByteArray& text) const
    {
        QFile file(QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QAction* action(const char* name) const
    {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    void start()
    {
        const StartingOptions start = loadOptionsFile();
        QVERIFY(start.problem.isEmpty());
        m_window->startUp(start.options);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_bench->cues.played.clear();
    }
    GraphicsChooser* chooser() const
    {
        return test::secondaryWindow<GraphicsChooser>(layout::graphicsChooser);
    }
    template <typename Button = QPushButton>
    Button* child(QWidget* parent, const QString& name) const
    {
        return parent->findChild<Button*>(name);
    }
    template <typename Button = QPushButton> Button* child(QWidget* parent, const char* name) const
    {
        return child<Button>(parent, QString::fromLatin1(name));
    }

    std::unique_ptr<test::WindowTestBench> m_bench;
    MainWindow* m_window = nullptr;
};

void SecondaryWindowsTest::init()
{
    m_bench = std::make_unique<test::WindowTestBench>();
    m_window = m_bench->window.get();
}

void SecondaryWindowsTest::cleanup()
{
    m_bench.reset();
}

void SecondaryWindowsTest::firstStartWritesTheDefaultLine()
{
    start();
    QCOMPARE(fileText("options.ttt"), QByteArray("3,1,1,0,1,0,16\r\n"));
    QVERIFY(action(layout::levelActions[2])->isChecked());
    QCOMPARE(m_window->findChild<BoardWidget*>()->cell(1)->picture().cacheKey(),
             m_bench->artwork.pictureNumbered(16, m_window->devicePixelRatioF()).cacheKey());
    m_window->close();
    QCOMPARE(fileText("options.ttt"), QByteArray("3,1,1,0,1,0,16\r\n"));
}

void SecondaryWindowsTest::savedRecordIsRestored()
{
    writeFile("options.ttt", "4,2,2,1,0,1,34\r\n");
    start();
    QCOMPARE(fileText("options.ttt"), QByteArray("4,2,2,1,0,1,34\r\n3,1,1,0,1,0,16\r\n"));
    QVERIFY(action(layout::levelActions[3])->isChecked());
    QVERIFY(action(layout::oFirstAction)->isChecked());
    QVERIFY(action(layout::twoPlayerAction)->isChecked());
    QCOMPARE(action(layout::scoringAction)->text(), QStringLiteral("&Turn Scoring On"));
    QVERIFY(!action(layout::soundsAction)->isChecked());
    QVERIFY(action(layout::allOnTopAction)->isChecked());
    QVERIFY(StayOnTop::isOnTop(m_window));
    QCOMPARE(m_bench->game().options().pictureSet.firstPicture(), 34);
    QVERIFY(m_bench->cues.played.empty());
    m_window->close();
    QCOMPARE(fileText("options.ttt"), QByteArray("4,2,2,1,0,1,34\r\n"));
}

void SecondaryWindowsTest::chooserOkChangesTheSetAndStopsTheGame_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("firstPicture");
    QTest::addColumn<int>("pictureClicked"); // 0: the option itself is clicked
    QTest::newRow("Option 1") << 1 << 1 << 0;
    QTest::newRow("Option 12") << 12 << 34 << 0;
    QTest::newRow("set 9's O picture") << 9 << 25 << 27;
    QTest::newRow("set 2's empty picture") << 2 << 4 << 4;
}

void SecondaryWindowsTest::chooserOkChangesTheSetAndStopsTheGame()
{
    QFETCH(int, option);
    QFETCH(int, firstPicture);
    QFETCH(int, pictureClicked);
    writeFile("options.ttt", "3,1,2,0,1,0,16\r\n");
    start();
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_P);
    QTest::keyClick(m_window->findChild<BoardWidget*>(), Qt::Key_5);
    action(layout::graphicsAction)->trigger();
    QVERIFY(chooser()->isVisible());
    QVERIFY(!m_window->isEnabled());
    QVERIFY(child<QRadioButton>(chooser(), layout::numberedName(layout::setOptionPrefix, 6))
                ->isChecked()); // the set in use
    auto* optionButton =
        child<QRadioButton>(chooser(), layout::numberedName(layout::setOptionPrefix, option));
    QWidget* clicked =
        pictureClicked == 0
            ? optionButton
            : child<QWidget>(chooser(),
                             layout::numberedName(layout::setPicturePrefix, pictureClicked));
    QTest::mouseClick(clicked, Qt::LeftButton);
    QVERIFY(optionButton->isChecked());
    QCOMPARE(chooser()->focusWidget(), optionButton);
    QTest::mouseClick(child(chooser(), layout::okButton), Qt::LeftButton);
    QVERIFY(!chooser()->isVisible());
    QVERIFY(m_window->isEnabled());
    QCOMPARE(m_bench->game().options().pictureSet.firstPicture(), firstPicture);
    for (int s = 1; s <= layout::squareCount; ++s)
        QCOMPARE(m_window->findChild<BoardWidget*>()->cell(s)->picture().cacheKey(),
                 m_bench->artwork.pictureNumbered(firstPicture, m_window->devicePixelRatioF())
                     .cacheKey());
    QCOMPARE(m_window->findChild<QLabel*>(QLatin1String(layout::newGamePointer.name))->text(),
             QStringLiteral("^"));
    QCOMPARE(fileText("cardset.ttt"), QByteArray::number(firstPicture) + "\r\n");
    m_window->close();
    QVERIFY(fileText("options.ttt").endsWith("," + QByteArray::number(firstPicture) + "\r\n"));
}

void SecondaryWindowsTest::chooserCancelAndFrameCloseChangeNothing()
{
    start();
    action(layout::graphicsAction)->trigger();
    // The set in use is selected and has the keyboard focus.
    QCOMPARE(chooser()->focusWidget(),
             child<QRadioButton>(chooser(), layout::numberedName(layout::setOptionPrefix, 6)));
    QTest::mouseClick(
        child<QRadioButton>(chooser(), layout::numberedName(layout::setOptionPrefix, 2)),
        Qt::LeftButton);
    QTest::mouseClick(child(chooser(), layout::cancelButton), Qt::LeftButton);
    QVERIFY(m_window->isEnabled());
    QCOMPARE(m_bench->game().options().pictureSet.firstPicture(), 16);
    QVERIFY(!QFile::exists(QStringLiteral("cardset.ttt")));

    action(layout::graphicsAction)->trigger();
    QVERIFY(child<QRadioButton>(chooser(), layout::numberedName(layout::setOptionPrefix, 2))
                ->isChecked()); // as it was left
    chooser()->close();
    QVERIFY(!chooser()->isVisible());
    QVERIFY(m_window->isEnabled());
    QCOMPARE(m_bench->game().options().pictureSet.firstPicture(), 16);
}

void SecondaryWindowsTest::aboutPlaysItsCueAndKeepsItsHeight()
{
    start();
    action(layout::aboutAction)->trigger();
    QCOMPARE(m_bench->cues.played, std::vector<std::string>{"s-question.wav"});
    AboutWindow* about = test::secondaryWindow<AboutWindow>(layout::aboutWindow);
    QVERIFY(about->isVisible());
    QVERIFY(!m_window->isEnabled());
    const int first = about->height();
    QTest::mouseDClick(child<QWidget>(about, layout::slideHotspot), Qt::LeftButton);
    QTRY_COMPARE(about->height(), first + 20);
    QTest::mouseClick(child(about, layout::okButton), Qt::LeftButton);
    QVERIFY(m_window->isEnabled());
    action(layout::aboutAction)->trigger();
    QCOMPARE(about->height(), first + 20);
    about->close(); // the frame acts as "Thank you"
    QVERIFY(m_window->isEnabled());
    QVERIFY(!about->isVisible());
}

void SecondaryWindowsTest::tipsIsMadeAnewEachTime()
{
    start();
    action(layout::tipsAction)->trigger();
    QPointer<TipsWindow> tips = test::secondaryWindow<TipsWindow>(layout::tipsWindow);
    QVERIFY(tips && tips->isVisible());
    QVERIFY(!m_window->isEnabled());
    QVERIFY(m_bench->cues.played.empty());
    QTest::mouseClick(child(tips, layout::okButton), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(tips.isNull());
    QVERIFY(m_window->isEnabled());
    action(layout::tipsAction)->trigger();
    QVERIFY(test::secondaryWindow(layout::tipsWindow));
    test::secondaryWindow(layout::tipsWindow)->close();
    QVERIFY(m_window->isEnabled());
}

void SecondaryWindowsTest::exitWhileAboutIsOpenClosesEveryWindow()
{
    start();
    action(layout::aboutAction)->trigger();
    m_window->close(); // the main window's frame, while About waits in front
    QVERIFY(!m_window->isVisible());
    QVERIFY(!test::secondaryWindow(layout::aboutWindow)->isVisible());
    QCOMPARE(fileText("options.ttt"), QByteArray("3,1,1,0,1,0,16\r\n"));
}

void SecondaryWindowsTest::alwaysOnTopTwiceEndsOff()
{
    start();
    // The state changes on the window as it is: it is never made anew, which
    // would flicker and give it a new taskbar entry.
    const WId native = m_window->winId();
    action(layout::allOnTopAction)->trigger();
    QVERIFY(StayOnTop::isOnTop(m_window));
    QVERIFY(m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_window->isVisible());
    action(layout::allOnTopAction)->trigger();
    QVERIFY(!StayOnTop::isOnTop(m_window));
    QVERIFY(!m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!action(layout::allOnTopAction)->isChecked());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->winId(), native);
}

void SecondaryWindowsTest::secondaryWindowsAreDialogsCentredOverTheGame_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("chooser") << QString::fromLatin1(layout::graphicsAction);
    QTest::newRow("About") << QString::fromLatin1(layout::aboutAction);
    QTest::newRow("Tips") << QString::fromLatin1(layout::tipsAction);
}

void SecondaryWindowsTest::secondaryWindowsAreDialogsCentredOverTheGame()
{
    QFETCH(QString, menuItem);
    start();
    m_window->move(200, 100); // with room round it on the screen for the largest dialog
    const auto open = [&] {
        action(qPrintable(menuItem))->trigger();
        QWidget* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != m_window)
                dialog = window;
        }
        return dialog;
    };
    QWidget* dialog = open();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowType(), Qt::Dialog);
    QCOMPARE(dialog->windowHandle()->transientParent(), m_window->windowHandle());
    const QPoint offset = dialog->geometry().center() - m_window->geometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("%1, %2 off centre").arg(offset.x()).arg(offset.y())));

    // Beside a window twice or four times as large it opens as much larger, its controls
    // too, as far as the screen has room for it: it stays wholly on the screen.
    const QSize firstSize = dialog->size();
    const int firstButton = child(dialog, layout::okButton)->width();
    const QRect screen = dialog->screen()->availableGeometry();
    for (const int factor : {2, 4}) {
        dialog->close();
        m_window->resize(m_window->size() - m_window->centralWidget()->size() +
                         layout::clientSize * factor);
        QTRY_COMPARE(m_window->centralWidget()->size(), layout::clientSize * factor);
        dialog = open();
        QVERIFY(dialog);
        const QString shown = QStringLiteral("%1x%2 at %3,%4 beside a window %5 times as large")
                                  .arg(dialog->width())
                                  .arg(dialog->height())
                                  .arg(dialog->x())
                                  .arg(dialog->y())
                                  .arg(factor);
        QVERIFY2(screen.contains(dialog->geometry()), qPrintable(shown));
        if (screen.size().boundedTo(firstSize * factor) == firstSize * factor)
            QCOMPARE(dialog->size(), firstSize * factor);
        else
            QVERIFY2(dialog->width() > firstSize.width(), qPrintable(shown));
        const qreal grown = qreal(dialog->width()) / firstSize.width();
        QVERIFY(qAbs(child(dialog, layout::okButton)->width() - firstButton * grown) <= 1);
    }
}

void SecondaryWindowsTest::secondaryWindowTakesTheTopBand()
{
    start();
    action(layout::allOnTopAction)->trigger();
    action(layout::aboutAction)->trigger();
    AboutWindow* about = test::secondaryWindow<AboutWindow>(layout::aboutWindow);
    QVERIFY(StayOnTop::isOnTop(about));
    QVERIFY(!StayOnTop::isOnTop(m_window));
    QTest::mouseClick(child(about, layout::okButton), Qt::LeftButton);
    QVERIFY(!StayOnTop::isOnTop(about));
    QVERIFY(StayOnTop::isOnTop(m_window));
}

QTEST_MAIN(SecondaryWindowsTest)
#include "secondarywindows_test.moc"
