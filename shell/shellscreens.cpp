#include "shell/shellscreens.h"

#include "shell/about.h"
#include "shell/mainwindow.h"
#include "shell/screenmanager.h"
#include "shell/startscreen.h"

namespace yuc {

void registerShellScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("start_p"), [] { return new StartScreen; });
    manager.registerScreen(QStringLiteral("mainmenu"), [] { return new MainWindow; });
    registerAboutScreens();
}

} // namespace yuc
