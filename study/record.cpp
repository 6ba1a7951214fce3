#include "study/record.h"

#include "key/nameelements.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace yuc::study {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString anchor(const QString &href, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href, escaped(text));
}

QString stepLink(const KeyStep &step, const QString &text)
{
    return anchor(QStringLiteral("step:") + step.form, text);
}

QString taxonLink(const KeyPlace &place)
{
    const KeyPaths &paths = KeyPaths::instance();
    return anchor(QStringLiteral("taxon:%1").arg(paths.taxa().indexOf(place)), paths.nameOf(place));
}

QString paragraph(const QString &html, bool indented = false)
{
    return QStringLiteral("<p style=\"margin-top:3px; margin-bottom:0px;%1\">%2</p>")
        .arg(indented ? QStringLiteral(" margin-left:18px;") : QString(), html);
}

// One alternation over every term, longest first, so that "petrocalcic" is
// never read as "calcic".
const QRegularExpression &termPattern()
{
    static const QRegularExpression pattern = [] {
        QList<Term> sorted = terms();
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Term &a, const Term &b) { return a.term.size() > b.term.size(); });
        QStringList alternatives;
        for (const Term &t : sorted)
            alternatives << QRegularExpression::escape(t.term);
        return QRegularExpression(QStringLiteral("\\b(%1)\\b").arg(alternatives.join(QLatin1Char('|'))),
                                  QRegularExpression::CaseInsensitiveOption);
    }();
    return pattern;
}

int termIndex(const QString &found)
{
    const QList<Term> &all = terms();
    for (int i = 0; i < all.size(); ++i)
        if (all.at(i).term.compare(found, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// A statement with its diagnostic terms linked to their pages.
QString linkedStatement(const QString &text)
{
    QString html;
    qsizetype from = 0;
    for (auto it = termPattern().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        html += escaped(text.mid(from, match.capturedStart() - from));
        html += anchor(QStringLiteral("page:%1").arg(termIndex(match.captured())), match.captured());
        from = match.capturedEnd();
    }
    return html + escaped(text.mid(from));
}

QString statementLine(const QString &lead, const KeyOption &option)
{
    QString html = paragraph(escaped(lead) + linkedStatement(statementText(option)), true);
    const QList<PanelButton> buttons = panelButtons(option);
    if (!buttons.isEmpty()) {
        QStringList links;
        for (const PanelButton &button : buttons)
            links << anchor(QStringLiteral("panel:") + button.panel, button.caption.trimmed());
        html += paragraph(QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;Explained in: ") + links.join(QStringLiteral(", ")),
                          true);
    }
    return html;
}

QString heading(const QString &html)
{
    return QStringLiteral("<p style=\"margin-top:10px; margin-bottom:0px;\"><b>%1</b></p>").arg(html);
}

// A step's heading: its caption, and its frame's where that says more.
QString stepHeading(int number, const KeyStep &step, const QString &more = {})
{
    const QString caption = step.caption.trimmed();
    const QString frame = step.frame.caption.trimmed();
    QString html = QStringLiteral("%1. ").arg(number) + stepLink(step, caption);
    if (!frame.isEmpty() && frame.compare(caption, Qt::CaseInsensitive) != 0)
        html += escaped(QStringLiteral(" (%1)").arg(frame));
    return heading(html + escaped(more));
}

// The meaning of every word of the names on the path, each word once.
QString namesExplained(const QStringList &names)
{
    QString html;
    QSet<QString> seen;
    for (const QString &name : names) {
        for (const ExplainedWord &word : NameElements::instance().explainName(name)) {
            if (seen.contains(word.word.toLower()))
                continue;
            seen.insert(word.word.toLower());
            // Haplocambids = Hapl (...) + o + camb (...) + ids (...): the parts give back the word.
            QStringList parts;
            for (const NameElement &part : word.parts)
                parts << (part.meaning.isEmpty()
                              ? escaped(part.text)
                              : QStringLiteral("<i>%1</i> (%2)").arg(escaped(part.text), escaped(part.meaning)));
            html +=
                paragraph(QStringLiteral("%1 = %2").arg(escaped(word.word), parts.join(QStringLiteral(" + "))), true);
        }
    }
    return html;
}

} // namespace

const QList<Term> &terms()
{
    static const QList<Term> all = [] {
        QList<Term> read;
        QFile file(QStringLiteral(":/key/data/study/terms.json"));
        if (!file.open(QIODevice::ReadOnly))
            return read;
        const QJsonArray array =
            QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("terms")).toArray();
        for (const auto &value : array) {
            const QJsonObject o = value.toObject();
            read << Term{o.value(QLatin1String("term")).toString(), o.value(QLatin1String("page")).toString(),
                         o.value(QLatin1String("tab")).toString()};
        }
        return read;
    }();
    return all;
}

Link resolve(const QUrl &url)
{
    const QString scheme = url.scheme();
    const QString rest = url.path();
    if (scheme == QLatin1String("step"))
        return {Link::Kind::Step, rest, {}, {}};
    if (scheme == QLatin1String("panel"))
        return {Link::Kind::Panel, rest, {}, {}};
    bool ok = false;
    const int index = rest.toInt(&ok);
    if (scheme == QLatin1String("page") && ok && index >= 0 && index < terms().size())
        return {Link::Kind::Page, terms().at(index).page, terms().at(index).tab, {}};
    const QList<KeyPlace> &taxa = KeyPaths::instance().taxa();
    if (scheme == QLatin1String("taxon") && ok && index >= 0 && index < taxa.size())
        return {Link::Kind::Taxon, {}, {}, taxa.at(index)};
    return {};
}

QString recordHtml(const KeyPlace &place)
{
    const KeyPaths &paths = KeyPaths::instance();
    const QString name = paths.nameOf(place);
    const QList<PathStep> path = paths.pathTo(place);

    QStringList names;
    QStringList pathLinks;
    for (const PathStep &step : path) {
        names << paths.nameOf(KeyPlace::step(step.step->form));
        pathLinks << stepLink(*step.step, names.last());
    }
    names << name;
    pathLinks << escaped(name);

    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px; font-size:large;\"><b>%1</b></p>")
                .arg(escaped(name));
    html += paragraph(pathLinks.join(QStringLiteral(" \u203a ")));
    html += heading(QStringLiteral("What the names mean"));
    html += namesExplained(names);

    int number = 0;
    for (const PathStep &step : path) {
        const KeyStep &s = *step.step;
        html += stepHeading(++number, s);
        for (int i = 0; i < step.chosen; ++i)
            html += statementLine(QStringLiteral("Ruled out: "), s.options.at(i));
        html += statementLine(QStringLiteral("Chosen: "), s.options.at(step.chosen));
    }

    if (place.kind == KeyPlace::Kind::Step) {
        if (const KeyStep *step = paths.model().step(place.form)) {
            html += stepHeading(++number, *step, QStringLiteral(": still to decide"));
            for (int i = 0; i < step->options.size(); ++i)
                html += statementLine(QStringLiteral("Statement %1: ").arg(i + 1), step->options.at(i));
            const QList<KeyPlace> below = paths.finalsBelow(step->form);
            html += heading(escaped(QStringLiteral("Taxa still possible below %1 (%2)").arg(name).arg(below.size())));
            QStringList links;
            for (const KeyPlace &taxon : below)
                links << taxonLink(taxon);
            html += paragraph(links.join(QStringLiteral(", ")), true);
        }
    }
    return html + QStringLiteral("</body></html>");
}

