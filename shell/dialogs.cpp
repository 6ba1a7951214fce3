#include "shell/dialogs.h"

#include <QDialog>
#include <QFileDialog>

namespace yuc {

namespace {
Dialogs::Responder &responder()
{
    static Dialogs::Responder current;
    return current;
}
} // namespace

void Dialogs::setResponder(Responder r)
{
    responder() = std::move(r);
}

QString Dialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filter)
{
    if (responder().saveFileName)
        return responder().saveFileName(title, suggested);
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

QString Dialogs::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    if (responder().openFileName)
        return responder().openFileName(title);
    return QFileDialog::getOpenFileName(parent, title, {}, filter);
}

int Dialogs::exec(QDialog *dialog)
{
    if (responder().exec)
        return responder().exec(dialog);
    return dialog->exec();
}

} // namespace yuc
