#pragma once

namespace yuc {

// Registers the soil order and profile photo pages.
void registerSoilOrderScreens();

} // namespace yuc
