#include "model/profileformat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <array>
#include <charconv>
#include <cmath>

namespace yuc::study {

namespace {

// Thrown inside the reader only, caught at its door.
struct Fault {
    QString where;
    QString what;
};

struct SiteField {
    const char *key;
    const char *heading;
    bool number;
};

constexpr SiteField siteTable[] = {
    {"pedon_id", "Pedon identifier", false},
    {"landform", "Landform", false},
    {"parent_material", "Parent material", false},
    {"slope_pct", "Slope (%)", true},
    {"vegetation", "Vegetation", false},
    {"elevation_m", "Elevation (m)", true},
    {"precipitation_mm", "Mean annual precipitation (mm)", true},
    {"air_temperature_c", "Mean annual air temperature (\u00b0C)", true},
    {"moisture_regime", "Soil moisture regime", false},
    {"temperature_regime", "Soil temperature regime", false},
    {"notes", "Notes", false},
};

const SiteField *siteField(const QString &key)
{
    for (const SiteField &field : siteTable)
        if (key == QLatin1String(field.key))
            return &field;
    return nullptr;
}

// Column names of soil survey exports, and the program's names for them.
const QHash<QString, QString> &aliases()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("hzname"), QStringLiteral("designation")},
        {QStringLiteral("hzdept"), QStringLiteral("top_cm")},
        {QStringLiteral("hzdept_r"), QStringLiteral("top_cm")},
        {QStringLiteral("hzdepb"), QStringLiteral("bottom_cm")},
        {QStringLiteral("hzdepb_r"), QStringLiteral("bottom_cm")},
        {QStringLiteral("claytotal"), QStringLiteral("clay_pct")},
        {QStringLiteral("claytotal_r"), QStringLiteral("clay_pct")},
        {QStringLiteral("sandtotal"), QStringLiteral("sand_pct")},
        {QStringLiteral("sandtotal_r"), QStringLiteral("sand_pct")},
        {QStringLiteral("caco3"), QStringLiteral("caco3_pct")},
        {QStringLiteral("caco3_r"), QStringLiteral("caco3_pct")},
        {QStringLiteral("gypsum"), QStringLiteral("gypsum_pct")},
        {QStringLiteral("gypsum_r"), QStringLiteral("gypsum_pct")},
        {QStringLiteral("ec"), QStringLiteral("ec_dS_m")},
        {QStringLiteral("ec_r"), QStringLiteral("ec_dS_m")},
        {QStringLiteral("sar_r"), QStringLiteral("sar")},
        {QStringLiteral("ph1to1h2o"), QStringLiteral("ph_h2o")},
        {QStringLiteral("ph1to1h2o_r"), QStringLiteral("ph_h2o")},
        {QStringLiteral("texcl"), QStringLiteral("texture_class")},
        {QStringLiteral("peiid"), QStringLiteral("pedon_id")},
        {QStringLiteral("upedonid"), QStringLiteral("pedon_id")},
        {QStringLiteral("site_id"), QStringLiteral("pedon_id")},
    };
    return names;
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

// The horizon's fields under the program's names; an export's name counts
// only where the program's own is not there.
QJsonObject canonical(const QJsonObject &read)
{
    QJsonObject o = read;
    for (auto it = read.begin(); it != read.end(); ++it) {
        const QString name = aliases().value(it.key());
        if (name.isEmpty())
            continue;
        o.remove(it.key());
        if (!read.contains(name))
            o.insert(name, it.value());
    }
    return o;
}

Horizon readHorizon(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        throw Fault{where, QStringLiteral("must be an object")};
    QJsonObject o = canonical(value.toObject());
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
        if (const QString fault = valueFault(p, v); !fault.isEmpty())
            throw Fault{at + key, fault};
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
    for (const QString &known : {QStringLiteral("designation"), QStringLiteral("top_cm"), QStringLiteral("bottom_cm"),
                                 QStringLiteral("features")})
        o.remove(known);
    for (const Property &p : horizonProperties())
        o.remove(QLatin1String(p.key));
    h.extra = o;
    return h;
}

