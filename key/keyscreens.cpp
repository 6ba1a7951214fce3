#include "key/keyscreens.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerKeyScreens()
{
}

} // namespace yuc
