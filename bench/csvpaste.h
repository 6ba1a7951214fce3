// Timings of the user's data coming in: a large CSV export read and split
// into pedons, and a spreadsheet's block pasted into the horizons table.
#pragma once

#include "bench/benchsupport.h"

namespace yuc::bench {

// csv_5000_pedons_ms: 5,000 pedons of 50,000 horizons read and split;
// paste_50x20_ms: 50 rows x 20 columns pasted, checked, and the window drawn
// again; paste_50x20_model_ms: the same paste and its checks alone.
QList<Named> measureCsvPaste();

} // namespace yuc::bench
