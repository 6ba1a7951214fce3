#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <utility>

namespace yuc {

// One formative element of a taxon name as it stands in the name.
struct NameElement {
    QString text;    // the element as it stands in the word, in the word's own letters and case, e.g. "Hapl"
    QString meaning; // one short phrase; empty for a bare connecting vowel
};

struct ExplainedWord {
    QString word;             // as given, e.g. "Ruptic" (hyphenated words come in as separate words)
    QList<NameElement> parts; // in order; their texts joined give back the word
    bool complete = false;    // every letter of the word belongs to a known element
};

// The formative elements of Soil Taxonomy's names and the splitting of names into them.
class NameElements
{
public:
    // Reads {"elements": [{"forms": [...], "meaning": "...", "with": {"<form>": "..."}} or
    // {"forms": [...], "link": true}, ...]}; "with" gives the meaning an element takes beside another
    // element of the same word (dur in Durinodic means the cement, not a duripan). Returns false (and
    // keeps what it had) on malformed data.
    bool read(const QByteArray &json);
    // Splits one word (case-insensitive) into elements; prefers the split with the fewest parts.
    ExplainedWord explainWord(const QString &word) const;
    // Every word of a name (blanks trimmed and collapsed, hyphens split), in order.
    QList<ExplainedWord> explainName(const QString &name) const;
    // The program's elements, read once from :/key/data/study/elements.json.
    static const NameElements &instance();

private:
    // Forms are kept in a trie over a-z so that a split looks up no strings.
    struct Node {
        std::array<int, 26> next{};
        int element = -1; // the element a form ending here belongs to
    };
    struct Element {
        QString meaning;
        bool link = false;                     // a connecting vowel: stands only between two elements
        QList<std::pair<int, QString>> beside; // another element of the word, and the meaning taken then
    };
    static int formElement(const QList<Node> &nodes, const QString &form); // -1 for no element

    QList<Node> nodes_{Node{}};
    QList<Element> elements_;
};

} // namespace yuc
