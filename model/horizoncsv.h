#pragma once

#include "model/profileformat.h"

#include <QStringView>

namespace yuc::study {

// Rows of delimited text, one at a time, as spreadsheets write them: a field
// in double quotes may hold the separator, line breaks and doubled quotes;
// rows end with LF, CRLF or CR.
class DelimitedReader
{
public:
    DelimitedReader(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}
    // The next row's fields, each valid until the next row is read; false at
    // the end of the text.
    bool next(QList<QStringView> &fields);
    // The row last read, from 1; a blank row counts, as a spreadsheet counts it.
    int row() const { return m_row; }
    // The row last read ends inside a quoted field that is never closed.
    bool unclosed() const { return m_unclosed; }

private:
    QStringView m_text;
    QChar m_separator;
    qsizetype m_at = 0;
    int m_row = 0;
    bool m_unclosed = false;
    QStringList m_unquoted; // fields of the row that differ from their text in the file
};

// The separator of delimited text: whichever of tab, semicolon and comma its
// first row holds most often outside quotes; a comma when it holds none.
QChar detectSeparator(QStringView text);
// Every row of delimited text; trailing blank rows left out.
QList<QStringList> splitDelimited(QStringView text, QChar separator);
// Rows as delimited text, each ending in a line break; a field is quoted
// where it holds the separator, a quote or a line break, and in the first
// row, which tells the separator, where it holds a separator of any kind.
QString joinDelimited(const QList<QStringList> &rows, QChar separator);

// One pedon of a CSV file of horizons: the value of its identifier column
// (empty when the file has none) and its description.
struct Pedon {
    QString id;
    Profile profile;
};

// The largest CSV file read: an export of thousands of pedons.
constexpr qsizetype maximumCsvBytes = qsizetype(64) * 1024 * 1024;

// Reads a CSV file of horizons, one row each: UTF-8 with or without a
// byte-order mark, separated by commas, semicolons or tabs, a first row of
// column names, the program's own or a soil survey export's, in any case.
// Columns of the title and site fields hold a pedon's values (the first row
// that gives one counts); an identifier column (pedon_id, peiid, upedonid or
// site_id) splits the rows into pedons, in the order they first appear.
// Values are checked as the profile reader checks them; columns the program
// does not know are kept with each horizon. On failure returns nothing and
// says where ("row 4, column 6 (claytotal_r)") and what is wrong.
std::optional<QList<Pedon>> parseHorizonCsv(const QByteArray &bytes, ProfileError *error = nullptr);

// The profile as a CSV file of the program's column names: the title and
// site fields it gives repeated on every row, the horizons' columns some
// horizon gives or the file read had, then the columns the program does not
// know; laid out as profile.csv says.
QByteArray writeHorizonCsv(const Profile &profile);

} // namespace yuc::study
