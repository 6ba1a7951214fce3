#pragma once

namespace yuc {

// Registers the windows of this subsystem with the ScreenManager.
void registerReferenceScreens();

} // namespace yuc
