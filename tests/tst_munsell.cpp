// Munsell notations to screen colours: the table against the renotation's
// own figures, converted here independently, and as a whole surface.
#include "model/munsell.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace yuc::study;

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector times(const Matrix &m, const Vector &v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// xyY under illuminant C, Y relative to magnesium oxide as the renotation
// gives it, to 8-bit sRGB: Bradford's adaptation to D65 and the published
// sRGB matrix, with their constants as printed.
Srgb8 convert(double x, double y, double Y)
{
    const double luminance = Y * 0.975 / 100;
    const Vector xyz{x * luminance / y, luminance, (1 - x - y) * luminance / y};
    const Matrix bradford{{{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};
    const Matrix inverse{
        {{0.9869929, -0.1470543, 0.1599627}, {0.4323053, 0.5183603, 0.0492912}, {-0.0085287, 0.0400428, 0.9684867}}};
    const Vector c = times(bradford, {0.31006 / 0.31616, 1, (1 - 0.31006 - 0.31616) / 0.31616});
    const Vector d65 = times(bradford, {0.3127 / 0.3290, 1, (1 - 0.3127 - 0.3290) / 0.3290});
    Vector cone = times(bradford, xyz);
    for (int i = 0; i < 3; ++i)
        cone[i] *= d65[i] / c[i];
    const Vector adapted = times(inverse, cone);
    const Matrix srgb{{{3.2406, -1.5372, -0.4986}, {-0.9689, 1.8758, 0.0415}, {0.0557, -0.2040, 1.0570}}};
    const Vector linear = times(srgb, adapted);
    std::array<std::uint8_t, 3> out{};
    for (int i = 0; i < 3; ++i) {
        const double l = std::clamp(linear[i], 0.0, 1.0);
        const double g = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
        out[i] = std::uint8_t(std::lround(255 * g));
    }
    return {out[0], out[1], out[2]};
}

struct Lab {
    double l;
    double a;
    double b;
    double chroma() const { return std::hypot(a, b); }
};

Lab lab(Srgb8 c)
{
    const auto lin = [](std::uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const Vector xyz = times({{{0.4124, 0.3576, 0.1805}, {0.2126, 0.7152, 0.0722}, {0.0193, 0.1192, 0.9505}}},
                             {lin(c.r), lin(c.g), lin(c.b)});
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    const double fx = f(xyz[0] / 0.95047);
    const double fy = f(xyz[1]);
    const double fz = f(xyz[2] / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double difference(const Lab &p, const Lab &q)
{
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) + (p.b - q.b) * (p.b - q.b));
}

QStringList tableHues()
{
    QStringList hues{QStringLiteral("5R"), QStringLiteral("7.5R"), QStringLiteral("10R")};
    for (const char *family : {"YR", "Y", "GY", "G", "BG", "B"})
        for (const char *step : {"2.5", "5", "7.5", "10"})
            hues << QLatin1String(step) + QLatin1String(family);
    return hues << QStringLiteral("2.5PB") << QStringLiteral("5PB");
}

const QList<double> tableValues{2, 2.5, 3, 4, 5, 6, 7, 8};

std::optional<Lab> labOf(const QString &hue, double value, int chroma)
{
    const MunsellColour c = munsellColour(chroma == 0 ? QStringLiteral("N %1/").arg(value)
                                                      : QStringLiteral("%1 %2/%3").arg(hue).arg(value).arg(chroma));
    return c.rgb ? std::optional<Lab>(lab(*c.rgb)) : std::nullopt;
}

} // namespace

class TestMunsell : public QObject
{
    Q_OBJECT

private slots:
    // Points of the renotation table (Newhall, Nickerson and Judd 1943),
    // converted here on their own: the table gives the same colour.
    void shouldGiveTheRenotationsColourAtPublishedPoints_data()
    {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("Y");
        QTest::newRow("5R 3/6") << QStringLiteral("5R 3/6") << 0.4592 << 0.3168 << 6.555;
        QTest::newRow("10R 4/8") << QStringLiteral("10R 4/8") << 0.4995 << 0.3557 << 12.0;
        QTest::newRow("7.5YR 4/6") << QStringLiteral("7.5YR 4/6") << 0.4655 << 0.4029 << 12.0;
        QTest::newRow("10YR 5/4") << QStringLiteral("10YR 5/4") << 0.3995 << 0.3840 << 19.77;
        QTest::newRow("2.5Y 6/2") << QStringLiteral("2.5Y 6/2") << 0.3480 << 0.3540 << 30.05;
        QTest::newRow("5G 6/2") << QStringLiteral("5G 6/2") << 0.2988 << 0.3382 << 30.05;
        QTest::newRow("5PB 4/4") << QStringLiteral("5PB 4/4") << 0.2562 << 0.2560 << 12.0;
        QTest::newRow("N 5/ (illuminant C)") << QStringLiteral("N 5/") << 0.31006 << 0.31616 << 19.77;
    }
    void shouldGiveTheRenotationsColourAtPublishedPoints()
    {
        QFETCH(QString, notation);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, Y);
        const MunsellColour colour = munsellColour(notation);
        QVERIFY2(colour.rgb, qPrintable(colour.reason));
        const Srgb8 expected = convert(x, y, Y);
        QVERIFY2(std::abs(colour.rgb->r - expected.r) <= 1 && std::abs(colour.rgb->g - expected.g) <= 1
                     && std::abs(colour.rgb->b - expected.b) <= 1,
                 qPrintable(QStringLiteral("%1: %2,%3,%4 against %5,%6,%7")
                                .arg(notation)
                                .arg(colour.rgb->r)
                                .arg(colour.rgb->g)
                                .arg(colour.rgb->b)
                                .arg(expected.r)
                                .arg(expected.g)
                                .arg(expected.b)));
        QVERIFY(!colour.clipped);
    }

    // Over the whole table: a step of hue, value or chroma is a small step of
    // colour, lighter with value, stronger with chroma; chroma 1 lies beside
    // the neutral grey of its value.
    void shouldGiveNeighbouringColoursToNeighbouringNotations()
    {
        const QStringList hues = tableHues();
        int entries = 0;
        for (qsizetype h = 0; h < hues.size(); ++h) {
            for (qsizetype v = 0; v < tableValues.size(); ++v) {
                const double value = tableValues.at(v);
                for (int chroma = 1; chroma <= 8; ++chroma) {
                    const std::optional<Lab> here = labOf(hues.at(h), value, chroma);
                    const QString name = QStringLiteral("%1 %2/%3").arg(hues.at(h)).arg(value).arg(chroma);
                    if (!here) {
                        // Only strong colours at low values, or the lightest blues, are missing.
                        QVERIFY2(chroma >= 5 && (value <= 3 || value == 8), qPrintable(name));
                        continue;
                    }
                    ++entries;
                    if (h + 1 < hues.size())
                        if (const std::optional<Lab> next = labOf(hues.at(h + 1), value, chroma))
                            QVERIFY2(difference(*here, *next) < 15, qPrintable(name + QStringLiteral(" and next hue")));
                    if (v + 1 < tableValues.size())
                        if (const std::optional<Lab> lighter = labOf(hues.at(h), tableValues.at(v + 1), chroma)) {
                            QVERIFY2(difference(*here, *lighter) < 15,
                                     qPrintable(name + QStringLiteral(" and next value")));
                            QVERIFY2(lighter->l > here->l, qPrintable(name));
                        }
                    const std::optional<Lab> weaker = labOf(hues.at(h), value, chroma - 1);
                    QVERIFY2(weaker, qPrintable(name));
                    QVERIFY2(difference(*here, *weaker) < 10, qPrintable(name + QStringLiteral(" and chroma less")));
                    QVERIFY2(here->chroma() > weaker->chroma() - 0.5, qPrintable(name));
                }
            }
        }
        QVERIFY(entries > 1700);
    }

    void shouldReadNotationsAsTheyAreTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("same");
        QTest::newRow("spaced") << QStringLiteral(" 10YR 5/3 ") << QStringLiteral("10YR 5/3");
        QTest::newRow("lower case, no blank") << QStringLiteral("10yr5/3") << QStringLiteral("10YR 5/3");
        QTest::newRow("hue 2.5") << QStringLiteral("2.5Y 6/2") << QStringLiteral("2.5Y 6/2");
        QTest::newRow("neutral") << QStringLiteral("N 5/") << QStringLiteral("N 5/");
        QTest::newRow("neutral with chroma 0") << QStringLiteral("N 5/0") << QStringLiteral("N 5/");
        QTest::newRow("chroma 0 of a hue is neutral") << QStringLiteral("10YR 5/0") << QStringLiteral("N 5/");
        QTest::newRow("value 2.5") << QStringLiteral("10YR 2.5/1") << QStringLiteral("10YR 2.5/1");
    }
    void shouldReadNotationsAsTheyAreTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, same);
        const MunsellColour read = munsellColour(typed);
        QVERIFY2(read.rgb, qPrintable(read.reason));
        QCOMPARE(*read.rgb, *munsellColour(same).rgb);
        QVERIFY(read.reason.isEmpty());
    }

    // A notation the table cannot place is refused with the reason, never
    // given a colour near it.
    void shouldSayWhyANotationCannotBePlaced_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("why");
        QTest::newRow("words") << QStringLiteral("brown") << QStringLiteral("not a Munsell notation");
        QTest::newRow("no chroma") << QStringLiteral("10YR 5") << QStringLiteral("not a Munsell notation");
        QTest::newRow("purple") << QStringLiteral("5P 4/4") << QStringLiteral("outside the hues");
        QTest::newRow("below 5R") << QStringLiteral("2.5R 4/4") << QStringLiteral("outside the hues");
        QTest::newRow("between hues") << QStringLiteral("8YR 4/4") << QStringLiteral("steps of 2.5");
        QTest::newRow("value 9") << QStringLiteral("10YR 9/2") << QStringLiteral("the value 9");
        QTest::newRow("value 4.5") << QStringLiteral("10YR 4.5/3") << QStringLiteral("the value 4.5");
        QTest::newRow("neutral value 1") << QStringLiteral("N 1/") << QStringLiteral("the value 1");
        QTest::newRow("chroma 10") << QStringLiteral("10YR 5/10") << QStringLiteral("the chroma 10");
        QTest::newRow("half chroma") << QStringLiteral("10YR 5/3.5") << QStringLiteral("the chroma 3.5");
        QTest::newRow("no such surface") << QStringLiteral("10YR 2/8") << QStringLiteral("no colour that strong");
    }
    void shouldSayWhyANotationCannotBePlaced()
    {
        QFETCH(QString, typed);
        QFETCH(QString, why);
        const MunsellColour read = munsellColour(typed);
        QVERIFY(!read.rgb);
        QVERIFY2(read.reason.contains(why), qPrintable(read.reason));
    }

    void shouldNameColoursInPlainWords_data()
    {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("name");
        QTest::newRow("N 2/") << QStringLiteral("N 2/") << QStringLiteral("black");
        QTest::newRow("N 5/") << QStringLiteral("N 5/") << QStringLiteral("grey");
        QTest::newRow("5G 6/1") << QStringLiteral("5G 6/1") << QStringLiteral("greenish grey");
        QTest::newRow("10YR 3/2") << QStringLiteral("10YR 3/2") << QStringLiteral("dark greyish brown");
        QTest::newRow("10YR 5/6") << QStringLiteral("10YR 5/6") << QStringLiteral("yellowish brown");
        QTest::newRow("2.5YR 4/6") << QStringLiteral("2.5YR 4/6") << QStringLiteral("dark reddish brown");
        QTest::newRow("5G 6/2") << QStringLiteral("5G 6/2") << QStringLiteral("greyish green");
        QTest::newRow("5PB 4/4") << QStringLiteral("5PB 4/4") << QStringLiteral("dark greyish blue");
    }
    void shouldNameColoursInPlainWords()
    {
        QFETCH(QString, notation);
        QFETCH(QString, name);
        QCOMPARE(colourName(*munsellColour(notation).rgb), name);
    }
};

QTEST_GUILESS_MAIN(TestMunsell)
#include "tst_munsell.moc"
