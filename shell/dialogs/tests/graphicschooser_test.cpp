// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pictureset.h"
#include "shell/art/artwork.h"
#include "shell/dialogs/graphicschooser.h"
#include "shell/dialogs/setpictureview.h"
#include "shell/layout/windowlayout.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using ttt::GraphicsChooser;
using ttt::PictureSet;
namespace layout = ttt::layout;

class TestGraphicsChooser : public QObject
{
    Q_OBJECT

private slots:
    void startsWithNothingSelected();
    void okWithoutSelectionDoesNothing();
    void okGivesFirstPicture_data();
    void okGivesFirstPicture();
    void cancelKeepsSetButHides();
    void frameCloseActsAsCancel();
    void openForPreselectsCurrentSet();
    void openForKeepsUserSelection();
    void selectionSurvivesCancel();
    void picturesSitInTheirRows_data();
    void picturesSitInTheirRows();
    void everyPictureIsPresent();
    void optionsSitBesideTheirRows();
    void arrowsMoveBetweenOptions();
    void enterAndEscape();

private:
    QRadioButton* option(GraphicsChooser& chooser, int set)
    {
        return chooser.findChild<QRadioButton*>(layout::numberedName(layout::setOptionPrefix, set));
    }
    QPushButton* button(GraphicsChooser& chooser, const char* name)
    {
        return chooser.findChild<QPushButton*>(QLatin1String(name));
    }

    ttt::Artwork m_art;
};

void TestGraphicsChooser::startsWithNothingSelected()
{
    GraphicsChooser chooser(m_art);
    QCOMPARE(chooser.objectName(), QLatin1String(layout::graphicsChooser));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("X and O Graphics"));
    QCOMPARE(chooser.size(), QSize(608, 433));
    QCOMPARE(chooser.palette().color(QPalette::Window), QColor(0, 255, 255));
    QCOMPARE(chooser.selectedSet(), 0);
    for (int set = 1; set <= PictureSet::setCount; ++set) {
        QRadioButton* opt = option(chooser, set);
        QVERIFY(opt);
        QCOMPARE(opt->text(), QStringLiteral("Option %1").arg(set));
        QVERIFY(!opt->isChecked());
    }
}

void TestGraphicsChooser::okWithoutSelectionDoesNothing()
{
    GraphicsChooser chooser(m_art);
    chooser.show();
    QSignalSpy accepted(&chooser, &GraphicsChooser::accepted);
    QTest::mouseClick(button(chooser, layout::okButton), Qt::LeftButton);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(chooser.isVisible());
}

void TestGraphicsChooser::okGivesFirstPicture_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("firstPicture");
    QTest::newRow("Option 1") << 1 << 1;
    QTest::newRow("Option 6") << 6 << 16;
    QTest::newRow("Option 7") << 7 << 19;
    QTest::newRow("Option 12") << 12 << 34;
}

void TestGraphicsChooser::okGivesFirstPicture()
{
    QFETCH(int, set);
    QFETCH(int, firstPicture);
    GraphicsChooser chooser(m_art);
    chooser.show();
    QSignalSpy accepted(&chooser, &GraphicsChooser::accepted);
    QSignalSpy cancelled(&chooser, &GraphicsChooser::cancelled);
    QTest::mouseClick(option(chooser, set), Qt::LeftButton);
    QTest::mouseClick(button(chooser, layout::okButton), Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(accepted.at(0).at(0).toInt(), firstPicture);
    QCOMPARE(cancelled.count(), 0);
    QVERIFY(!chooser.isVisible());
}

void TestGraphicsChooser::cancelKeepsSetButHides()
{
    GraphicsChooser chooser(m_art);
    chooser.show();
    QSignalSpy accepted(&chooser, &GraphicsChooser::accepted);
    QSignalSpy cancelled(&chooser, &GraphicsChooser::cancelled);
    QTest::mouseClick(option(chooser, 5), Qt::LeftButton);
    QTest::mouseClick(button(chooser, layout::cancelButton), Qt::LeftButton);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(!chooser.isVisible());
}

void TestGraphicsChooser::frameCloseActsAsCancel()
{
    GraphicsChooser chooser(m_art);
    chooser.openFor(1);
    QSignalSpy accepted(&chooser, &GraphicsChooser::accepted);
    QSignalSpy cancelled(&chooser, &GraphicsChooser::cancelled);
    QVERIFY(chooser.close());
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(accepted.count(), 0);
    QVERIFY(!chooser.isVisible());
    // Closing it again while hidden cancels nothing.
    chooser.close();
    QCOMPARE(cancelled.count(), 1);
}

void TestGraphicsChooser::openForPreselectsCurrentSet()
{
    GraphicsChooser chooser(m_art);
    chooser.openFor(16);
    QVERIFY(chooser.isVisible());
    QVERIFY(option(chooser, 6)->isChecked());
    QCOMPARE(chooser.selectedFirstPicture(), 16);
}

void TestGraphicsChooser::openForKeepsUserSelection()
{
    GraphicsChooser chooser(m_art);
    chooser.openFor(16);
    QTest::mouseClick(option(chooser, 3), Qt::LeftButton);
    QTest::mouseClick(button(chooser, layout::okButton), Qt::LeftButton);
    chooser.openFor(34);
    QVERIFY(option(chooser, 3)->isChecked());
    QVERIFY(!option(chooser, 12)->isChecked());
}

void TestGraphicsChooser::selectionSurvivesCancel()
{
    GraphicsChooser chooser(m_art);
    chooser.openFor(1);
    QTest::mouseClick(option(chooser, 9), Qt::LeftButton);
    QTest::mouseClick(button(chooser, layout::cancelButton), Qt::LeftButton);
    chooser.openFor(1);
    QVERIFY(option(chooser, 9)->isChecked());
    QVERIFY(!option(chooser, 1)->isChecked());
    QCOMPARE(chooser.selectedSet(), 9);
}

void TestGraphicsChooser::picturesSitInTheirRows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("set 1 empty") << 1 << QPoint(0, 360) << "Set 1: empty cell";
    QTest::newRow("set 1 O") << 3 << QPoint(144, 360) << "Set 1: O";
    QTest::newRow("set 3 X") << 8 << QPoint(72, 216) << "Set 3: X";
    QTest::newRow("set 6 O") << 18 << QPoint(144, 0) << "Set 6: O";
    QTest::newRow("set 7 empty") << 19 << QPoint(392, 360) << "Set 7: empty cell";
    QTest::newRow("set 10 X") << 29 << QPoint(464, 144) << "Set 10: X";
    QTest::newRow("set 12 O") << 36 << QPoint(536, 0) << "Set 12: O";
}

