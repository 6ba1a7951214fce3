#include "study/record.h"

#include "model/nameelements.h"
#include "study/handin.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <utility>

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

// Every phrase that names a term, and the terms it names (a phrase such as
// "lithic or paralithic contact" names two).
const QHash<QString, QList<int>> &phraseTerms()
{
    static const QHash<QString, QList<int>> phrases = [] {
        QHash<QString, QList<int>> read;
        for (qsizetype i = 0; i < terms().size(); ++i)
            for (const QString &phrase : terms().at(i).match)
                read[phrase.toLower()] << int(i);
        return read;
    }();
    return phrases;
}

// One alternation over every phrase, longest first, so that "petrocalcic" is
// never read as "calcic"; whole words only where a phrase begins or ends in one.
const QRegularExpression &termPattern()
{
    static const QRegularExpression pattern = [] {
        QStringList phrases = phraseTerms().keys();
        std::sort(phrases.begin(), phrases.end(), [](const QString &a, const QString &b) {
            return a.size() != b.size() ? a.size() > b.size() : a < b;
        });
        QStringList alternatives;
        for (const QString &phrase : phrases) {
            const auto edge = [](QChar c) { return c.isLetterOrNumber() ? QStringLiteral("\\b") : QString(); };
            alternatives << edge(phrase.front()) + QRegularExpression::escape(phrase) + edge(phrase.back());
        }
        return QRegularExpression(QStringLiteral("(%1)").arg(alternatives.join(QLatin1Char('|'))),
                                  QRegularExpression::CaseInsensitiveOption);
    }();
    return pattern;
}

// Where a term's link leads: its page, its menu message, or its line in the record.
QString termHref(int index)
{
    const Term &term = terms().at(index);
    if (!term.page.isEmpty())
        return QStringLiteral("page:%1").arg(index);
    if (!term.menu.isEmpty())
        return QStringLiteral("menu:%1").arg(index);
    return QStringLiteral("#term-%1").arg(index);
}

// A statement with its diagnostic terms linked.
QString linkedStatement(const QString &text)
{
    QString html;
    qsizetype from = 0;
    for (auto it = termPattern().globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        html += escaped(text.mid(from, match.capturedStart() - from));
        html += anchor(termHref(phraseTerms().value(match.captured().toLower()).first()), match.captured());
        from = match.capturedEnd();
    }
    return html + escaped(text.mid(from));
}

QString statementLine(const QString &lead, const KeyOption &option, const eval::Finding *data = nullptr)
{
    // The data's line goes in the statement's own paragraph: one block less to lay out.
    QString html =
        paragraph(escaped(lead) + linkedStatement(statementText(option))
                      + (data ? QStringLiteral("<br/>&nbsp;&nbsp;&nbsp;&nbsp;<i>%1</i>").arg(escaped(dataLine(*data)))
                              : QString()),
                  true);
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

const QList<eval::Finding> *findingsOf(const Record &record, const KeyStep *step)
{
    const auto it = record.data.constFind(step);
    return it == record.data.cend() ? nullptr : &*it;
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
            Term term{o.value(QLatin1String("term")).toString(),       {},
                      o.value(QLatin1String("definition")).toString(), o.value(QLatin1String("page")).toString(),
                      o.value(QLatin1String("tab")).toString(),        o.value(QLatin1String("menu")).toString()};
            for (const auto &phrase : o.value(QLatin1String("match")).toArray())
                term.match << phrase.toString();
            if (term.match.isEmpty())
                term.match << term.term;
            read << term;
        }
        return read;
    }();
    return all;
}

QList<int> termsIn(const QString &text)
{
    QList<int> found;
    for (auto it = termPattern().globalMatch(text); it.hasNext();)
        for (const int term : phraseTerms().value(it.next().captured().toLower()))
            if (!found.contains(term))
                found << term;
    return found;
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
    if (scheme == QLatin1String("menu") && ok && index >= 0 && index < terms().size())
        return {Link::Kind::Menu, terms().at(index).menu, {}, {}};
    const QList<KeyPlace> &taxa = KeyPaths::instance().taxa();
    if (scheme == QLatin1String("taxon") && ok && index >= 0 && index < taxa.size())
        return {Link::Kind::Taxon, {}, {}, taxa.at(index)};
    return {};
}

