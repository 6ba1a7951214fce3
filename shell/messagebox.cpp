#include "shell/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace yuc {

namespace {
MessageBox::Observer &observer()
{
    static MessageBox::Observer current;
    return current;
}
} // namespace

void MessageBox::setObserver(Observer o)
{
    observer() = std::move(o);
}

void MessageBox::information(const QString &title, const QString &text)
{
    show(MessageIcon::Information, title, text);
}

void MessageBox::warning(const QString &title, const QString &text)
{
    show(MessageIcon::Warning, title, text);
}

QMessageBox *MessageBox::build(MessageIcon icon, const QString &title, const QString &text, QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("message_box"));
    box->setIcon(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information);
    box->setWindowTitle(title);
    // Plain text keeps every blank of the message.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAccessibleName(title);
    box->setAccessibleDescription(text);
    return box;
}

void MessageBox::show(MessageIcon icon, const QString &title, const QString &text)
{
    if (observer()) {
        observer()(ShownMessage{icon, title, text});
        return;
    }
    QMessageBox *box = build(icon, title, text, QApplication::activeWindow());
    box->exec();
    delete box;
}

} // namespace yuc
