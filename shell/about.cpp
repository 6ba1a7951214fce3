#include "shell/about.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerAboutScreens()
{
}

} // namespace yuc
