#include "shell/art/artwork.h"
#include "shell/dialogs/aboutwindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using ttt::AboutWindow;

namespace {

// Records every height the window passes through.
class HeightRecorder : public QObject
{
public:
    QList<int> heights;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            heights.append(static_cast<QWidget*>(watched)->height());
        return false;
    }
};

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void slidesOpenAndShut();
    void slideMovesOnePixelAtATime();
    void doubleClickElsewhereDoesNothing();
    void otherHeightsDoNotSlide();
    void keepsHeightWhileHidden();
    void thankYouHides();
    void frameCloseActsAsThankYou();

private:
    static void doubleClick(QWidget* widget)
    {
        QTest::mouseDClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    static QWidget* hotspot(AboutWindow& about)
    {
        return about.findChild<QWidget*>(QStringLiteral("Image1"));
    }

    ttt::Artwork m_art;
};

void TestAboutWindow::layout()
{
    AboutWindow about(m_art);
    QCOMPARE(about.objectName(), QStringLiteral("Form3"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tic Tac Toe"));
    QVERIFY(about.accessibleDescription().contains(
        QStringLiteral("GNU General Public License, version 3 or later")));
    QCOMPARE(about.size(), QSize(505, 382));
    QCOMPARE(about.firstHeight(), 382);
    auto* version = about.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 1.23       (32-bit)"));
    QCOMPARE(version->geometry(), QRect(416, 32, 81, 25));
    QCOMPARE(hotspot(about)->geometry(), QRect(24, 80, 113, 25));
    auto* address = about.findChild<QLabel*>(QStringLiteral("Label2"));
    QVERIFY(address);
    QCOMPARE(address->geometry(), QRect(152, 384, 257, 17));
    QVERIFY(!about.rect().intersects(address->geometry()));
    auto* thanks = about.findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(thanks->text(), QStringLiteral("Thank you"));
    QCOMPARE(thanks->geometry(), QRect(24, 24, 73, 33));
    QVERIFY(QFontMetrics(thanks->font()).horizontalAdvance(thanks->text()) < thanks->width());
}

void TestAboutWindow::slidesOpenAndShut()
{
    AboutWindow about(m_art);
    about.show();
    const QRect address = about.findChild<QLabel*>(QStringLiteral("Label2"))->geometry();
    doubleClick(hotspot(about));
    QCOMPARE(about.height(), 402);
    QVERIFY(about.rect().contains(address));
    doubleClick(hotspot(about));
    QCOMPARE(about.height(), 382);
    QVERIFY(!about.rect().intersects(address));
}

void TestAboutWindow::slideMovesOnePixelAtATime()
{
    AboutWindow about(m_art);
    about.show();
    HeightRecorder recorder;
    about.installEventFilter(&recorder);
    doubleClick(hotspot(about));
    QList<int> expected;
    for (int h = 383; h <= 402; ++h)
        expected.append(h);
    QCOMPARE(recorder.heights, expected);
}

void TestAboutWindow::doubleClickElsewhereDoesNothing()
{
    AboutWindow about(m_art);
    about.show();
    QTest::mouseDClick(&about, Qt::LeftButton, {}, QPoint(450, 300));
    doubleClick(about.findChild<QLabel*>(QStringLiteral("Label1")));
    QCOMPARE(about.height(), 382);
}

void TestAboutWindow::otherHeightsDoNotSlide()
{
    AboutWindow about(m_art);
    about.show();
    about.setFixedHeight(390);
    doubleClick(hotspot(about));
    QCOMPARE(about.height(), 390);
}

void TestAboutWindow::keepsHeightWhileHidden()
{
    AboutWindow about(m_art);
    about.show();
    doubleClick(hotspot(about));
    about.thankYou();
    QVERIFY(!about.isVisible());
    about.show();
    QCOMPARE(about.height(), 402);
    doubleClick(hotspot(about));
    QCOMPARE(about.height(), 382);
}

void TestAboutWindow::thankYouHides()
{
    AboutWindow about(m_art);
    about.show();
    QSignalSpy closed(&about, &AboutWindow::closed);
    QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!about.isVisible());
}

void TestAboutWindow::frameCloseActsAsThankYou()
{
    AboutWindow about(m_art);
    about.show();
    QSignalSpy closed(&about, &AboutWindow::closed);
    QVERIFY(about.close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!about.isVisible());
    about.close();
    QCOMPARE(closed.count(), 1);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
