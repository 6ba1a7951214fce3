#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace yuc {

// The one place that runs the program's modal file and print dialogs, as
// MessageBox is for message boxes. With a responder set, the responder
// answers in the user's place (tests use this); nothing modal is run.
class Dialogs
{
public:
    // Asks where to save a file; empty when the user cancels. The filter
    // chosen, if asked for, is the one the user left selected.
    static QString saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filter,
                                QString *chosenFilter = nullptr);
    // Asks which file to open; empty when the user cancels.
    static QString openFileName(QWidget *parent, const QString &title, const QString &filter);
    // Asks which of a list of items to take; its index, or -1 when the user cancels.
    static int chooseItem(QWidget *parent, const QString &title, const QString &label, const QStringList &items);
    // Runs a modal dialog (the print dialog) and returns its result code.
    static int exec(QDialog *dialog);

    struct Responder {
        std::function<QString(const QString &title, const QString &suggested)> saveFileName;
        std::function<int(QDialog *dialog)> exec;
        std::function<QString(const QString &title)> openFileName;
        std::function<int(const QString &title, const QStringList &items)> chooseItem;
    };
    static void setResponder(Responder responder);
};

} // namespace yuc
