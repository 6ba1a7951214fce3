// Development aid: shows the named screens through the ScreenManager, in
// order, so that they can be looked at (and photographed) on a real display.
// Options named "form/control" are clicked after the screens are shown;
// "form/control=N" chooses item N of a combo box, "form/control=text" types
// the text into a line edit.
#include "program/program.h"
#include "shell/screenmanager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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
        const QString control = name.mid(slash + 1).section(QLatin1Char('='), 0, 0);
        auto *combo = window ? window->findChild<QComboBox *>(control) : nullptr;
        auto *edit = window ? window->findChild<QLineEdit *>(control) : nullptr;
        auto *button = window ? window->findChild<QAbstractButton *>(control) : nullptr;
        if (combo) {
            combo->setCurrentIndex(name.section(QLatin1Char('='), 1).toInt());
            emit combo->activated(combo->currentIndex());
        } else if (edit) {
            edit->setText(name.section(QLatin1Char('='), 1));
        } else if (button)
            button->click();
        else
            qWarning("no control %s", qPrintable(name));
    }
    return app.exec();
}
