#pragma once

namespace yuc {

// Registers the diagnostic characteristics and horizon designation windows.
void registerDiagnosticScreens();

} // namespace yuc
