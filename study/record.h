#pragma once

#include "key/keypaths.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace yuc::study {

// A diagnostic term of the statements and the reference page that explains
// it (a tab of a page, where the page has tabs).
struct Term {
    QString term;
    QString page;
    QString tab;
};
// The program's terms, read once from :/key/data/study/terms.json.
const QList<Term> &terms();

// Where a link of the record leads.
struct Link {
    enum class Kind { None, Step, Panel, Page, Taxon };
    Kind kind = Kind::None;
    QString form;   // step, panel or page
    QString tab;    // the page's tab, if any
    KeyPlace place; // a taxon's place
};
Link resolve(const QUrl &url);

// The record of a place as rich text: its name, the path down to it, what
// its names mean, and for every step on the way the statements ruled out and
// the one chosen; for a step, the statements still to decide and the taxa
// still possible below it. Read as plain text, each statement stands on a
// line of its own beginning "Ruled out: " or "Chosen: ".
QString recordHtml(const KeyPlace &place);

// The short note shown before any place of the key has been reached.
QString welcomeHtml();

// The matches of the finder as rich text, each a link to its record.
QString matchesHtml(const QString &typed, const TaxonFinder::Answer &answer);

} // namespace yuc::study
