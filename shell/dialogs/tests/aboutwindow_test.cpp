// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/art/artwork.h"
#include "shell/dialogs/aboutwindow.h"
#include "shell/layout/windowlayout.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using ttt::AboutWindow;
namespace layout = ttt::layout;

namespace {

// The client area's height as the window opens.
constexpr int firstHeight = ttt::fromTwips(layout::aboutTwips).height();

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
    void slideIsAnAnimation();
    void doubleClickMidSlideDoesNothing();
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
        return about.findChild<QWidget*>(QLatin1String(layout::slideHotspot));
    }

    ttt::Artwork m_art;
};

void TestAboutWindow::layout()
{
    AboutWindow about(m_art);
    QCOMPARE(about.objectName(), QLatin1String(layout::aboutWindow));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tic Tac Toe"));
    QVERIFY(about.accessibleDescription().contains(
        QStringLiteral("GNU General Public License, version 3 or later")));
    QCOMPARE(about.size(), QSize(505, 382));
    auto* version = about.findChild<QLabel*>(QLatin1String(layout::versionLabel));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version 1.23       (32-bit)"));
    QCOMPARE(version->geometry(), QRect(416, 32, 81, 25));
    QCOMPARE(hotspot(about)->geometry(), QRect(24, 80, 113, 25));
    auto* address = about.findChild<QLabel*>(QLatin1String(layout::addressLabel));
    QVERIFY(address);
    QCOMPARE(address->geometry(), QRect(152, 384, 257, 17));
    QVERIFY(!about.rect().intersects(address->geometry()));
    auto* thanks = about.findChild<QPushButton*>(QLatin1String(layout::okButton));
    QCOMPARE(thanks->text(), QStringLiteral("Thank you"));
    QCOMPARE(thanks->geometry(), QRect(24, 24, 73, 33));
    QVERIFY(QFontMetrics(thanks->font()).horizontalAdvance(thanks->text()) < thanks->width());
}

void TestAboutWindow::slidesOpenAndShut()
{
    AboutWindow about(m_art);
    about.show();
    const QRect address = about.findChild<QLabel*>(QLatin1String(layout::addressLabel))->geometry();
    doubleClick(hotspot(about));
    QTRY_COMPARE(about.height(), 402);
    QVERIFY(about.rect().contains(address));
    doubleClick(hotspot(about));
    QTRY_COMPARE(about.height(), firstHeight);
    QVERIFY(!about.rect().intersects(address));
}

void TestAboutWindow::slideIsAnAnimation()
{
    AboutWindow about(m_art);
    about.show();
    HeightRecorder recorder;
    about.installEventFilter(&recorder);
    doubleClick(hotspot(about));
    QVERIFY(about.height() < firstHeight + 20); // the slide runs on after the double-click
    QTRY_COMPARE(about.height(), 402);
    // Every height on the way lies between the two resting heights, in order.
    QVERIFY(!recorder.heights.isEmpty());
    for (int i = 0; i < recorder.heights.size(); ++i) {
        QVERIFY(recorder.heights[i] > (i == 0 ? firstHeight : recorder.heights[i - 1]));
        QVERIFY(recorder.heights[i] <= 402);
    }
}

void TestAboutWindow::doubleClickMidSlideDoesNothing()
{
    AboutWindow about(m_art);
    about.show();
    doubleClick(hotspot(about));
    QTRY_VERIFY(about.height() > firstHeight && about.height() < firstHeight + 20);
    doubleClick(hotspot(about));
    QTRY_COMPARE(about.height(), 402);
}

void TestAboutWindow::doubleClickElsewhereDoesNothing()
{
    AboutWindow about(m_art);
    about.show();
    QTest::mouseDClick(&about, Qt::LeftButton, {}, QPoint(450, 300));
    doubleClick(about.findChild<QLabel*>(QLatin1String(layout::versionLabel)));
    QCOMPARE(about.height(), firstHeight);
}

void TestAboutWindow::otherHeightsDoNotSlide()
{
    AboutWindow about(m_art);
    about.show();
    about.setFixedHeight(390);
    doubleClick(hotspot(about));
    QTest::qWait(2 * AboutWindow::SlideMilliseconds);
    QCOMPARE(about.height(), 390);
}

void TestAboutWindow::keepsHeightWhileHidden()
{
    AboutWindow about(m_art);
    about.show();
    doubleClick(hotspot(about));
    QTRY_COMPARE(about.height(), 402);
    about.thankYou();
    QVERIFY(!about.isVisible());
    about.show();
    QCOMPARE(about.height(), 402);
    doubleClick(hotspot(about));
    QTRY_COMPARE(about.height(), firstHeight);
}

void TestAboutWindow::thankYouHides()
{
    AboutWindow about(m_art);
    about.show();
    QSignalSpy closed(&about, &AboutWindow::closed);
    QTest::mouseClick(about.findChild<QPushButton*>(QLatin1String(layout::okButton)),
                      Qt::LeftButton);
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
#include "aboutwindow_test.moc"
