#pragma once

class QMenuBar;

namespace yuc {

// Fills the main window's menu bar with the reference library's entries.
void buildMainMenu(QMenuBar *bar);

} // namespace yuc
