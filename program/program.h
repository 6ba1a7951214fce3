#pragma once

#include <QString>

namespace yuc {

// Registers every window of the program with the ScreenManager and installs
// the fonts; safe to call more than once.
void prepareProgram();

// Offers unsaved edits a program that did not end normally left behind, then
// shows the start screen; its timer leads on to the main window. Edits to
// restore, and a profile file given, are opened once the main window is there.
void startProgram(const QString &profileFile = {});

} // namespace yuc