Record recordOf(const KeyPlace &place)
{
    const KeyPaths &paths = KeyPaths::instance();
    Record record;
    record.place = place;
    record.name = paths.nameOf(place);
    record.way = paths.pathTo(place);
    QStringList statements;
    for (const PathStep &step : std::as_const(record.way)) {
        record.wayNames << paths.nameOf(KeyPlace::step(step.step->form));
        for (int i = 0; i <= step.chosen; ++i)
            statements << statementText(step.step->options.at(i));
    }
    record.wayNames << record.name;
    if (place.kind == KeyPlace::Kind::Step) {
        record.open = paths.model().step(place.form);
        if (record.open) {
            for (const KeyOption &option : record.open->options)
                statements << statementText(option);
            record.below = paths.finalsBelow(place.form);
        }
    }
    record.terms = termsIn(statements.join(QLatin1Char('\n')));
    return record;
}

void addData(Record &record, const eval::Soil &soil)
{
    for (const PathStep &step : std::as_const(record.way))
        record.data.insert(step.step, eval::decideStep(soil, *step.step).statements);
    if (record.open)
        record.data.insert(record.open, eval::decideStep(soil, *record.open).statements);
}

QString dataLine(const eval::Finding &finding)
{
    return QStringLiteral("By the data: %1 \u2014 %2")
        .arg(eval::stateText(finding.state),
             finding.reason.isEmpty() ? QStringLiteral("no reason given") : finding.reason);
}

QStringList keyedLines(const eval::KeyResult &result)
{
    if (result.decided())
        return {QStringLiteral("By the data, this soil keys out as %1.").arg(result.taxon)};
    const KeyStep *step = result.stoppedAt();
    if (!step)
        return {};
    QStringList between;
    for (const int i : result.undecided)
        between << QStringLiteral("statement %1").arg(i + 1);
    QStringList lines{QStringLiteral("By the data, the key stops at %1: it cannot tell between %2.")
                          .arg(step->caption.trimmed(), between.isEmpty() ? QStringLiteral("its statements")
                                                                          : between.join(QStringLiteral(", ")))};
    for (const int i : result.undecided)
        lines << QStringLiteral("Statement %1: %2").arg(i + 1).arg(dataLine(result.way.last().statements.at(i)));
    return lines;
}

QStringList measureNextLines(const eval::KeyResult &result)
{
    if (result.measureNext.isEmpty())
        return {result.decided() ? QStringLiteral("Nothing more: the data decide every statement on the way.")
                                 : QStringLiteral("Nothing the program can name: no statement of the step holds.")};
    QStringList lines;
    for (const QString &key : result.measureNext)
        lines << eval::propertyHeading(key);
    return lines;
}

void addVerdict(Record &record, const Verdict &verdict)
{
    if (verdict.kind == Verdict::Kind::None)
        return;
    record.verdict = verdict;
    for (qsizetype i = 0; i < record.way.size(); ++i)
        if (record.way.at(i).step == verdict.leftAt)
            record.leftAt = int(i);
}

