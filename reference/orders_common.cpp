#include "reference/orders_common.h"

#include "shell/screenmanager.h"
#include "shell/style.h"
#include "shell/svgpicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace yuc::orders {

QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

QWidget *newPage(const QString &caption, int widthTw, int heightTw)
{
    auto *page = new QWidget;
    page->setWindowTitle(caption);
    page->setAccessibleName(caption);
    page->setFixedSize(tw(widthTw), tw(heightTw));
    return page;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry, const QFont &font,
                 Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

QGroupBox *addFrame(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                    const QString &accessibleName)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFont(boldFont());
    frame->setAccessibleName(caption.isEmpty() ? accessibleName : caption);
    frame->setGeometry(geometry);
    return frame;
}

SvgPicture *addPicture(QWidget *parent, const QString &name, const QString &resource, const QString &description,
                       const QRect &geometry)
{
    auto *picture = new SvgPicture(resource, description, parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    return picture;
}

QPushButton *addUnloadButton(QWidget *page, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, page);
    button->setObjectName(QStringLiteral("Command1"));
    button->setGeometry(geometry);
    button->setFont(plainFont());
    QObject::connect(button, &QPushButton::clicked, page,
                     [page] { ScreenManager::instance().unload_screen(page->objectName()); });
    auto *escape = new QShortcut(QKeySequence::Cancel, page);
    QObject::connect(escape, &QShortcut::activated, button, &QPushButton::click);
    button->setFocus();
    return button;
}

QFont plainFont()
{
    return sansFont(8.25);
}

QFont boldFont(double points)
{
    return sansFont(points, true);
}

} // namespace yuc::orders
