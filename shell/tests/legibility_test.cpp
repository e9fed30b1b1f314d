// SPDX-License-Identifier: GPL-3.0-or-later
// Marks that must read at a glance, measured on the pixels drawn: an option's chosen
// mark against the ground it sits on, and the focus ring against the computer's glow
// and the pictures round a square, on every set.
#include "core/pictureset.h"
#include "shell/art/artwork.h"
#include "shell/cellview.h"
#include "shell/focusring.h"
#include "shell/gamestyle.h"
#include "shell/layout/windowlayout.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>

using namespace ttt;

namespace {

// The CIE 1976 colour difference of two colours (D65, sRGB).
double deltaE(QColor a, QColor b)
{
    const auto lab = [](QColor c) {
        const auto linear = [](double u) {
            return u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
        };
        const double r = linear(c.redF()), g = linear(c.greenF()), bl = linear(c.blueF());
        const auto f = [](double t) {
            return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116;
        };
        const double x = f((0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047);
        const double y = f(0.2126 * r + 0.7152 * g + 0.0722 * bl);
        const double z = f((0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883);
        return std::array<double, 3>{116 * y - 16, 500 * (x - y), 200 * (y - z)};
    };
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

constexpr double Apart = 40; // colours told apart at a glance

} // namespace

class LegibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void chosenOptionAloneIsMarked();
    void focusRingStandsApartOnEverySet();
};

// On the black panels, the blue window and the chooser's cyan, the centre of an option's
// mark shows the ground unless the option is chosen, and its ring shows on every ground.
void LegibilityTest::chosenOptionAloneIsMarked()
{
    GameStyle style;
    for (const QColor ground : {QColor(Qt::black), QColor(0, 255, 255), QColor(63, 63, 224)}) {
        for (const bool chosen : {false, true}) {
            QImage image(26, 26, QImage::Format_RGB32);
            image.fill(ground);
            QStyleOptionButton option;
            option.rect = image.rect();
            option.palette.setColor(QPalette::Window, ground);
            option.state = QStyle::State_Enabled | (chosen ? QStyle::State_On : QStyle::State_Off);
            QPainter painter(&image);
            style.drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter);
            painter.end();
            const QString what = QStringLiteral("%1 on %2").arg(chosen).arg(ground.name());
            const double centre = deltaE(image.pixelColor(13, 13), ground);
            QVERIFY2(chosen ? centre >= Apart : centre < 5, qPrintable(what));
            // Along the ring, between the edge and the centre, some pixel stands out.
            double ring = 0;
            for (int x = 0; x < 8; ++x)
                ring = std::max(ring, deltaE(image.pixelColor(x, 13), ground));
            QVERIFY2(ring >= Apart, qPrintable(what));
        }
    }
}

// A square with the computer's O and the keyboard focus, in the middle of its set's
// empty squares: the glow inside it and the ring outside it differ by colour, and the
// ring stands out from the pictures it lies on.
void LegibilityTest::focusRingStandsApartOnEverySet()
{
    const Artwork artwork;
    for (int set = 1; set <= PictureSet::setCount; ++set) {
        const PictureSet pictures = PictureSet::numbered(set);
        QWidget board;
        const int pitch = layout::setPictureSize + 8;
        std::array<CellView*, 9> cells{};
        for (int i = 0; i < 9; ++i) {
            cells[i] = new CellView(artwork, i + 1, &board);
            cells[i]->setGeometry(i % 3 * pitch, i / 3 * pitch, layout::setPictureSize,
                                  layout::setPictureSize);
            cells[i]->setPictureNumber(pictures.picture(i == 4 ? Mark::O : Mark::Free));
        }
        CellView* centre = cells[4];
        centre->setMarkedAsLatest(true);
        board.resize(3 * pitch, 3 * pitch);
        FocusRing::follow(&board);
        board.show();
        QApplication::setActiveWindow(&board);
        QVERIFY(QTest::qWaitForWindowActive(&board));
        const QImage plain = board.grab().toImage();
        centre->setFocus();
        QCoreApplication::processEvents();
        const QImage ringed = board.grab().toImage();

        const QString name = QStringLiteral("set %1").arg(set);
        const QPoint glow = centre->geometry().topLeft() +
                            QPoint(centre->width() / 2, qRound(5 * centre->width() / 73.0));
        const int reach = FocusRing::reach(centre);
        const int edge = (reach - 2) / 2;
        const QPoint ringTop = centre->geometry().topLeft() + QPoint(centre->width() / 2, -reach);
        const QColor band = ringed.pixelColor(ringTop + QPoint(0, edge + 1));
        QVERIFY2(deltaE(ringed.pixelColor(glow), band) >= Apart, qPrintable(name));
        // Across the ring, at least two pixels stand out from what lies under them.
        int standingOut = 0;
        for (int y = 0; y < reach; ++y) {
            const QPoint at = ringTop + QPoint(0, y);
            standingOut += deltaE(ringed.pixelColor(at), plain.pixelColor(at)) >= Apart;
        }
        QVERIFY2(standingOut >= 2, qPrintable(name));
    }
}

QTEST_MAIN(LegibilityTest)
#include "legibility_test.moc"
