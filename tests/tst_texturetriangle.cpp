// The texture triangle: the regions drawn where the class finder puts their
// mixtures, the horizons plotted, and the disagreeing ones marked and listed.
#include "testsupport.h"

#include "study/texturetriangle.h"

#include <QImage>

using namespace yuc;
using namespace yuc::study;

namespace {

Horizon horizon(const QString &designation, double top, double bottom, std::optional<double> clay,
                std::optional<double> sand, const QString &stated = {})
{
    Horizon h;
    h.designation = designation;
    h.top = top;
    h.bottom = bottom;
    if (clay)
        h.numbers.insert(QStringLiteral("clay_pct"), *clay);
    if (sand)
        h.numbers.insert(QStringLiteral("sand_pct"), *sand);
    if (!stated.isEmpty())
        h.texts.insert(QStringLiteral("texture_class"), stated);
    h.texts.insert(QStringLiteral("munsell_moist"), QStringLiteral("7.5YR 4/6"));
    return h;
}

QImage grabbed(QWidget &widget)
{
    QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image.scaled(widget.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QRgb at(const QImage &image, QPointF point)
{
    return image.pixel(point.toPoint()) & 0xffffff;
}

Profile profileOf(const QList<Horizon> &horizons)
{
    Profile p;
    p.title = QStringLiteral("A pit on the fan");
    p.horizons = horizons;
    return p;
}

} // namespace

class TestTextureTriangle : public QObject
{
    Q_OBJECT

private slots:
    // Where a mixture is plotted, the triangle shows the region of the class
    // the finder gives for its clay and sand.
    void shouldPlotAMixtureInTheClassTheFinderGives_data()
    {
        QTest::addColumn<double>("clay");
        QTest::addColumn<double>("sand");
        // Clear of the region's name, of the lines every 10 % and of the class boundaries.
        const QList<std::pair<double, double>> mixtures{{1, 96},  {2, 75},  {16, 57}, {9, 48},  {14, 8},  {2, 2},
                                                        {22, 64}, {29, 42}, {29, 17}, {37, 56}, {42, 16}, {46, 33}};
        for (const auto &[clay, sand] : mixtures)
            QTest::newRow(qPrintable(textureClassOf(clay, sand))) << clay << sand;
    }
    void shouldPlotAMixtureInTheClassTheFinderGives()
    {
        QFETCH(double, clay);
        QFETCH(double, sand);
        TextureTriangle triangle;
        triangle.resize(420, triangle.heightForWidth(420));
        const QImage empty = grabbed(triangle);
        const QPointF where = triangle.position({sand, clay});
        QCOMPARE(at(empty, where), TextureSketch::classColour(textureClassOf(clay, sand)).rgb() & 0xffffff);

        triangle.setProfile(profileOf({horizon(QStringLiteral("Bt"), 10, 40, clay, sand)}));
        QCOMPARE(triangle.sketch().points().size(), 1);
        QCOMPARE(triangle.sketch().points().first().found, textureClassOf(clay, sand));
        const Srgb8 colour = *munsellColour(QStringLiteral("7.5YR 4/6")).rgb;
        QCOMPARE(at(grabbed(triangle), where), qRgb(colour.r, colour.g, colour.b) & 0xffffff);
    }

    // A horizon whose stated class disagrees with its clay and sand is ringed
    // in red and listed with both classes; a sand size does not disagree.
    void shouldMarkAndListTheHorizonsWhoseStatedClassDisagrees()
    {
        TextureTriangle triangle;
        triangle.resize(420, triangle.heightForWidth(420));
        triangle.setProfile(profileOf({
            horizon(QStringLiteral("A"), 0, 8, 12, 60, QStringLiteral("fine sandy loam")),
            horizon(QStringLiteral("Bt"), 8, 40, 25, 60, QStringLiteral("clay loam")),
            horizon(QStringLiteral("Bk"), 40, 70, 20, std::nullopt, QStringLiteral("loam")),
            horizon(QStringLiteral("C"), 70, 90, 15, 40, QStringLiteral("gravelly loam")),
            horizon(QStringLiteral("2C"), 90, 120, 60, 55),
        }));
        const TextureSketch &sketch = triangle.sketch();
        QCOMPARE(sketch.points().size(), 3);
        QCOMPARE(sketch.disagreements(),
                 (QStringList{QStringLiteral("Bt (8\u201340 cm): stated clay loam, but its 25 % clay and 60 % sand "
                                             "make sandy clay loam."),
                              QStringLiteral("C (70\u201390 cm): the stated \u201cgravelly loam\u201d is not a texture "
                                             "class; its 15 % clay and 40 % sand make loam.")}));
        QCOMPARE(sketch.notes(),
                 (QStringList{QStringLiteral("2C (90\u2013120 cm): its clay (60 %) and sand (55 %) add up to more than "
                                             "100 %; it is not plotted."),
                              QStringLiteral("Not plotted, for want of clay or sand: Bk.")}));
        const QImage image = grabbed(triangle);
        const auto redNear = [&](TexturePoint p) {
            const QPoint c = triangle.position(p).toPoint();
            int red = 0;
            for (int y = c.y() - 12; y <= c.y() + 12; ++y)
                for (int x = c.x() - 12; x <= c.x() + 12; ++x) {
                    const QRgb rgb = image.pixel(x, y);
                    red += qRed(rgb) > 150 && qGreen(rgb) < 80 && qBlue(rgb) < 80;
                }
            return red;
        };
        QCOMPARE(redNear({60, 12}), 0);
        QVERIFY(redNear({60, 25}) > 10);
        QVERIFY(redNear({40, 15}) > 10);
        const QString description = triangle.accessibleDescription();
        QCOMPARE(triangle.accessibleName(), QStringLiteral("Texture triangle"));
        QVERIFY2(description.contains(QStringLiteral("Bt, 8 to 40 cm: 25 % clay, 60 % sand, 15 % silt: sandy clay "
                                                     "loam; its stated class, clay loam, disagrees.")),
                 qPrintable(description));
        QVERIFY(description.contains(QStringLiteral("A, 0 to 8 cm: 12 % clay, 60 % sand, 28 % silt: sandy loam.")));
    }
};

YUC_TEST_MAIN(TestTextureTriangle)
#include "tst_texturetriangle.moc"
