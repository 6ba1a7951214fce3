#include "shell/dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

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

QString Dialogs::saveFileName(QWidget *parent, const QString &title, const QString &suggested, const QString &filter,
                              QString *chosenFilter)
{
    if (responder().saveFileName)
        return responder().saveFileName(title, suggested);
    return QFileDialog::getSaveFileName(parent, title, suggested, filter, chosenFilter);
}

int Dialogs::chooseItem(QWidget *parent, const QString &title, const QString &label, const QStringList &items)
{
    if (responder().chooseItem)
        return responder().chooseItem(title, items);
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setAccessibleName(title);
    dialog.setAccessibleDescription(label);
    // A list, not a drop-down: a file may hold thousands of items.
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setComboBoxItems(items);
    dialog.setTextValue(items.value(0)); // Enter takes the first
    dialog.resize(560, 420);
    for (QWidget *child : dialog.findChildren<QWidget *>())
        if (child->inherits("QListView"))
            child->setAccessibleName(label);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return int(items.indexOf(dialog.textValue()));
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
