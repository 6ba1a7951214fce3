#include "model/horizoncsv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <algorithm>
#include <array>
#include <functional>

namespace yuc::study {

namespace {

// Thrown inside the reader only, caught at its door.
struct Fault {
    QString where;
    QString what;
};

constexpr std::array<char16_t, 3> separators{u'\t', u';', u','};

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

bool blank(const QList<QStringView> &fields)
{
    return std::all_of(fields.begin(), fields.end(), [](QStringView f) { return f.trimmed().isEmpty(); });
}

QStringList strings(const QList<QStringView> &fields)
{
    QStringList list;
    list.reserve(fields.size());
    for (const QStringView field : fields)
        list << field.toString();
    return list;
}

// What a column of the file holds.
struct Column {
    enum Role { Designation, Top, Bottom, Number, Choice, Text, Features, Title, Site, Unknown };
    QString heading; // as the file names it
    QString key;     // the program's name, or the heading made unique
    Role role = Unknown;
    const Property *property = nullptr; // of a horizon's property or a site field
};

// What a column of the program's name holds; Unknown for a name of some
// other part of a profile.
Column::Role roleOf(const QString &key, const Property **property)
{
    if (key == QLatin1String("designation"))
        return Column::Designation;
    if (key == QLatin1String("top_cm"))
        return Column::Top;
    if (key == QLatin1String("bottom_cm"))
        return Column::Bottom;
    if (key == QLatin1String("features"))
        return Column::Features;
    if (key == QLatin1String("title"))
        return Column::Title;
    if ((*property = siteProperty(key)))
        return Column::Site;
    for (const Property &p : horizonProperties())
        if (key == QLatin1String(p.key)) {
            *property = &p;
            return p.kind == Property::Text                                ? Column::Text
                   : p.kind == Property::Yes || p.kind == Property::Choice ? Column::Choice
                                                                           : Column::Number;
        }
    return Column::Unknown;
}

QList<Column> readHeading(const QStringList &heading)
{
    QList<Column> columns(heading.size());
    QSet<QString> taken;
    // The program's own names first, then the exports': where both name one
    // field, the program's is read and the other kept as it came.
    for (const bool own : {true, false}) {
        for (qsizetype i = 0; i < heading.size(); ++i) {
            Column &c = columns[i];
            c.heading = heading.at(i).trimmed();
            const QString key = programName(c.heading);
            if (c.role != Column::Unknown || key.isEmpty() || taken.contains(key)
                || own != (key.compare(c.heading, Qt::CaseInsensitive) == 0))
                continue;
            c.role = roleOf(key, &c.property);
            if (c.role == Column::Unknown)
                continue;
            taken.insert(key);
            c.key = key;
        }
    }
    for (qsizetype i = 0; i < columns.size(); ++i) {
        Column &c = columns[i];
        if (c.role != Column::Unknown)
            continue;
        QString key = c.heading.isEmpty() ? QStringLiteral("column %1").arg(i + 1) : c.heading;
        while (taken.contains(key))
            key += QStringLiteral(" (%1)").arg(i + 1);
        taken.insert(key);
        c.key = key;
    }
    return columns;
}

QString place(int row, qsizetype column, const QList<Column> &columns)
{
    const QString name = column < columns.size() ? columns.at(column).heading : QString();
    return name.isEmpty() ? QStringLiteral("row %1, column %2").arg(row).arg(column + 1)
                          : QStringLiteral("row %1, column %2 (%3)").arg(row).arg(column + 1).arg(name);
}

QString needed(const QString &key, const QString &what)
{
    return QStringLiteral("has no column of %1 (%2)").arg(what, namesFor(key).join(QStringLiteral(", ")));
}

QList<Pedon> readCsv(QStringView text, QChar separator, bool byteOrderMark)
{
    DelimitedReader reader(text, separator);
    QList<QStringView> fields;
    while (reader.next(fields) && blank(fields)) {
    }
    if (reader.unclosed())
        throw Fault{QStringLiteral("row %1").arg(reader.row()), QStringLiteral("a quoted field is never closed")};
    // Trailing separators name no column.
    while (!fields.isEmpty() && fields.last().trimmed().isEmpty())
        fields.removeLast();
    if (fields.isEmpty())
        throw Fault{QStringLiteral("the file"), QStringLiteral("is empty: no heading and no horizons")};
    const QList<Column> columns = readHeading(strings(fields));
    const QString heading = QStringLiteral("row %1 (the heading)").arg(reader.row());
    const auto has = [&](Column::Role role) {
        return std::any_of(columns.begin(), columns.end(), [role](const Column &c) { return c.role == role; });
    };
    if (!has(Column::Top))
        throw Fault{heading, needed(QStringLiteral("top_cm"), QStringLiteral("top depths"))};
    if (!has(Column::Bottom))
        throw Fault{heading, needed(QStringLiteral("bottom_cm"), QStringLiteral("bottom depths"))};
    if (!has(Column::Designation))
        throw Fault{heading, needed(QStringLiteral("designation"), QStringLiteral("horizon designations"))};
    qsizetype idColumn = -1;
    CsvForm form{separator, byteOrderMark, {}};
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns.at(i).key == QLatin1String("pedon_id"))
            idColumn = i;
        form.columns << columns.at(i).key;
    }

