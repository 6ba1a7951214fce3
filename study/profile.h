#pragma once

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

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
    QList<std::pair<QString, QString>> site; // field name and value as text, in the file's order
    QList<Horizon> horizons;
    std::optional<Answer> answer;
    QString page;       // the reference or photo page it illustrates, if any
    QJsonObject source; // the whole file as read: what the program does not know is kept
};

// The properties of a horizon that the program knows, with their units, in
// the order a description lists them.
struct Property {
    const char *key;
    const char *heading; // column heading with its unit
    enum Kind { Text, Percent, Number, Ph } kind;
};
const QList<Property> &horizonProperties();
// A site field's heading ("Mean annual precipitation (mm)"), or the key itself.
QString siteHeading(const QString &key);

struct ProfileError {
    QString where; // the field path ("horizons[2].clay_pct") or "line 3, column 7"
    QString what;
};

// Reads a profile file of format 1. On failure returns nothing and says
// where and what is wrong; a file that reads is well formed, its numbers in
// range, its horizons each with a bottom below the top, and its answer (if
// any) a taxon of the key with a reason for every step of the way.
std::optional<Profile> readProfile(const QByteArray &json, ProfileError *error = nullptr);

// The program's practice profiles, read once, in the order of their titles' numbers.
const QList<Profile> &builtInProfiles();

} // namespace yuc::study
