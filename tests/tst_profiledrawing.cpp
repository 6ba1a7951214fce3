// The profile drawing: bands in their horizons' colours, hatched where there
// is none to give, rock for a contact, the depth plots, the brackets, and
// all of it in words.
#include "testsupport.h"

#include "model/profile.h"
#include "study/profiledrawing.h"

#include <QImage>

using namespace yuc;
using namespace yuc::study;

namespace {

Horizon horizon(const QString &designation, double top, double bottom, const QString &moist,
                const QHash<QString, double> &numbers = {}, const QString &dry = {})
{
    Horizon h;
    h.designation = designation;
    h.top = top;
    h.bottom = bottom;
    if (!moist.isEmpty())
        h.texts.insert(QStringLiteral("munsell_moist"), moist);
    if (!dry.isEmpty())
        h.texts.insert(QStringLiteral("munsell_dry"), dry);
    h.numbers = numbers;
    return h;
}

Profile profileOf(const QList<Horizon> &horizons)
{
    Profile p;
    p.title = QStringLiteral("A pit on the fan");
    p.horizons = horizons;
    return p;
}

QImage grabbed(QWidget &widget)
{
    const QPixmap pixmap = widget.grab();
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image.scaled(widget.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The colours of a band's pixels, clear of its border and its lettering.
QHash<QRgb, int> bandPixels(const QImage &image, const QRect &band)
{
    QHash<QRgb, int> counts;
    const QRect inside = band.adjusted(2, 2, -2, -2);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.left() + 2; ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    return counts;
}

QRgb rgbOf(const QString &notation)
{
    const Srgb8 c = *munsellColour(notation).rgb;
    return qRgb(c.r, c.g, c.b) & 0xffffff;
}

} // namespace

class TestProfileDrawing : public QObject
{
    Q_OBJECT

private slots:
    // In a grab of the drawing, each band is filled with the converted colour
    // of its horizon's notation, moist at first and dry on the switch.
    void shouldFillEachBandWithItsHorizonsColour()
    {
        const QList<Horizon> horizons{
            horizon(QStringLiteral("A"), 0, 10, QStringLiteral("10YR 4/2"), {}, QStringLiteral("10YR 6/2")),
            horizon(QStringLiteral("Bt"), 10, 45, QStringLiteral("7.5YR 4/6"), {}, QStringLiteral("7.5YR 6/6")),
            horizon(QStringLiteral("Bk"), 45, 90, QStringLiteral("10YR 7/3"), {}, QStringLiteral("10YR 8/2")),
            horizon(QStringLiteral("C"), 90, 130, QStringLiteral("2.5Y 6/2"), {}, QStringLiteral("2.5Y 7/2")),
        };
        ProfileDrawing drawing;
        drawing.resize(300, 520);
        drawing.setProfile(profileOf(horizons));
        for (const bool dry : {false, true}) {
            drawing.setDry(dry);
            const QImage image = grabbed(drawing);
            for (int i = 0; i < horizons.size(); ++i) {
                const QString notation =
                    horizons.at(i).texts.value(dry ? QStringLiteral("munsell_dry") : QStringLiteral("munsell_moist"));
                const QHash<QRgb, int> pixels = bandPixels(image, drawing.bandRect(i));
                QVERIFY2(pixels.size() == 1 && pixels.contains(rgbOf(notation)),
                         qPrintable(QStringLiteral("%1 (%2)").arg(horizons.at(i).designation, notation)));
            }
            QVERIFY(drawing.sketch().notes().isEmpty());
        }
    }

    // A horizon without a colour, or with one the table cannot place, is
    // hatched grey, never drawn in a colour; the notes say which and why. A
    // contact is drawn as rock, without a note for its missing colour.
    void shouldHatchABandWhoseColourIsMissingOrImpossible()
    {
        ProfileDrawing drawing;
        drawing.resize(300, 520);
        drawing.setProfile(profileOf({
            horizon(QStringLiteral("A"), 0, 20, QString()),
            horizon(QStringLiteral("Bw"), 20, 50, QStringLiteral("5P 4/4")),
            horizon(QStringLiteral("Bk"), 50, 80, QStringLiteral("ten yellow-red")),
            horizon(QStringLiteral("C"), 80, 110, QStringLiteral("10YR 5/3")),
            horizon(QStringLiteral("R"), 110, 140, QString()),
        }));
        const QImage image = grabbed(drawing);
        const QRgb grey = qRgb(215, 215, 215) & 0xffffff;
        const QRgb lines = qRgb(110, 110, 110) & 0xffffff;
        for (int i = 0; i < 3; ++i) {
            const QHash<QRgb, int> pixels = bandPixels(image, drawing.bandRect(i));
            QVERIFY2(pixels.value(grey) > 0 && pixels.value(lines) > 0, qPrintable(QString::number(i)));
            for (auto it = pixels.begin(); it != pixels.end(); ++it)
                QVERIFY2(qRed(it.key()) == qGreen(it.key()) && qGreen(it.key()) == qBlue(it.key()),
                         "a hatched band holds greys only");
        }
        QCOMPARE(bandPixels(image, drawing.bandRect(3)).keys(), QList<QRgb>{rgbOf(QStringLiteral("10YR 5/3"))});
        const QHash<QRgb, int> rock = bandPixels(image, drawing.bandRect(4));
        QVERIFY(rock.contains(qRgb(150, 150, 150) & 0xffffff) && rock.contains(qRgb(80, 80, 80) & 0xffffff));

        const QStringList notes = drawing.sketch().notes();
        QCOMPARE(notes.size(), 3);
        QVERIFY(notes.at(0).startsWith(QStringLiteral("A (0\u201320 cm)"))
                && notes.at(0).contains(QStringLiteral("no moist colour")));
        QVERIFY(notes.at(1).startsWith(QStringLiteral("Bw"))
                && notes.at(1).contains(QStringLiteral("outside the hues")));
        QVERIFY(notes.at(2).startsWith(QStringLiteral("Bk"))
                && notes.at(2).contains(QStringLiteral("not a Munsell notation")));
        // Dry, the one colour given is not taken for the missing one.
        drawing.setDry(true);
        QVERIFY(drawing.sketch().notes().at(3).startsWith(QStringLiteral("C (80\u2013110 cm): no dry colour")));
    }

    // The measured numbers are plotted, the diagnostic ones first, then the
    // others in a description's order; those that find no room are named.
    void shouldPlotTheMeasuredPropertiesInTheirOrder()
    {
        const QHash<QString, double> top{{QStringLiteral("sand_pct"), 40},
                                         {QStringLiteral("ph_h2o"), 7.9},
                                         {QStringLiteral("ec_dS_m"), 2},
                                         {QStringLiteral("clay_pct"), 12}};
        const QHash<QString, double> below{{QStringLiteral("clay_pct"), 30}, {QStringLiteral("caco3_pct"), 18}};
        ProfileDrawing drawing;
        drawing.setProfile(profileOf({horizon(QStringLiteral("A"), 0, 10, QStringLiteral("10YR 4/2"), top),
                                      horizon(QStringLiteral("Bk"), 10, 60, QStringLiteral("10YR 6/3"), below)}));
        QStringList keys;
        for (const ProfileSketch::Plot &plot : drawing.sketch().plots())
            keys << QLatin1String(plot.property.key);
        QCOMPARE(keys, (QStringList{QStringLiteral("clay_pct"), QStringLiteral("caco3_pct"), QStringLiteral("ec_dS_m"),
                                    QStringLiteral("sand_pct"), QStringLiteral("ph_h2o")}));
        const ProfileSketch::Plot &clay = drawing.sketch().plots().first();
        QCOMPARE(clay.high, 50.0);
        QCOMPARE(clay.values, (QList<std::optional<double>>{12.0, 30.0}));
        QVERIFY(!drawing.sketch().plots().at(1).values.first());
        drawing.resize(600, 400);
        QCOMPARE(drawing.plotsShown(), 5);
        drawing.resize(160, 400);
        QVERIFY2(drawing.plotsShown() >= 2 && drawing.plotsShown() < 5,
                 qPrintable(QString::number(drawing.plotsShown())));
    }

    // Brackets stand beside the bands with their names and depths; one the
    // data contradict is drawn red and dashed, and said so in words.
    void shouldDrawBracketsAndMarkTheContradictedOne()
    {
        ProfileDrawing drawing;
        drawing.resize(320, 520);
        drawing.setProfile(profileOf({horizon(QStringLiteral("A"), 0, 8, QStringLiteral("10YR 5/3")),
                                      horizon(QStringLiteral("Bt"), 8, 88, QStringLiteral("7.5YR 4/4")),
                                      horizon(QStringLiteral("Bk"), 88, 114, QStringLiteral("10YR 7/3"))}));
        const auto redPixels = [&] {
            const QImage image = grabbed(drawing);
            int red = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    red += (image.pixel(x, y) & 0xffffff) == (qRgb(200, 0, 0) & 0xffffff);
            return red;
        };
        const QRect before = drawing.bandRect(1);
        drawing.setBrackets({{QStringLiteral("argillic"), 8, 88, false, {}}});
        QCOMPARE(redPixels(), 0);
        drawing.setBrackets({{QStringLiteral("argillic"), 8, 88, false, {}},
                             {QStringLiteral("calcic"), 58, 114, true, QStringLiteral("CaCO\u2083 below 15 %")}});
        QVERIFY(redPixels() > 20);
        QCOMPARE(drawing.bandRect(1), before);
        QVERIFY(drawing.accessibleDescription().contains(QStringLiteral(
            "argillic 8\u201388 cm; calcic 58\u2013114 cm, recorded but contradicted by the data: CaCO\u2083 below 15 %")));
        QCOMPARE(drawing.sketch().notes(),
                 QStringList{QStringLiteral("calcic 58\u2013114 cm is recorded, but the data contradict it: CaCO\u2083 "
                                            "below 15 %.")});
    }

    // The brackets come from the evaluation: what the data identify, and a
    // record the data contradict, marked.
    void shouldBracketWhatTheEvaluationIdentifies()
    {
        Profile soil = builtInProfiles().at(21);
        const QList<Bracket> found = bracketsOf(soil);
        const auto named = [](const QList<Bracket> &list, const QString &name) {
            return std::find_if(list.begin(), list.end(), [&](const Bracket &b) { return b.name == name; });
        };
        const auto argillic = named(found, QStringLiteral("argillic"));
        QVERIFY(argillic != found.end());
        QCOMPARE(argillic->top, 8.0);
        QCOMPARE(argillic->bottom, 88.0);
        QVERIFY(!argillic->contradicted);
        soil.recorded = {RecordedFeature{QStringLiteral("calcic horizon"), 58, 114, {}}};
        const QList<Bracket> marked = bracketsOf(soil);
        const auto calcic = named(marked, QStringLiteral("calcic"));
        QVERIFY(calcic != marked.end());
        QVERIFY(calcic->contradicted);
        QVERIFY(calcic->note.contains(QStringLiteral("the data say otherwise")));
    }

    // A screen reader is told everything: each horizon's designation, depths,
    // colour notation and name, and its measured values.
    void shouldDescribeEveryHorizonInWords()
    {
        ProfileDrawing drawing;
        QCOMPARE(drawing.accessibleName(), QStringLiteral("Profile drawing"));
        drawing.setProfile(profileOf(
            {horizon(QStringLiteral("A"), 0, 8, QStringLiteral("10YR 3/2"), {{QStringLiteral("clay_pct"), 12}}),
             horizon(QStringLiteral("2R"), 8, 30, QString())}));
        const QString description = drawing.accessibleDescription();
        QVERIFY2(description.contains(QStringLiteral("A, 0 to 8 cm; moist colour 10YR 3/2, dark greyish brown; Clay "
                                                     "(%): 12.")),
                 qPrintable(description));
        QVERIFY(description.contains(QStringLiteral("2R, 8 to 30 cm; rock, a contact.")));
        QVERIFY(description.startsWith(QStringLiteral("Profile drawing of A pit on the fan, 0 to 30 cm")));
        QVERIFY(description.contains(QStringLiteral("Depth plots of Clay (%).")));
    }
};

YUC_TEST_MAIN(TestProfileDrawing)
#include "tst_profiledrawing.moc"
