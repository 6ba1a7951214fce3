#include "calc/calcscreens.h"

#include "calc/calculuswindow.h"
#include "shell/screenmanager.h"

namespace yuc {

void registerCalcScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("calculus_form"), calc::createCalculusWindow);
    manager.registerScreen(QStringLiteral("nvalue_form"), calc::createNValueWindow);
}

} // namespace yuc
