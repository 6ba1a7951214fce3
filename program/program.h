#pragma once

#include <QString>

namespace yuc {

// Registers every window of the program with the ScreenManager and installs
// the fonts; safe to call more than once.
void prepareProgram();

// Shows the start screen; its timer leads on to the main window. A profile
// file given is opened once the main window is there.
void startProgram(const QString &profileFile = {});

} // namespace yuc
