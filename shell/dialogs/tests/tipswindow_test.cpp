// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/assetpaths.h"
#include "shell/art/artwork.h"
#include "shell/dialogs/tipswindow.h"
#include "shell/layout/windowlayout.h"

#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using ttt::TipsWindow;
namespace layout = ttt::layout;

class TestTipsWindow : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void picturesLeaveTheWordsToTheGame();
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

void TestTipsWindow::picturesLeaveTheWordsToTheGame()
{
    // Words drawn into a picture would stay English in every language: the game writes
    // the tips and the outcomes over word-free pictures.
    for (const char* name : {"tips", "xwins", "owins", "nowin"}) {
        QFile picture(ttt::assets::picturePath(QLatin1String(name)));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QVERIFY2(!picture.readAll().contains("<text"), name);
    }
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
