// SPDX-License-Identifier: GPL-3.0-or-later
// Checks that every picture the game asks for is there, renders to its logical
// size at any scale, comes from the cache on later requests while its size stays,
// is never drawn with more pixels than can be held, and that the twelve
// cell sets are distinct sets whose X and O differ in shape.
#include "core/pictureset.h"
#include "shell/art/artwork.h"

#include <QtTest>

using ttt::Artwork;
using ttt::Mark;
using ttt::PictureSet;
using Picture = Artwork::Picture;

namespace {

const QList<Picture> AllPictures = {
    Picture::Background,  Picture::Title,  Picture::Board,       Picture::XWins,
    Picture::OWins,       Picture::NoWin,  Picture::BlankResult, Picture::NewGameUp,
    Picture::NewGameDown, Picture::QuitUp, Picture::QuitDown,    Picture::About,
    Picture::Tips,
};

QImage image(const QPixmap& pm)
{
    return pm.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per channel (0..255) of two images of the same size.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += qAbs(qRed(la[x]) - qRed(lb[x])) + qAbs(qGreen(la[x]) - qGreen(lb[x])) +
                   qAbs(qBlue(la[x]) - qBlue(lb[x]));
    }
    return sum / (3.0 * a.width() * a.height());
}

// The pixels where a mark changes the empty cell noticeably.
QVector<bool> footprint(const QImage& mark, const QImage& empty)
{
    QVector<bool> covered(mark.width() * mark.height());
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x) {
            const QRgb m = mark.pixel(x, y);
            const QRgb e = empty.pixel(x, y);
            covered[y * mark.width() + x] =
                qAbs(qRed(m) - qRed(e)) + qAbs(qGreen(m) - qGreen(e)) + qAbs(qBlue(m) - qBlue(e)) >
                48;
        }
    return covered;
}

double overlap(const QVector<bool>& a, const QVector<bool>& b)
{
    int both = 0;
    int either = 0;
    for (int i = 0; i < a.size(); ++i) {
        both += a[i] && b[i];
        either += a[i] || b[i];
    }
    return either ? double(both) / either : 1.0;
}

// Share of the cell's central 9 x 9 pixels that the mark covers.
double centreCover(const QVector<bool>& covered, int size)
{
    int count = 0;
    for (int y = size / 2 - 4; y <= size / 2 + 4; ++y)
        for (int x = size / 2 - 4; x <= size / 2 + 4; ++x)
            count += covered[y * size + x];
    return count / 81.0;
}

int distinctColours(const QImage& img)
{
    QSet<QRgb> colours;
    for (int y = 0; y < img.height() && colours.size() < 4; y += 3)
        for (int x = 0; x < img.width() && colours.size() < 4; x += 3)
            colours.insert(img.pixel(x, y));
    return int(colours.size());
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureRendersAtItsLogicalSize_data();
    void everyPictureRendersAtItsLogicalSize();
    void everySetPictureRendersOpaqueAtItsLogicalSize_data();
    void everySetPictureRendersOpaqueAtItsLogicalSize();
    void twelveSetsDifferFromOneAnother();
    void xAndODifferInShape();
    void picturesComeFromTheCache();
    void onlyTheSizeDrawnLastIsKept();
    void picturesTooLargeAreDrawnSmallerToBeScaled();
    void pictureNumberOutsideTheSetsGivesNoPicture();
    void pointersAndIconAreThere();
};

void TestArtwork::everyPictureRendersAtItsLogicalSize_data()
{
    QTest::addColumn<Picture>("which");
    QTest::addColumn<qreal>("dpr");
    for (Picture which : AllPictures)
        for (qreal dpr : {1.0, 2.0})
            QTest::addRow("picture %d at %gx", int(which), dpr) << which << dpr;
}

void TestArtwork::everyPictureRendersAtItsLogicalSize()
{
    QFETCH(Picture, which);
    QFETCH(qreal, dpr);
    const Artwork art;
    const QPixmap pm = art.picture(which, dpr);
    QVERIFY(!pm.isNull());
    QCOMPARE(pm.deviceIndependentSize().toSize(), Artwork::logicalSize(which));
    QCOMPARE(pm.size(), Artwork::logicalSize(which) * dpr);
    QVERIFY2(distinctColours(image(pm)) > 1, "a picture is more than one flat colour");
}

void TestArtwork::everySetPictureRendersOpaqueAtItsLogicalSize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("dpr");
    for (int index = 1; index <= PictureSet::pictureCount; ++index)
        for (qreal dpr : {1.0, 2.0})
            QTest::addRow("picture %d at %gx", index, dpr) << index << dpr;
}

void TestArtwork::everySetPictureRendersOpaqueAtItsLogicalSize()
{
    QFETCH(int, index);
    QFETCH(qreal, dpr);
    const Artwork art;
    const QPixmap pm = art.pictureNumbered(index, dpr);
    QVERIFY(!pm.isNull());
    QCOMPARE(pm.deviceIndependentSize().toSize(),
             QSize(Artwork::SetPictureSize, Artwork::SetPictureSize));
    QCOMPARE(pm.width(), qRound(Artwork::SetPictureSize * dpr));
    // A cell covers the board completely: no see-through corners.
    const QImage img = image(pm);
    for (QPoint corner : {QPoint(0, 0), QPoint(img.width() - 1, img.height() - 1)})
        QCOMPARE(qAlpha(img.pixel(corner)), 255);
}

