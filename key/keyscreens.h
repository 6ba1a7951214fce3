#pragma once

namespace yuc {

// Registers the windows of the key (steps, result screens, panels, the key
// entry note and the order's page) with the ScreenManager.
void registerKeyScreens();

struct KeyModel;
// Registers the steps, result screens and panels of a key; the model must
// outlive every window built from it.
void registerKeyWindows(const KeyModel &model);

} // namespace yuc
