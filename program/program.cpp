#include "program/program.h"

#include "calc/calcscreens.h"
#include "key/keyscreens.h"
#include "reference/referencescreens.h"
#include "shell/screenmanager.h"
#include "shell/shellscreens.h"
#include "shell/style.h"

namespace yuc {

void prepareProgram()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    installFonts();
    registerShellScreens();
    registerKeyScreens();
    registerCalcScreens();
    registerReferenceScreens();
}

void startProgram()
{
    prepareProgram();
    ScreenManager::instance().show_screen(QStringLiteral("start_p"));
}

} // namespace yuc
