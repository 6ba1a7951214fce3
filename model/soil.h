#pragma once

#include "model/profileformat.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace yuc::eval {

// What the data say of a statement or a criterion.
enum class State { Holds, DoesNotHold, CannotTell };

// One criterion decided: its state, the reason in numbers (naming the
// horizons and their depths), and for "cannot tell" what is missing and where.
struct Finding {
    State state = State::CannotTell;
    QString reason;
    QStringList missing; // property keys that would settle it, the most telling first
};

// A diagnostic horizon or contact the data identify (or that only the
// describer's record gives), with its depths.
struct Identified {
    QString name; // "argillic", "calcic", "lithic contact", ...
    double top = 0;
    double bottom = 0;
    bool recordedOnly = false; // the data cannot decide; the describer's record gives it
    bool contradicted = false; // recorded by the describer, but the data say otherwise
    QString reason;
};

// A profile read for the key: its horizons and site, and the diagnostic
// horizons and characteristics worked out from them once, by the program's
// own definitions. Every limit stands once, in soil.cpp.
class Soil
{
public:
    explicit Soil(const study::Profile &profile);
    ~Soil();
    Soil(const Soil &) = delete;
    Soil &operator=(const Soil &) = delete;

    // Decides one criterion by name ("horizon", "contact", "cryic", ...)
    // with the parameters of the statement's test (depth limits and such).
    Finding test(const QString &criterion, const QJsonObject &parameters) const;
    // Whether the evaluator knows a criterion, for checking the key's tests.
    static bool knows(const QString &criterion);
    // The diagnostic horizons and contacts found, top down, and the recorded
    // ones the data contradict.
    QList<Identified> identified() const;

    const study::Profile &profile() const { return m_profile; }

    struct Occurrence;
    struct Analysis;

private:
    const study::Profile &m_profile;
    Analysis *m_analysis;
};

// Three-valued "and" (decisive: does not hold, otherwise holds) and "or"
// (decisive: holds): a decisive part decides with its reason; else one part
// that cannot be told leaves the whole untold, naming what is missing.
Finding combine(const QList<Finding> &parts, State decisive, State otherwise);

// The headings of the properties, site fields and recorded features that a
// "cannot tell" names, for what to measure next.
QString propertyHeading(const QString &key);

} // namespace yuc::eval
