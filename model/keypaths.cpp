#include "model/keypaths.h"

namespace yuc {

namespace {
const QString rootForm = QStringLiteral("Classif_Arid_first");
} // namespace

QString statementText(const KeyOption &option)
{
    QString text = option.caption;
    for (const StatementRow &row : option.rows)
        for (const StatementItem &item : row)
            if (item.kind != StatementItem::Kind::Panel)
                text += QLatin1Char(' ') + item.text;
    return text.simplified();
}

QList<PanelButton> panelButtons(const KeyOption &option)
{
    QList<PanelButton> buttons;
    for (const StatementRow &row : option.rows)
        for (const StatementItem &item : row)
            if (item.kind == StatementItem::Kind::Panel)
                buttons << item.panel;
    return buttons;
}

KeyPaths::KeyPaths(const KeyModel &model) : m_model(model), m_root(model.step(rootForm))
{
    if (m_root)
        walk(m_root);
    // Suborders and great groups first: a list of matches reads from the top down.
    for (const KeyStep &step : model.steps)
        if (&step != m_root && m_arrivals.contains(step.form))
            m_taxa << KeyPlace::step(step.form);
    m_taxa << m_finals;
    for (const KeyPlace &place : std::as_const(m_taxa))
        m_byName.insert(nameOf(place).toLower(), place);
}

const KeyPaths &KeyPaths::instance()
{
    static const KeyPaths paths(KeyModel::instance());
    return paths;
}

void KeyPaths::walk(const KeyStep *step)
{
    for (int i = 0; i < step->options.size(); ++i) {
        const Destination &to = step->options.at(i).destination;
        switch (to.kind) {
        case Destination::Kind::Step:
            if (const KeyStep *next = m_model.step(to.target); next && !m_arrivals.contains(to.target)) {
                m_arrivals.insert(to.target, {step, i});
                walk(next);
            }
            break;
        case Destination::Kind::Screen:
            if (m_model.screen(to.target) && !m_arrivals.contains(to.target)) {
                m_arrivals.insert(to.target, {step, i});
                m_finals << KeyPlace::screen(to.target);
            }
            break;
        case Destination::Kind::Message:
            m_finals << KeyPlace::message(step->form, i);
            break;
        case Destination::Kind::None:
            break;
        }
    }
}

QList<PathStep> KeyPaths::pathTo(const KeyPlace &place) const
{
    QList<PathStep> path;
    QString form = place.form;
    if (place.kind == KeyPlace::Kind::Message) {
        const KeyStep *step = m_model.step(place.form);
        if (!step || place.option < 0 || place.option >= step->options.size())
            return {};
        path << PathStep{step, place.option};
    }
    // Up from the place to the first step; the key is a tree, so this ends.
    for (auto it = m_arrivals.constFind(form); it != m_arrivals.constEnd(); it = m_arrivals.constFind(form)) {
        path.prepend(PathStep{it->from, it->option});
        form = it->from->form;
    }
    if (!path.isEmpty() && path.first().step != m_root)
        return {};
    return path;
}

QString KeyPaths::nameOf(const KeyPlace &place) const
{
    switch (place.kind) {
    case KeyPlace::Kind::Step:
        if (const KeyStep *step = m_model.step(place.form))
            return step == m_root ? step->caption.section(QLatin1Char(':'), 0, 0).trimmed() : step->caption.trimmed();
        break;
    case KeyPlace::Kind::Screen:
        if (const ResultScreen *screen = m_model.screen(place.form))
            return screen->label.trimmed();
        break;
    case KeyPlace::Kind::Message:
        if (const KeyStep *step = m_model.step(place.form);
            step && place.option >= 0 && place.option < step->options.size())
            return step->options.at(place.option).destination.text.trimmed();
        break;
    case KeyPlace::Kind::None:
        break;
    }
    return {};
}

QList<KeyPlace> KeyPaths::finalsBelow(const QString &stepForm) const
{
    QList<KeyPlace> below;
    for (const KeyPlace &place : m_finals) {
        const QList<PathStep> path = pathTo(place);
        if (std::any_of(path.begin(), path.end(), [&](const PathStep &s) { return s.step->form == stepForm; }))
            below << place;
    }
    return below;
}

KeyPlace KeyPaths::placeNamed(const QString &name) const
{
    return m_byName.value(name.simplified().toLower());
}

Comparison KeyPaths::compare(const KeyPlace &first, const KeyPlace &second) const
{
    Comparison result;
    result.first = first;
    result.second = second;
    const QList<PathStep> a = pathTo(first);
    const QList<PathStep> b = pathTo(second);
    if (a.isEmpty() || b.isEmpty())
        return result;
    if (first == second) {
        result.kind = Comparison::Kind::Same;
        return result;
    }
    const auto passes = [](const QList<PathStep> &path, const KeyPlace &place) {
        return place.kind == KeyPlace::Kind::Step
               && std::any_of(path.begin(), path.end(), [&](const PathStep &s) { return s.step->form == place.form; });
    };
    if (passes(a, second) || passes(b, first)) {
        result.kind = Comparison::Kind::Below;
        result.lower = passes(a, second) ? first : second;
        result.upper = passes(a, second) ? second : first;
        return result;
    }
    // Both ways start at the first step and the key is a tree: they run
    // together until one step sends them different ways.
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        result.shared << a.at(i).step;
        if (a.at(i).chosen != b.at(i).chosen) {
            result.kind = Comparison::Kind::Apart;
            result.firstOption = a.at(i).chosen;
            result.secondOption = b.at(i).chosen;
            result.firstRest = a.mid(i + 1);
            result.secondRest = b.mid(i + 1);
            return result;
        }
    }
    return result; // not reached for two different places of one tree
}

TaxonFinder::TaxonFinder(const KeyPaths &paths)
{
    for (const KeyPlace &place : paths.taxa()) {
        Entry entry{place, paths.nameOf(place), {}, {}};
        entry.lowerName = entry.name.toLower();
        QStringList statements;
        for (const PathStep &step : paths.pathTo(place))
            statements << statementText(step.step->options.at(step.chosen));
        entry.statements = statements.join(QLatin1Char('\n')).toLower();
        m_entries << entry;
    }
}

const TaxonFinder &TaxonFinder::instance()
{
    static const TaxonFinder finder(KeyPaths::instance());
    return finder;
}

QStringList TaxonFinder::names() const
{
    QStringList names;
    for (const Entry &entry : m_entries)
        names << entry.name;
    return names;
}

TaxonFinder::Answer TaxonFinder::find(const QString &typed) const
{
    const QString text = typed.simplified().toLower();
    if (text.isEmpty())
        return {};
    Answer answer;
    for (const Entry &entry : m_entries) {
        if (entry.lowerName == text)
            return {Answer::Kind::Exact, {entry.place}};
        if (entry.lowerName.contains(text))
            answer.places << entry.place;
    }
    if (!answer.places.isEmpty()) {
        answer.kind = Answer::Kind::ByName;
        return answer;
    }
    const QStringList words = text.split(QLatin1Char(' '));
    for (const Entry &entry : m_entries)
        if (std::all_of(words.begin(), words.end(), [&](const QString &w) { return entry.statements.contains(w); }))
            answer.places << entry.place;
    answer.kind = answer.places.isEmpty() ? Answer::Kind::Nothing : Answer::Kind::ByStatements;
    return answer;
}

} // namespace yuc
