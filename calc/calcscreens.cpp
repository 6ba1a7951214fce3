#include "calc/calcscreens.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerCalcScreens()
{
}

} // namespace yuc
