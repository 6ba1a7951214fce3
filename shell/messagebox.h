#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMessageBox;
class QWidget;

namespace yuc {

enum class MessageIcon { Information, Warning };

struct ShownMessage {
    MessageIcon icon;
    QString title;
    QString text;
    QStringList buttons = {}; // a question's buttons; an OK box has none listed
};

// The one place that shows the program's modal message boxes: one OK button,
// the title and text exactly as given, blanks kept.
class MessageBox
{
public:
    static void information(const QString &title, const QString &text);
    static void warning(const QString &title, const QString &text);
    static void show(MessageIcon icon, const QString &title, const QString &text);

    // Asks whether to keep unsaved edits: "Save", "Discard" or "Cancel" (also
    // for Escape and the close box), returned as the button's text.
    static QString askToSave(const QString &title, const QString &text);

    // Asks a question with the buttons given, the first the default; Escape
    // and the close box give the escape button. Returns the button's text.
    static QString ask(const QString &title, const QString &text, const QStringList &buttons,
                       const QString &escapeButton);

    // Builds the box that show() runs; exposed so that its make-up can be checked.
    static QMessageBox *build(MessageIcon icon, const QString &title, const QString &text, QWidget *parent = nullptr);

    // When an observer is set, the message is handed to it instead of running
    // the modal loop; it answers with the button pressed (OK for a message).
    // Tests use this.
    using Observer = std::function<QString(const ShownMessage &)>;
    static void setObserver(Observer observer);
};

} // namespace yuc
