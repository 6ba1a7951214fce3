#include "study/profileeditor.h"

#include "model/horizoncsv.h"
#include "model/munsell.h"

#include <QBrush>
#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>

#include <utility>

namespace yuc::study {

namespace {

// One edit and its undoing, as the editor pushes them.
class Edit : public QUndoCommand
{
public:
    Edit(const QString &text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text),
          m_redo(std::move(redo)),
          m_undo(std::move(undo))
    {
    }
    void redo() override { m_redo(); }
    void undo() override { m_undo(); }

private:
    std::function<void()> m_redo;
    std::function<void()> m_undo;
};

constexpr int designationColumn = 0;
constexpr int topColumn = 1;
constexpr int bottomColumn = 2;

} // namespace

const QList<Column> &horizonColumns()
{
    static const QList<Column> columns = [] {
        QList<Column> list{{QStringLiteral("designation"), QStringLiteral("Horizon"), Column::Kind::Designation},
                           {QStringLiteral("top_cm"), QStringLiteral("Top (cm)"), Column::Kind::Depth},
                           {QStringLiteral("bottom_cm"), QStringLiteral("Bottom (cm)"), Column::Kind::Depth}};
        for (const Property &p : horizonProperties()) {
            const QString key = QLatin1String(p.key);
            Column::Kind kind = Column::Kind::Text;
            if (p.kind == Property::Percent)
                kind = Column::Kind::Percent;
            else if (p.kind == Property::Number)
                kind = Column::Kind::Number;
            else if (p.kind == Property::Ph)
                kind = Column::Kind::Ph;
            else if (p.kind == Property::Yes || p.kind == Property::Choice)
                kind = Column::Kind::Choice;
            else if (key.startsWith(QLatin1String("munsell")))
                kind = Column::Kind::Munsell;
            else if (key == QLatin1String("texture_class"))
                kind = Column::Kind::Texture;
            list << Column{key, QString::fromUtf8(p.heading), kind};
        }
        list << Column{QStringLiteral("features"), QStringLiteral("Features (separated by ;)"), Column::Kind::Features};
        return list;
    }();
    return columns;
}

QStringList columnChoices(int column)
{
    const Column &c = horizonColumns().at(column);
    if (c.kind == Column::Kind::Texture)
        return textureClasses();
    for (const Property &p : horizonProperties())
        if (c.key == QLatin1String(p.key))
            return propertyChoices(p);
    return {};
}

int horizonColumn(const QString &key)
{
    const QList<Column> &columns = horizonColumns();
    for (int c = 0; c < columns.size(); ++c)
        if (columns.at(c).key == key)
            return c;
    return -1;
}

ProfileEditor::ProfileEditor(QObject *parent) : QAbstractTableModel(parent)
{
    connect(&m_undo, &QUndoStack::indexChanged, this, &ProfileEditor::edited);
}

void ProfileEditor::load(const Profile &profile, const QString &path)
{
    beginResetModel();
    m_base = profile;
    m_title = profile.title;
    m_site.clear();
    m_siteOrder = siteFields();
    for (const auto &[key, value] : profile.site) {
        m_site.insert(key, value);
        if (!m_siteOrder.contains(key))
            m_siteOrder << key;
    }
    m_rows.clear();
    for (const Horizon &h : profile.horizons) {
        Row row{{}, h.extra, h.features};
        for (const Column &column : horizonColumns()) {
            if (column.kind == Column::Kind::Designation)
                row.cells << h.designation;
            else if (column.key == QLatin1String("top_cm"))
                row.cells << numberText(h.top);
            else if (column.key == QLatin1String("bottom_cm"))
                row.cells << numberText(h.bottom);
            else if (column.kind == Column::Kind::Features)
                row.cells << h.features.join(QStringLiteral("; "));
            else if (h.numbers.contains(column.key))
                row.cells << numberText(h.numbers.value(column.key));
            else
                row.cells << h.texts.value(column.key);
        }
        m_rows << row;
    }
    m_path = path;
    m_undo.clear();
    endResetModel();
    emit titleChanged();
    emit edited();
}

void ProfileEditor::loadBlank()
{
    Profile blank;
    blank.title = QStringLiteral("New profile");
    load(blank);
    insertHorizon(0);
    m_undo.clear(); // nothing typed yet: nothing to lose
}

int ProfileEditor::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ProfileEditor::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(horizonColumns().size());
}

