#include "model/nameelements.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVarLengthArray>

#include <tuple>

namespace yuc {

namespace {

// Index of a letter in a trie node, or -1 for anything but a-z in either case.
int letterIndex(QChar c)
{
    const char16_t u = c.toLower().unicode();
    return u >= u'a' && u <= u'z' ? u - u'a' : -1;
}

// What the last part of a partial split is; a connecting vowel must be followed by an element.
enum Kind { KnownPart, LinkPart, UnknownPart, KindCount };

// A split is better with fewer unknown letters, then with fewer parts.
struct Cost {
    int unknown = 0;
    int parts = 0;
    bool operator<(const Cost &other) const { return std::tie(unknown, parts) < std::tie(other.unknown, other.parts); }
};

struct Cell {
    bool reached = false;
    Cost cost;
    int from = 0;             // where the last part starts
    int fromKind = KnownPart; // kind of the part before it
    int element = -1;         // the last part's element; -1 for unknown letters
};

} // namespace

int NameElements::formElement(const QList<Node> &nodes, const QString &form)
{
    int node = 0;
    for (const QChar c : form) {
        const int letter = letterIndex(c);
        node = letter < 0 ? 0 : nodes[node].next[letter];
        if (node == 0)
            return -1;
    }
    return nodes[node].element;
}

bool NameElements::read(const QByteArray &json)
{
    const QJsonValue list = QJsonDocument::fromJson(json).object().value(QLatin1String("elements"));
    if (!list.isArray() || list.toArray().isEmpty())
        return false;
    QList<Node> nodes{Node{}};
    QList<Element> elements;
    for (const QJsonValue v : list.toArray()) {
        const QJsonObject o = v.toObject();
        const Element element{
            o.value(QLatin1String("meaning")).toString().trimmed(), o.value(QLatin1String("link")).toBool(), {}};
        const QJsonArray forms = o.value(QLatin1String("forms")).toArray();
        // An element says what it means; a connecting vowel means nothing by itself.
        if (forms.isEmpty() || element.meaning.isEmpty() != element.link)
            return false;
        for (const QJsonValue f : forms) {
            const QString form = f.toString();
            if (form.isEmpty())
                return false;
            int node = 0;
            for (const QChar c : form) {
                const int letter = letterIndex(c);
                if (letter < 0)
                    return false;
                if (nodes[node].next[letter] == 0) {
                    nodes[node].next[letter] = int(nodes.size());
                    nodes.append(Node{});
                }
                node = nodes[node].next[letter];
            }
            // One form, one meaning: a form listed twice would make splits ambiguous.
            if (nodes[node].element >= 0)
                return false;
            nodes[node].element = int(elements.size());
        }
        elements.append(element);
    }
    // Meanings beside other elements, once every form is known.
    const QJsonArray all = list.toArray();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QJsonObject beside = all.at(i).toObject().value(QLatin1String("with")).toObject();
        for (auto it = beside.begin(); it != beside.end(); ++it) {
            const int other = formElement(nodes, it.key());
            if (other < 0 || it.value().toString().trimmed().isEmpty())
                return false;
            elements[i].beside.append({other, it.value().toString().trimmed()});
        }
    }
    nodes_ = std::move(nodes);
    elements_ = std::move(elements);
    return true;
}

ExplainedWord NameElements::explainWord(const QString &word) const
{
    ExplainedWord result{word, {}, false};
    const int n = int(word.size());
    if (n == 0)
        return result;

    // cells[p * KindCount + k]: the best split of word[0, p) whose last part is of kind k.
    QVarLengthArray<Cell, qsizetype{32} * KindCount> cells(qsizetype(n + 1) * KindCount);
    const auto relax = [&cells](int to, int kind, Cost cost, int from, int fromKind, int element) {
        Cell &cell = cells[to * KindCount + kind];
        if (!cell.reached || cost < cell.cost)
            cell = Cell{true, cost, from, fromKind, element};
    };
    for (int p = 0; p < n; ++p) {
        for (int kind = KnownPart; kind < KindCount; ++kind) {
            const bool start = p == 0 && kind == KnownPart;
            const Cell &cell = cells[p * KindCount + kind];
            if (!start && !cell.reached)
                continue;
            const Cost cost = start ? Cost{} : cell.cost;
            const bool afterElement = !start && kind == KnownPart;
            // Every form that begins here, found by walking the trie along the word.
            int node = 0;
            for (int q = p; q < n; ++q) {
                const int letter = letterIndex(word.at(q));
                node = letter < 0 ? 0 : nodes_[node].next[letter];
                if (node == 0)
                    break;
                const int element = nodes_[node].element;
                if (element < 0)
                    continue;
                if (!elements_[element].link)
                    relax(q + 1, KnownPart, Cost{cost.unknown, cost.parts + 1}, p, kind, element);
                else if (afterElement)
                    relax(q + 1, LinkPart, Cost{cost.unknown, cost.parts + 1}, p, kind, element);
            }
            // Letters no element explains form one part, after an element or at the start: never
            // after another such part, nor after a connecting vowel.
            if (kind == KnownPart)
                for (int q = p + 1; q <= n; ++q)
                    relax(q, UnknownPart, Cost{cost.unknown + q - p, cost.parts + 1}, p, kind, -1);
        }
    }

    // The word may end in an element or in unknown letters, never in a connecting vowel.
    const Cell &known = cells[n * KindCount + KnownPart];
    const Cell &unknown = cells[n * KindCount + UnknownPart];
    int kind = known.reached && !(unknown.reached && unknown.cost < known.cost) ? int(KnownPart) : int(UnknownPart);
    result.complete = (kind == KnownPart ? known : unknown).cost.unknown == 0;
    int p = n;
    QVarLengthArray<int, 8> partElements;
    while (p > 0) {
        const Cell &cell = cells[p * KindCount + kind];
        const QString meaning = cell.element < 0 ? QString() : elements_[cell.element].meaning;
        result.parts.prepend(NameElement{word.mid(cell.from, p - cell.from), meaning});
        partElements.insert(partElements.cbegin(), cell.element);
        p = cell.from;
        kind = cell.fromKind;
    }
    for (qsizetype i = 0; i < partElements.size(); ++i) {
        if (partElements[i] < 0)
            continue;
        for (const auto &[other, meaning] : elements_[partElements[i]].beside)
            if (partElements.contains(other))
                result.parts[i].meaning = meaning;
    }
    return result;
}

QList<ExplainedWord> NameElements::explainName(const QString &name) const
{
    QList<ExplainedWord> words;
    qsizetype begin = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !name.at(i).isSpace() && name.at(i) != QLatin1Char('-'))
            continue;
        if (i > begin)
            words.append(explainWord(name.mid(begin, i - begin)));
        begin = i + 1;
    }
    return words;
}

const NameElements &NameElements::instance()
{
    static const NameElements elements = [] {
        NameElements e;
        QFile file(QStringLiteral(":/key/data/study/elements.json"));
        if (!file.open(QIODevice::ReadOnly) || !e.read(file.readAll()))
            qWarning("The formative elements of taxon names cannot be read");
        return e;
    }();
    return elements;
}

} // namespace yuc