void TestGraphicsChooser::picturesSitInTheirRows()
{
    QFETCH(int, index);
    QFETCH(QPoint, topLeft);
    QFETCH(QString, accessibleName);
    GraphicsChooser chooser(m_art);
    auto* view = chooser.findChild<ttt::SetPictureView*>(
        layout::numberedName(layout::setPicturePrefix, index));
    QVERIFY(view);
    QCOMPARE(view->geometry(),
             QRect(topLeft, QSize(ttt::Artwork::SetPictureSize, ttt::Artwork::SetPictureSize)));
    QCOMPARE(view->accessibleName(), accessibleName);
}

void TestGraphicsChooser::everyPictureIsPresent()
{
    GraphicsChooser chooser(m_art);
    QCOMPARE(chooser.findChildren<ttt::SetPictureView*>().size(), 36);
    QSet<QPoint> corners;
    for (int index = 1; index <= 36; ++index) {
        const auto* view = chooser.findChild<ttt::SetPictureView*>(
            layout::numberedName(layout::setPicturePrefix, index));
        QVERIFY2(view, qPrintable(QString::number(index)));
        QCOMPARE(view->size(), QSize(ttt::Artwork::SetPictureSize, ttt::Artwork::SetPictureSize));
        corners.insert(view->pos());
    }
    QCOMPARE(corners.size(), 36);
}

void TestGraphicsChooser::optionsSitBesideTheirRows()
{
    GraphicsChooser chooser(m_art);
    QCOMPARE(option(chooser, 1)->geometry(), QRect(224, 384, 80, 33));
    QCOMPARE(option(chooser, 6)->geometry(), QRect(224, 24, 80, 33));
    QCOMPARE(option(chooser, 7)->geometry(), QRect(304, 384, 88, 33));
    QCOMPARE(option(chooser, 12)->geometry(), QRect(304, 24, 88, 33));
    for (int set = 1; set <= PictureSet::setCount; ++set) {
        QRadioButton* opt = option(chooser, set);
        QVERIFY2(opt->sizeHint().width() <= opt->width(), qPrintable(opt->text()));
    }
    QCOMPARE(button(chooser, layout::okButton)->geometry(), QRect(264, 208, 81, 25));
    QCOMPARE(button(chooser, layout::cancelButton)->geometry(), QRect(264, 280, 81, 25));
}

void TestGraphicsChooser::arrowsMoveBetweenOptions()
{
    GraphicsChooser chooser(m_art);
    chooser.openFor(1);
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QCOMPARE(QApplication::focusWidget(), option(chooser, 1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // set 2 sits above set 1
    QCOMPARE(QApplication::focusWidget(), option(chooser, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), option(chooser, 8));
    QVERIFY(option(chooser, 8)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button(chooser, layout::okButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button(chooser, layout::cancelButton));
}

void TestGraphicsChooser::enterAndEscape()
{
    GraphicsChooser chooser(m_art);
    QSignalSpy accepted(&chooser, &GraphicsChooser::accepted);
    QSignalSpy cancelled(&chooser, &GraphicsChooser::cancelled);

    chooser.openFor(22);
    QTest::keyClick(option(chooser, 8), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(accepted.at(0).at(0).toInt(), 22);
    QVERIFY(!chooser.isVisible());

    chooser.openFor(22);
    QTest::keyClick(option(chooser, 8), Qt::Key_Escape);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!chooser.isVisible());

    // Enter on the focused Cancel button cancels rather than accepts.
    chooser.openFor(22);
    button(chooser, layout::cancelButton)->setFocus();
    QTest::keyClick(button(chooser, layout::cancelButton), Qt::Key_Enter);
    QCOMPARE(cancelled.count(), 2);
    QCOMPARE(accepted.count(), 1);
}

QTEST_MAIN(TestGraphicsChooser)
#include "graphicschooser_test.moc"
