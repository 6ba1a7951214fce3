#include "program/program.h"

#include "calc/calcscreens.h"
#include "key/keyscreens.h"
#include "reference/referencescreens.h"
#include "shell/mainwindow.h"
#include "shell/screenmanager.h"
#include "shell/shellscreens.h"
#include "shell/startscreen.h"
#include "shell/style.h"
#include "shell/svgpicture.h"
#include "study/profilewindow.h"
#include "study/recovery.h"
#include "study/studypanel.h"

#include <QApplication>
#include <QWidget>

#include <QTimer>

#include <memory>

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
    // The program's icon is read once the start screen is up: the first SVG
    // icon loads the icon plugin, which need not hold up its first paint.
    QApplication::setWindowIcon(svgIcon(QStringLiteral(":/shell/program_icon.svg")));
    registerKeyScreens();
    MainWindow::setClientFactory([](QWidget *parent) { return new StudyPanel(parent); });
    StudyPanel::registerScreens();
    registerCalcScreens();
    registerReferenceScreens();
    study::Recovery::instance().follow();
}

} // namespace

void prepareProgram()
{
    prepareShell();
    prepareLibrary();
}

void startProgram(const QString &profileFile)
{
    prepareShell();
    // Before anything is shown: edits a crash or a kill kept from being lost.
    const std::optional<study::Recovery::LeftBehind> restoring = profilefiles::offerLeftBehind();
    if (!profileFile.isEmpty() || restoring) {
        auto opened = std::make_shared<QMetaObject::Connection>();
        *opened = QObject::connect(&ScreenManager::instance(), &ScreenManager::screenLoaded,
                                   [opened, profileFile, restoring](const QString &name) {
                                       if (name != QLatin1String("mainmenu"))
                                           return;
                                       QObject::disconnect(*opened);
                                       // Once the main window is up and in front, the profile comes before it.
                                       QTimer::singleShot(0, [profileFile, restoring] {
                                           if (restoring)
                                               profilefiles::restore(*restoring);
                                           if (!profileFile.isEmpty())
                                               profilefiles::open(profileFile);
                                       });
                                   });
    }
    // The library is registered once the start screen has been painted, so
    // that the user sees it before the key is read.
    auto *start = qobject_cast<StartScreen *>(ScreenManager::instance().show_screen(QStringLiteral("start_p")));
    QObject::connect(start, &StartScreen::firstPainted, &prepareLibrary);
    // Should the start screen never be painted (no display to paint on),
    // everything is still there before the main window is.
    QTimer::singleShot(StartScreen::displayMilliseconds / 2, &prepareLibrary);
}

} // namespace yuc
