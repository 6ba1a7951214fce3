#include "program/program.h"
#include "shell/screenmanager.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Yucarra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Yucarra"));
    QApplication::setDesktopFileName(QStringLiteral("org.yucarra.yucarra"));
    // yucarra [FILE]: a profile to open once the main window is there.
    const QStringList arguments = QApplication::arguments();
    yuc::startProgram(arguments.size() > 1 ? arguments.at(1) : QString());
    const int status = QApplication::exec();
    // Windows still open when the loop ends (it may be ended from outside)
    // are deleted while the application they belong to still exists.
    yuc::ScreenManager::instance().destroyAll();
    return status;
}
