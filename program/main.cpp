#include "program/program.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Yucarra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Yucarra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/shell/program_icon.svg")));
    QApplication::setDesktopFileName(QStringLiteral("org.yucarra.yucarra"));
    yuc::startProgram();
    return app.exec();
}
