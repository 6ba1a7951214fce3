// Timings of the user's data coming in: a large CSV export read and split
// into pedons, and a spreadsheet's block pasted into the horizons table.
#pragma once

#include <QList>

namespace yuc::bench {

struct CsvPasteTimes {
    QList<double> csv;        // ms: 5,000 pedons of 50,000 horizons read and split
    QList<double> paste;      // ms: 50 rows x 20 columns pasted, checked, and the window drawn again
    QList<double> pasteModel; // ms: the same paste and its checks without the window
};

CsvPasteTimes measureCsvPaste();

} // namespace yuc::bench
