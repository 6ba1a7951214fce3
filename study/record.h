#pragma once

#include "model/evaluation.h"
#include "model/keypaths.h"
#include "model/profile.h"
#include "study/practice.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace yuc::study {

// A diagnostic term of the statements: the phrases that name it in the
// key's wording, a definition of a line or two, and where it is explained
// at length: a reference page (a tab of it, where the page has tabs) or a
// message of the main window's menu.
struct Term {
    QString term;
    QStringList match;
    QString definition;
    QString page;
    QString tab;
    QString menu;
};
// The program's terms, read once from :/key/data/study/terms.json.
const QList<Term> &terms();
// The terms met in a text, each once, in order of first use.
QList<int> termsIn(const QString &text);

// Where a link of the record leads.
struct Link {
    enum class Kind { None, Step, Panel, Page, Menu, Taxon };
    Kind kind = Kind::None;
    QString form;   // step, panel or page; the menu's action
    QString tab;    // the page's tab, if any
    KeyPlace place; // a taxon's place
};
Link resolve(const QUrl &url);

// Everything the record of a place says, worked out from the key's paths:
// the record only formats it.
struct Record {
    KeyPlace place;
    QString name;
    QList<PathStep> way;           // every step on the way, with the option chosen there
    QStringList wayNames;          // the name of each step on the way, then the place's own
    const KeyStep *open = nullptr; // at a step: the statements still to decide
    QList<KeyPlace> below;         // at a step: the taxa still possible below it
    QList<int> terms;              // the terms met in its statements, in order of first use
    std::optional<Verdict> verdict;
    int leftAt = -1; // the step of the way where a practice walk left the path
    std::optional<Comparison> comparison;
    // What a profile's data say of every statement on the way and still to
    // decide, by step; empty where the data are not shown.
    QHash<const KeyStep *, QList<eval::Finding>> data;
    std::optional<eval::KeyResult> keyed; // where the data lead, when asked
    bool dataShownEarly = false;          // the data were shown before the verdict
};
Record recordOf(const KeyPlace &place);
// The data's findings for every statement of the record's way and open step.
void addData(Record &record, const eval::Soil &soil);
// The line the record gives under a statement: "By the data: holds \u2014 ...".
QString dataLine(const eval::Finding &finding);
// The lines that open the record of where the data lead, and what to measure next.
QStringList keyedLines(const eval::KeyResult &result);
QStringList measureNextLines(const eval::KeyResult &result);
// A practice walk's record: the verdict first, the step left at marked.
void addVerdict(Record &record, const Verdict &verdict);
// The lines of a comparison, as the record gives them.
QStringList comparisonLines(const Comparison &comparison);

// The record as rich text: the verdict, the comparison, its name, the path
// down to it, what its names mean, for every step on the way the statements
// ruled out and the one chosen; for a step, the statements still to decide
// and the taxa still possible below it; then the terms on the way. Read as
// plain text, each statement stands on a line of its own beginning
// "Ruled out: " or "Chosen: ".
QString recordHtml(const Record &record);

// A described soil as rich text (title, site, horizons as a table) and as
// plain text (the horizons as tab-separated rows), for handing in.
QString profileHtml(const Profile &profile);
// The site alone, a field a paragraph, as the profile window shows it too.
QString siteHtml(const Profile &profile);
QString profileText(const Profile &profile);

// The short note shown before any place of the key has been reached.
QString welcomeHtml();

// The matches of the finder as rich text, each a link to its record.
QString matchesHtml(const QString &typed, const TaxonFinder::Answer &answer);

} // namespace yuc::study
