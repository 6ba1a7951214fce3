#include "reference/referencescreens.h"

#include "reference/diagnostics.h"
#include "reference/explainer.h"
#include "reference/pages.h"
#include "reference/soilorders.h"

namespace yuc {

void registerReferenceScreens()
{
    registerReferencePages();
    registerDiagnosticScreens();
    registerSoilOrderScreens();
    registerExplainerScreens();
}

} // namespace yuc
