#pragma once

namespace yuc {

// Registers the classification system explainer and the soil colour page.
void registerExplainerScreens();

} // namespace yuc