QStringList comparisonLines(const Comparison &comparison)
{
    const KeyPaths &paths = KeyPaths::instance();
    const QString first = paths.nameOf(comparison.first);
    const QString second = paths.nameOf(comparison.second);
    QStringList lines{QStringLiteral("%1 compared with %2").arg(first, second)};
    switch (comparison.kind) {
    case Comparison::Kind::None:
        return {};
    case Comparison::Kind::Same:
        lines << QStringLiteral("Both name the same taxon.");
        break;
    case Comparison::Kind::Below:
        lines
            << QStringLiteral("%1 lies below %2.").arg(paths.nameOf(comparison.lower), paths.nameOf(comparison.upper));
        break;
    case Comparison::Kind::Apart: {
        QStringList shared;
        for (const KeyStep *step : comparison.shared)
            shared << paths.nameOf(KeyPlace::step(step->form));
        const KeyStep *parting = comparison.shared.last();
        lines << QStringLiteral("Shared way: ") + shared.join(QStringLiteral(" \u203a "))
              << QStringLiteral("They part at: ") + parting->caption.trimmed()
              << QStringLiteral("%1: %2").arg(first, statementText(parting->options.at(comparison.firstOption)))
              << QStringLiteral("%1: %2").arg(second, statementText(parting->options.at(comparison.secondOption)));
        for (const auto &[name, rest] :
             {std::pair{first, comparison.firstRest}, std::pair{second, comparison.secondRest}})
            for (const PathStep &step : rest)
                lines << QStringLiteral("%1, then at %2: %3")
                             .arg(name, step.step->caption.trimmed(),
                                  statementText(step.step->options.at(step.chosen)));
        break;
    }
    }
    return lines;
}

QString recordHtml(const Record &record)
{
    const KeyPaths &paths = KeyPaths::instance();
    QString html = QStringLiteral("<html><body>");
    if (record.verdict) {
        const QStringList lines = verdictLines(paths, *record.verdict);
        for (qsizetype i = 0; i < lines.size(); ++i)
            html += paragraph(i == 0 ? QStringLiteral("<b>%1</b>").arg(escaped(lines.at(i))) : escaped(lines.at(i)),
                              i > 0 && i + 1 < lines.size());
    }
    if (record.comparison) {
        const QStringList lines = comparisonLines(*record.comparison);
        for (qsizetype i = 0; i < lines.size(); ++i)
            html +=
                paragraph(i == 0 ? QStringLiteral("<b>%1</b>").arg(escaped(lines.at(i))) : escaped(lines.at(i)), i > 0);
    }
    if (record.verdict && record.dataShownEarly)
        html += paragraph(escaped(QStringLiteral("The data were shown before the verdict.")), true);
    if (record.keyed) {
        const QStringList lines = keyedLines(*record.keyed);
        for (qsizetype i = 0; i < lines.size(); ++i)
            html +=
                paragraph(i == 0 ? QStringLiteral("<b>%1</b>").arg(escaped(lines.at(i))) : escaped(lines.at(i)), i > 0);
    }
    if (record.verdict || record.comparison || record.keyed)
        html += QStringLiteral("<hr/>");

    QStringList pathLinks;
    for (qsizetype i = 0; i < record.way.size(); ++i)
        pathLinks << stepLink(*record.way.at(i).step, record.wayNames.at(i));
    pathLinks << escaped(record.name);
    html += QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px; font-size:large;\"><b>%1</b></p>")
                .arg(escaped(record.name));
    html += paragraph(pathLinks.join(QStringLiteral(" \u203a ")));
    html += heading(QStringLiteral("What the names mean"));
    html += namesExplained(record.wayNames);

    int number = 0;
    for (const PathStep &step : record.way) {
        const KeyStep &s = *step.step;
        const bool left = number == record.leftAt;
        html += stepHeading(++number, s, left ? QStringLiteral(" \u2014 here the walk left the path") : QString());
        const QList<eval::Finding> *data = findingsOf(record, &s);
        const auto finding = [data](int i) { return data && i < data->size() ? &data->at(i) : nullptr; };
        for (int i = 0; i < step.chosen; ++i)
            html += statementLine(QStringLiteral("Ruled out: "), s.options.at(i), finding(i));
        html += statementLine(QStringLiteral("Chosen: "), s.options.at(step.chosen), finding(step.chosen));
    }

    if (record.open) {
        html += stepHeading(++number, *record.open, QStringLiteral(": still to decide"));
        const QList<eval::Finding> *data = findingsOf(record, record.open);
        for (int i = 0; i < record.open->options.size(); ++i)
            html += statementLine(QStringLiteral("Statement %1: ").arg(i + 1), record.open->options.at(i),
                                  data && i < data->size() ? &data->at(i) : nullptr);
        html += heading(
            escaped(QStringLiteral("Taxa still possible below %1 (%2)").arg(record.name).arg(record.below.size())));
        QStringList links;
        for (const KeyPlace &taxon : record.below)
            links << taxonLink(taxon);
        html += paragraph(links.join(QStringLiteral(", ")), true);
    }

    if (record.keyed) {
        html += heading(QStringLiteral("What to measure next"));
        for (const QString &line : measureNextLines(*record.keyed))
            html += paragraph(escaped(line), true);
    }

    if (!record.terms.isEmpty()) {
        html += heading(QStringLiteral("Terms on the way"));
        for (const int index : record.terms) {
            const Term &term = terms().at(index);
            const QString name = term.page.isEmpty() && term.menu.isEmpty()
                                     ? QStringLiteral("<a name=\"term-%1\"></a>%2").arg(index).arg(escaped(term.term))
                                     : anchor(termHref(index), term.term);
            html += paragraph(QStringLiteral("%1: %2").arg(name, escaped(term.definition)), true);
        }
    }
    return html + QStringLiteral("</body></html>");
}

