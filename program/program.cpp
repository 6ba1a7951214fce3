#include "program/program.h"

#include "calc/calcscreens.h"
#include "key/keyscreens.h"
#include "reference/referencescreens.h"
#include "shell/screenmanager.h"
#include "shell/shellscreens.h"
#include "shell/style.h"

#include <QTimer>

namespace yuc {

namespace {

void prepareShell()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    installFonts();
    registerShellScreens();
}

// The key, the calculations and the reference library: everything the start
// screen does not need.
void prepareLibrary()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    registerKeyScreens();
    registerCalcScreens();
    registerReferenceScreens();
}

} // namespace

void prepareProgram()
{
    prepareShell();
    prepareLibrary();
}

void startProgram()
{
    prepareShell();
    ScreenManager::instance().show_screen(QStringLiteral("start_p"));
    // The rest is registered while the start screen is up, not before it.
    QTimer::singleShot(0, &prepareLibrary);
}

} // namespace yuc