QVariant ProfileEditor::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const QString text = m_rows.at(index.row()).cells.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString problem = cellProblem(index.row(), index.column());
        return problem.isEmpty() ? (role == Qt::ToolTipRole && !text.isEmpty() ? QVariant(text) : QVariant())
                                 : QVariant(problem);
    }
    case Qt::BackgroundRole:
        return cellProblem(index.row(), index.column()).isEmpty() ? QVariant()
                                                                  : QVariant(QBrush(QColor(255, 200, 200)));
    default:
        return {};
    }
}

bool ProfileEditor::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int row = index.row();
    const int column = index.column();
    const QString before = m_rows.at(row).cells.at(column);
    const QString after = value.toString();
    if (before == after)
        return true;
    push(
        QStringLiteral("edit %1 of horizon %2").arg(horizonColumns().at(column).heading).arg(row + 1),
        [this, row, column, after] {
            applyCells({{row, column, after}});
        },
        [this, row, column, before] {
            applyCells({{row, column, before}});
        });
    return true;
}

QVariant ProfileEditor::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return horizonColumns().value(section).heading;
}

Qt::ItemFlags ProfileEditor::flags(const QModelIndex &index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void ProfileEditor::push(const QString &what, std::function<void()> redo, std::function<void()> undo)
{
    m_undo.push(new Edit(what, std::move(redo), std::move(undo)));
}

void ProfileEditor::applyCells(const QList<Cell> &cells)
{
    if (cells.isEmpty())
        return;
    int first = cells.first().row;
    int last = first;
    for (const Cell &cell : cells) {
        m_rows[cell.row].cells[cell.column] = cell.text;
        first = std::min(first, cell.row);
        last = std::max(last, cell.row);
    }
    // The depths judge each other: whole rows are looked at again.
    emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void ProfileEditor::applyAppend(int count)
{
    const int size = int(m_rows.size());
    if (count > 0) {
        beginInsertRows({}, size, size + count - 1);
        for (int i = 0; i < count; ++i)
            m_rows.append(Row{QStringList(horizonColumns().size(), QString()), {}, {}});
        endInsertRows();
    } else if (count < 0) {
        beginRemoveRows({}, size + count, size - 1);
        m_rows.remove(size + count, -count);
        endRemoveRows();
    }
}

int ProfileEditor::columnNamed(const QString &name)
{
    const QString key = programName(name);
    const QList<Column> &columns = horizonColumns();
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).key == key || columns.at(i).heading.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

ProfileEditor::Pasted ProfileEditor::paste(const QString &text, int row, int column)
{
    QList<QStringList> block = splitDelimited(text, QLatin1Char('\t'));
    Pasted pasted;
    if (block.isEmpty())
        return pasted;
    // A heading names some column and, unlike a row of horizons, holds no number.
    const QStringList &first = block.first();
    const bool heading =
        std::any_of(first.begin(), first.end(), [](const QString &name) { return columnNamed(name) >= 0; })
        && std::none_of(first.begin(), first.end(), [](const QString &cell) { return readDecimal(cell).has_value(); });
    QList<int> targets; // each pasted column's column in the table, or -1
    if (heading) {
        for (const QString &name : first) {
            int target = columnNamed(name);
            if (targets.contains(target)) // named twice: the first counts
                target = -1;
            if (target < 0 && !name.trimmed().isEmpty())
                pasted.unplaced << name.trimmed();
            targets << target;
        }
        block.removeFirst();
    } else {
        qsizetype width = 0;
        for (const QStringList &fields : block)
            width = std::max(width, fields.size());
        for (int i = 0; i < width; ++i)
            targets << (column + i < columnCount() ? column + i : -1);
    }
    row = std::clamp(row, 0, rowCount());
    pasted.row = row;
    pasted.rows = int(block.size());
    pasted.added = std::max(0, row + pasted.rows - rowCount());
    for (const int target : targets)
        if (target >= 0)
            pasted.columns << target;
    QList<Cell> after;
    QList<Cell> before;
    for (int r = 0; r < block.size(); ++r)
        for (int i = 0; i < block.at(r).size(); ++i) {
            const int target = targets.value(i, -1);
            if (target < 0)
                continue;
            after << Cell{row + r, target, block.at(r).at(i)};
            if (row + r < rowCount())
                before << Cell{row + r, target, m_rows.at(row + r).cells.at(target)};
        }
    if (after.isEmpty())
        return pasted;
    push(
        QStringLiteral("paste %1 row(s)").arg(pasted.rows),
        [this, added = pasted.added, after] {
            applyAppend(added);
            applyCells(after);
        },
        [this, added = pasted.added, before] {
            applyCells(before);
            applyAppend(-added);
        });
    return pasted;
}

QString ProfileEditor::copyText(const QList<int> &rows, const QList<int> &columns) const
{
    QList<QStringList> table{{}};
    for (const int column : columns)
        table.first() << horizonColumns().at(column).key;
    for (const int row : rows) {
        QStringList cells;
        for (const int column : columns)
            cells << m_rows.at(row).cells.at(column);
        table << cells;
    }
    return joinDelimited(table, QLatin1Char('\t'));
}

void ProfileEditor::setTitle(const QString &title)
{
    const QString before = m_title;
    if (before == title)
        return;
    const auto apply = [this](const QString &text) {
        m_title = text;
        emit titleChanged();
    };
    push(
        QStringLiteral("edit the title"), [apply, title] { apply(title); }, [apply, before] { apply(before); });
}

void ProfileEditor::setSite(const QString &key, const QString &value)
{
    const QString before = m_site.value(key);
    if (before == value)
        return;
    if (!m_siteOrder.contains(key))
        m_siteOrder << key;
    const auto apply = [this, key](const QString &text) {
        m_site.insert(key, text);
        emit siteChanged(key);
    };
    push(
        QStringLiteral("edit %1").arg(siteHeading(key)), [apply, value] { apply(value); },
        [apply, before] { apply(before); });
}

void ProfileEditor::insertHorizon(int row)
{
    row = std::clamp(row, 0, int(m_rows.size()));
    Row content{QStringList(horizonColumns().size(), QString()), {}, {}};
    if (row > 0)
        content.cells[topColumn] = m_rows.at(row - 1).cells.at(bottomColumn);
    else
        content.cells[topColumn] = QStringLiteral("0");
    push(
        QStringLiteral("add a horizon"), [this, row, content] { applyInsert(row, content); },
        [this, row] { applyRemove(row); });
}

void ProfileEditor::removeHorizon(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    const Row content = m_rows.at(row);
    push(
        QStringLiteral("remove horizon %1").arg(row + 1), [this, row] { applyRemove(row); },
        [this, row, content] { applyInsert(row, content); });
}

void ProfileEditor::moveHorizon(int from, int to)
{
    if (from < 0 || from >= m_rows.size() || to < 0 || to >= m_rows.size() || from == to)
        return;
    push(
        QStringLiteral("move horizon %1").arg(from + 1), [this, from, to] { applyMove(from, to); },
        [this, from, to] { applyMove(to, from); });
}

void ProfileEditor::applyInsert(int row, const Row &content)
{
    beginInsertRows({}, row, row);
    m_rows.insert(row, content);
    endInsertRows();
}

void ProfileEditor::applyRemove(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ProfileEditor::applyMove(int from, int to)
{
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rows.move(from, to);
    endMoveRows();
}

std::optional<double> ProfileEditor::numberAt(int row, int column) const
{
    return readDecimal(m_rows.at(row).cells.at(column));
}

QString ProfileEditor::cellProblem(int row, int column) const
{
    const QString text = m_rows.at(row).cells.at(column).trimmed();
    const Column &c = horizonColumns().at(column);
    if (text.isEmpty()) {
        if (c.kind == Column::Kind::Designation)
            return QStringLiteral("Every horizon needs its designation (A, Bt1, Bk, ...).");
        if (c.kind == Column::Kind::Depth)
            return QStringLiteral("Every horizon needs its top and bottom depth.");
        return {}; // not measured
    }
    const auto range = [&](double low, double high) -> QString {
        const std::optional<double> value = readDecimal(text);
        if (!value)
            return QStringLiteral("\u201c%1\u201d is not a number.").arg(text);
        if (*value < low || *value > high)
            return high > 1e8 ? QStringLiteral("%1 must be 0 or more.").arg(c.heading)
                              : QStringLiteral("%1 must lie between %2 and %3.")
                                    .arg(c.heading, numberText(low), numberText(high));
        return {};
    };
    switch (c.kind) {
    case Column::Kind::Depth: {
        if (QString problem = range(0, 1e9); !problem.isEmpty())
            return problem;
        const std::optional<double> top = numberAt(row, topColumn);
        const std::optional<double> bottom = numberAt(row, bottomColumn);
        if (top && bottom && *bottom <= *top)
            return QStringLiteral("The bottom (%1 cm) must lie below the top (%2 cm).")
                .arg(numberText(*bottom), numberText(*top));
        return {};
    }
    case Column::Kind::Percent:
        return range(0, 100);
    case Column::Kind::Ph:
        return range(0, 14);
    case Column::Kind::Number:
        return range(0, 1e9);
    case Column::Kind::Munsell:
        return parseMunsell(text)
                   ? QString()
                   : QStringLiteral("\u201c%1\u201d is not a Munsell colour such as 10YR 4/3 or 5Y 6/1.").arg(text);
    case Column::Kind::Texture:
        return textureClasses().contains(text.toLower())
                   ? QString()
                   : QStringLiteral("\u201c%1\u201d is not a USDA texture class (sand, loam, silty clay, ...).")
                         .arg(text);
    case Column::Kind::Choice: {
        const QStringList choices = columnChoices(column);
        return choices.contains(text.toLower())
                   ? QString()
                   : QStringLiteral("\u201c%1\u201d is not one of: %2.").arg(text, choices.join(QStringLiteral(", ")));
    }
    case Column::Kind::Designation:
    case Column::Kind::Text:
    case Column::Kind::Features:
        return {};
    }
    return {};
}

QString ProfileEditor::siteProblem(const QString &key) const
{
    const QString text = m_site.value(key).trimmed();
    const Property *p = siteProperty(key);
    if (text.isEmpty() || !p || p->kind == Property::Text)
        return {};
    if (p->kind == Property::Yes || p->kind == Property::Choice) {
        const QStringList choices = propertyChoices(*p);
        return choices.contains(text.toLower())
                   ? QString()
                   : QStringLiteral("\u201c%1\u201d is not one of: %2.").arg(text, choices.join(QStringLiteral(", ")));
    }
    const std::optional<double> value = readDecimal(text);
    if (!value)
        return QStringLiteral("\u201c%1\u201d is not a number.").arg(text);
    if (p->kind == Property::Percent && (*value < 0 || *value > 100))
        return QStringLiteral("%1 must lie between 0 and 100.").arg(siteHeading(key));
    if (p->kind == Property::Celsius && (*value < -80 || *value > 70))
        return QStringLiteral("%1 must lie between -80 and 70.").arg(siteHeading(key));
    if (p->kind == Property::Number && *value < 0 && key != QLatin1String("elevation_m"))
        return QStringLiteral("%1 must be 0 or more.").arg(siteHeading(key));
    return {};
}

QStringList ProfileEditor::faults() const
{
    QStringList found;
    for (const QString &key : m_siteOrder)
        if (const QString problem = siteProblem(key); !problem.isEmpty())
            found << QStringLiteral("site.%1: %2").arg(key, problem);
    for (int row = 0; row < m_rows.size(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (const QString problem = cellProblem(row, column); !problem.isEmpty())
                found << QStringLiteral("horizons[%1].%2: %3").arg(row).arg(horizonColumns().at(column).key, problem);
    return found;
}

QStringList ProfileEditor::depthNotes() const
{
    QStringList notes;
    for (int row = 1; row < m_rows.size(); ++row) {
        const std::optional<double> top = numberAt(row, topColumn);
        const std::optional<double> previousTop = numberAt(row - 1, topColumn);
        const std::optional<double> previousBottom = numberAt(row - 1, bottomColumn);
        if (!top || !previousTop || !previousBottom)
            continue;
        const QString here = QStringLiteral("Horizon %1 (%2)").arg(row + 1).arg(m_rows.at(row).cells.at(0));
        if (*top < *previousTop)
            notes << here + QStringLiteral(" begins above the one before it: the horizons are out of depth order.");
        else if (*top < *previousBottom)
            notes << here
                         + QStringLiteral(" begins at %1 cm, inside the one above, which ends at %2 cm: they overlap.")
                               .arg(numberText(*top), numberText(*previousBottom));
        else if (*top > *previousBottom)
            notes << here
                         + QStringLiteral(" begins at %1 cm, but the one above ends at %2 cm: a gap is left.")
                               .arg(numberText(*top), numberText(*previousBottom));
    }
    return notes;
}

Profile ProfileEditor::profile(bool asTyped) const
{
    Profile p = m_base;
    p.title = m_title.simplified();
    p.site.clear();
    // What is faulty stays out, as in the horizons; a yes or a choice is kept as the file spells it.
    for (const QString &key : m_siteOrder) {
        QString value = m_site.value(key).trimmed();
        if (value.isEmpty() || !siteProblem(key).isEmpty())
            continue;
        if (const Property *property = siteProperty(key);
            property && (property->kind == Property::Yes || property->kind == Property::Choice))
            value = value.toLower();
        p.site.append({key, value});
    }
    p.horizons.clear();
    const QList<Column> &columns = horizonColumns();
    for (int row = 0; row < m_rows.size(); ++row) {
        if (!cellProblem(row, designationColumn).isEmpty() || !cellProblem(row, topColumn).isEmpty()
            || !cellProblem(row, bottomColumn).isEmpty())
            continue;
        const Row &r = m_rows.at(row);
        Horizon h;
        h.designation = r.cells.at(designationColumn).trimmed();
        h.top = *numberAt(row, topColumn);
        h.bottom = *numberAt(row, bottomColumn);
        h.extra = r.extra;
        for (int column = bottomColumn + 1; column < columns.size(); ++column) {
            const QString text = r.cells.at(column).trimmed();
            const Column::Kind kind = columns.at(column).kind;
            const bool words = kind == Column::Kind::Munsell || kind == Column::Kind::Texture;
            if (text.isEmpty() || (!cellProblem(row, column).isEmpty() && !(asTyped && words)))
                continue;
            switch (kind) {
            case Column::Kind::Percent:
            case Column::Kind::Number:
            case Column::Kind::Ph:
                h.numbers.insert(columns.at(column).key, *readDecimal(text));
                break;
            case Column::Kind::Features:
                if (text == r.features.join(QStringLiteral("; "))) {
                    h.features = r.features;
                    break;
                }
                for (const QString &feature : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                    if (!feature.trimmed().isEmpty())
                        h.features << feature.trimmed();
                break;
            case Column::Kind::Choice:
                h.texts.insert(columns.at(column).key, text.toLower());
                break;
            default:
                h.texts.insert(columns.at(column).key, text);
                break;
            }
        }
        p.horizons << h;
    }
    return p;
}

void ProfileEditor::markSaved(const QString &path)
{
    m_base = profile(); // what the file now holds
    m_path = path;
    m_undo.setClean();
}

QJsonObject ProfileEditor::state() const
{
    QJsonArray site;
    for (const QString &key : m_siteOrder)
        site.append(QJsonArray{key, m_site.value(key)});
    QJsonArray rows;
    for (const Row &r : m_rows) {
        QJsonObject cells;
        for (int column = 0; column < r.cells.size(); ++column)
            if (!r.cells.at(column).isEmpty())
                cells.insert(horizonColumns().at(column).key, r.cells.at(column));
        rows.append(QJsonObject{{QStringLiteral("cells"), cells},
                                {QStringLiteral("extra"), r.extra},
                                {QStringLiteral("features"), QJsonArray::fromStringList(r.features)}});
    }
    return {{QStringLiteral("title"), m_title}, {QStringLiteral("site"), site}, {QStringLiteral("rows"), rows}};
}

void ProfileEditor::applyState(const QJsonObject &state)
{
    beginResetModel();
    const QStringList before = m_siteOrder;
    m_title = state.value(QStringLiteral("title")).toString();
    m_site.clear();
    m_siteOrder = siteFields();
    for (const QJsonValue field : state.value(QStringLiteral("site")).toArray()) {
        const QString key = field.toArray().at(0).toString();
        m_site.insert(key, field.toArray().at(1).toString());
        if (!m_siteOrder.contains(key))
            m_siteOrder << key;
    }
    m_rows.clear();
    const QList<Column> &columns = horizonColumns();
    for (const QJsonValue value : state.value(QStringLiteral("rows")).toArray()) {
        const QJsonObject o = value.toObject();
        const QJsonObject cells = o.value(QStringLiteral("cells")).toObject();
        Row row{{}, o.value(QStringLiteral("extra")).toObject(), {}};
        for (const Column &column : columns)
            row.cells << cells.value(column.key).toString();
        for (const QJsonValue feature : o.value(QStringLiteral("features")).toArray())
            row.features << feature.toString();
        m_rows << row;
    }
    endResetModel();
    emit titleChanged();
    for (const QString &key : m_siteOrder + before)
        emit siteChanged(key);
}

QJsonObject ProfileEditor::snapshot() const
{
    QJsonObject o{{QStringLiteral("file"), m_path},
                  {QStringLiteral("origin"), m_origin},
                  {QStringLiteral("edited"), state()},
                  {QStringLiteral("csv"),
                   QJsonObject{{QStringLiteral("separator"), QString(m_base.csv.separator)},
                               {QStringLiteral("byte_order_mark"), m_base.csv.byteOrderMark},
                               {QStringLiteral("columns"), QJsonArray::fromStringList(m_base.csv.columns)}}}};
    // A profile never opened nor saved has nothing to go back to but a blank one.
    if (!m_base.horizons.isEmpty())
        o.insert(QStringLiteral("saved"), QJsonDocument::fromJson(writeProfile(m_base)).object());
    return o;
}

bool ProfileEditor::restore(const QJsonObject &snapshot, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QJsonObject edited = snapshot.value(QStringLiteral("edited")).toObject();
    if (!edited.value(QStringLiteral("rows")).isArray())
        return fail(QStringLiteral("it holds no horizons"));
    const QString path = snapshot.value(QStringLiteral("file")).toString();
    const QJsonValue saved = snapshot.value(QStringLiteral("saved"));
    if (saved.isObject()) {
        ProfileError problem;
        std::optional<Profile> base = parseProfile(QJsonDocument(saved.toObject()).toJson(), &problem);
        if (!base)
            return fail(
                QStringLiteral("its profile as last saved is faulty at %1: %2").arg(problem.where, problem.what));
        const QJsonObject csv = snapshot.value(QStringLiteral("csv")).toObject();
        const QString separator = csv.value(QStringLiteral("separator")).toString();
        base->csv.separator = separator.isEmpty() ? QChar(u',') : separator.front();
        base->csv.byteOrderMark = csv.value(QStringLiteral("byte_order_mark")).toBool();
        for (const QJsonValue column : csv.value(QStringLiteral("columns")).toArray())
            base->csv.columns << column.toString();
        load(*base, path);
    } else {
        loadBlank();
        m_path = path;
    }
    m_origin = snapshot.value(QStringLiteral("origin")).toString();
    const QJsonObject before = state();
    push(
        QStringLiteral("restore unsaved edits"), [this, edited] { applyState(edited); },
        [this, before] { applyState(before); });
    return true;
}

} // namespace yuc::study
