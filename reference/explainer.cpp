#include "reference/explainer.h"

#include "shell/screenmanager.h"

namespace yuc {

void registerExplainerScreens()
{
}

} // namespace yuc
