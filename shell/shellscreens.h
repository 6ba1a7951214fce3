#pragma once

namespace yuc {

// Registers the start screen, the main window and the about screens.
void registerShellScreens();

} // namespace yuc
