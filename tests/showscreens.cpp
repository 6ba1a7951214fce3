// Development aid: shows the named screens through the ScreenManager, in
// order, so that they can be looked at (and photographed) on a real display.
// Options named "form/control" are clicked after the screens are shown.
#include "program/program.h"
#include "shell/screenmanager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    yuc::prepareProgram();
    const QStringList names = QApplication::arguments().mid(1);
    for (const QString &name : names) {
        const int slash = name.indexOf(QLatin1Char('/'));
        if (slash < 0) {
            if (!yuc::ScreenManager::instance().show_screen(name))
                qWarning("no screen named %s", qPrintable(name));
            continue;
        }
        QWidget *window = yuc::ScreenManager::instance().screen(name.left(slash));
        auto *button = window ? window->findChild<QAbstractButton *>(name.mid(slash + 1)) : nullptr;
        if (button)
            button->click();
        else
            qWarning("no control %s", qPrintable(name));
    }
    return app.exec();
}