    const auto numbers =
        std::count_if(columns.begin(), columns.end(), [](const Column &c) { return c.role == Column::Number; });
    QList<Pedon> pedons;
    QHash<QString, qsizetype> byId;
    QStringList titles;
    qsizetype last = -1; // the pedon of the row before: rows of a pedon mostly come together
    while (reader.next(fields)) {
        const int row = reader.row();
        if (reader.unclosed())
            throw Fault{place(row, fields.size() - 1, columns), QStringLiteral("a quoted field is never closed")};
        if (blank(fields))
            continue;
        for (qsizetype i = columns.size(); i < fields.size(); ++i)
            if (!fields.at(i).trimmed().isEmpty())
                throw Fault{place(row, i, columns), QStringLiteral("lies beyond the heading: the row has %1 fields, "
                                                                   "the heading names %2 columns")
                                                        .arg(fields.size())
                                                        .arg(columns.size())};
        fields.resize(columns.size());
        const QStringView id = idColumn >= 0 ? fields.at(idColumn).trimmed() : QStringView();
        if (idColumn >= 0 && id.isEmpty())
            throw Fault{place(row, idColumn, columns), QStringLiteral("is empty: every row names its pedon")};
        if (last < 0 || pedons.at(last).id != id) {
            const QString key = id.toString();
            auto found = byId.constFind(key);
            if (found == byId.constEnd()) {
                found = byId.insert(key, pedons.size());
                pedons.append({key, {}});
                titles << QString();
            }
            last = *found;
        }
        Profile &profile = pedons[last].profile;
        Horizon h;
        h.numbers.reserve(numbers);
        // A value of a property or site field, checked as a profile file's is.
        const auto number = [&](qsizetype i, const Property &p) {
            const QStringView cell = fields.at(i);
            const std::optional<double> value = readDecimal(cell);
            if (!value)
                throw Fault{place(row, i, columns), QStringLiteral("\u201c%1\u201d is not a number").arg(cell)};
            if (const QString fault = valueFault(p, *value); !fault.isEmpty())
                throw Fault{place(row, i, columns), fault};
            return *value;
        };
        const auto choice = [&](qsizetype i, const Property &p) {
            QString fault;
            std::optional<QString> value = readChoice(p, fields.at(i), &fault);
            if (!value)
                throw Fault{place(row, i, columns), fault};
            return *value;
        };
        const auto depth = [&](qsizetype i) {
            const QStringView cell = fields.at(i);
            if (cell.trimmed().isEmpty())
                throw Fault{place(row, i, columns), QStringLiteral("is empty: every horizon needs its depths")};
            const std::optional<double> value = readDecimal(cell);
            if (!value)
                throw Fault{place(row, i, columns), QStringLiteral("\u201c%1\u201d is not a number").arg(cell)};
            return *value;
        };
        qsizetype bottomColumn = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const Column &c = columns.at(i);
            const QStringView cell = fields.at(i);
            switch (c.role) {
            case Column::Designation:
                if (cell.trimmed().isEmpty())
                    throw Fault{place(row, i, columns),
                                QStringLiteral("is empty: every horizon needs its designation")};
                h.designation = cell.toString();
                break;
            case Column::Top:
                h.top = depth(i);
                if (h.top < 0)
                    throw Fault{place(row, i, columns),
                                QStringLiteral("(%1) must be 0 or more").arg(numberText(h.top))};
                break;
            case Column::Bottom:
                h.bottom = depth(i);
                bottomColumn = i;
                break;
            case Column::Number:
                if (!cell.trimmed().isEmpty()) // else not measured
                    h.numbers.insert(c.key, number(i, *c.property));
                break;
            case Column::Choice:
                if (!cell.trimmed().isEmpty())
                    h.texts.insert(c.key, choice(i, *c.property));
                break;
            case Column::Text:
                if (!cell.isEmpty())
                    h.texts.insert(c.key, cell.toString());
                break;
            case Column::Features:
                for (const QStringView feature : cell.split(u';'))
                    if (!feature.trimmed().isEmpty())
                        h.features << feature.trimmed().toString();
                break;
            case Column::Title:
                if (titles[last].isEmpty())
                    titles[last] = cell.toString().simplified();
                break;
            case Column::Site: {
                if (cell.trimmed().isEmpty()
                    || std::any_of(profile.site.begin(), profile.site.end(),
                                   [&c](const auto &field) { return field.first == c.key; }))
                    break;
                const Property::Kind kind = c.property->kind;
                profile.site.append({c.key, kind == Property::Text ? cell.trimmed().toString()
                                            : kind == Property::Yes || kind == Property::Choice
                                                ? choice(i, *c.property)
                                                : numberText(number(i, *c.property))});
                break;
            }
            case Column::Unknown:
                if (!cell.isEmpty())
                    h.extra.insert(c.key, cell.toString());
                break;
            }
        }
        if (h.bottom <= h.top)
            throw Fault{
                place(row, bottomColumn, columns),
                QStringLiteral("(%1 cm) must lie below the top (%2 cm)").arg(numberText(h.bottom), numberText(h.top))};
        profile.horizons << std::move(h);
    }
    if (pedons.isEmpty())
        throw Fault{QStringLiteral("the file"), QStringLiteral("holds no horizons below its heading")};
    for (qsizetype i = 0; i < pedons.size(); ++i) {
        Pedon &pedon = pedons[i];
        pedon.profile.title = !titles.at(i).isEmpty() ? titles.at(i)
                              : pedon.id.isEmpty()    ? QString()
                                                      : (QStringLiteral("Pedon ") + pedon.id).simplified();
        pedon.profile.csv = form;
        // In the order a description gives them, as a profile file's are.
        std::stable_sort(pedon.profile.site.begin(), pedon.profile.site.end(), [](const auto &a, const auto &b) {
            return siteFields().indexOf(a.first) < siteFields().indexOf(b.first);
        });
    }
    return pedons;
}

