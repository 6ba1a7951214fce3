#pragma once

#include "model/keymodel.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace yuc {

// A place in the key: a step, a result screen (or the group window), or the
// option of a step whose destination is a result message.
struct KeyPlace {
    enum class Kind { None, Step, Screen, Message };
    Kind kind = Kind::None;
    QString form; // the step or screen; for a message, the step that shows it
    int option = -1;

    static KeyPlace step(const QString &form) { return {Kind::Step, form, -1}; }
    static KeyPlace screen(const QString &form) { return {Kind::Screen, form, -1}; }
    static KeyPlace message(const QString &step, int option) { return {Kind::Message, step, option}; }
    bool isValid() const { return kind != Kind::None; }
    bool operator==(const KeyPlace &other) const = default;
};

// One step on the way to a place: the option there that leads on; the ones
// before it were ruled out.
struct PathStep {
    const KeyStep *step = nullptr;
    int chosen = -1;
};

// A statement as its step window shows it: the caption, then the labels and
// markers of its rows in reading order, blanks collapsed. Panel buttons are
// not part of the text.
QString statementText(const KeyOption &option);
// The panels an option's buttons open, in reading order.
QList<PanelButton> panelButtons(const KeyOption &option);

// Two taxa side by side: the way both take from the order down, the step
// where they part and the statement each takes there, and what each still
// passes after it.
struct Comparison {
    enum class Kind { None, Same, Below, Apart };
    Kind kind = Kind::None;
    KeyPlace first;
    KeyPlace second;
    // Apart: the steps both pass, the parting step last, and the remaining
    // steps of each way after it; the parting step's option is each side's.
    QList<const KeyStep *> shared;
    int firstOption = -1;
    int secondOption = -1;
    QList<PathStep> firstRest;
    QList<PathStep> secondRest;
    // Below: the one whose way passes through the other.
    KeyPlace lower;
    KeyPlace upper;
};

// Every way through the key, worked out once from the model: how each place
// is reached, what lies below a step and what every place is called.
class KeyPaths
{
public:
    explicit KeyPaths(const KeyModel &model);
    static const KeyPaths &instance();

    const KeyModel &model() const { return m_model; }
    const KeyStep *root() const { return m_root; }

    // The steps from the key to suborders down to the one that leads to the
    // place; empty for the first step and for places the key does not reach.
    QList<PathStep> pathTo(const KeyPlace &place) const;
    // The taxon a place names: a step's caption ("Aridisols" for the first),
    // a result's label or message text, blanks trimmed.
    QString nameOf(const KeyPlace &place) const;
    // Every final result the key reaches, in key order (255).
    const QList<KeyPlace> &finals() const { return m_finals; }
    // The final results reached through a step, in key order.
    QList<KeyPlace> finalsBelow(const QString &stepForm) const;
    // Every named place: the suborder and great-group steps, then the finals.
    const QList<KeyPlace> &taxa() const { return m_taxa; }
    // The place a taxon name (any case, surrounding blanks ignored) names.
    KeyPlace placeNamed(const QString &name) const;
    // Where the ways to two taxa part, or which lies below the other.
    Comparison compare(const KeyPlace &first, const KeyPlace &second) const;

private:
    struct Arrival {
        const KeyStep *from = nullptr;
        int option = -1;
    };
    void walk(const KeyStep *step);

    const KeyModel &m_model;
    const KeyStep *m_root = nullptr;
    QHash<QString, Arrival> m_arrivals; // step or screen form -> how it is reached
    QList<KeyPlace> m_finals;
    QList<KeyPlace> m_taxa;
    QHash<QString, KeyPlace> m_byName; // lower-case name -> place
};

// Answers what is typed into the finder: the taxon named exactly, else the
// taxa whose names contain the text, else those whose statements on the way
// contain every word typed.
class TaxonFinder
{
public:
    explicit TaxonFinder(const KeyPaths &paths);
    static const TaxonFinder &instance();

    struct Answer {
        enum class Kind { Nothing, Exact, ByName, ByStatements };
        Kind kind = Kind::Nothing;
        QList<KeyPlace> places; // the one named exactly, or the matches in key order
    };
    Answer find(const QString &typed) const;
    // Every taxon name, for completion.
    QStringList names() const;

private:
    struct Entry {
        KeyPlace place;
        QString name;
        QString lowerName;
        QString statements; // lower case, what must hold on the way to it
    };
    QList<Entry> m_entries;
};

} // namespace yuc
