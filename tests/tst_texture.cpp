// The twelve USDA texture classes: one set of limits tells a mixture's class
// and draws the regions of the triangle.
#include "model/texture.h"

#include <QTest>

#include <cmath>

using namespace yuc::study;

namespace {

// How far inside a convex polygon a point lies: negative outside, zero on an edge.
double depthInside(const QList<TexturePoint> &polygon, TexturePoint p)
{
    double least = 1e9;
    const double turn = [&] {
        const TexturePoint &a = polygon.at(0);
        const TexturePoint &b = polygon.at(1);
        const TexturePoint &c = polygon.at(2);
        return (b.sand - a.sand) * (c.clay - a.clay) - (b.clay - a.clay) * (c.sand - a.sand) > 0 ? 1.0 : -1.0;
    }();
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const TexturePoint &a = polygon.at(i);
        const TexturePoint &b = polygon.at((i + 1) % polygon.size());
        const double length = std::hypot(b.sand - a.sand, b.clay - a.clay);
        const double cross = (b.sand - a.sand) * (p.clay - a.clay) - (b.clay - a.clay) * (p.sand - a.sand);
        least = std::min(least, turn * cross / length);
    }
    return least;
}

double depthInClass(const TextureClass &c, TexturePoint p)
{
    double best = -1e9;
    for (const QList<TexturePoint> &piece : c.pieces)
        best = std::max(best, depthInside(piece, p));
    return best;
}

} // namespace

class TestTexture : public QObject
{
    Q_OBJECT

private slots:
    void shouldClassifyMixturesByTheClassLimits_data()
    {
        QTest::addColumn<double>("clay");
        QTest::addColumn<double>("sand");
        QTest::addColumn<QString>("name");
        QTest::newRow("sand") << 2.0 << 92.0 << QStringLiteral("sand");
        QTest::newRow("loamy sand") << 8.0 << 82.0 << QStringLiteral("loamy sand");
        QTest::newRow("silt + 2 clay = 30 is sandy loam") << 10.0 << 80.0 << QStringLiteral("sandy loam");
        QTest::newRow("sandy loam, little clay") << 5.0 << 60.0 << QStringLiteral("sandy loam");
        QTest::newRow("loam") << 20.0 << 40.0 << QStringLiteral("loam");
        QTest::newRow("52 % sand is loam") << 10.0 << 52.0 << QStringLiteral("loam");
        QTest::newRow("silt loam") << 15.0 << 20.0 << QStringLiteral("silt loam");
        QTest::newRow("silt") << 5.0 << 10.0 << QStringLiteral("silt");
        QTest::newRow("12 % clay, 88 % silt is silt loam") << 12.0 << 0.0 << QStringLiteral("silt loam");
        QTest::newRow("sandy clay loam") << 25.0 << 60.0 << QStringLiteral("sandy clay loam");
        QTest::newRow("clay loam") << 33.0 << 33.0 << QStringLiteral("clay loam");
        QTest::newRow("27 % clay, 45 % sand is clay loam") << 27.0 << 45.0 << QStringLiteral("clay loam");
        QTest::newRow("silty clay loam") << 33.0 << 10.0 << QStringLiteral("silty clay loam");
        QTest::newRow("sandy clay") << 38.0 << 52.0 << QStringLiteral("sandy clay");
        QTest::newRow("silty clay") << 45.0 << 5.0 << QStringLiteral("silty clay");
        QTest::newRow("40 % clay, 45 % sand is clay") << 40.0 << 45.0 << QStringLiteral("clay");
        QTest::newRow("clay") << 60.0 << 20.0 << QStringLiteral("clay");
        QTest::newRow("more than a whole") << 60.0 << 50.0 << QString();
        QTest::newRow("negative") << -1.0 << 20.0 << QString();
    }
    void shouldClassifyMixturesByTheClassLimits()
    {
        QFETCH(double, clay);
        QFETCH(double, sand);
        QFETCH(QString, name);
        QCOMPARE(textureClassOf(clay, sand), name);
    }

    // Every mixture on a half-percent grid lies in the drawn region of the
    // class it is given, and inside no other; the regions fill the triangle
    // once.
    void shouldDrawEachClassWhereItsMixturesLie()
    {
        const QList<TextureClass> &classes = usdaTextureClasses();
        QCOMPARE(classes.size(), 12);
        double total = 0;
        for (const TextureClass &c : classes)
            for (const QList<TexturePoint> &piece : c.pieces)
                total += polygonArea(piece);
        QVERIFY(std::abs(total - 5000) < 1e-6);
        for (double clay = 0; clay <= 100; clay += 0.5)
            for (double sand = 0; sand + clay <= 100; sand += 0.5) {
                const QString name = textureClassOf(clay, sand);
                const QString where = QStringLiteral("%1 clay, %2 sand").arg(clay).arg(sand);
                QVERIFY2(!name.isEmpty(), qPrintable(where));
                for (const TextureClass &c : classes) {
                    const double depth = depthInClass(c, {sand, clay});
                    if (c.name == name)
                        QVERIFY2(depth >= -1e-9, qPrintable(where + QStringLiteral(" outside ") + name));
                    else
                        QVERIFY2(depth <= 1e-9, qPrintable(where + QStringLiteral(" inside ") + c.name));
                }
            }
    }

    void shouldTakeAStatedClassWithoutItsSandSize_data()
    {
        QTest::addColumn<QString>("stated");
        QTest::addColumn<QString>("base");
        QTest::newRow("twelve") << QStringLiteral("silty clay loam") << QStringLiteral("silty clay loam");
        QTest::newRow("capitals") << QStringLiteral(" Loamy Fine Sand") << QStringLiteral("loamy sand");
        QTest::newRow("very fine") << QStringLiteral("very fine sandy loam") << QStringLiteral("sandy loam");
        QTest::newRow("coarse sand") << QStringLiteral("coarse sand") << QStringLiteral("sand");
        QTest::newRow("no class") << QStringLiteral("gravelly loam") << QString();
    }
    void shouldTakeAStatedClassWithoutItsSandSize()
    {
        QFETCH(QString, stated);
        QFETCH(QString, base);
        QCOMPARE(baseTextureClass(stated), base);
    }

    void shouldOfferTheTwelveClassesWithTheirSandSizes()
    {
        const QStringList &offered = textureClasses();
        QCOMPARE(offered.size(), 21);
        for (const TextureClass &c : usdaTextureClasses())
            QVERIFY(offered.contains(c.name));
        QCOMPARE(offered.indexOf(QStringLiteral("loamy very fine sand")) + 1,
                 offered.indexOf(QStringLiteral("coarse sandy loam")));
    }
};

QTEST_GUILESS_MAIN(TestTexture)
#include "tst_texture.moc"
