#include "study/profile.h"

#include "key/keypaths.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace yuc::study {

namespace {

// Thrown inside the reader only, caught at its door.
struct Fault {
    QString where;
    QString what;
};

const QHash<QString, QString> &siteHeadings()
{
    static const QHash<QString, QString> headings{
        {QStringLiteral("landform"), QStringLiteral("Landform")},
        {QStringLiteral("parent_material"), QStringLiteral("Parent material")},
        {QStringLiteral("slope_pct"), QStringLiteral("Slope (%)")},
        {QStringLiteral("vegetation"), QStringLiteral("Vegetation")},
        {QStringLiteral("elevation_m"), QStringLiteral("Elevation (m)")},
        {QStringLiteral("precipitation_mm"), QStringLiteral("Mean annual precipitation (mm)")},
        {QStringLiteral("air_temperature_c"), QStringLiteral("Mean annual air temperature (\u00b0C)")},
        {QStringLiteral("moisture_regime"), QStringLiteral("Soil moisture regime")},
        {QStringLiteral("temperature_regime"), QStringLiteral("Soil temperature regime")},
        {QStringLiteral("notes"), QStringLiteral("Notes")},
    };
    return headings;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 8);
}

double number(const QJsonObject &o, const QString &key, const QString &where)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        throw Fault{where + key, QStringLiteral("is missing")};
    if (!v.isDouble())
        throw Fault{where + key, QStringLiteral("must be a number")};
    return v.toDouble();
}

QString text(const QJsonObject &o, const QString &key, const QString &where, bool required)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined() && !required)
        return {};
    if (v.isUndefined())
        throw Fault{where + key, QStringLiteral("is missing")};
    if (!v.isString())
        throw Fault{where + key, QStringLiteral("must be text")};
    if (required && v.toString().trimmed().isEmpty())
        throw Fault{where + key, QStringLiteral("is empty")};
    return v.toString();
}

Horizon readHorizon(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        throw Fault{where, QStringLiteral("must be an object")};
    const QJsonObject o = value.toObject();
    const QString at = where + QLatin1Char('.');
    Horizon h;
    h.designation = text(o, QStringLiteral("designation"), at, true);
    h.top = number(o, QStringLiteral("top_cm"), at);
    h.bottom = number(o, QStringLiteral("bottom_cm"), at);
    if (h.top < 0)
        throw Fault{at + QStringLiteral("top_cm"), QStringLiteral("must be 0 or more")};
    if (h.bottom <= h.top)
        throw Fault{
            at + QStringLiteral("bottom_cm"),
            QStringLiteral("(%1 cm) must lie below the top (%2 cm)").arg(numberText(h.bottom), numberText(h.top))};
    for (const Property &p : horizonProperties()) {
        const QString key = QLatin1String(p.key);
        if (!o.contains(key))
            continue;
        if (p.kind == Property::Text) {
            h.texts.insert(key, text(o, key, at, false));
            continue;
        }
        const double v = number(o, key, at);
        const double top = p.kind == Property::Percent ? 100 : p.kind == Property::Ph ? 14 : 1e9;
        if (v < 0 || v > top)
            throw Fault{at + key,
                        p.kind == Property::Number
                            ? QStringLiteral("(%1) must be 0 or more").arg(numberText(v))
                            : QStringLiteral("(%1) must lie between 0 and %2").arg(numberText(v), numberText(top))};
        h.numbers.insert(key, v);
    }
    const QJsonValue features = o.value(QStringLiteral("features"));
    if (!features.isUndefined()) {
        if (!features.isArray())
            throw Fault{at + QStringLiteral("features"), QStringLiteral("must be a list of texts")};
        for (const QJsonValue f : features.toArray()) {
            if (!f.isString())
                throw Fault{at + QStringLiteral("features"), QStringLiteral("must be a list of texts")};
            h.features << f.toString();
        }
    }
    return h;
}

Answer readAnswer(const QJsonValue &value)
{
    if (!value.isObject())
        throw Fault{QStringLiteral("answer"), QStringLiteral("must be an object")};
    const QJsonObject o = value.toObject();
    Answer answer;
    answer.taxon = text(o, QStringLiteral("taxon"), QStringLiteral("answer."), true).simplified();
    const KeyPaths &paths = KeyPaths::instance();
    const KeyPlace place = paths.placeNamed(answer.taxon);
    if (!paths.finals().contains(place))
        throw Fault{QStringLiteral("answer.taxon"),
                    QStringLiteral("\u201c%1\u201d is not a subgroup the key reaches").arg(answer.taxon)};
    const QJsonValue reasons = o.value(QStringLiteral("reasons"));
    if (!reasons.isObject())
        throw Fault{QStringLiteral("answer.reasons"), QStringLiteral("must be an object, one reason per step")};
    QStringList captions;
    for (const PathStep &step : paths.pathTo(place))
        captions << step.step->caption.trimmed();
    const QJsonObject r = reasons.toObject();
    for (auto it = r.begin(); it != r.end(); ++it) {
        if (!captions.contains(it.key()))
            throw Fault{QStringLiteral("answer.reasons.") + it.key(),
                        QStringLiteral("is not a step on the way to %1").arg(answer.taxon)};
        if (!it.value().isString() || it.value().toString().trimmed().isEmpty())
            throw Fault{QStringLiteral("answer.reasons.") + it.key(), QStringLiteral("must be a text")};
        answer.reasons.insert(it.key(), it.value().toString().trimmed());
    }
    for (const QString &caption : captions)
        if (!answer.reasons.contains(caption))
            throw Fault{QStringLiteral("answer.reasons"),
                        QStringLiteral("has no reason for the step \u201c%1\u201d").arg(caption)};
    return answer;
}

