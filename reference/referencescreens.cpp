#include "reference/referencescreens.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerReferenceScreens()
{
}

} // namespace yuc
