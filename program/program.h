#pragma once

namespace yuc {

// Registers every window of the program with the ScreenManager and installs
// the fonts; safe to call more than once.
void prepareProgram();

// Shows the start screen; its timer leads on to the main window.
void startProgram();

} // namespace yuc
