// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/assetpaths.h"
#include "shell/art/artwork.h"
#include "shell/dialogs/tipswindow.h"
#include "shell/windowlayout.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using ttt::TipsWindow;
namespace layout = ttt::layout;

class TestTipsWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void readsWhatThePictureShows();
    void closesAndDeletesItself_data();
    void closesAndDeletesItself();

private:
    ttt::Artwork m_art;
};

void TestTipsWindow::layout()
{
    TipsWindow tips(m_art);
    QCOMPARE(tips.objectName(), QLatin1String(layout::tipsWindow));
    QCOMPARE(tips.windowTitle(), QStringLiteral("Tips - Tic Tac Toe"));
    QCOMPARE(tips.size(), QSize(300, 200));
    auto* ok = tips.findChild<QPushButton*>(QLatin1String(layout::okButton));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(232, 24, 33, 25));
}

void TestTipsWindow::readsWhatThePictureShows()
{
    // Every line drawn in the picture, its heading aside, is in the text a screen
    // reader reads, so the two cannot drift apart.
    QFile picture(ttt::assets::picturePath(QStringLiteral("tips")));
    QVERIFY(picture.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(picture.readAll());
    const TipsWindow tips(m_art);
    const QString description = tips.accessibleDescription();
    int lines = 0;
    for (const auto& match :
         QRegularExpression(QStringLiteral("<text[^>]*>([^<]+)</text>")).globalMatch(svg)) {
        const QString line = match.captured(1).trimmed();
        if (line == QLatin1String("Tips"))
            continue;
        ++lines;
        QVERIFY2(description.contains(line), qPrintable(line));
    }
    QCOMPARE(lines, 7);
}

void TestTipsWindow::closesAndDeletesItself_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "ok";
    QTest::newRow("window frame") << "frame";
    QTest::newRow("Escape key") << "escape";
}

void TestTipsWindow::closesAndDeletesItself()
{
    QFETCH(QString, how);
    QPointer<TipsWindow> tips = new TipsWindow(m_art);
    tips->show();
    QSignalSpy closed(tips.data(), &TipsWindow::closed);
    if (how == QLatin1String("ok"))
        QTest::mouseClick(tips->findChild<QPushButton*>(QLatin1String(layout::okButton)),
                          Qt::LeftButton);
    else if (how == QLatin1String("frame"))
        tips->close();
    else
        QTest::keyClick(tips.data(), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(tips.isNull());
}

QTEST_MAIN(TestTipsWindow)
#include "tipswindow_test.moc"
