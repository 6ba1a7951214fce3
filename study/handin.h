#pragma once

#include "model/profileformat.h"

class QPagedPaintDevice;
class QTextCursor;
class QTextDocument;

namespace yuc::study {

// The pages a record is handed in on: A4 portrait with the margins of a
// letter, in Times.
void prepareHandInPages(QTextDocument &document, QPagedPaintDevice &device);

// The width of the handed-in text, in points: the page less its margins and
// the two centimetres the document keeps inside them when it is printed.
double handInTextWidth();

// The horizons as tables for the page: as many columns to a table as fit
// with every word of their headings and values whole, the designation
// repeated at the head of each further table.
QString horizonTablesHtml(const Profile &profile, const QList<Property> &columns);

// A described soil for handing in, at the cursor: its description, then the
// profile drawing with its notes and the texture triangle with the
// horizons whose stated class disagrees.
void insertProfile(QTextCursor &cursor, const Profile &profile);

} // namespace yuc::study
