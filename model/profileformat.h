#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace yuc::study {

// One horizon of a described soil. Numbers that were not measured are
// absent, never zero: "unknown" and "none" differ.
struct Horizon {
    QString designation;
    double top = 0;
    double bottom = 0;
    QHash<QString, double> numbers; // clay_pct, ec_dS_m, ph_h2o, ... by their file names
    QHash<QString, QString> texts;  // munsell_moist, texture_class, cementation_class, ...
    QStringList features;
    QJsonObject extra; // fields the program does not know, written back as they came
};

// A diagnostic horizon or feature as the describer recorded it (soil survey
// pedon records hold them as kind, top and bottom); the bottom may be open.
struct RecordedFeature {
    QString name; // "argillic horizon", "lithic contact", ...
    double top = 0;
    std::optional<double> bottom;
    QJsonObject extra;
};

// The taxon a described soil keys out as, and for every step of its way the
// property that decides it, by the step's caption.
struct Answer {
    QString taxon;
    QHash<QString, QString> reasons;
};

// A described soil: where it lies, its horizons, and (for practice) its answer.
struct Profile {
    QString title;
    QList<std::pair<QString, QString>> site; // field name and value as text, in a description's order
    QList<Horizon> horizons;
    QList<RecordedFeature> recorded; // "diagnostic_features"
    std::optional<Answer> answer;
    QString page;       // the reference or photo page it illustrates, if any
    QJsonObject source; // the whole file as read: what the program does not know is kept
};

// The properties of a horizon that the program knows, with their units, in
// the order a description lists them.
struct Property {
    const char *key;
    const char *heading; // column heading with its unit
    // Celsius: a temperature, below zero too.
    // Yes: true or false (written as JSON true or false, shown as "yes" or "no").
    // Choice: one of the texts in choices.
    enum Kind { Text, Percent, Number, Ph, Yes, Choice, Celsius } kind;
    const char *choices = nullptr; // Choice: the allowed texts, separated by '|'
};
// The texts a Choice (or Yes) property or site field takes, lower case.
QStringList propertyChoices(const Property &property);
const QList<Property> &horizonProperties();
// A number as the program shows and writes it: the fewest digits that give it back.
QString numberText(double value);
// A horizon's value of a property as text; empty where it was not measured.
QString horizonValue(const Horizon &horizon, const Property &property);
// The properties some horizon of the profile gives, in their order: a column
// nobody measured is left out of a table.
QList<Property> usedProperties(const Profile &profile);
// The site fields a description gives, in its order.
const QStringList &siteFields();
// A site field as a property: its key, heading and kind of value; null for a
// field the program does not know.
const Property *siteProperty(const QString &key);
// The site's value of a field as a number, or as yes (true) and no (false);
// nothing where it is not given or is not of that kind.
std::optional<double> siteNumber(const Profile &profile, const QString &key);
std::optional<bool> siteYes(const Profile &profile, const QString &key);
QString siteText(const Profile &profile, const QString &key);
// A site field's heading ("Mean annual precipitation (mm)"), or the key itself.
QString siteHeading(const QString &key);
// Whether a site field holds a number (slope, elevation, rainfall, temperature).
bool siteFieldIsNumber(const QString &key);

struct ProfileError {
    QString where; // the field path ("horizons[2].clay_pct") or "line 3, column 7"
    QString what;
};

// The largest profile file read: a description is a few kilobytes.
constexpr qsizetype maximumProfileBytes = qsizetype(1024) * 1024;

// Reads the bytes of a profile file of format 1: UTF-8 JSON no larger than
// maximumProfileBytes, well formed, its numbers in range, each horizon's
// bottom below its top. The answer, if any, is read but not checked against
// the key. Column names of soil survey exports (hzname, hzdept, claytotal, ...)
// are taken for the program's own. On failure returns nothing and says where
// and what is wrong.
std::optional<Profile> parseProfile(const QByteArray &bytes, ProfileError *error = nullptr);

// The profile as a file of format 1; every field it was read with that the
// program does not know is written back unchanged.
QByteArray writeProfile(const Profile &profile);

} // namespace yuc::study
