#pragma once

namespace yuc {

// Registers the windows of the key (steps, result screens, panels, the key
// entry note and the order's page) with the ScreenManager.
void registerKeyScreens();

} // namespace yuc