QString welcomeHtml()
{
    return QStringLiteral(
        "<html><body><p><b>Classification record</b></p>"
        "<p>To classify a soil, press the \u201cPerforms Classification\u201d button (the card-index box above) and "
        "walk the key. This record follows you: the path you took, the statements you ruled out and the one you "
        "chose at every step, and what the names mean.</p>"
        "<p>Or type a taxon's name in \u201cFind a taxon\u201d to see the way to it, or words such as "
        "\u201cduripan cemented\u201d to list the taxa whose statements contain them.</p></body></html>");
}

QString matchesHtml(const QString &typed, const TaxonFinder::Answer &answer)
{
    QString html = QStringLiteral("<html><body>");
    const QString shown = escaped(typed.simplified());
    switch (answer.kind) {
    case TaxonFinder::Answer::Kind::Nothing:
        html += paragraph(QStringLiteral("No taxon's name or statements contain \u201c%1\u201d.").arg(shown));
        break;
    case TaxonFinder::Answer::Kind::ByName:
        html += heading(
            QStringLiteral("Taxa whose names contain \u201c%1\u201d (%2)").arg(shown).arg(answer.places.size()));
        break;
    case TaxonFinder::Answer::Kind::ByStatements:
        html += heading(QStringLiteral("Taxa whose statements contain every word of \u201c%1\u201d (%2)")
                            .arg(shown)
                            .arg(answer.places.size()));
        break;
    case TaxonFinder::Answer::Kind::Exact:
        break;
    }
    for (const KeyPlace &place : answer.places)
        html += paragraph(taxonLink(place), true);
    return html + QStringLiteral("</body></html>");
}

} // namespace yuc::study