// The row and column where delimited text that ends short stops, the
// column named by the heading of the first row.
QString placeOf(QStringView text, QChar separator)
{
    DelimitedReader reader(text, separator);
    QStringList heading;
    QList<QStringView> fields;
    while (reader.next(fields))
        if (heading.isEmpty())
            heading = strings(fields);
    const qsizetype column = std::max<qsizetype>(fields.size(), 1);
    const QString name = reader.row() > 1 ? heading.value(column - 1).trimmed() : QString();
    return QStringLiteral("row %1, column %2").arg(std::max(reader.row(), 1)).arg(column)
           + (name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name));
}

QString cellText(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Double:
        return numberText(value.toDouble());
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default:
        return {};
    }
}

} // namespace

bool DelimitedReader::next(QList<QStringView> &fields)
{
    fields.clear();
    m_unquoted.clear();
    const qsizetype size = m_text.size();
    if (m_at >= size)
        return false;
    ++m_row;
    m_unclosed = false;
    const auto plainEnd = [&] {
        qsizetype end = m_at;
        while (end < size && m_text[end] != m_separator && !isLineEnd(m_text[end]))
            ++end;
        return end;
    };
    for (;;) {
        if (m_text[m_at] == u'"') {
            // The text between the quotes, unless a doubled quote or text
            // after the closing one makes a field of its own.
            QStringView inside;
            QString *made = nullptr;
            const auto add = [&](QStringView piece) {
                if (!made) {
                    m_unquoted << inside.toString();
                    made = &m_unquoted.last();
                }
                *made += piece;
            };
            ++m_at;
            for (;;) {
                const qsizetype quote = m_text.indexOf(u'"', m_at);
                const QStringView piece = m_text.sliced(m_at, (quote < 0 ? size : quote) - m_at);
                if (quote < 0) {
                    made ? add(piece) : void(inside = piece);
                    m_at = size;
                    m_unclosed = true;
                    break;
                }
                m_at = quote + 1;
                if (m_at < size && m_text[m_at] == u'"') {
                    add(piece);
                    add(u"\"");
                    ++m_at;
                    continue;
                }
                made ? add(piece) : void(inside = piece);
                break;
            }
            // What follows a closing quote up to the separator is the field's
            // too, as spreadsheets read it.
            if (const qsizetype end = plainEnd(); end > m_at) {
                add(m_text.sliced(m_at, end - m_at));
                m_at = end;
            }
            fields << (made ? QStringView(*made) : inside);
        } else {
            const qsizetype end = plainEnd();
            fields << m_text.sliced(m_at, end - m_at);
            m_at = end;
        }
        if (m_at >= size)
            return true;
        const QChar c = m_text[m_at++];
        if (c == m_separator) {
            if (m_at >= size) {
                fields << QStringView();
                return true;
            }
            continue;
        }
        if (c == u'\r' && m_at < size && m_text[m_at] == u'\n')
            ++m_at;
        return true;
    }
}

