#pragma once

#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <span>

class QColor;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Small builders for the fixed reference windows, whose controls are placed
// in twips as they were laid out.
namespace yuc::form {

// A heading is bold Times New Roman 14.25 pt, centred on its place.
enum class LabelFont { Default, Heading };

struct LabelDef {
    const char *name;
    const char *text;
    QRect twips;
    LabelFont font = LabelFont::Default;
};

struct ButtonDef {
    const char *name;
    const char *caption;
    QRect twips;
};

QString text(const char *utf8);
QRect pixels(const QRect &twips);

// A top-level window with a caption and no minimise or maximise button.
QWidget *newWindow(const char *caption, const QColor &background);
QWidget *newWindow(const char *caption);
// Fixes the window's size: the client size it was laid out for, or more
// where the fonts of this desktop need more room, so nothing is cut off.
void fixSize(QWidget *window, QSize clientTwips);

// A plain-text label at its place. One laid out for a single line widens
// when its text needs it (a width of 0 fits it to its text); a taller one
// wraps its text and grows downwards when it needs more lines.
QLabel *addLabel(QWidget *parent, const LabelDef &def);
// A window of fixed labels.
QWidget *labelWindow(const char *caption, const QColor &background, std::span<const LabelDef> labels);
// Adds the button that closes the window, fixes its size and hands it back.
QWidget *finish(QWidget *window, const ButtonDef &close, QSize clientTwips);

QPushButton *addButton(QWidget *parent, const ButtonDef &def, std::function<void()> action);
// A button that unloads its own window; the first one of a window also
// answers the Escape key.
QPushButton *addCloseButton(QWidget *parent, const ButtonDef &def);
std::function<void()> showsScreen(const char *name);

QGroupBox *addGroup(QWidget *parent, const char *name, const char *caption, const QRect &twips);
// A straight black line between two points given in twips.
QFrame *addLine(QWidget *parent, const char *name, const QLine &twips);

} // namespace yuc::form
