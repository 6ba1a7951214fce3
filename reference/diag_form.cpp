#include "reference/diag_form.h"

#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace yuc::form {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QRect pixels(const QRect &twips)
{
    return {tw(twips.x()), tw(twips.y()), tw(twips.width()), tw(twips.height())};
}

QWidget *newWindow(const char *caption)
{
    auto *window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setWindowTitle(text(caption));
    window->setAccessibleName(text(caption));
    return window;
}

QWidget *newWindow(const char *caption, const QColor &background)
{
    QWidget *window = newWindow(caption);
    setBackground(window, background);
    return window;
}

void fixSize(QWidget *window, QSize clientTwips)
{
    const int margin = tw(120);
    const QRect used = window->childrenRect();
    window->setFixedSize(qMax(tw(clientTwips.width()), used.right() + 1 + margin),
                         qMax(tw(clientTwips.height()), used.bottom() + 1 + margin));
}

QLabel *addLabel(QWidget *parent, const LabelDef &def)
{
    const bool heading = def.font == LabelFont::Heading;
    auto *label = new QLabel(parent);
    label->setObjectName(text(def.name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text(def.text));
    label->setAlignment(heading ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    if (heading)
        label->setFont(timesFont(14.25, true));
    QRect place = pixels(def.twips);
    // A label laid out for one line keeps its text on one line and widens
    // (about its centre, if centred) when the text needs it; a taller one
    // wraps and grows downwards.
    if (place.height() * 2 < label->fontMetrics().lineSpacing() * 3) {
        const int extra = qMax(0, label->sizeHint().width() - place.width());
        const int left = heading ? extra / 2 : 0;
        place.adjust(-left, 0, extra - left, 0);
        place.setHeight(qMax(place.height(), label->sizeHint().height()));
    } else {
        label->setWordWrap(true);
        place.setHeight(qMax(place.height(), label->heightForWidth(place.width())));
    }
    label->setGeometry(place);
    return label;
}

QWidget *labelWindow(const char *caption, const QColor &background, std::span<const LabelDef> labels)
{
    QWidget *window = newWindow(caption, background);
    for (const LabelDef &label : labels)
        addLabel(window, label);
    return window;
}

QWidget *finish(QWidget *window, const ButtonDef &close, QSize clientTwips)
{
    addCloseButton(window, close);
    fixSize(window, clientTwips);
    return window;
}

QPushButton *addButton(QWidget *parent, const ButtonDef &def, std::function<void()> action)
{
    auto *button = new QPushButton(text(def.caption), parent);
    button->setObjectName(text(def.name));
    button->setGeometry(pixels(def.twips));
    QObject::connect(button, &QPushButton::clicked, button, std::move(action));
    return button;
}

QPushButton *addCloseButton(QWidget *parent, const ButtonDef &def)
{
    QWidget *window = parent->window();
    // Looked up when pressed: the manager names the window after it is built.
    QPushButton *button =
        addButton(parent, def, [window] { ScreenManager::instance().unload_screen(window->objectName()); });
    if (!window->findChild<QShortcut *>(QStringLiteral("escape"))) {
        auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        escape->setObjectName(QStringLiteral("escape"));
        QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
    }
    return button;
}

std::function<void()> showsScreen(const char *name)
{
    return [screen = text(name)] { ScreenManager::instance().show_screen(screen); };
}

QGroupBox *addGroup(QWidget *parent, const char *name, const char *caption, const QRect &twips)
{
    auto *group = new QGroupBox(text(caption), parent);
    group->setObjectName(text(name));
    group->setGeometry(pixels(twips));
    return group;
}

QFrame *addLine(QWidget *parent, const char *name, const QLine &twips)
{
    auto *line = new QFrame(parent);
    line->setObjectName(text(name));
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const QPoint from(tw(twips.x1()), tw(twips.y1()));
    const QPoint to(tw(twips.x2()), tw(twips.y2()));
    // A three-pixel strip with the one-pixel line drawn along its middle.
    if (from.x() == to.x()) {
        line->setFrameShape(QFrame::VLine);
        line->setGeometry(from.x() - 1, from.y(), 3, to.y() - from.y() + 1);
    } else {
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(from.x(), from.y() - 1, to.x() - from.x() + 1, 3);
    }
    return line;
}

} // namespace yuc::form
