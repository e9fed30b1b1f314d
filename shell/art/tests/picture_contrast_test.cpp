// SPDX-License-Identifier: GPL-3.0-or-later
// Checks that every cell set can be read at a glance at its real size: X and O
// stand out from their own square, X and O look clearly unlike each other in shape
// and in colour, and the empty square stands out from the board it lies on. Then what
// the window draws over each set: the glow on the computer's latest mark, the flash of
// a refused square, the squares' numbers and the winning line; and the option buttons'
// marks, chosen against not chosen.
#include "assets/assetpaths.h"
#include "core/pictureset.h"
#include "shell/art/artwork.h"
#include "shell/boardwidget.h"
#include "shell/cellview.h"
#include "shell/gamestyle.h"
#include "shell/layout/windowlayout.h"

#include <QImage>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>

using ttt::Mark;
using ttt::PictureSet;

namespace {

constexpr int Cell = 73;
// A channel sum above this is a pixel a mark changes visibly (as the cell tests count it).
constexpr int Visible = 48;

// Colours are compared by their CIE76 distance, which sees a change of hue as well as
// one of lightness: a red mark on a blue tile reads at a glance although both are about
// as light. A distance of about 2 is just noticeable; 40 is a plainly different colour.
// The pixels a mark changes must lie this far from its square's main colour on average,
// so a soft glow or shadow counts for what it adds and a thin stroke, mostly blurred
// edge at the cell's real size, counts for little.
constexpr double MarkDistance = 40;
// Share of the cell's pixels in which the X and the O picture of one set differ.
constexpr double XOApart = 0.25;
// The empty square's main colour must lie this far from every colour that covers much
// of the board, its green and its white lines: another colour, not a shade of them.
constexpr double BoardDistance = 30;
// The mean colours of what the X and what the O add to their square lie this far
// apart: told apart by colour, not only by shape.
constexpr double XOColourDistance = 35;
// Shares of the square the computer's glow and a refused move's flash change visibly.
constexpr double GlowChange = 0.10;
constexpr double FlashChange = 0.5;
// The squares' numbers read at this contrast ratio (relative luminances) or better.
constexpr double DigitContrast = 3.0;
// The winning line's core lies this far from every colour on the board and is more
// than twice as wide as the board's grid lines (3 pixels at the first size).
constexpr double LineDistance = 40;
constexpr int LineWidth = 7;

// The picture at `path` as the game draws it at 1x; a null image when it is missing.
QImage render(const QString& path, QSize size)
{
    QSvgRenderer svg(path);
    if (!svg.isValid())
        return {};
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return img;
}

int channelSum(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// A colour bin: its share of the pixels counted and their mean colour.
struct Colour
{
    double share = 0;
    std::array<double, 3> rgb{};
};

// The picture's colours in bins of 32 levels per channel, most common first, among
// the pixels `take` accepts.
template <typename Take> QList<Colour> colours(const QImage& img, Take take)
{
    std::array<std::array<double, 4>, 512> bins{};
    int total = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!take(x, y))
                continue;
            const QRgb c = img.pixel(x, y);
            auto& bin = bins[(qRed(c) / 32) * 64 + (qGreen(c) / 32) * 8 + qBlue(c) / 32];
            bin[0] += qRed(c);
            bin[1] += qGreen(c);
            bin[2] += qBlue(c);
            bin[3] += 1;
            ++total;
        }
    QList<Colour> out;
    for (const auto& bin : bins)
        if (bin[3] > 0)
            out.append(Colour{bin[3] / total, {bin[0] / bin[3], bin[1] / bin[3], bin[2] / bin[3]}});
    std::sort(out.begin(), out.end(),
              [](const Colour& a, const Colour& b) { return a.share > b.share; });
    return out;
}