namespace {

QString depths(const Horizon &horizon)
{
    return QStringLiteral("%1\u2013%2").arg(numberText(horizon.top), numberText(horizon.bottom));
}

} // namespace

QString siteHtml(const Profile &profile)
{
    QString html;
    for (const auto &[key, value] : profile.site)
        html += paragraph(QStringLiteral("<b>%1:</b> %2").arg(escaped(siteHeading(key)), escaped(value)));
    return html;
}

QString profileHtml(const Profile &profile)
{
    QString html =
        QStringLiteral("<p style=\"margin-top:0px; font-size:large;\"><b>%1</b></p>").arg(escaped(profile.title));
    html += siteHtml(profile);
    // The features after the table, horizon by horizon: in a column they
    // would leave the numbers no room on a page.
    QList<Property> columns;
    QList<Property> described; // words rather than figures, told below the table
    for (const Property &property : usedProperties(profile)) {
        const QLatin1String key(property.key);
        (property.kind != Property::Text || key == QLatin1String("munsell_moist")
                 || key == QLatin1String("texture_class")
             ? columns
             : described)
            << property;
    }
    html += horizonTablesHtml(profile, columns);
    for (const Horizon &horizon : profile.horizons) {
        QStringList words;
        for (const Property &property : std::as_const(described))
            if (const QString value = horizonValue(horizon, property); !value.isEmpty())
                words << QStringLiteral("%1 %2").arg(QString::fromUtf8(property.heading).toLower(), value);
        words << horizon.features;
        if (!words.isEmpty())
            html += paragraph(
                QStringLiteral("<b>%1</b> (%2 cm): %3")
                    .arg(escaped(horizon.designation), depths(horizon), escaped(words.join(QStringLiteral("; ")))));
    }
    return html;
}

QString profileText(const Profile &profile)
{
    QStringList lines{profile.title};
    for (const auto &[key, value] : profile.site)
        lines << QStringLiteral("%1: %2").arg(siteHeading(key), value);
    const QList<Property> columns = usedProperties(profile);
    QStringList header{QStringLiteral("Horizon"), QStringLiteral("Depth (cm)")};
    for (const Property &column : columns)
        header << QString::fromUtf8(column.heading);
    lines << header.join(QLatin1Char('\t')) + QStringLiteral("\tFeatures");
    for (const Horizon &horizon : profile.horizons) {
        QStringList row{horizon.designation, depths(horizon)};
        for (const Property &column : columns)
            row << horizonValue(horizon, column);
        row << horizon.features.join(QStringLiteral("; "));
        lines << row.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
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