QChar detectSeparator(QStringView text)
{
    std::array<int, separators.size()> counts{};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && isLineEnd(c))
            break;
        else if (!quoted)
            for (size_t i = 0; i < separators.size(); ++i)
                counts[i] += c == separators[i];
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return *most > 0 ? QChar(separators[size_t(most - counts.begin())]) : QChar(u',');
}

QList<QStringList> splitDelimited(QStringView text, QChar separator)
{
    QList<QStringList> rows;
    DelimitedReader reader(text, separator);
    QList<QStringView> fields;
    while (reader.next(fields))
        rows << strings(fields);
    while (!rows.isEmpty() && std::all_of(rows.last().begin(), rows.last().end(), [](const QString &f) {
        return f.trimmed().isEmpty();
    }))
        rows.removeLast();
    return rows;
}

QString joinDelimited(const QList<QStringList> &rows, QChar separator)
{
    QString text;
    for (const QStringList &row : rows) {
        // The first row tells the separator: there, any of them is quoted.
        const bool first = text.isEmpty();
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += separator;
            const QString &field = row.at(i);
            const bool quote = std::any_of(field.begin(), field.end(), [first, separator](QChar c) {
                return c == u'"' || isLineEnd(c) || c == separator
                       || (first && std::find(separators.begin(), separators.end(), c.unicode()) != separators.end());
            });
            if (quote)
                text += u'"' + QString(field).replace(QLatin1Char('"'), QLatin1String("\"\"")) + u'"';
            else
                text += field;
        }
        text += u'\n';
    }
    return text;
}

