#pragma once

namespace yuc {

// Registers `About_form` and `More_info`.
void registerAboutScreens();

} // namespace yuc