Answer readAnswer(const QJsonValue &value)
{
    if (!value.isObject())
        throw Fault{QStringLiteral("answer"), QStringLiteral("must be an object")};
    const QJsonObject o = value.toObject();
    Answer answer;
    answer.taxon = text(o, QStringLiteral("taxon"), QStringLiteral("answer."), true).simplified();
    const QJsonValue reasons = o.value(QStringLiteral("reasons"));
    if (!reasons.isObject())
        throw Fault{QStringLiteral("answer.reasons"), QStringLiteral("must be an object, one reason per step")};
    const QJsonObject r = reasons.toObject();
    for (auto it = r.begin(); it != r.end(); ++it) {
        if (!it.value().isString() || it.value().toString().trimmed().isEmpty())
            throw Fault{QStringLiteral("answer.reasons.") + it.key(), QStringLiteral("must be a text")};
        answer.reasons.insert(it.key(), it.value().toString().trimmed());
    }
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
    const auto rank = [](const QString &k) {
        const qsizetype i = siteFields().indexOf(k);
        return i < 0 ? siteFields().size() : i;
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

// Line and column (from 1) of a byte offset.
QString lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    const QByteArray before = bytes.left(offset);
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

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

QString horizonValue(const Horizon &horizon, const Property &property)
{
    const QString key = QLatin1String(property.key);
    if (property.kind == Property::Text)
        return horizon.texts.value(key);
    return horizon.numbers.contains(key) ? numberText(horizon.numbers.value(key)) : QString();
}

QList<Property> usedProperties(const Profile &profile)
{
    QList<Property> used;
    for (const Property &property : horizonProperties())
        if (std::any_of(profile.horizons.begin(), profile.horizons.end(),
                        [&](const Horizon &h) { return !horizonValue(h, property).isEmpty(); }))
            used << property;
    return used;
}

const QStringList &siteFields()
{
    static const QStringList fields = [] {
        QStringList keys;
        for (const SiteField &field : siteTable)
            keys << QLatin1String(field.key);
        return keys;
    }();
    return fields;
}

QString siteHeading(const QString &key)
{
    const SiteField *field = siteField(key);
    return field ? QString::fromUtf8(field->heading) : key;
}

bool siteFieldIsNumber(const QString &key)
{
    const SiteField *field = siteField(key);
    return field && field->number;
}

QString programName(const QString &name)
{
    const QString lower = name.trimmed().toLower();
    if (QString alias = aliases().value(lower); !alias.isEmpty())
        return alias;
    static const QHash<QString, QString> own = [] {
        QHash<QString, QString> names;
        for (const char *key : {"designation", "top_cm", "bottom_cm", "features", "title"})
            names.insert(QLatin1String(key), QLatin1String(key));
        for (const Property &p : horizonProperties())
            names.insert(QString::fromLatin1(p.key).toLower(), QLatin1String(p.key));
        for (const QString &key : siteFields())
            names.insert(key.toLower(), key);
        return names;
    }();
    return own.value(lower);
}

QStringList namesFor(const QString &key)
{
    QStringList names{key};
    QStringList exported;
    for (auto it = aliases().begin(); it != aliases().end(); ++it)
        if (it.value() == key)
            exported << it.key();
    exported.sort();
    return names + exported;
}

QString valueFault(const Property &property, double value)
{
    const double top = property.kind == Property::Percent ? 100 : property.kind == Property::Ph ? 14 : 1e9;
    if (value >= 0 && value <= top)
        return {};
    return property.kind == Property::Number
               ? QStringLiteral("(%1) must be 0 or more").arg(numberText(value))
               : QStringLiteral("(%1) must lie between 0 and %2").arg(numberText(value), numberText(top));
}

std::optional<double> readDecimal(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u'+'))
        text = text.sliced(1);
    // Only Latin digits, signs, points, commas and exponents make a number:
    // copied as bytes (a comma as a point) and read without a locale.
    std::array<char, 64> bytes{};
    if (text.isEmpty() || text.size() >= qsizetype(bytes.size()))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80)
            return std::nullopt;
        bytes[size_t(i)] = c == u',' ? '.' : char(c);
    }
    double value = 0;
    const char *end = bytes.data() + text.size();
    const auto [stop, fault] = std::from_chars(bytes.data(), end, value, std::chars_format::general);
    if (fault != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

qsizetype firstInvalidUtf8(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        const int more = lead < 0x80             ? 0
                         : (lead & 0xe0) == 0xc0 ? 1
                         : (lead & 0xf0) == 0xe0 ? 2
                         : (lead & 0xf8) == 0xf0 ? 3
                                                 : -1;
        if (more < 0 || (more == 1 && lead < 0xc2) || i + more >= bytes.size() + (more == 0 ? 1 : 0))
            return i;
        for (int k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(bytes.at(i + k)) & 0xc0) != 0x80)
                return i;
        i += more + 1;
    }
    return -1;
}