std::optional<QList<Pedon>> parseHorizonCsv(const QByteArray &bytes, ProfileError *error)
{
    const auto fail = [error](const QString &where, const QString &what) {
        if (error)
            *error = {where, what};
        return std::nullopt;
    };
    if (bytes.size() > maximumCsvBytes)
        return fail(QStringLiteral("the file"),
                    QStringLiteral("is larger than 64 MiB (%1 bytes): not a CSV file of horizons").arg(bytes.size()));
    const bool byteOrderMark = bytes.startsWith("\xef\xbb\xbf");
    const QByteArrayView body = QByteArrayView(bytes).sliced(byteOrderMark ? 3 : 0);
    if (const qsizetype bad = firstInvalidUtf8(body); bad >= 0) {
        const QString before = QString::fromUtf8(body.first(bad));
        return fail(placeOf(before, detectSeparator(before)), QStringLiteral("is not UTF-8 text"));
    }
    const QString text = QString::fromUtf8(body);
    try {
        return readCsv(text, detectSeparator(text), byteOrderMark);
    } catch (const Fault &fault) {
        return fail(fault.where, fault.what);
    }
}

QByteArray writeHorizonCsv(const Profile &profile)
{
    // Each column: its name and its value in a horizon.
    QStringList names;
    QList<std::function<QString(const Horizon &)>> values;
    const auto column = [&](const QString &name, std::function<QString(const Horizon &)> value) {
        names << name;
        values << std::move(value);
    };
    // A column the file had is written even where it is empty: its name
    // stays the program's, however the file named it.
    const QStringList &had = profile.csv.columns;
    // Where semicolons separate, a decimal comma is the custom, as spreadsheets write it there.
    const bool comma = profile.csv.separator == u';';
    const auto decimal = [comma](QString number) { return comma ? number.replace(u'.', u',') : number; };
    if (!profile.title.isEmpty() || had.contains(QStringLiteral("title")))
        column(QStringLiteral("title"), [&profile](const Horizon &) { return profile.title; });
    QStringList site;
    for (const auto &[key, value] : profile.site) {
        site << key;
        column(key, [value = siteFieldIsNumber(key) ? decimal(value) : value](const Horizon &) { return value; });
    }
    for (const QString &key : siteFields())
        if (had.contains(key) && !site.contains(key))
            column(key, [](const Horizon &) { return QString(); });
    column(QStringLiteral("designation"), [](const Horizon &h) { return h.designation; });
    column(QStringLiteral("top_cm"), [decimal](const Horizon &h) { return decimal(numberText(h.top)); });
    column(QStringLiteral("bottom_cm"), [decimal](const Horizon &h) { return decimal(numberText(h.bottom)); });
    const QList<Property> used = usedProperties(profile);
    for (const Property &p : horizonProperties())
        if (had.contains(QLatin1String(p.key))
            || std::any_of(used.begin(), used.end(), [&p](const Property &u) { return u.key == p.key; }))
            column(QLatin1String(p.key), [p, decimal](const Horizon &h) {
                const bool text = p.kind == Property::Text || p.kind == Property::Yes || p.kind == Property::Choice;
                return text ? horizonValue(h, p) : decimal(horizonValue(h, p));
            });
    if (had.contains(QStringLiteral("features"))
        || std::any_of(profile.horizons.begin(), profile.horizons.end(),
                       [](const Horizon &h) { return !h.features.isEmpty(); }))
        column(QStringLiteral("features"), [](const Horizon &h) { return h.features.join(QStringLiteral("; ")); });
    QStringList unknown;
    for (const QString &key : had)
        if (programName(key) != key)
            unknown << key;
    for (const Horizon &h : profile.horizons)
        for (const QString &key : h.extra.keys())
            if (!unknown.contains(key))
                unknown << key;
    for (const QString &key : unknown)
        column(key, [key](const Horizon &h) { return cellText(h.extra.value(key)); });

    QList<QStringList> rows{names};
    for (const Horizon &h : profile.horizons) {
        QStringList row;
        for (const auto &value : values)
            row << value(h);
        rows << row;
    }
    QByteArray bytes = profile.csv.byteOrderMark ? QByteArray("\xef\xbb\xbf") : QByteArray();
    return bytes + joinDelimited(rows, profile.csv.separator).toUtf8();
}

} // namespace yuc::study