void TestArtwork::twelveSetsDifferFromOneAnother()
{
    const Artwork art;
    for (const Mark kind : {Mark::Free, Mark::X, Mark::O})
        for (int a = 1; a <= PictureSet::setCount; ++a)
            for (int b = a + 1; b <= PictureSet::setCount; ++b) {
                const double diff = meanDifference(
                    image(art.pictureNumbered(PictureSet::numbered(a).picture(kind), 1)),
                    image(art.pictureNumbered(PictureSet::numbered(b).picture(kind), 1)));
                QVERIFY2(diff > 12, qPrintable(QStringLiteral("sets %1 and %2, picture %3: %4")
                                                   .arg(a)
                                                   .arg(b)
                                                   .arg(static_cast<int>(kind))
                                                   .arg(diff)));
            }
}

void TestArtwork::xAndODifferInShape()
{
    const Artwork art;
    const int size = Artwork::SetPictureSize;
    for (int set = 1; set <= PictureSet::setCount; ++set) {
        const PictureSet pictures = PictureSet::numbered(set);
        const QImage empty = image(art.pictureNumbered(pictures.firstPicture(), 1));
        const QVector<bool> x =
            footprint(image(art.pictureNumbered(pictures.picture(Mark::X), 1)), empty);
        const QVector<bool> o =
            footprint(image(art.pictureNumbered(pictures.picture(Mark::O), 1)), empty);
        const QString where = QStringLiteral("set %1").arg(set);
        QVERIFY2(x.count(true) > size * size / 12, qPrintable(where + ": X too faint"));
        QVERIFY2(o.count(true) > size * size / 12, qPrintable(where + ": O too faint"));
        QVERIFY2(overlap(x, o) < 0.5, qPrintable(where + ": X and O cover the same pixels"));
        // The X crosses the middle of the cell; the O leaves it open.
        QVERIFY2(centreCover(x, size) > 0.5, qPrintable(where + ": X misses the centre"));
        QVERIFY2(centreCover(o, size) < 0.1, qPrintable(where + ": O covers the centre"));
    }
}

void TestArtwork::picturesComeFromTheCache()
{
    const Artwork art;
    const QPixmap first = art.pictureNumbered(16, 2.0);
    QCOMPARE(art.pictureNumbered(16, 2.0).cacheKey(), first.cacheKey());
    QVERIFY(art.pictureNumbered(16, 1.0).cacheKey() != first.cacheKey());
    QCOMPARE(art.picture(Picture::Board, 1.5).cacheKey(),
             art.picture(Picture::Board, 1.5).cacheKey());
}

void TestArtwork::onlyTheSizeDrawnLastIsKept()
{
    const Artwork art;
    const QPixmap board = art.picture(Picture::Board, 1.0);
    const QPixmap first = art.pictureNumbered(16, {100, 100}, 1.0);
    for (int size : {130, 160, 90}) {
        const QPixmap drawn = art.pictureNumbered(16, {size, size}, 1.0);
        QCOMPARE(art.pictureNumbered(16, {size, size}, 1.0).cacheKey(), drawn.cacheKey());
        // While a window changes size, the size drawn last stands in for any other.
        QCOMPARE(art.pictureNumbered(16, {size + 7, size + 7}, 1.0, Artwork::Fit::Nearest).cacheKey(),
                 drawn.cacheKey());
    }
    // The sizes before were let go: asked for again, the first is drawn afresh.
    QVERIFY(art.pictureNumbered(16, {100, 100}, 1.0).cacheKey() != first.cacheKey());
    // Another picture keeps its own size; with none kept, the size asked for is drawn.
    QCOMPARE(art.picture(Picture::Board, 1.0).cacheKey(), board.cacheKey());
    QCOMPARE(art.pictureNumbered(17, {50, 50}, 1.0, Artwork::Fit::Nearest).size(), QSize(50, 50));
}

void TestArtwork::picturesTooLargeAreDrawnSmallerToBeScaled()
{
    const Artwork art;
    const QPixmap pm = art.picture(Picture::Background, 20.0);
    QVERIFY(!pm.isNull());
    QVERIFY2(qint64(pm.width()) * pm.height() <= Artwork::MostPixels + pm.width() + pm.height(),
             qPrintable(QStringLiteral("%1 x %2").arg(pm.width()).arg(pm.height())));
    QCOMPARE(pm.deviceIndependentSize().toSize(), Artwork::logicalSize(Picture::Background));
}

void TestArtwork::pictureNumberOutsideTheSetsGivesNoPicture()
{
    const Artwork art;
    QVERIFY(art.pictureNumbered(0, 1).isNull());
    QVERIFY(art.pictureNumbered(PictureSet::pictureCount + 1, 1).isNull());
}

void TestArtwork::pointersAndIconAreThere()
{
    const Artwork art;
    for (const QCursor& cursor : {art.xCursor(), art.oCursor()}) {
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    }
    QVERIFY(image(art.xCursor().pixmap()) != image(art.oCursor().pixmap()));
    const QIcon icon = art.appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int s : {16, 32, 48, 64})
        QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
}

QTEST_MAIN(TestArtwork)
#include "artwork_test.moc"
