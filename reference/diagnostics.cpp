#include "reference/diagnostics.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerDiagnosticScreens()
{
}

} // namespace yuc
