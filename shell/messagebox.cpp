#include "shell/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

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

QString MessageBox::askToSave(const QString &title, const QString &text)
{
    const QStringList buttons{QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")};
    if (observer())
        return observer()(ShownMessage{MessageIcon::Warning, title, text, buttons});
    std::unique_ptr<QMessageBox> box(build(MessageIcon::Warning, title, text, QApplication::activeWindow()));
    box->setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    switch (box->exec()) {
    case QMessageBox::Save:
        return buttons.at(0);
    case QMessageBox::Discard:
        return buttons.at(1);
    default:
        return buttons.at(2);
    }
}

QString MessageBox::ask(const QString &title, const QString &text, const QStringList &buttons,
                        const QString &escapeButton)
{
    if (observer())
        return observer()(ShownMessage{MessageIcon::Warning, title, text, buttons});
    std::unique_ptr<QMessageBox> box(build(MessageIcon::Warning, title, text, QApplication::activeWindow()));
    box->setStandardButtons(QMessageBox::NoButton);
    QList<QAbstractButton *> made;
    for (const QString &caption : buttons) {
        QPushButton *button = box->addButton(caption, QMessageBox::AcceptRole);
        button->setAccessibleName(caption);
        made << button;
        if (caption == escapeButton)
            box->setEscapeButton(button);
    }
    if (!made.isEmpty())
        box->setDefaultButton(static_cast<QPushButton *>(made.first()));
    box->exec();
    const qsizetype chosen = made.indexOf(box->clickedButton());
    return chosen >= 0 ? buttons.at(chosen) : escapeButton;
}

void MessageBox::show(MessageIcon icon, const QString &title, const QString &text)
{
    if (observer()) {
        observer()(ShownMessage{icon, title, text, {}});
        return;
    }
    QMessageBox *box = build(icon, title, text, QApplication::activeWindow());
    box->exec();
    delete box;
}

} // namespace yuc
