#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace yuc {

enum class MessageIcon { Information, Warning };

struct ShownMessage {
    MessageIcon icon;
    QString title;
    QString text;
};

// The one place that shows the program's modal message boxes: one OK button,
// the title and text exactly as given, blanks kept.
class MessageBox
{
public:
    static void information(const QString &title, const QString &text);
    static void warning(const QString &title, const QString &text);
    static void show(MessageIcon icon, const QString &title, const QString &text);

    // Builds the box that show() runs; exposed so that its make-up can be checked.
    static QMessageBox *build(MessageIcon icon, const QString &title, const QString &text, QWidget *parent = nullptr);

    // When an observer is set, show() hands it the message instead of running
    // the modal loop, as if OK had been pressed at once. Tests use this.
    using Observer = std::function<void(const ShownMessage &)>;
    static void setObserver(Observer observer);
};

} // namespace yuc
