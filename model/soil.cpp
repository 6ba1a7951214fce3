#include "model/soil.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>

namespace yuc::eval {

using study::Horizon;
using study::numberText;

namespace {

// Every limit of the diagnostic horizons and characteristics, in one place.
namespace limit {
constexpr double salicSalts = 2, salicThickness = 15, salicProduct = 60;
constexpr double gypsicGypsum = 5, gypsicOverBelow = 5, gypsicThickness = 15, gypsicProduct = 150;
constexpr double calcicCaco3 = 15, calcicOverBelow = 5, calcicSecondary = 5, calcicThickness = 15, calcicSandyClay = 18;
constexpr double cemented = 50; // a pan is cemented in more than half its volume
constexpr double petroThickness = 10;
constexpr double argillicThin = 7.5, argillicSandy = 15, argillicReach = 30;
constexpr double eluvialLow = 15, eluvialHigh = 40, argillicRise = 3, argillicRatio = 1.2, argillicRiseClayey = 8;
constexpr double natricReach = 40, esp = 15, sar = 13;
constexpr double mollicValueMoist = 3, mollicChroma = 3, mollicValueDry = 5, mollicCarbon = 0.6, mollicBases = 50;
constexpr double mollicThickness = 18, mollicOnPan = 10, mollicSandy = 25, anthropicP2o5 = 250;
constexpr double cryicAnnualBelow = 8;
constexpr double crackWidth = 5, crackThickness = 30, slickensideLayer = 15, crackReach = 125, extensibility = 6.0,
                 extensibilityDepth = 100;
constexpr double nodules = 20, nodulesThickness = 15, nodulesReach = 100;
constexpr double glassLayers = 18, glassReach = 75, fragments = 35, pumice = 66, fineSand = 30, glass = 5,
                 glassIndex = 30, oxalateFactor = 60;
constexpr double sodicThickness = 25, sodicReach = 100;
constexpr double abruptIncrease = 15, apIncrease = 10, abruptClay = 35;
constexpr double paleDepth = 150, paleDecrease = 0.2, paleFrom = 100, paleChroma = 5, paleValueMoist = 3,
                 paleValueDry = 4;
constexpr double fluventicFrom = 25, fluventicTo = 125;
constexpr double skeletans = 10, skeletansBelow = 2.5;
} // namespace limit

QString n(double v)
{
    return numberText(std::round(v * 100) / 100);
}

QString depths(double top, double bottom)
{
    return QStringLiteral("%1\u2013%2 cm").arg(n(top), n(bottom));
}

QString at(const Horizon &h)
{
    return h.designation + QLatin1Char(' ') + depths(h.top, h.bottom);
}

// A field's name as the horizons key it, made once per name: looking a
// value up then costs no conversion.
const QString &keyOf(const char *key)
{
    thread_local QHash<const char *, QString> names;
    auto it = names.find(key);
    if (it == names.end())
        it = names.insert(key, QString::fromLatin1(key));
    return *it;
}

std::optional<double> num(const Horizon &h, const char *key)
{
    const auto it = h.numbers.constFind(keyOf(key));
    return it == h.numbers.cend() ? std::nullopt : std::optional<double>(*it);
}

std::optional<bool> yes(const Horizon &h, const char *key)
{
    const QString v = h.texts.value(keyOf(key));
    if (v == QLatin1String("yes"))
        return true;
    if (v == QLatin1String("no"))
        return false;
    return std::nullopt;
}

QString txt(const Horizon &h, const char *key)
{
    return h.texts.value(keyOf(key)).trimmed().toLower();
}

double thickness(const Horizon &h)
{
    return h.bottom - h.top;
}

bool isContactLayer(const Horizon &h, const QString &kind)
{
    const QString d = h.designation.trimmed();
    static const QRegularExpression lithic(QStringLiteral("^\\d*R"));
    static const QRegularExpression paralithic(QStringLiteral("^\\d*Cr"));
    return (kind == QLatin1String("lithic") ? lithic : paralithic).match(d).hasMatch();
}

// One horizon's answer to a part of a definition.
struct Tri {
    State state = State::CannotTell;
    QString why;
    QStringList missing;
    static Tri yes(QString why = {}) { return {State::Holds, std::move(why), {}}; }
    static Tri no(QString why = {}) { return {State::DoesNotHold, std::move(why), {}}; }
    static Tri unknown(const QString &key, QString why = {}) { return {State::CannotTell, std::move(why), {key}}; }
};

Tri atLeast(const Horizon &h, const char *key, double limit, const QString &what)
{
    const std::optional<double> v = num(h, key);
    if (!v)
        return Tri::unknown(QLatin1String(key));
    const QString text = QStringLiteral("%1 %2").arg(n(*v), what);
    return *v >= limit ? Tri::yes(text + QStringLiteral(" \u2265 ") + n(limit))
                       : Tri::no(text + QStringLiteral(" < ") + n(limit));
}

Tri both(const Tri &a, const Tri &b)
{
    if (a.state == State::DoesNotHold)
        return a;
    if (b.state == State::DoesNotHold)
        return b;
    if (a.state == State::Holds && b.state == State::Holds)
        return Tri::yes(a.why.isEmpty() ? b.why : b.why.isEmpty() ? a.why : a.why + QStringLiteral(", ") + b.why);
    return {State::CannotTell, {}, a.missing + b.missing};
}

Tri either(const Tri &a, const Tri &b)
{
    if (a.state == State::Holds)
        return a;
    if (b.state == State::Holds)
        return b;
    if (a.state == State::DoesNotHold && b.state == State::DoesNotHold)
        return Tri::no(a.why.isEmpty() ? b.why : b.why.isEmpty() ? a.why : a.why + QStringLiteral("; ") + b.why);
    return {State::CannotTell, {}, a.missing + b.missing};
}

// Exchangeable sodium: ESP decides where it was measured, SAR stands in where it was not.
Tri sodium(const Horizon &h, bool atLeastLimit)
{
    const std::optional<double> esp = num(h, "esp_pct");
    const std::optional<double> sar = num(h, "sar");
    if (esp) {
        const bool high = *esp >= limit::esp;
        const QString why = QStringLiteral("ESP %1%2%3")
                                .arg(n(*esp), high ? QStringLiteral(" \u2265 ") : QStringLiteral(" < "), n(limit::esp));
        return high == atLeastLimit ? Tri::yes(why) : Tri::no(why);
    }
    if (sar) {
        const bool high = *sar >= limit::sar;
        const QString why = QStringLiteral("SAR %1%2%3")
                                .arg(n(*sar), high ? QStringLiteral(" \u2265 ") : QStringLiteral(" < "), n(limit::sar));
        return high == atLeastLimit ? Tri::yes(why) : Tri::no(why);
    }
    return Tri::unknown(QStringLiteral("esp_pct"));
}

// Whether more than half the horizon is cemented, and by what; an empty
// agent asks for any.
Tri cementedBy(const Horizon &h, const QString &agent)
{
    const std::optional<double> share = num(h, "cemented_pct");
    if (!share) {
        if (txt(h, "cementation_class").startsWith(QLatin1String("noncemented")))
            return Tri::no(QStringLiteral("noncemented"));
        return Tri::unknown(QStringLiteral("cemented_pct"));
    }
    if (*share <= limit::cemented)
        return Tri::no(QStringLiteral("cemented %1 % \u2264 %2 %").arg(n(*share), n(limit::cemented)));
    if (agent.isEmpty())
        return Tri::yes(QStringLiteral("cemented %1 %").arg(n(*share)));
    const QString by = txt(h, "cementing_agent");
    if (by.isEmpty())
        return Tri::unknown(QStringLiteral("cementing_agent"));
    const QString why = QStringLiteral("%1 % cemented by %2").arg(n(*share), by);
    return by == agent ? Tri::yes(why) : Tri::no(why);
}

struct Munsell {
    QString hueLetters;
    double hueNumber = 0;
    double value = 0;
    double chroma = 0;
};

std::optional<Munsell> munsell(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(
            "^\\s*(?:(\\d+(?:\\.\\d+)?)\\s*(YR|GY|BG|PB|RP|R|Y|G|B|P)|(N))\\s*(\\d+(?:\\.\\d+)?)\\s*/\\s*(\\d+(?:\\.\\d+)?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    Munsell c;
    c.hueLetters = m.captured(3).isEmpty() ? m.captured(2).toUpper() : QStringLiteral("N");
    c.hueNumber = m.captured(1).toDouble();
    c.value = m.captured(4).toDouble();
    c.chroma = m.captured(5).toDouble();
    return c;
}

// Hues of 7.5YR or redder: the R hues, and YR up to 7.5.
bool redderThan75YR(const Munsell &c)
{
    return c.hueLetters == QLatin1String("R") || c.hueLetters == QLatin1String("RP")
           || (c.hueLetters == QLatin1String("YR") && c.hueNumber <= 7.5);
}

bool sandyClass(const QString &texture)
{
    static const QStringList sandy{QStringLiteral("coarse sand"), QStringLiteral("sand"),
                                   QStringLiteral("fine sand"),   QStringLiteral("loamy coarse sand"),
                                   QStringLiteral("loamy sand"),  QStringLiteral("loamy fine sand")};
    return sandy.contains(texture);
}

// A heading inside a sentence: "salts more soluble ...", but "CaCO3 equivalent" and "ESP" as they are.
QString inSentence(const QString &heading)
{
    const QString word = heading.section(QLatin1Char(' '), 0, 0);
    if (word.size() > 1 && word.at(0).isUpper() && word.mid(1) == word.mid(1).toLower())
        return heading.at(0).toLower() + heading.mid(1);
    return heading;
}

// A diagnostic horizon's name as a sentence gives it.
QString label(const QString &feature)
{
    if (feature == QLatin1String("duripan"))
        return feature;
    if (feature == QLatin1String("anthropic"))
        return QStringLiteral("anthropic epipedon");
    return feature + QStringLiteral(" horizon");
}

QString withArticle(const QString &noun)
{
    return (noun.startsWith(QLatin1Char('a')) ? QStringLiteral("an ") : QStringLiteral("a ")) + noun;
}

QString names(const QList<const Horizon *> &list)
{
    QStringList d;
    for (const Horizon *h : list)
        d << h->designation;
    if (d.size() <= 1)
        return d.join(QString());
    const QString last = d.takeLast();
    return d.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace

struct Soil::Occurrence {
    double top = 0;
    double bottom = 0;
    QString reason;
    QStringList missing;
    QList<int> horizons;
};

// A diagnostic horizon worked out from the data: where it is for certain,
// where it may be if what is missing were measured, and why nothing qualifies.
struct Feature {
    QList<Soil::Occurrence> found;
    QList<Soil::Occurrence> possible;
    QString none;
    // The describer's record, where it decides or is contradicted.
    std::optional<Soil::Occurrence> recorded;
    bool contradicted = false;
};

struct Soil::Analysis {
    const study::Profile &profile;
    QList<Horizon> hz;  // the soil's horizons: rock (R, Cr) is a contact, not a horizon of the soil
    double surface = 0; // the mineral soil surface, below any O horizons
    QHash<QString, Feature> features;

    explicit Analysis(const study::Profile &p) : profile(p)
    {
        for (const Horizon &h : p.horizons)
            if (!isContactLayer(h, QStringLiteral("lithic")) && !isContactLayer(h, QStringLiteral("paralithic")))
                hz << h;
        for (const Horizon &h : hz) {
            if (!h.designation.trimmed().startsWith(QLatin1Char('O')))
                break;
            surface = h.bottom;
        }
        features.insert(QStringLiteral("salic"), salic());
        features.insert(QStringLiteral("gypsic"), gypsic());
        features.insert(QStringLiteral("calcic"), calcic());
        features.insert(QStringLiteral("petrocalcic"), pan(QStringLiteral("carbonate"), limit::petroThickness));
        features.insert(QStringLiteral("petrogypsic"), pan(QStringLiteral("gypsum"), limit::petroThickness));
        features.insert(QStringLiteral("duripan"), pan(QStringLiteral("silica"), 0));
        features.insert(QStringLiteral("argillic"), argillic());
        features.insert(QStringLiteral("natric"), natric());
        features.insert(QStringLiteral("anthropic"), anthropic());
        for (auto it = features.begin(); it != features.end(); ++it)
            applyRecord(it.key(), it.value());
    }

    // Consecutive horizons that qualify one by one, taken together where
    // they are thick enough and their product (thickness times content) high
    // enough. Horizons that cannot be told make a layer possible, not certain.
    Feature layers(const std::function<Tri(int)> &qualifies, double minThickness, const char *productKey,
                   double minProduct, const QString &unit) const
    {
        Feature f;
        QList<Tri> q;
        for (int i = 0; i < hz.size(); ++i)
            q << qualifies(i);
        QStringList closest;
        for (int i = 0; i < hz.size();) {
            if (q.at(i).state == State::DoesNotHold) {
                ++i;
                continue;
            }
            int end = i;
            while (end + 1 < hz.size() && q.at(end + 1).state != State::DoesNotHold)
                ++end;
            // The certain parts of the run, then the run as a whole.
            bool certain = false;
            for (int a = i; a <= end;) {
                if (q.at(a).state != State::Holds) {
                    ++a;
                    continue;
                }
                int b = a;
                while (b + 1 <= end && q.at(b + 1).state == State::Holds)
                    ++b;
                double t = 0, product = 0;
                QStringList parts;
                Occurrence o{hz.at(a).top, hz.at(b).bottom, {}, {}, {}};
                for (int k = a; k <= b; ++k) {
                    t += thickness(hz.at(k));
                    o.horizons << k;
                    if (productKey) {
                        const double v = num(hz.at(k), productKey).value_or(0);
                        product += v * thickness(hz.at(k));
                        parts << QStringLiteral("%1 %2 \u00d7 %3 cm").arg(n(v), unit, n(thickness(hz.at(k))));
                    } else if (!q.at(k).why.isEmpty())
                        parts << q.at(k).why;
                }
                QStringList designations;
                for (int k = a; k <= b; ++k)
                    designations << hz.at(k).designation;
                const QString where =
                    designations.join(QStringLiteral(", ")) + QLatin1Char(' ') + depths(o.top, o.bottom);
                const bool thick = t >= minThickness;
                const bool rich = !productKey || product >= minProduct;
                QString numbers = parts.join(QStringLiteral(" + "));
                if (productKey)
                    numbers +=
                        QStringLiteral(" = %1 %2 %3")
                            .arg(n(product), rich ? QStringLiteral("\u2265") : QStringLiteral("<"), n(minProduct));
                if (minThickness > 0)
                    numbers += QStringLiteral(", %1 cm thick %2 %3 cm")
                                   .arg(n(t), thick ? QStringLiteral("\u2265") : QStringLiteral("<"), n(minThickness));
                o.reason = where + QStringLiteral(": ") + numbers;
                if (thick && rich) {
                    f.found << o;
                    certain = true;
                } else
                    closest << o.reason;
                a = b + 1;
            }
            if (!certain) {
                Occurrence o{hz.at(i).top, hz.at(end).bottom, {}, {}, {}};
                double t = 0;
                QList<const Horizon *> unknown;
                for (int k = i; k <= end; ++k) {
                    t += thickness(hz.at(k));
                    o.horizons << k;
                    if (q.at(k).state == State::CannotTell) {
                        unknown << &hz.at(k);
                        for (const QString &m : q.at(k).missing)
                            if (!o.missing.contains(m))
                                o.missing << m;
                    }
                }
                if (!unknown.isEmpty() && t >= minThickness) {
                    QStringList what;
                    for (const QString &m : o.missing)
                        what << inSentence(propertyHeading(m));
                    o.reason = QStringLiteral("needs %1 in %2").arg(what.join(QStringLiteral(" and ")), names(unknown));
                    f.possible << o;
                }
            }
            i = end + 1;
        }
        if (f.found.isEmpty()) {
            if (!closest.isEmpty())
                f.none = closest.join(QStringLiteral("; "));
            else {
                QStringList why;
                for (int i = 0; i < hz.size() && why.size() < 3; ++i)
                    if (!q.at(i).why.isEmpty())
                        why << hz.at(i).designation + QLatin1Char(' ') + q.at(i).why;
                f.none = QStringLiteral("no horizon qualifies")
                         + (why.isEmpty() ? QString()
                                          : QStringLiteral(" (") + why.join(QStringLiteral("; ")) + QLatin1Char(')'));
            }
        }
        return f;
    }

    // The first horizon below i that does not itself pass the first test: the
    // layer a horizon of accumulation is compared with.
    const Horizon *below(int i, const std::function<bool(const Horizon &)> &rich) const
    {
        for (int k = i + 1; k < hz.size(); ++k)
            if (!rich(hz.at(k)))
                return &hz.at(k);
        return nullptr;
    }

    Tri uncemented(const Horizon &h) const
    {
        Tri c = cementedBy(h, {});
        if (c.state == State::CannotTell)
            return c;
        return c.state == State::Holds ? Tri::no(c.why) : Tri::yes();
    }

    Feature salic() const
    {
        return layers(
            [this](int i) {
                return atLeast(hz.at(i), "soluble_salts_pct", limit::salicSalts, QStringLiteral("% salts"));
            },
            limit::salicThickness, "soluble_salts_pct", limit::salicProduct, QStringLiteral("% salts"));
    }

    Feature gypsic() const
    {
        const auto rich = [](const Horizon &h) { return num(h, "gypsum_pct").value_or(0) >= limit::gypsicGypsum; };
        return layers(
            [this, rich](int i) {
                const Horizon &h = hz.at(i);
                Tri t = both(atLeast(h, "gypsum_pct", limit::gypsicGypsum, QStringLiteral("% gypsum")), uncemented(h));
                if (t.state == State::DoesNotHold)
                    return t;
                const Horizon *under = below(i, rich);
                if (under) {
                    const std::optional<double> g = num(*under, "gypsum_pct");
                    const std::optional<double> v = num(h, "gypsum_pct");
                    if (!g)
                        return both(t, Tri::unknown(QStringLiteral("gypsum_pct")));
                    if (v && *v < *g + limit::gypsicOverBelow)
                        return Tri::no(QStringLiteral("%1 % gypsum, less than 5 % over %2 (%3 %)")
                                           .arg(n(*v), under->designation, n(*g)));
                }
                return t;
            },
            limit::gypsicThickness, "gypsum_pct", limit::gypsicProduct, QStringLiteral("% gypsum"));
    }

    Feature calcic() const
    {
        const auto rich = [](const Horizon &h) { return num(h, "caco3_pct").value_or(0) >= limit::calcicCaco3; };
        return layers(
            [this, rich](int i) {
                const Horizon &h = hz.at(i);
                Tri loose = uncemented(h);
                if (loose.state == State::DoesNotHold)
                    return loose;
                const std::optional<double> c = num(h, "caco3_pct");
                if (!c)
                    return Tri::unknown(QStringLiteral("caco3_pct"));
                const Horizon *under = below(i, rich);
                const std::optional<double> secondary = num(h, "secondary_caco3_pct");
                Tri enough;
                if (*c >= limit::calcicCaco3) {
                    // More than the layer below, or identifiable secondary carbonates.
                    Tri over = Tri::unknown(QStringLiteral("caco3_pct"));
                    if (under && num(*under, "caco3_pct")) {
                        const double u = *num(*under, "caco3_pct");
                        over =
                            *c >= u + limit::calcicOverBelow
                                ? Tri::yes(QStringLiteral("CaCO\u2083 %1 %, %2 over %3")
                                               .arg(n(*c), n(*c - u), under->designation))
                                : Tri::no(
                                    QStringLiteral("CaCO\u2083 %1 %, under 5 over %2").arg(n(*c), under->designation));
                    }
                    Tri seen = secondary
                                   ? (*secondary >= limit::calcicSecondary
                                          ? Tri::yes(QStringLiteral("CaCO\u2083 %1 % with %2 % secondary carbonates")
                                                         .arg(n(*c), n(*secondary)))
                                          : Tri::no())
                                   : Tri::unknown(QStringLiteral("secondary_caco3_pct"));
                    enough = either(over, seen);
                    if (enough.state == State::DoesNotHold)
                        enough.why =
                            QStringLiteral(
                                "CaCO\u2083 %1 %, neither 5 % over the layer below nor 5 % secondary carbonates")
                                .arg(n(*c));
                } else {
                    // A sandy or coarse-loamy horizon low in lime but with soft powdery lime.
                    const std::optional<double> clay = num(h, "clay_pct");
                    const std::optional<double> underSecondary =
                        under ? num(*under, "secondary_caco3_pct") : std::optional<double>(0);
                    if (clay && *clay >= limit::calcicSandyClay)
                        enough = Tri::no(QStringLiteral("CaCO\u2083 %1 % < %2").arg(n(*c), n(limit::calcicCaco3)));
                    else if (!clay)
                        enough = Tri::unknown(QStringLiteral("clay_pct"));
                    else if (!secondary || !underSecondary)
                        enough = Tri::unknown(QStringLiteral("secondary_caco3_pct"));
                    else
                        enough =
                            *secondary >= *underSecondary + limit::calcicSecondary
                                ? Tri::yes(QStringLiteral("%1 % clay, %2 % more secondary carbonates than below")
                                               .arg(n(*clay), n(*secondary - *underSecondary)))
                                : Tri::no(QStringLiteral("CaCO\u2083 %1 % < %2").arg(n(*c), n(limit::calcicCaco3)));
                }
                return both(enough, loose);
            },
            limit::calcicThickness, nullptr, 0, {});
    }

    Feature pan(const QString &agent, double minThickness) const
    {
        return layers([this, agent](int i) { return cementedBy(hz.at(i), agent); }, minThickness, nullptr, 0, {});
    }

    Feature argillic() const
    {
        Feature f = layers(
            [this](int i) {
                const std::optional<bool> films = yes(hz.at(i), "clay_illuviation");
                if (!films)
                    return Tri::unknown(QStringLiteral("clay_illuviation"));
                return *films ? Tri::yes(QStringLiteral("clay films")) : Tri::no(QStringLiteral("no clay films"));
            },
            0, nullptr, 0, {});
        // Each run of illuvial horizons: thick enough, and more clay than the eluvial horizon above.
        const auto check = [this](Occurrence &o) -> Tri {
            const Horizon &first = hz.at(o.horizons.first());
            double t = o.bottom - o.top;
            const bool sandy = std::all_of(o.horizons.begin(), o.horizons.end(),
                                           [this](int k) { return sandyClass(txt(hz.at(k), "texture_class")); });
            const double minimum = std::max(sandy ? limit::argillicSandy : limit::argillicThin, (o.top - surface) / 10);
            if (t < minimum)
                return Tri::no(QStringLiteral("%1 cm thick < %2 cm").arg(n(t), n(minimum)));
            const int above = o.horizons.first() - 1;
            if (above < 0 || hz.at(above).top < surface)
                return Tri::yes(QStringLiteral("%1 cm thick").arg(n(t)));
            const Horizon &eluvial = hz.at(above);
            const std::optional<double> e = num(eluvial, "clay_pct");
            double most = -1;
            for (int k : o.horizons)
                if (hz.at(k).top < first.top + limit::argillicReach)
                    if (const std::optional<double> c = num(hz.at(k), "clay_pct"))
                        most = std::max(most, *c);
            if (!e || most < 0)
                return Tri::unknown(QStringLiteral("clay_pct"));
            bool enough = false;
            QString rule;
            if (*e < limit::eluvialLow) {
                enough = most - *e >= limit::argillicRise;
                rule = QStringLiteral("%1 % clay over %2 % in %3: +%4, %5 needed")
                           .arg(n(most), n(*e), eluvial.designation, n(most - *e), n(limit::argillicRise));
            } else if (*e <= limit::eluvialHigh) {
                enough = most >= limit::argillicRatio * *e;
                rule = QStringLiteral("%1 % clay over %2 % in %3: ratio %4, %5 needed")
                           .arg(n(most), n(*e), eluvial.designation, n(most / *e), n(limit::argillicRatio));
            } else {
                enough = most - *e >= limit::argillicRiseClayey;
                rule = QStringLiteral("%1 % clay over %2 % in %3: +%4, %5 needed")
                           .arg(n(most), n(*e), eluvial.designation, n(most - *e), n(limit::argillicRiseClayey));
            }
            return enough ? Tri::yes(rule + QStringLiteral(", %1 cm thick").arg(n(t))) : Tri::no(rule);
        };
        Feature checked;
        QStringList none;
        for (Occurrence o : f.found) {
            const Tri t = check(o);
            if (t.state == State::Holds) {
                o.reason += QStringLiteral(", ") + t.why;
                checked.found << o;
            } else if (t.state == State::CannotTell) {
                o.missing = t.missing;
                o.reason = QStringLiteral("needs the clay content of %1 and the horizon above")
                               .arg(hz.at(o.horizons.first()).designation);
                checked.possible << o;
            } else
                none << o.reason + QStringLiteral(", but ") + t.why;
        }
        checked.possible += f.possible;
        checked.none = none.isEmpty() ? f.none : none.join(QStringLiteral("; "));
        return checked;
    }

    Feature natric() const
    {
        const Feature &arg = features.value(QStringLiteral("argillic"));
        Feature f;
        QStringList none;
        const auto judge = [&](const Occurrence &o, bool certain) {
            Tri prisms = Tri::no(QStringLiteral("no columnar or prismatic structure"));
            Tri sodic = Tri::no();
            QList<const Horizon *> lowSodium;
            for (int k : o.horizons) {
                const QString s = txt(hz.at(k), "structure");
                if (s == QLatin1String("columnar") || s == QLatin1String("prismatic"))
                    prisms =
                        either(prisms, Tri::yes(QStringLiteral("%1 structure in %2").arg(s, hz.at(k).designation)));
                else if (s.isEmpty())
                    prisms = either(prisms, Tri::unknown(QStringLiteral("structure")));
            }
            for (const Horizon &h : hz) {
                if (h.bottom <= o.top || h.top >= o.top + limit::natricReach)
                    continue;
                Tri s = sodium(h, true);
                if (s.state == State::Holds)
                    s.why = s.why + QStringLiteral(" in ") + h.designation;
                sodic = either(sodic, s);
            }
            if (sodic.state == State::DoesNotHold)
                sodic.why = QStringLiteral("ESP under 15 (SAR under 13) within 40 cm of its top");
            Tri t = both(prisms, sodic);
            Occurrence n2 = o;
            if (t.state == State::Holds && certain) {
                n2.reason = o.reason + QStringLiteral("; ") + t.why;
                f.found << n2;
            } else if (t.state != State::DoesNotHold) {
                n2.missing = o.missing + t.missing;
                n2.reason = o.reason;
                f.possible << n2;
            } else
                none << QStringLiteral("argillic %1: %2").arg(depths(o.top, o.bottom), t.why);
        };
        for (const Occurrence &o : arg.found)
            judge(o, true);
        for (const Occurrence &o : arg.possible)
            judge(o, false);
        f.none = none.isEmpty() ? QStringLiteral("no argillic horizon") : none.join(QStringLiteral("; "));
        return f;
    }

    Feature anthropic() const
    {
        Feature f;
        QList<Tri> q;
        for (const Horizon &h : hz) {
            if (h.top < surface) {
                q << Tri::no();
                continue;
            }
            const std::optional<Munsell> moist = munsell(h.texts.value(QStringLiteral("munsell_moist")));
            const std::optional<Munsell> dry = munsell(h.texts.value(QStringLiteral("munsell_dry")));
            const double lime = num(h, "caco3_pct").value_or(0);
            Tri colour = Tri::unknown(QStringLiteral("munsell_moist"));
            if (moist) {
                const double valueMoist = lime >= 40 ? 5 : limit::mollicValueMoist;
                const bool dark = moist->value <= valueMoist && moist->chroma <= limit::mollicChroma;
                const bool dryOk = lime >= 15 || (dry ? dry->value <= limit::mollicValueDry : false);
                if (!dark)
                    colour = Tri::no(QStringLiteral("moist colour %1 too light or bright")
                                         .arg(h.texts.value(QStringLiteral("munsell_moist"))));
                else if (!dry && lime < 15)
                    colour = Tri::unknown(QStringLiteral("munsell_dry"));
                else
                    colour =
                        dryOk
                            ? Tri::yes(QStringLiteral("dark (%1)").arg(h.texts.value(QStringLiteral("munsell_moist"))))
                            : Tri::no(QStringLiteral("dry value above 5"));
            }
            const Tri carbon = atLeast(h, "organic_carbon_pct", lime >= 40 ? 2.5 : limit::mollicCarbon,
                                       QStringLiteral("% organic carbon"));
            const Tri bases =
                atLeast(h, "base_saturation_pct", limit::mollicBases, QStringLiteral("% base saturation"));
            q << both(both(colour, carbon), bases);
        }
        // The epipedon starts at the mineral surface.
        int end = -1;
        bool unsure = false;
        for (int i = 0; i < hz.size(); ++i) {
            if (hz.at(i).top < surface)
                continue;
            if (q.at(i).state == State::DoesNotHold)
                break;
            unsure = unsure || q.at(i).state == State::CannotTell;
            end = i;
        }
        int start = 0;
        while (start < hz.size() && hz.at(start).top < surface)
            ++start;
        if (end < start) {
            f.none = start < hz.size() ? hz.at(start).designation + QLatin1Char(' ') + q.at(start).why : QString();
            f.none = QStringLiteral("no dark surface horizon: ") + f.none;
            return f;
        }
        Occurrence o{hz.at(start).top, hz.at(end).bottom, {}, {}, {}};
        double most = -1;
        bool sandy = true, phosphate = false;
        for (int k = start; k <= end; ++k) {
            o.horizons << k;
            for (const QString &m : q.at(k).missing)
                if (!o.missing.contains(m))
                    o.missing << m;
            sandy = sandy && sandyClass(txt(hz.at(k), "texture_class"));
            if (const std::optional<double> p = num(hz.at(k), "p2o5_citric_mg_kg")) {
                most = std::max(most, *p);
                phosphate = true;
            }
        }
        const double t = o.bottom - o.top;
        const bool onPan = end + 1 < hz.size()
                           && (isContactLayer(hz.at(end + 1), QStringLiteral("lithic"))
                               || isContactLayer(hz.at(end + 1), QStringLiteral("paralithic"))
                               || cementedBy(hz.at(end + 1), {}).state == State::Holds);
        const double need = onPan ? limit::mollicOnPan : sandy ? limit::mollicSandy : limit::mollicThickness;
        const QString where = hz.at(start).designation
                              + (end > start ? QStringLiteral("\u2013") + hz.at(end).designation : QString())
                              + QLatin1Char(' ') + depths(o.top, o.bottom);
        if (t < need) {
            f.none = QStringLiteral("%1: dark, but %2 cm thick < %3 cm").arg(where, n(t), n(need));
            return f;
        }
        if (!phosphate) {
            o.missing << QStringLiteral("p2o5_citric_mg_kg");
            o.reason = QStringLiteral("needs P\u2082O\u2085 soluble in citric acid in %1").arg(where);
            f.possible << o;
            return f;
        }
        if (most < limit::anthropicP2o5) {
            f.none = QStringLiteral("%1: %2 mg/kg P\u2082O\u2085 < %3 (a mollic, not an anthropic epipedon)")
                         .arg(where, n(most), n(limit::anthropicP2o5));
            return f;
        }
        o.reason = QStringLiteral("%1: dark, %2 cm thick \u2265 %3 cm, %4 mg/kg P\u2082O\u2085 \u2265 %5")
                       .arg(where, n(t), n(need), n(most), n(limit::anthropicP2o5));
        (unsure ? f.possible : f.found) << o;
        if (unsure)
            f.possible.last().reason =
                QStringLiteral("needs %1 in %2").arg(inSentence(propertyHeading(o.missing.value(0))), where);
        return f;
    }

    // The describer's record decides where the data cannot, and is marked
    // where the data contradict it.
    void applyRecord(const QString &name, Feature &f) const
    {
        for (const study::RecordedFeature &r : profile.recorded) {
            if (recordedName(r.name) != name)
                continue;
            Occurrence o{r.top, r.bottom.value_or(hz.isEmpty() ? r.top : hz.last().bottom), {}, {}, {}};
            for (int k = 0; k < hz.size(); ++k)
                if (hz.at(k).bottom > o.top && hz.at(k).top < o.bottom)
                    o.horizons << k;
            const QString range = r.bottom ? depths(r.top, *r.bottom) : QStringLiteral("from %1 cm").arg(n(r.top));
            if (!f.found.isEmpty())
                return;
            // A record at depths no horizon describes: the horizons there are still to be described.
            if (o.horizons.isEmpty()) {
                o.reason = QStringLiteral("recorded by the describer at %1, where no horizon is described").arg(range);
                o.missing = {QStringLiteral("horizons")};
                f.possible << o;
                return;
            }
            if (!f.possible.isEmpty()) {
                o.reason = QStringLiteral("recorded by the describer at %1 (the data cannot decide: %2)")
                               .arg(range, f.possible.first().reason);
                f.recorded = o;
                f.found << o;
            } else {
                f.contradicted = true;
                f.recorded = o;
                f.none += QStringLiteral(" (the describer recorded one at %1; the data decide)").arg(range);
            }
            return;
        }
    }

    static QString recordedName(const QString &recorded)
    {
        QString s = recorded.trimmed().toLower();
        for (const char *tail : {" horizon", " epipedon"})
            if (s.endsWith(QLatin1String(tail)))
                s.chop(qstrlen(tail));
        return s;
    }

    // The depth of a contact (lithic or paralithic): a horizon that shows it, the site, or the record.
    Finding contact(const QString &kind, double within) const
    {
        std::optional<double> depth;
        QString how;
        for (const Horizon &h : profile.horizons)
            if (isContactLayer(h, kind)
                || (kind == QLatin1String("lithic or paralithic")
                    && (isContactLayer(h, QStringLiteral("lithic"))
                        || isContactLayer(h, QStringLiteral("paralithic"))))) {
                depth = h.top;
                how = QStringLiteral("%1 horizon at %2 cm").arg(h.designation, n(h.top));
                break;
            }
        const QStringList keys =
            kind == QLatin1String("lithic") ? QStringList{QStringLiteral("lithic_contact_cm")}
            : kind == QLatin1String("paralithic")
                ? QStringList{QStringLiteral("paralithic_contact_cm")}
                : QStringList{QStringLiteral("lithic_contact_cm"), QStringLiteral("paralithic_contact_cm")};
        for (const QString &key : keys)
            if (const std::optional<double> d = study::siteNumber(profile, key); d && (!depth || *d < *depth)) {
                depth = d;
                how = QStringLiteral("%1 at %2 cm")
                          .arg(key.startsWith(QLatin1String("lithic")) ? QStringLiteral("lithic contact")
                                                                       : QStringLiteral("paralithic contact"),
                               n(*d));
            }
        const QString label = kind + QStringLiteral(" contact");
        if (depth) {
            if (*depth - surface <= within)
                return {State::Holds, QStringLiteral("%1 \u2264 %2 cm").arg(how, n(within)), {}};
            return {State::DoesNotHold, QStringLiteral("%1, deeper than %2 cm").arg(how, n(within)), {}};
        }
        const double described = profile.horizons.isEmpty() ? 0 : profile.horizons.last().bottom;
        for (const study::RecordedFeature &r : profile.recorded)
            if (keys.contains(recordedName(r.name).replace(QLatin1Char(' '), QLatin1Char('_'))
                              + QStringLiteral("_cm"))) {
                const bool near = r.top - surface <= within;
                if (described >= r.top)
                    break; // the horizons reach past it and show no contact: the data decide
                return {near ? State::Holds : State::DoesNotHold,
                        QStringLiteral("recorded by the describer at %1 cm (no horizon or site field gives it)")
                            .arg(n(r.top)),
                        {}};
            }
        if (described - surface > within)
            return {State::DoesNotHold,
                    QStringLiteral("no %1: the horizons reach %2 cm without one").arg(label, n(described)),
                    {}};
        return {State::CannotTell,
                QStringLiteral("needs the depth of a %1: the horizons end at %2 cm").arg(label, n(described)),
                {keys.first()}};
    }
};

Soil::Soil(const study::Profile &profile) : m_profile(profile), m_analysis(new Analysis(profile))
{
}

Soil::~Soil()
{
    delete m_analysis;
}

QList<Identified> Soil::identified() const
{
    QList<Identified> list;
    for (auto it = m_analysis->features.cbegin(); it != m_analysis->features.cend(); ++it) {
        for (const Occurrence &o : it.value().found)
            list << Identified{it.key(), o.top, o.bottom, it.value().recorded.has_value(), false, o.reason};
        if (it.value().contradicted)
            list << Identified{it.key(), it.value().recorded->top, it.value().recorded->bottom, true,
                               true,     it.value().none};
    }
    for (const QString &kind : {QStringLiteral("lithic"), QStringLiteral("paralithic")}) {
        const Finding f = m_analysis->contact(kind, 1e9);
        if (f.state == State::Holds) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("(\\d+(?:\\.\\d+)?) cm")).match(f.reason);
            const double d = m.captured(1).toDouble();
            list << Identified{kind + QStringLiteral(" contact"),
                               d,
                               m_profile.horizons.isEmpty() ? d : std::max(d, m_profile.horizons.last().bottom),
                               false,
                               false,
                               f.reason};
        }
    }
    std::sort(list.begin(), list.end(), [](const Identified &a, const Identified &b) { return a.top < b.top; });
    return list;
}

namespace {

Finding fromTri(const Tri &t)
{
    return {t.state, t.why, t.missing};
}

Finding allOf(const QList<Finding> &parts)
{
    return combine(parts, State::DoesNotHold, State::Holds);
}

Finding anyOf(const QList<Finding> &parts)
{
    return combine(parts, State::Holds, State::DoesNotHold);
}

} // namespace

Finding Soil::test(const QString &criterion, const QJsonObject &p) const
{
    const Analysis &a = *m_analysis;
    const QList<Horizon> &hz = a.hz;
    const auto site = [this](const char *key) { return study::siteNumber(m_profile, QLatin1String(key)); };
    const auto siteYes = [this](const char *key) { return study::siteYes(m_profile, QLatin1String(key)); };
    const auto need = [](const char *key, const QString &what) {
        return Finding{State::CannotTell, QStringLiteral("needs ") + what, {QLatin1String(key)}};
    };
    // A test of a horizon that is not there: it does not hold, or it cannot be told while the horizon may be.
    const auto untilFound = [](const Feature &f, const QString &none) {
        return f.possible.isEmpty() ? Finding{State::DoesNotHold, none, {}}
                                    : Finding{State::CannotTell, f.possible.first().reason, f.possible.first().missing};
    };
    const auto feature = [&](const QString &name) -> const Feature & {
        static const Feature empty;
        const auto it = a.features.constFind(name);
        return it == a.features.cend() ? empty : *it;
    };

    if (criterion == QLatin1String("horizon")) {
        const QString name = p.value(QStringLiteral("name")).toString();
        const double within = p.value(QStringLiteral("top_within")).toDouble(1e9);
        const Feature &f = feature(name);
        for (const Occurrence &o : f.found)
            if (o.top - a.surface <= within) {
                const QString depth =
                    within < 1e8 ? QStringLiteral(", top at %1 cm \u2264 %2 cm").arg(n(o.top), n(within)) : QString();
                return {State::Holds, QStringLiteral("%1%2: %3").arg(o.reason, depth, name), {}};
            }
        for (const Occurrence &o : f.possible)
            if (o.top - a.surface <= within)
                return {State::CannotTell, QStringLiteral("%1 (for %2)").arg(o.reason, withArticle(label(name))),
                        o.missing};
        if (!f.found.isEmpty())
            return {State::DoesNotHold,
                    QStringLiteral("%1: %2 with its top at %3 cm, deeper than %4 cm")
                        .arg(f.found.first().reason, name, n(f.found.first().top), n(within)),
                    {}};
        return {State::DoesNotHold, QStringLiteral("no %1: %2").arg(label(name), f.none), {}};
    }
    if (criterion == QLatin1String("above")) {
        // An upper horizon that lies over (above) a lower one.
        const QString upper = p.value(QStringLiteral("upper")).toString();
        const QString lower = p.value(QStringLiteral("lower")).toString();
        const Feature &u = feature(upper);
        const Feature &l = feature(lower);
        if (l.found.isEmpty() && l.possible.isEmpty())
            return {State::DoesNotHold, QStringLiteral("no %1").arg(label(lower)), {}};
        if (u.found.isEmpty() && u.possible.isEmpty())
            return {State::DoesNotHold, QStringLiteral("no %1: %2").arg(label(upper), u.none), {}};
        const double lowerTop = (l.found.isEmpty() ? l.possible : l.found).first().top;
        for (const Occurrence &o : u.found)
            if (o.bottom <= lowerTop + 0.01 && !l.found.isEmpty())
                return {State::Holds,
                        QStringLiteral("%1 %2 over the %3 at %4 cm")
                            .arg(upper, depths(o.top, o.bottom), lower, n(lowerTop)),
                        {}};
        if (!u.possible.isEmpty() || !l.possible.isEmpty())
            return {State::CannotTell, (u.possible.isEmpty() ? l.possible : u.possible).first().reason,
                    (u.possible.isEmpty() ? l.possible : u.possible).first().missing};
        return {
            State::DoesNotHold,
            QStringLiteral("the %1 does not lie above the %2 at %3 cm").arg(label(upper), label(lower), n(lowerTop)),
            {}};
    }
    if (criterion == QLatin1String("contact"))
        return a.contact(p.value(QStringLiteral("kind")).toString(), p.value(QStringLiteral("within")).toDouble());
    if (criterion == QLatin1String("cryic")) {
        const std::optional<double> annual = site("soil_temperature_annual_c");
        if (!annual)
            return need("soil_temperature_annual_c", QStringLiteral("the mean annual soil temperature at 50 cm"));
        if (*annual >= limit::cryicAnnualBelow || *annual <= 0)
            return {State::DoesNotHold,
                    QStringLiteral("mean annual soil temperature %1 \u00b0C, not between 0 and %2 \u00b0C")
                        .arg(n(*annual), n(limit::cryicAnnualBelow)),
                    {}};
        const std::optional<double> summer = site("soil_temperature_summer_c");
        const std::optional<bool> saturated = siteYes("saturated_in_summer");
        const std::optional<bool> organic = siteYes("o_horizon");
        if (!summer)
            return need("soil_temperature_summer_c", QStringLiteral("the mean summer soil temperature at 50 cm"));
        if (!saturated)
            return need("saturated_in_summer", QStringLiteral("whether the soil is saturated in some part of summer"));
        if (!organic)
            return need("o_horizon", QStringLiteral("whether there is an O horizon"));
        const double below = *saturated ? (*organic ? 6 : 13) : (*organic ? 8 : 15);
        const QString how = QStringLiteral("%1 in summer, %2 O horizon")
                                .arg(*saturated ? QStringLiteral("saturated") : QStringLiteral("not saturated"),
                                     *organic ? QStringLiteral("with an") : QStringLiteral("no"));
        const QString why = QStringLiteral("mean annual %1 \u00b0C < %2; mean summer %3 \u00b0C %4 %5 \u00b0C (%6)")
                                .arg(n(*annual), n(limit::cryicAnnualBelow), n(*summer),
                                     *summer < below ? QStringLiteral("<") : QStringLiteral("\u2265"), n(below), how);
        return {*summer < below ? State::Holds : State::DoesNotHold, why, {}};
    }
    if (criterion == QLatin1String("moisture_border")) {
        const QString regime = p.value(QStringLiteral("regime")).toString();
        const bool orEqual = p.value(QStringLiteral("or_equal")).toBool();
        const std::optional<double> dry = site("mcs_dry_pct");
        const QString borders = study::siteText(m_profile, QStringLiteral("moisture_borders")).toLower();
        Finding share =
            dry ? Finding{(orEqual ? *dry <= 75 : *dry < 75) ? State::Holds : State::DoesNotHold,
                          QStringLiteral("moisture control section dry %1 % of the time %2 75 %")
                              .arg(n(*dry), (orEqual ? *dry <= 75 : *dry < 75)
                                                ? (orEqual ? QStringLiteral("\u2264") : QStringLiteral("<"))
                                                : (orEqual ? QStringLiteral(">") : QStringLiteral("\u2265"))),
                          {}}
                : need("mcs_dry_pct", QStringLiteral("the share of the time the moisture control section is dry"));
        Finding border =
            borders.isEmpty()
                ? need("moisture_borders", QStringLiteral("what the moisture regime borders"))
                : Finding{
                    borders == regime ? State::Holds : State::DoesNotHold,
                    QStringLiteral("borders %1")
                        .arg(borders == QLatin1String("neither") ? QStringLiteral("neither xeric nor ustic") : borders),
                    {}};
        return allOf({share, border});
    }
    if (criterion == QLatin1String("xeric_temperatures")) {
        const std::optional<double> annual = site("soil_temperature_annual_c");
        const std::optional<double> summer = site("soil_temperature_summer_c");
        const std::optional<double> winter = site("soil_temperature_winter_c");
        Finding cool =
            annual ? Finding{*annual < 22 ? State::Holds : State::DoesNotHold,
                             QStringLiteral("mean annual soil temperature %1 \u00b0C %2 22")
                                 .arg(n(*annual), *annual < 22 ? QStringLiteral("<") : QStringLiteral("\u2265")),
                             {}}
                   : need("soil_temperature_annual_c", QStringLiteral("the mean annual soil temperature"));
        Finding swing = summer && winter
                            ? Finding{*summer - *winter >= 5 ? State::Holds : State::DoesNotHold,
                                      QStringLiteral("summer %1 \u2212 winter %2 = %3 \u00b0C %4 5")
                                          .arg(n(*summer), n(*winter), n(*summer - *winter),
                                               *summer - *winter >= 5 ? QStringLiteral("\u2265") : QStringLiteral("<")),
                                      {}}
                            : need(summer ? "soil_temperature_winter_c" : "soil_temperature_summer_c",
                                   QStringLiteral("the mean summer and winter soil temperatures"));
        const QString borders = study::siteText(m_profile, QStringLiteral("moisture_borders")).toLower();
        Finding border = borders.isEmpty()
                             ? need("moisture_borders", QStringLiteral("what the moisture regime borders"))
                             : Finding{borders == QLatin1String("xeric") ? State::Holds : State::DoesNotHold,
                                       QStringLiteral("borders %1").arg(borders),
                                       {}};
        return allOf({cool, swing, border});
    }
    if (criterion == QLatin1String("saturated")) {
        const std::optional<double> months = site("saturation_months");
        if (months && *months == 0)
            return {State::DoesNotHold, QStringLiteral("never saturated (0 months a year)"), {}};
        const std::optional<double> top = site("saturation_top_cm");
        const std::optional<double> years = site("saturation_years_in_10");
        Finding deep = top ? Finding{*top <= 100 ? State::Holds : State::DoesNotHold,
                                     QStringLiteral("saturated from %1 cm %2 100 cm")
                                         .arg(n(*top), *top <= 100 ? QStringLiteral("\u2264") : QStringLiteral(">")),
                                     {}}
                           : need("saturation_top_cm", QStringLiteral("the depth of saturation"));
        Finding longEnough = months ? Finding{*months >= 1 ? State::Holds : State::DoesNotHold,
                                              QStringLiteral("%1 months a year").arg(n(*months)),
                                              {}}
                                    : need("saturation_months", QStringLiteral("how long the soil is saturated"));
        Finding often =
            years ? Finding{*years >= 6 ? State::Holds : State::DoesNotHold,
                            QStringLiteral("in %1 years in 10 %2 6")
                                .arg(n(*years), *years >= 6 ? QStringLiteral("\u2265") : QStringLiteral("<")),
                            {}}
                  : need("saturation_years_in_10", QStringLiteral("in how many years in ten it is saturated"));
        return allOf({deep, longEnough, often});
    }
    if (criterion == QLatin1String("irrigated_aquic")) {
        const std::optional<bool> irrigated = siteYes("irrigated");
        if (!irrigated)
            return need("irrigated", QStringLiteral("whether the soil is irrigated"));
        if (!*irrigated)
            return {State::DoesNotHold, QStringLiteral("not irrigated"), {}};
        const std::optional<bool> aquic = siteYes("aquic_conditions");
        if (!aquic)
            return need("aquic_conditions", QStringLiteral("whether it has aquic conditions"));
        if (!*aquic)
            return {State::DoesNotHold, QStringLiteral("irrigated, no aquic conditions"), {}};
        const std::optional<double> top = site("aquic_top_cm");
        if (!top)
            return need("aquic_top_cm", QStringLiteral("the depth of the aquic conditions"));
        return {*top <= 100 ? State::Holds : State::DoesNotHold,
                QStringLiteral("irrigated, aquic conditions from %1 cm").arg(n(*top)),
                {}};
    }
    if (criterion == QLatin1String("vertic")) {
        // Cracks with slickensides or wedges, or a high linear extensibility;
        // in Durids both above the duripan.
        const bool overPan = p.value(QStringLiteral("above")).toString() == QLatin1String("duripan");
        double end = limit::crackReach;
        double leEnd = limit::extensibilityDepth;
        if (overPan) {
            const Feature &d = feature(QStringLiteral("duripan"));
            if (d.found.isEmpty())
                return {State::CannotTell, QStringLiteral("needs the duripan's depth"),
                        d.possible.isEmpty() ? QStringList{} : d.possible.first().missing};
            end = leEnd = d.found.first().top;
        } else {
            const Finding c = a.contact(QStringLiteral("lithic or paralithic"), limit::extensibilityDepth);
            if (c.state == State::Holds) {
                const QRegularExpressionMatch m =
                    QRegularExpression(QStringLiteral("at (\\d+(?:\\.\\d+)?) cm")).match(c.reason);
                if (m.hasMatch())
                    leEnd = std::min(leEnd, m.captured(1).toDouble());
            }
        }
        double cracked = 0, crackUnknown = 0, slick = 0, slickUnknown = 0;
        QList<const Horizon *> untold;
        for (const Horizon &h : hz) {
            if (h.top >= end)
                break;
            const double t = std::min(h.bottom, end) - h.top;
            const std::optional<double> w = num(h, "crack_width_mm");
            if (!w)
                crackUnknown += t;
            else if (*w >= limit::crackWidth)
                cracked += t;
            const std::optional<bool> s = yes(h, "slickensides");
            const std::optional<bool> wedge = yes(h, "wedge_aggregates");
            if ((s && *s) || (wedge && *wedge))
                slick += t;
            else if (!s || !wedge) {
                slickUnknown += t;
                untold << &h;
            }
        }
        Finding cracks;
        if (overPan) {
            const bool any = cracked >= limit::crackThickness || slick >= limit::slickensideLayer;
            cracks =
                any ? Finding{State::Holds,
                              QStringLiteral("cracks %1 cm, slickensides or wedges %2 cm above the duripan")
                                  .arg(n(cracked), n(slick)),
                              {}}
                : (crackUnknown + cracked >= limit::crackThickness || slick + slickUnknown >= limit::slickensideLayer)
                    ? Finding{State::CannotTell,
                              QStringLiteral("needs cracks and slickensides above the duripan in %1")
                                  .arg(names(untold)),
                              {QStringLiteral("slickensides"), QStringLiteral("crack_width_mm")}}
                    : Finding{
                        State::DoesNotHold, QStringLiteral("no cracks, slickensides or wedges above the duripan"), {}};
        } else {
            Finding wide =
                cracked >= limit::crackThickness
                    ? Finding{State::Holds, QStringLiteral("cracks 5 mm wide through %1 cm").arg(n(cracked)), {}}
                : cracked + crackUnknown >= limit::crackThickness
                    ? Finding{State::CannotTell,
                              QStringLiteral("needs the width of cracks"),
                              {QStringLiteral("crack_width_mm")}}
                    : Finding{State::DoesNotHold, QStringLiteral("no cracks 5 mm wide through 30 cm"), {}};
            Finding faces =
                slick >= limit::slickensideLayer
                    ? Finding{State::Holds, QStringLiteral("slickensides or wedges through %1 cm").arg(n(slick)), {}}
                : slick + slickUnknown >= limit::slickensideLayer
                    ? Finding{State::CannotTell,
                              QStringLiteral("needs slickensides and wedge-shaped aggregates in %1").arg(names(untold)),
                              {QStringLiteral("slickensides")}}
                    : Finding{State::DoesNotHold, QStringLiteral("no slickensides or wedge-shaped aggregates"), {}};
            cracks = allOf({wide, faces});
        }
        double le = 0;
        QList<const Horizon *> noCole;
        for (const Horizon &h : hz) {
            if (h.top >= leEnd || h.top < a.surface)
                continue;
            const double t = std::min(h.bottom, leEnd) - h.top;
            if (const std::optional<double> c = num(h, "cole"))
                le += *c * t;
            else
                noCole << &h;
        }
        const QString to = overPan ? QStringLiteral("to the duripan") : QStringLiteral("to %1 cm").arg(n(leEnd));
        Finding swell =
            le >= limit::extensibility
                ? Finding{State::Holds, QStringLiteral("linear extensibility %1 cm %2 \u2265 6").arg(n(le), to), {}}
            : !noCole.isEmpty()
                ? Finding{State::CannotTell,
                          QStringLiteral("needs the COLE of %1").arg(names(noCole)),
                          {QStringLiteral("cole")}}
                : Finding{State::DoesNotHold, QStringLiteral("linear extensibility %1 cm %2 < 6").arg(n(le), to), {}};
        return anyOf({cracks, swell});
    }
    if (criterion == QLatin1String("combined")) {
        // Horizons within a depth that together are thick enough: durinodes,
        // nodules, glass or pumice.
        const QString kind = p.value(QStringLiteral("kind")).toString();
        const double reach = kind == QLatin1String("vitrandic") ? limit::glassReach : limit::nodulesReach;
        const double needThick = kind == QLatin1String("vitrandic") ? limit::glassLayers : limit::nodulesThickness;
        double sure = 0, maybe = 0;
        QStringList parts;
        QStringList missing;
        QList<const Horizon *> untold;
        for (const Horizon &h : hz) {
            if (h.top >= reach + a.surface)
                break;
            Tri q;
            if (kind == QLatin1String("durinodic")) {
                const Tri firm = [&] {
                    const QString r = txt(h, "rupture_moist");
                    if (r.isEmpty())
                        return Tri::unknown(QStringLiteral("rupture_moist"));
                    static const QStringList firmOrMore{
                        QStringLiteral("firm"),           QStringLiteral("very firm"), QStringLiteral("extremely firm"),
                        QStringLiteral("slightly rigid"), QStringLiteral("rigid"),     QStringLiteral("very rigid")};
                    return firmOrMore.contains(r) ? Tri::yes(r + QStringLiteral(" when moist"))
                                                  : Tri::no(r + QStringLiteral(" when moist"));
                }();
                const std::optional<bool> b = yes(h, "brittle");
                const Tri brittle =
                    b ? (*b ? both(Tri::yes(QStringLiteral("brittle")), firm) : Tri::no(QStringLiteral("not brittle")))
                      : Tri::unknown(QStringLiteral("brittle"));
                q = either(atLeast(h, "durinodes_pct", limit::nodules, QStringLiteral("% durinodes")), brittle);
            } else if (kind == QLatin1String("petronodic")) {
                const bool withDurinodes = p.value(QStringLiteral("durinodes")).toBool();
                const std::optional<double> nod = num(h, "nodules_pct");
                const std::optional<double> dur = num(h, "durinodes_pct");
                if (!nod || (withDurinodes && !dur && *nod < limit::nodules))
                    q = Tri::unknown(nod ? QStringLiteral("durinodes_pct") : QStringLiteral("nodules_pct"));
                else {
                    const double sum = *nod + (withDurinodes ? dur.value_or(0) : 0);
                    q = sum >= limit::nodules ? Tri::yes(QStringLiteral("%1 % nodules").arg(n(sum))) : Tri::no();
                }
            } else {
                const auto over = [&](const char *key, double limit, bool strictly, const QString &what) {
                    const std::optional<double> v = num(h, key);
                    if (!v)
                        return Tri::unknown(QLatin1String(key));
                    const bool ok = strictly ? *v > limit : *v >= limit;
                    return ok ? Tri::yes(QStringLiteral("%1 %2").arg(n(*v), what)) : Tri::no();
                };
                const Tri pumice = both(
                    over("rock_fragments_pct", limit::fragments, true, QStringLiteral("% fragments")),
                    over("pumice_fragments_pct", limit::pumice, true, QStringLiteral("% of them pumice or cinders")));
                Tri glass =
                    both(over("fraction_002_2mm_pct", limit::fineSand, false, QStringLiteral("% of 0.02\u20132.0 mm")),
                         over("volcanic_glass_pct", limit::glass, false, QStringLiteral("% glass")));
                if (glass.state != State::DoesNotHold) {
                    const std::optional<double> ox = num(h, "oxalate_al_fe_pct");
                    const std::optional<double> vg = num(h, "volcanic_glass_pct");
                    if (!ox)
                        glass = both(glass, Tri::unknown(QStringLiteral("oxalate_al_fe_pct")));
                    else if (vg) {
                        const double index = *ox * limit::oxalateFactor + *vg;
                        glass = both(
                            glass, index >= limit::glassIndex ? Tri::yes(
                                       QStringLiteral("(Al + \u00bdFe) \u00d7 60 + glass = %1 \u2265 30").arg(n(index)))
                                                              : Tri::no());
                    }
                }
                q = either(pumice, glass);
            }
            const double t = std::min(h.bottom, reach + a.surface) - std::max(h.top, a.surface);
            if (t <= 0)
                continue;
            if (q.state == State::Holds) {
                sure += t;
                parts << QStringLiteral("%1 (%2)").arg(at(h), q.why);
            } else if (q.state == State::CannotTell) {
                maybe += t;
                untold << &h;
                for (const QString &m : q.missing)
                    if (!missing.contains(m))
                        missing << m;
            }
        }
        const QString label = kind == QLatin1String("durinodic") ? QStringLiteral("durinodes or brittle, firm horizons")
                              : kind == QLatin1String("petronodic") ? QStringLiteral("nodules")
                                                                    : QStringLiteral("glass or pumice");
        if (sure >= needThick)
            return {State::Holds,
                    QStringLiteral("%1: %2 cm \u2265 %3 cm within %4 cm")
                        .arg(parts.join(QStringLiteral(", ")), n(sure), n(needThick), n(reach)),
                    {}};
        if (sure + maybe >= needThick) {
            QStringList what;
            for (const QString &m : missing)
                what << inSentence(propertyHeading(m));
            return {State::CannotTell,
                    QStringLiteral("needs %1 in %2").arg(what.join(QStringLiteral(" and ")), names(untold)), missing};
        }
        return {State::DoesNotHold,
                QStringLiteral("%1 in %2 cm within %3 cm, < %4 cm").arg(label, n(sure), n(reach), n(needThick)),
                {}};
    }
    if (criterion == QLatin1String("sodic")) {
        // ESP 15 or more (SAR 13 or more): in a horizon 25 cm thick ("thick"), or in any horizon, within 100 cm.
        const bool thick = p.value(QStringLiteral("thick")).toBool();
        double run = 0, best = 0, maybe = 0;
        QStringList found;
        QList<const Horizon *> untold;
        Tri any = Tri::no();
        for (const Horizon &h : hz) {
            if (h.top >= limit::sodicReach + a.surface)
                break;
            const Tri s = sodium(h, true);
            const double t = std::min(h.bottom, limit::sodicReach + a.surface) - h.top;
            if (s.state == State::Holds) {
                run += t;
                found << QStringLiteral("%1 %2").arg(at(h), s.why);
            } else
                run = 0;
            if (s.state == State::CannotTell) {
                maybe += t;
                untold << &h;
            }
            best = std::max(best, run);
            any = either(any, s.state == State::Holds ? Tri::yes(at(h) + QLatin1Char(' ') + s.why) : s);
        }
        if (!thick) {
            if (any.state == State::CannotTell)
                return {State::CannotTell,
                        QStringLiteral("needs the ESP (or SAR) of %1").arg(names(untold)),
                        {QStringLiteral("esp_pct")}};
            return {any.state,
                    any.state == State::Holds
                        ? any.why
                        : QStringLiteral("ESP under 15 (SAR under 13) in every horizon within 100 cm"),
                    {}};
        }
        if (best >= limit::sodicThickness)
            return {State::Holds,
                    QStringLiteral("%1: %2 cm \u2265 25 cm").arg(found.join(QStringLiteral(", ")), n(best)),
                    {}};
        if (!untold.isEmpty() && best + maybe >= limit::sodicThickness)
            return {State::CannotTell,
                    QStringLiteral("needs the ESP (or SAR) of %1").arg(names(untold)),
                    {QStringLiteral("esp_pct")}};
        return {State::DoesNotHold,
                found.isEmpty()
                    ? QStringLiteral("ESP under 15 (SAR under 13) in every horizon within 100 cm")
                    : QStringLiteral("%1: only %2 cm < 25 cm").arg(found.join(QStringLiteral(", ")), n(best)),
                {}};
    }
    if (criterion == QLatin1String("arenic")) {
        const Feature &f = feature(QStringLiteral("argillic"));
        if (f.found.isEmpty())
            return untilFound(f, QStringLiteral("no argillic horizon"));
        const double top = f.found.first().top;
        if (top - a.surface < 50)
            return {State::DoesNotHold,
                    QStringLiteral("the argillic horizon begins at %1 cm, above 50 cm").arg(n(top)),
                    {}};
        for (const Horizon &h : hz) {
            if (h.top >= top)
                break;
            const QString t = txt(h, "texture_class");
            if (t.isEmpty())
                return need("texture_class", QStringLiteral("the texture of ") + h.designation);
            if (!sandyClass(t))
                return {State::DoesNotHold, QStringLiteral("%1 is %2, not sandy").arg(at(h), t), {}};
        }
        return {State::Holds,
                QStringLiteral("sandy from the surface to the argillic horizon at %1 cm \u2265 50 cm").arg(n(top)),
                {}};
    }
    if (criterion == QLatin1String("abrupt")) {
        // A clay increase of 15 (absolute) within 2.5 cm, at the argillic's top or within it;
        // optionally 35 % clay in some part, and 10 over a plough layer.
        const Feature &f = feature(QStringLiteral("argillic"));
        if (f.found.isEmpty())
            return untilFound(f, QStringLiteral("no argillic horizon"));
        const Occurrence &o = f.found.first();
        QList<Finding> parts;
        if (p.value(QStringLiteral("clay35")).toBool()) {
            double most = -1;
            for (int k : o.horizons)
                most = std::max(most, num(hz.at(k), "clay_pct").value_or(-1));
            parts << (most < 0 ? need("clay_pct", QStringLiteral("the clay content of the argillic horizon"))
                               : Finding{most >= limit::abruptClay ? State::Holds : State::DoesNotHold,
                                         QStringLiteral("%1 % clay at most in the argillic horizon %2 35")
                                             .arg(n(most), most >= limit::abruptClay ? QStringLiteral("\u2265")
                                                                                     : QStringLiteral("<")),
                                         {}});
        }
        QList<Finding> steps;
        const int first = o.horizons.first();
        for (int k = std::max(first, 1); k <= o.horizons.last(); ++k) {
            const Horizon &up = hz.at(k - 1);
            const Horizon &down = hz.at(k);
            const std::optional<double> c1 = num(up, "clay_pct");
            const std::optional<double> c2 = num(down, "clay_pct");
            if (!c1 || !c2) {
                steps << need("clay_pct",
                              QStringLiteral("the clay of %1 and %2").arg(up.designation, down.designation));
                continue;
            }
            const bool plough =
                k == first && up.designation.startsWith(QLatin1String("Ap")) && p.value(QStringLiteral("ap")).toBool();
            const double rise = *c2 - *c1;
            if (plough && rise >= limit::apIncrease) {
                steps << Finding{State::Holds,
                                 QStringLiteral("%1 % clay in %2 over %3 % in the plough layer %4: +%5 \u2265 10")
                                     .arg(n(*c2), down.designation, n(*c1), up.designation, n(rise)),
                                 {}};
                continue;
            }
            if (rise < limit::abruptIncrease) {
                steps << Finding{
                    State::DoesNotHold,
                    QStringLiteral("%1 to %2: +%3 % clay < 15").arg(up.designation, down.designation, n(rise)),
                    {}};
                continue;
            }
            const QString b = txt(up, "lower_boundary");
            if (b.isEmpty())
                steps << need("lower_boundary",
                              QStringLiteral("the boundary between %1 and %2").arg(up.designation, down.designation));
            else
                steps << Finding{b == QLatin1String("abrupt") || b == QLatin1String("very abrupt") ? State::Holds
                                                                                                   : State::DoesNotHold,
                                 QStringLiteral("%1 to %2: +%3 % clay across a %4 boundary")
                                     .arg(up.designation, down.designation, n(rise), b),
                                 {}};
        }
        parts << anyOf(steps);
        return allOf(parts);
    }
    if (criterion == QLatin1String("pale_colour")) {
        // A deep argillic horizon, without a marked clay decrease, reddish between 100 and 150 cm.
        const Feature &f = feature(QStringLiteral("argillic"));
        if (f.found.isEmpty())
            return untilFound(f, QStringLiteral("no argillic horizon"));
        const Occurrence &o = f.found.first();
        if (o.bottom < limit::paleDepth)
            return {State::DoesNotHold,
                    QStringLiteral("the argillic horizon ends at %1 cm, above 150 cm").arg(n(o.bottom)),
                    {}};
        double most = -1, least = 1e9;
        for (int k : o.horizons) {
            const std::optional<double> c = num(hz.at(k), "clay_pct");
            if (!c)
                return need("clay_pct", QStringLiteral("the clay of ") + hz.at(k).designation);
            if (*c > most) {
                most = *c;
                least = 1e9;
            } else
                least = std::min(least, *c);
        }
        if (least < 1e9 && least <= most * (1 - limit::paleDecrease))
            return {State::DoesNotHold,
                    QStringLiteral("clay falls from %1 % to %2 %, 20 % or more").arg(n(most), n(least)),
                    {}};
        QList<Finding> colours;
        for (int k : o.horizons) {
            const Horizon &h = hz.at(k);
            if (h.bottom <= limit::paleFrom || h.top >= limit::paleDepth)
                continue;
            const std::optional<Munsell> m = munsell(h.texts.value(QStringLiteral("munsell_moist")));
            if (!m) {
                colours << need("munsell_moist", QStringLiteral("the moist colour of ") + h.designation);
                continue;
            }
            const std::optional<Munsell> d = munsell(h.texts.value(QStringLiteral("munsell_dry")));
            const bool red = redderThan75YR(*m);
            const bool bright = m->chroma >= limit::paleChroma;
            const bool dark = m->value <= limit::paleValueMoist && d && d->value <= limit::paleValueDry;
            colours << Finding{red && (bright || dark) ? State::Holds : State::DoesNotHold,
                               QStringLiteral("%1 %2").arg(at(h), h.texts.value(QStringLiteral("munsell_moist"))),
                               {}};
        }
        return allOf({Finding{State::Holds,
                              QStringLiteral("argillic %1, no clay decrease of 20 %").arg(depths(o.top, o.bottom)),
                              {}},
                      anyOf(colours)});
    }
    if (criterion == QLatin1String("fluventic")) {
        const Finding c = a.contact(QStringLiteral("lithic or paralithic"), limit::fluventicTo);
        double end = limit::fluventicTo;
        if (c.state == State::Holds) {
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral("at (\\d+(?:\\.\\d+)?) cm")).match(c.reason);
            if (m.hasMatch())
                end = m.captured(1).toDouble();
        }
        std::optional<double> previous;
        QString previousName;
        for (const Horizon &h : hz) {
            if (h.bottom <= limit::fluventicFrom + a.surface || h.top >= end)
                continue;
            const std::optional<double> oc = num(h, "organic_carbon_pct");
            if (!oc)
                return need("organic_carbon_pct", QStringLiteral("the organic carbon of ") + h.designation);
            if (previous && *oc > *previous)
                return {State::Holds,
                        QStringLiteral("organic carbon rises from %1 % in %2 to %3 % in %4")
                            .arg(n(*previous), previousName, n(*oc), at(h)),
                        {}};
            previous = oc;
            previousName = h.designation;
        }
        return {State::DoesNotHold,
                QStringLiteral("organic carbon does not rise with depth between 25 and %1 cm").arg(n(end)),
                {}};
    }
    if (criterion == QLatin1String("duripan_cementation")) {
        const Feature &f = feature(QStringLiteral("duripan"));
        if (f.found.isEmpty())
            return untilFound(f, QStringLiteral("no duripan"));
        for (int k : f.found.first().horizons) {
            const QString c = txt(hz.at(k), "cementation_class");
            if (c.isEmpty())
                return need("cementation_class", QStringLiteral("the cementation class of ") + hz.at(k).designation);
            if (c.startsWith(QLatin1String("very strongly")) || c.startsWith(QLatin1String("indurated")))
                return {State::DoesNotHold, QStringLiteral("%1 is %2").arg(at(hz.at(k)), c), {}};
        }
        return {State::Holds, QStringLiteral("the duripan is strongly cemented or less throughout"), {}};
    }
    if (criterion == QLatin1String("discontinuous_argillic")) {
        const std::optional<bool> d = siteYes("argillic_discontinuous");
        if (!d)
            return need("argillic_discontinuous", QStringLiteral("whether the argillic horizon is discontinuous"));
        return {*d ? State::Holds : State::DoesNotHold,
                *d ? QStringLiteral("the argillic horizon is discontinuous")
                   : QStringLiteral("the argillic horizon is continuous"),
                {}};
    }
    if (criterion == QLatin1String("glossic") || criterion == QLatin1String("haplic")) {
        const Feature &f = feature(QStringLiteral("natric"));
        if (f.found.isEmpty())
            return untilFound(f, QStringLiteral("no natric horizon"));
        const Occurrence &o = f.found.first();
        if (criterion == QLatin1String("glossic")) {
            Tri t = Tri::no(QStringLiteral("skeletans under 10 % of the ped faces below the natric's top"));
            for (int k : o.horizons)
                if (hz.at(k).bottom > o.top + limit::skeletansBelow) {
                    const Tri s = atLeast(hz.at(k), "skeletans_pct", limit::skeletans, QStringLiteral("% skeletans"));
                    t = either(t, s.state == State::Holds ? Tri::yes(at(hz.at(k)) + QStringLiteral(": ") + s.why) : s);
                }
            return fromTri(t);
        }
        double low = 0, total = 0;
        for (int k : o.horizons) {
            const Tri s = sodium(hz.at(k), false);
            if (s.state == State::CannotTell)
                return need("esp_pct", QStringLiteral("the ESP (or SAR) of ") + hz.at(k).designation);
            total += thickness(hz.at(k));
            low += s.state == State::Holds ? thickness(hz.at(k)) : 0;
        }
        const double share = total > 0 ? 100 * low / total : 0;
        return {share >= 50 ? State::Holds : State::DoesNotHold,
                QStringLiteral("ESP under 15 (SAR under 13) in %1 % of the natric horizon %2 50 %")
                    .arg(n(share), share >= 50 ? QStringLiteral("\u2265") : QStringLiteral("<")),
                {}};
    }
    return {State::CannotTell, QStringLiteral("the program has no test \u201c%1\u201d").arg(criterion), {}};
}

bool Soil::knows(const QString &criterion)
{
    static const QStringList known{QStringLiteral("horizon"),
                                   QStringLiteral("above"),
                                   QStringLiteral("contact"),
                                   QStringLiteral("cryic"),
                                   QStringLiteral("moisture_border"),
                                   QStringLiteral("xeric_temperatures"),
                                   QStringLiteral("saturated"),
                                   QStringLiteral("irrigated_aquic"),
                                   QStringLiteral("vertic"),
                                   QStringLiteral("combined"),
                                   QStringLiteral("sodic"),
                                   QStringLiteral("arenic"),
                                   QStringLiteral("abrupt"),
                                   QStringLiteral("pale_colour"),
                                   QStringLiteral("fluventic"),
                                   QStringLiteral("duripan_cementation"),
                                   QStringLiteral("discontinuous_argillic"),
                                   QStringLiteral("glossic"),
                                   QStringLiteral("haplic")};
    return known.contains(criterion);
}

Finding combine(const QList<Finding> &parts, State decisive, State otherwise)
{
    Finding r{otherwise, {}, {}};
    QStringList told, untold;
    for (const Finding &p : parts) {
        if (p.state == decisive)
            return p;
        if (p.state == State::CannotTell) {
            r.state = State::CannotTell;
            if (!p.reason.isEmpty())
                untold << p.reason;
            for (const QString &m : p.missing)
                if (!r.missing.contains(m))
                    r.missing << m;
        } else if (!p.reason.isEmpty())
            told << p.reason;
    }
    r.reason = (r.state == State::CannotTell ? untold : told).join(QStringLiteral("; "));
    return r;
}

QString propertyHeading(const QString &key)
{
    for (const study::Property &p : study::horizonProperties())
        if (key == QLatin1String(p.key))
            return QString::fromUtf8(p.heading);
    if (study::siteProperty(key))
        return study::siteHeading(key);
    return key;
}

} // namespace yuc::eval