Profile read(const QJsonObject &root)
{
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (format.isUndefined())
        throw Fault{QStringLiteral("format"), QStringLiteral("is missing")};
    if (format.toDouble() != 1)
        throw Fault{QStringLiteral("format"), QStringLiteral("is not a format this program reads (1)")};
    Profile profile;
    profile.source = root;
    profile.title = text(root, QStringLiteral("title"), {}, true).simplified();
    const QJsonValue site = root.value(QStringLiteral("site"));
    if (!site.isObject())
        throw Fault{QStringLiteral("site"),
                    site.isUndefined() ? QStringLiteral("is missing") : QStringLiteral("must be an object")};
    // In the order a description gives them (QJsonObject keeps keys sorted);
    // fields the program does not know come last.
    const QJsonObject s = site.toObject();
    QStringList keys = s.keys();
    static const QStringList known{QStringLiteral("landform"),           QStringLiteral("parent_material"),
                                   QStringLiteral("slope_pct"),          QStringLiteral("vegetation"),
                                   QStringLiteral("elevation_m"),        QStringLiteral("precipitation_mm"),
                                   QStringLiteral("air_temperature_c"),  QStringLiteral("moisture_regime"),
                                   QStringLiteral("temperature_regime"), QStringLiteral("notes")};
    const auto rank = [](const QString &k) {
        const qsizetype i = known.indexOf(k);
        return i < 0 ? known.size() : i;
    };
    std::stable_sort(keys.begin(), keys.end(), [&](const QString &a, const QString &b) { return rank(a) < rank(b); });
    for (const QString &key : keys) {
        const QJsonValue v = s.value(key);
        if (v.isString())
            profile.site.append({key, v.toString()});
        else if (v.isDouble())
            profile.site.append({key, numberText(v.toDouble())});
        else
            throw Fault{QStringLiteral("site.") + key, QStringLiteral("must be a text or a number")};
    }
    const QJsonValue horizons = root.value(QStringLiteral("horizons"));
    if (!horizons.isArray() || horizons.toArray().isEmpty())
        throw Fault{QStringLiteral("horizons"), horizons.isUndefined() ? QStringLiteral("is missing")
                                                                       : QStringLiteral("must be a list of horizons")};
    const QJsonArray list = horizons.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        profile.horizons << readHorizon(list.at(i), QStringLiteral("horizons[%1]").arg(i));
    if (root.contains(QStringLiteral("answer")))
        profile.answer = readAnswer(root.value(QStringLiteral("answer")));
    profile.page = text(root, QStringLiteral("page"), {}, false);
    return profile;
}

// Line and column (from 1) of a character offset, for a parse error.
QString lineAndColumn(const QByteArray &json, int offset)
{
    const QByteArray before = json.left(offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = offset - (before.lastIndexOf('\n') + 1) + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

} // namespace

const QList<Property> &horizonProperties()
{
    static const QList<Property> properties{
        {"munsell_moist", "Colour, moist", Property::Text},
        {"munsell_dry", "Colour, dry", Property::Text},
        {"texture_class", "Texture", Property::Text},
        {"clay_pct", "Clay (%)", Property::Percent},
        {"sand_pct", "Sand (%)", Property::Percent},
        {"rock_fragments_pct", "Rock fragments (% vol.)", Property::Percent},
        {"caco3_pct", "CaCO\u2083 equivalent (%)", Property::Percent},
        {"gypsum_pct", "Gypsum (%)", Property::Percent},
        {"organic_carbon_pct", "Organic carbon (%)", Property::Percent},
        {"ec_dS_m", "EC, saturated paste (dS/m)", Property::Number},
        {"sar", "SAR", Property::Number},
        {"esp_pct", "ESP (%)", Property::Percent},
        {"ph_h2o", "pH (water)", Property::Ph},
        {"volcanic_glass_pct", "Volcanic glass in 0.02\u20132.0 mm (%)", Property::Percent},
        {"cole", "COLE", Property::Number},
        {"cementation_class", "Cementation", Property::Text},
        {"rupture_resistance", "Rupture resistance", Property::Text},
    };
    return properties;
}

QString siteHeading(const QString &key)
{
    return siteHeadings().value(key, key);
}

std::optional<Profile> readProfile(const QByteArray &json, ProfileError *error)
{
    const auto fail = [error](const QString &where, const QString &what) {
        if (error)
            *error = {where, what};
        return std::nullopt;
    };
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(lineAndColumn(json, parse.offset), QStringLiteral("not JSON: ") + parse.errorString());
    if (!document.isObject())
        return fail(QStringLiteral("the file"), QStringLiteral("must hold one JSON object"));
    try {
        return read(document.object());
    } catch (const Fault &fault) {
        return fail(fault.where, fault.what);
    }
}

const QList<Profile> &builtInProfiles()
{
    static const QList<Profile> profiles = [] {
        QList<Profile> read;
        const QDir dir(QStringLiteral(":/study/profiles"));
        for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            QFile file(dir.filePath(name));
            ProfileError error;
            const std::optional<Profile> profile =
                file.open(QIODevice::ReadOnly) ? readProfile(file.readAll(), &error) : std::nullopt;
            if (profile)
                read << *profile;
            else
                qWarning("Practice profile %s: %s %s", qPrintable(name), qPrintable(error.where),
                         qPrintable(error.what));
        }
        return read;
    }();
    return profiles;
}

} // namespace yuc::study