std::optional<Profile> parseProfile(const QByteArray &bytes, ProfileError *error)
{
    const auto fail = [error](const QString &where, const QString &what) {
        if (error)
            *error = {where, what};
        return std::nullopt;
    };
    if (bytes.size() > maximumProfileBytes)
        return fail(QStringLiteral("the file"),
                    QStringLiteral("is larger than 1 MiB (%1 bytes): not a profile").arg(bytes.size()));
    if (const qsizetype bad = firstInvalidUtf8(bytes); bad >= 0)
        return fail(lineAndColumn(bytes, bad), QStringLiteral("not UTF-8 text"));
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(lineAndColumn(bytes, parse.offset), QStringLiteral("not JSON: ") + parse.errorString());
    if (!document.isObject())
        return fail(QStringLiteral("the file"), QStringLiteral("must hold one JSON object"));
    try {
        return read(document.object());
    } catch (const Fault &fault) {
        return fail(fault.where, fault.what);
    }
}

QByteArray writeProfile(const Profile &profile)
{
    QJsonObject root = profile.source;
    root.insert(QStringLiteral("format"), 1);
    root.insert(QStringLiteral("title"), profile.title);
    // A site value as it was read where it is unchanged, so that a number
    // stays a number; what was typed goes by the field's kind.
    const QJsonObject oldSite = profile.source.value(QStringLiteral("site")).toObject();
    QJsonObject site;
    for (const auto &[key, value] : profile.site) {
        const QJsonValue old = oldSite.value(key);
        const QString oldText = old.isDouble() ? numberText(old.toDouble()) : old.toString();
        bool number = false;
        const double v = value.toDouble(&number);
        if (!old.isUndefined() && oldText == value)
            site.insert(key, old);
        else if (siteFieldIsNumber(key) && number)
            site.insert(key, v);
        else
            site.insert(key, value);
    }
    root.insert(QStringLiteral("site"), site);
    QJsonArray horizons;
    for (const Horizon &h : profile.horizons) {
        QJsonObject o = h.extra;
        o.insert(QStringLiteral("designation"), h.designation);
        o.insert(QStringLiteral("top_cm"), h.top);
        o.insert(QStringLiteral("bottom_cm"), h.bottom);
        for (const Property &p : horizonProperties()) {
            const QString key = QLatin1String(p.key);
            if (p.kind == Property::Text && h.texts.contains(key))
                o.insert(key, h.texts.value(key));
            else if (p.kind != Property::Text && h.numbers.contains(key))
                o.insert(key, h.numbers.value(key));
        }
        if (!h.features.isEmpty())
            o.insert(QStringLiteral("features"), QJsonArray::fromStringList(h.features));
        horizons.append(o);
    }
    root.insert(QStringLiteral("horizons"), horizons);
    if (!profile.answer)
        root.remove(QStringLiteral("answer"));
    if (profile.page.isEmpty())
        root.remove(QStringLiteral("page"));
    else
        root.insert(QStringLiteral("page"), profile.page);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace yuc::study