double linear(double channel)
{
    const double c = channel / 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::array<double, 3> lab(const Colour& c)
{
    const double r = linear(c.rgb[0]), g = linear(c.rgb[1]), b = linear(c.rgb[2]);
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double fx = f((0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047);
    const double fy = f(0.2126 * r + 0.7152 * g + 0.0722 * b);
    const double fz = f((0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double distance(const Colour& a, const Colour& b)
{
    const auto p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

Colour colourOf(QRgb c)
{
    return {1, {double(qRed(c)), double(qGreen(c)), double(qBlue(c))}};
}

// How well a mark reads on its square: the mean distance of the pixels it changes
// from the main colour of the square around it.
double markDistance(const QImage& mark, const QImage& empty)
{
    const auto changed = [&](int x, int y) {
        return channelSum(mark.pixel(x, y), empty.pixel(x, y)) > Visible;
    };
    const auto ground = colours(empty, [&](int x, int y) { return !changed(x, y); });
    if (ground.isEmpty())
        return 0;
    double sum = 0;
    int count = 0;
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            if (changed(x, y)) {
                sum += distance(colourOf(mark.pixel(x, y)), ground.first());
                ++count;
            }
    return count ? sum / count : 0;
}

// The mean colour of the pixels `mark` changes on `empty`.
Colour markColour(const QImage& mark, const QImage& empty)
{
    const auto changed = [&](int x, int y) {
        return channelSum(mark.pixel(x, y), empty.pixel(x, y)) > Visible;
    };
    Colour mean;
    for (const Colour& c : colours(mark, changed))
        for (int i = 0; i < 3; ++i)
            mean.rgb[i] += c.share * c.rgb[i];
    return mean;
}

double luminance(QRgb c)
{
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

// The contrast ratio of what `shown` adds to `plain`: its brightest pixel against the
// middle luminance of the box round everything it changed.
double addedContrast(const QImage& shown, const QImage& plain)
{
    QRect box;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (channelSum(shown.pixel(x, y), plain.pixel(x, y)) > Visible)
                box |= QRect(x, y, 1, 1);
    std::vector<double> lums;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            lums.push_back(luminance(shown.pixel(x, y)));
    if (lums.empty())
        return 1;
    std::sort(lums.begin(), lums.end());
    return (lums.back() + 0.05) / (lums[lums.size() / 2] + 0.05);
}

QImage grabbed(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

double shareApart(const QImage& a, const QImage& b)
{
    int apart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            apart += channelSum(a.pixel(x, y), b.pixel(x, y)) > Visible;
    return double(apart) / (a.width() * a.height());
}

} // namespace

class TestPictureContrast : public QObject
{
    Q_OBJECT

private slots:
    void everySetReadsAtAGlance_data();
    void everySetReadsAtAGlance();
    void whatTheWindowAddsShowsOnEverySet_data() { everySetReadsAtAGlance_data(); }
    void whatTheWindowAddsShowsOnEverySet();
    void chosenOptionIsTheBrightOne();

private:
    ttt::Artwork m_artwork;
    ttt::GameStyle m_style;
};

void TestPictureContrast::everySetReadsAtAGlance_data()
{
    QTest::addColumn<int>("set");
    for (int set = 1; set <= PictureSet::setCount; ++set)
        QTest::addRow("set %d", set) << set;
}

void TestPictureContrast::everySetReadsAtAGlance()
{
    QFETCH(int, set);
    const PictureSet pictures = PictureSet::numbered(set);
    const auto cell = [&](Mark m) {
        return render(ttt::assets::setPicturePath(pictures.picture(m)), {Cell, Cell});
    };
    const QImage empty = cell(Mark::Free), x = cell(Mark::X), o = cell(Mark::O);
    QVERIFY(!empty.isNull() && !x.isNull() && !o.isNull());

    // Every colour that covers at least 2 % of the board: its green and its white lines.
    const QImage board = render(ttt::assets::picturePath(QStringLiteral("board")), {247, 247});
    QVERIFY(!board.isNull());
    const Colour square = colours(empty, [](int, int) { return true; }).first();
    double nearest = 1000;
    for (const Colour& c : colours(board, [](int, int) { return true; }))
        if (c.share >= 0.02)
            nearest = qMin(nearest, distance(square, c));

    const double xDistance = markDistance(x, empty);
    const double oDistance = markDistance(o, empty);
    const double apart = shareApart(x, o);
    qInfo("set %2d: X %.0f and O %.0f from their square, X and O differ in %.0f %% of the "
          "cell, the square %.0f from the board",
          set, xDistance, oDistance, 100 * apart, nearest);
    QVERIFY2(xDistance >= MarkDistance, "the X is lost on its square");
    QVERIFY2(oDistance >= MarkDistance, "the O is lost on its square");
    QVERIFY2(apart >= XOApart, "X and O look alike");
    QVERIFY2(nearest >= BoardDistance, "the empty square melts into the board");
    const double xoColours = distance(markColour(x, empty), markColour(o, empty));
    qInfo("set %2d: X and O %.0f apart in colour", set, xoColours);
    QVERIFY2(xoColours >= XOColourDistance, "X and O have the same colours");
}

void TestPictureContrast::whatTheWindowAddsShowsOnEverySet()
{
    QFETCH(int, set);
    const PictureSet pictures = PictureSet::numbered(set);
    ttt::CellView cell(m_artwork, 7);
    cell.resize(Cell, Cell);
    const auto shot = [&](Mark mark, auto&& change) {
        cell.setPictureNumber(pictures.picture(mark));
        change();
        return grabbed(cell);
    };
    const QImage o = shot(Mark::O, [] {});
    const QImage glowing = shot(Mark::O, [&] { cell.setMarkedAsLatest(true); });
    cell.setMarkedAsLatest(false);
    const QImage empty = shot(Mark::Free, [] {});
    const QImage numbered = shot(Mark::Free, [&] { cell.setNumberShown(true); });
    const QImage flashing = shot(Mark::O, [&] { cell.flash(); }); // last: it lasts a while
    const double glow = shareApart(glowing, o);
    const double flash = shareApart(flashing, o);
    const double digit = addedContrast(numbered, empty);

    // A won line through the middle row, over X, O and empty squares.
    ttt::BoardWidget board(m_artwork);
    board.setGeometry(ttt::layout::board.rect());
    const Mark marks[] = {Mark::O, Mark::Free, Mark::X, Mark::X,   Mark::X,
                          Mark::X, Mark::O,    Mark::O, Mark::Free};
    for (ttt::Square square : ttt::Board::squares)
        board.cell(square)->setPictureNumber(pictures.picture(marks[square - 1]));
    board.setWinningLines({{4, 5, 6}});
    const QImage won = grabbed(board);
    const QPoint middle = board.cell(5)->geometry().center();
    const Colour line = colourOf(won.pixel(middle));
    const QImage x = render(ttt::assets::setPicturePath(pictures.picture(Mark::X)), {Cell, Cell});
    const QImage plain =
        render(ttt::assets::setPicturePath(pictures.picture(Mark::Free)), {Cell, Cell});
    double nearest = std::min(distance(line, colourOf(qRgb(255, 255, 255))),
                              distance(line, colourOf(qRgb(104, 217, 95))));
    for (const QImage& mark : {x, o})
        nearest = std::min(nearest, distance(line, markColour(mark, plain)));
    int width = 0;
    for (int y = middle.y() - 20; y <= middle.y() + 20; ++y)
        width += distance(colourOf(won.pixel(middle.x(), y)), line) < 20;

    qInfo("set %2d: the glow changes %.0f %%, the flash %.0f %%; numbers %.1f:1; the "
          "winning line %.0f from the nearest colour, %d pixels wide",
          set, 100 * glow, 100 * flash, digit, nearest, width);
    QVERIFY2(glow >= GlowChange, "the computer's glow is lost on this set");
    QVERIFY2(flash >= FlashChange, "a refused square's flash is lost on this set");
    QVERIFY2(digit >= DigitContrast, "the squares' numbers are hard to read");
    QVERIFY2(nearest >= LineDistance, "the winning line looks like the board or a mark");
    QVERIFY2(width >= LineWidth, "the winning line is as thin as a grid line");
}

// The mean luminance of the option's round mark, chosen and not, on a black panel.
void TestPictureContrast::chosenOptionIsTheBrightOne()
{
    QWidget panel;
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel.setPalette(palette);
    panel.setAutoFillBackground(true);
    panel.resize(80, 17);
    QRadioButton button(QStringLiteral("Hard"), &panel);
    button.setStyle(&m_style);
    button.resize(panel.size());
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect mark = m_style.subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button);
    const auto brightness = [&](bool chosen) {
        button.setChecked(chosen);
        const QImage shot = grabbed(panel);
        double sum = 0;
        for (int y = mark.top(); y <= mark.bottom(); ++y)
            for (int x = mark.left(); x <= mark.right(); ++x)
                sum += luminance(shot.pixel(x, y));
        return sum / (mark.width() * mark.height());
    };
    const double off = brightness(false), on = brightness(true);
    qInfo("option mark: %.2f chosen, %.2f not", on, off);
    QVERIFY2(on >= off + 0.1, "the chosen option does not look brighter than the others");
}

QTEST_MAIN(TestPictureContrast)
#include "picture_contrast_test.moc"
