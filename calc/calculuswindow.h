#pragma once

class QWidget;

namespace yuc::calc {

// The calculations window with its "n value" and "Texture" tabs.
QWidget *createCalculusWindow();
// The explanation of the n value, opened from the "n value" tab.
QWidget *createNValueWindow();

} // namespace yuc::calc
