#include "reference/soilorders.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerSoilOrderScreens()
{
}

} // namespace yuc
