#include "model/profileformat.h"

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

// What the site holds: the description's fields, then what the key's
// statements test (soil temperature at 50 cm, the moisture control section,
// saturation, irrigation, contacts no horizon shows).
const QList<Property> &siteTable()
{
    static const QList<Property> table{
        {"landform", "Landform", Property::Text},
        {"parent_material", "Parent material", Property::Text},
        {"slope_pct", "Slope (%)", Property::Number},
        {"vegetation", "Vegetation", Property::Text},
        {"elevation_m", "Elevation (m)", Property::Number},
        {"precipitation_mm", "Mean annual precipitation (mm)", Property::Number},
        {"air_temperature_c", "Mean annual air temperature (\u00b0C)", Property::Celsius},
        {"moisture_regime", "Soil moisture regime", Property::Text},
        {"temperature_regime", "Soil temperature regime", Property::Text},
        {"soil_temperature_annual_c", "Mean annual soil temperature at 50 cm (\u00b0C)", Property::Celsius},
        {"soil_temperature_summer_c", "Mean summer soil temperature at 50 cm (\u00b0C)", Property::Celsius},
        {"soil_temperature_winter_c", "Mean winter soil temperature at 50 cm (\u00b0C)", Property::Celsius},
        {"mcs_dry_pct",
         "Moisture control section dry in all parts (% of the time the soil at 50 cm is 5 \u00b0C or warmer)",
         Property::Percent},
        {"moisture_borders", "Moisture regime borders", Property::Choice, "xeric|ustic|neither"},
        {"saturation_top_cm", "Saturated from (cm)", Property::Number},
        {"saturation_months", "Saturated (months per year)", Property::Number},
        {"saturation_years_in_10", "Saturated (years in ten)", Property::Number},
        {"saturated_in_summer", "Saturated in some part of summer", Property::Yes},
        {"irrigated", "Irrigated", Property::Yes},
        {"aquic_conditions", "Aquic conditions", Property::Yes},
        {"aquic_top_cm", "Aquic conditions from (cm)", Property::Number},
        {"o_horizon", "O horizon or histic epipedon", Property::Yes},
        {"lithic_contact_cm", "Lithic contact at (cm)", Property::Number},
        {"paralithic_contact_cm", "Paralithic contact at (cm)", Property::Number},
        {"argillic_discontinuous", "Argillic horizon discontinuous in each pedon", Property::Yes},
        {"notes", "Notes", Property::Text},
    };
    return table;
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
        {QStringLiteral("esp_r"), QStringLiteral("esp_pct")},
        {QStringLiteral("fragvoltot_r"), QStringLiteral("rock_fragments_pct")},
        {QStringLiteral("bsat_r"), QStringLiteral("base_saturation_pct")},
        // Diagnostic features of a pedon record.
        {QStringLiteral("featkind"), QStringLiteral("name")},
        {QStringLiteral("featdept"), QStringLiteral("top_cm")},
        {QStringLiteral("featdept_r"), QStringLiteral("top_cm")},
        {QStringLiteral("featdepb"), QStringLiteral("bottom_cm")},
        {QStringLiteral("featdepb_r"), QStringLiteral("bottom_cm")},
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

// A value of a Text, Yes or Choice property as the program keeps it: the
// text, "yes" or "no", or the choice in lower case.
QString choiceOrText(const Property &p, const QJsonValue &v, const QString &where)
{
    if (p.kind == Property::Yes) {
        if (!v.isBool())
            throw Fault{where, QStringLiteral("must be true or false")};
        return v.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    }
    if (!v.isString())
        throw Fault{where, QStringLiteral("must be text")};
    if (p.kind == Property::Text)
        return v.toString();
    QString choice = v.toString().trimmed().toLower();
    const QStringList choices = propertyChoices(p);
    if (!choices.contains(choice))
        throw Fault{where, QStringLiteral("(\u201c%1\u201d) must be one of: %2")
                               .arg(v.toString(), choices.join(QStringLiteral(", ")))};
    return choice;
}

void checkRange(const Property &p, double v, const QString &where)
{
    // Soils do not freeze below the coldest air nor pass the hottest desert surface.
    if (p.kind == Property::Celsius) {
        if (v < -80 || v > 70)
            throw Fault{where, QStringLiteral("(%1) must lie between -80 and 70 \u00b0C").arg(numberText(v))};
        return;
    }
    const double top = p.kind == Property::Percent ? 100 : p.kind == Property::Ph ? 14 : 1e9;
    if (v < 0 || v > top)
        throw Fault{where, p.kind == Property::Number
                               ? QStringLiteral("(%1) must be 0 or more").arg(numberText(v))
                               : QStringLiteral("(%1) must lie between 0 and %2").arg(numberText(v), numberText(top))};
}

// A value as the file holds it: a Yes property as true or false, a number as a number.
QJsonValue fileValue(const Property &p, const QString &text)
{
    if (p.kind == Property::Yes)
        return text == QLatin1String("yes");
    return text;
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

RecordedFeature readRecorded(const QJsonValue &value, const QString &where)
{
    if (!value.isObject())
        throw Fault{where, QStringLiteral("must be an object")};
    QJsonObject o = canonical(value.toObject());
    const QString at = where + QLatin1Char('.');
    RecordedFeature f;
    f.name = text(o, QStringLiteral("name"), at, true).simplified();
    f.top = number(o, QStringLiteral("top_cm"), at);
    if (f.top < 0)
        throw Fault{at + QStringLiteral("top_cm"), QStringLiteral("must be 0 or more")};
    if (o.contains(QStringLiteral("bottom_cm"))) {
        f.bottom = number(o, QStringLiteral("bottom_cm"), at);
        if (*f.bottom <= f.top)
            throw Fault{
                at + QStringLiteral("bottom_cm"),
                QStringLiteral("(%1 cm) must lie below the top (%2 cm)").arg(numberText(*f.bottom), numberText(f.top))};
    }
    for (const char *known : {"name", "top_cm", "bottom_cm"})
        o.remove(QLatin1String(known));
    f.extra = o;
    return f;
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
        if (p.kind == Property::Text || p.kind == Property::Yes || p.kind == Property::Choice) {
            h.texts.insert(key, choiceOrText(p, o.value(key), at + key));
            continue;
        }
        const double v = number(o, key, at);
        checkRange(p, v, at + key);
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
        const Property *p = siteProperty(key);
        const QString where = QStringLiteral("site.") + key;
        if (p && (p->kind == Property::Yes || p->kind == Property::Choice))
            profile.site.append({key, choiceOrText(*p, v, where)});
        else if (v.isString())
            profile.site.append({key, v.toString()});
        else if (v.isDouble()) {
            // Land lies below the sea in places; every other number has its range.
            if (p && p->kind != Property::Text && key != QLatin1String("elevation_m"))
                checkRange(*p, v.toDouble(), where);
            profile.site.append({key, numberText(v.toDouble())});
        } else
            throw Fault{where, QStringLiteral("must be a text or a number")};
    }
    const QJsonValue horizons = root.value(QStringLiteral("horizons"));
    if (!horizons.isArray() || horizons.toArray().isEmpty())
        throw Fault{QStringLiteral("horizons"), horizons.isUndefined() ? QStringLiteral("is missing")
                                                                       : QStringLiteral("must be a list of horizons")};
    const QJsonArray list = horizons.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        profile.horizons << readHorizon(list.at(i), QStringLiteral("horizons[%1]").arg(i));
    const QJsonValue recorded = root.value(QStringLiteral("diagnostic_features"));
    if (!recorded.isUndefined()) {
        if (!recorded.isArray())
            throw Fault{QStringLiteral("diagnostic_features"), QStringLiteral("must be a list of features")};
        const QJsonArray features = recorded.toArray();
        for (qsizetype i = 0; i < features.size(); ++i)
            profile.recorded << readRecorded(features.at(i), QStringLiteral("diagnostic_features[%1]").arg(i));
    }
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

// The offset of the first byte that is not well-formed UTF-8, or -1.
qsizetype invalidUtf8(const QByteArray &bytes)
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
        // What the key's statements test, beyond the measurements above.
        {"soluble_salts_pct", "Salts more soluble than gypsum (%)", Property::Percent},
        {"secondary_caco3_pct", "Identifiable secondary carbonates (% vol.)", Property::Percent},
        {"secondary_gypsum_pct", "Identifiable secondary gypsum (% vol.)", Property::Percent},
        {"clay_illuviation", "Clay films or bridges", Property::Yes},
        {"structure", "Structure", Property::Choice, "platy|prismatic|columnar|blocky|granular|massive|single grain"},
        {"slickensides", "Slickensides", Property::Yes},
        {"wedge_aggregates", "Wedge-shaped aggregates", Property::Yes},
        {"crack_width_mm", "Cracks, width (mm)", Property::Number},
        {"cemented_pct", "Cemented (% vol.)", Property::Percent},
        {"cementing_agent", "Cemented by", Property::Choice, "silica|carbonate|gypsum|iron"},
        {"durinodes_pct", "Durinodes (% vol.)", Property::Percent},
        {"nodules_pct", "Nodules or concretions (% vol.)", Property::Percent},
        {"brittle", "Brittle", Property::Yes},
        {"rupture_moist", "Rupture resistance, moist", Property::Choice,
         "loose|very friable|friable|firm|very firm|extremely firm|slightly rigid|rigid|very rigid"},
        {"pumice_fragments_pct", "Cinders, pumice and pumice-like (% of the fragments)", Property::Percent},
        {"fraction_002_2mm_pct", "Particles 0.02\u20132.0 mm (% of fine earth)", Property::Percent},
        {"oxalate_al_fe_pct", "Al + \u00bdFe, acid oxalate (%)", Property::Percent},
        {"p2o5_citric_mg_kg", "P\u2082O\u2085 soluble in citric acid (mg/kg)", Property::Number},
        {"base_saturation_pct", "Base saturation (%)", Property::Percent},
        {"skeletans_pct", "Skeletans (% of ped faces)", Property::Percent},
        {"redox_features", "Redoximorphic features", Property::Yes},
        {"lower_boundary", "Lower boundary", Property::Choice, "very abrupt|abrupt|clear|gradual|diffuse"},
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
    if (property.kind == Property::Text || property.kind == Property::Yes || property.kind == Property::Choice)
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

QStringList propertyChoices(const Property &property)
{
    if (property.kind == Property::Yes)
        return {QStringLiteral("yes"), QStringLiteral("no")};
    return property.choices ? QString::fromUtf8(property.choices).split(QLatin1Char('|')) : QStringList();
}

const QStringList &siteFields()
{
    static const QStringList fields = [] {
        QStringList keys;
        for (const Property &field : siteTable())
            keys << QLatin1String(field.key);
        return keys;
    }();
    return fields;
}

const Property *siteProperty(const QString &key)
{
    for (const Property &field : siteTable())
        if (key == QLatin1String(field.key))
            return &field;
    return nullptr;
}

QString siteHeading(const QString &key)
{
    const Property *field = siteProperty(key);
    return field ? QString::fromUtf8(field->heading) : key;
}

bool siteFieldIsNumber(const QString &key)
{
    const Property *field = siteProperty(key);
    return field
           && (field->kind == Property::Number || field->kind == Property::Percent || field->kind == Property::Celsius);
}

QString siteText(const Profile &profile, const QString &key)
{
    for (const auto &[name, value] : profile.site)
        if (name == key)
            return value.trimmed();
    return {};
}

std::optional<double> siteNumber(const Profile &profile, const QString &key)
{
    bool ok = false;
    const double v = siteText(profile, key).toDouble(&ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

std::optional<bool> siteYes(const Profile &profile, const QString &key)
{
    const QString v = siteText(profile, key).toLower();
    if (v == QLatin1String("yes"))
        return true;
    if (v == QLatin1String("no"))
        return false;
    return std::nullopt;
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
    if (const qsizetype bad = invalidUtf8(bytes); bad >= 0)
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
        const Property *p = siteProperty(key);
        if (!old.isUndefined() && oldText == value)
            site.insert(key, old);
        else if (p && p->kind == Property::Yes)
            site.insert(key, fileValue(*p, value));
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
            if (h.texts.contains(key))
                o.insert(key, fileValue(p, h.texts.value(key)));
            else if (h.numbers.contains(key))
                o.insert(key, h.numbers.value(key));
        }
        if (!h.features.isEmpty())
            o.insert(QStringLiteral("features"), QJsonArray::fromStringList(h.features));
        horizons.append(o);
    }
    root.insert(QStringLiteral("horizons"), horizons);
    if (profile.recorded.isEmpty())
        root.remove(QStringLiteral("diagnostic_features"));
    else {
        QJsonArray features;
        for (const RecordedFeature &f : profile.recorded) {
            QJsonObject o = f.extra;
            o.insert(QStringLiteral("name"), f.name);
            o.insert(QStringLiteral("top_cm"), f.top);
            if (f.bottom)
                o.insert(QStringLiteral("bottom_cm"), *f.bottom);
            features.append(o);
        }
        root.insert(QStringLiteral("diagnostic_features"), features);
    }
    if (!profile.answer)
        root.remove(QStringLiteral("answer"));
    if (profile.page.isEmpty())
        root.remove(QStringLiteral("page"));
    else
        root.insert(QStringLiteral("page"), profile.page);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace yuc::study
