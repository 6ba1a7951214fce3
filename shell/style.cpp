#include "shell/style.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace yuc {

namespace {
const QString serifFace = QStringLiteral("Times New Roman");
const QString sansFace = QStringLiteral("MS Sans Serif");
} // namespace

void installFonts()
{
    QFont::insertSubstitutions(serifFace, {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(sansFace, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(sansFont(8.25));
}

QFont timesFont(double points, bool bold)
{
    QFont font(serifFace);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sansFont(double points, bool bold)
{
    QFont font(sansFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

namespace {
// Paints a flat colour under a widget's own painting. A palette of its own
// would do the same, but every widget under a changed palette gets its own
// entries in the style's picture cache, and those are never given back.
class BackgroundPainter : public QObject
{
public:
    BackgroundPainter(QWidget *widget, const QColor &colour) : QObject(widget), m_colour(colour) {}
    QColor colour() const { return m_colour; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched == parent()) {
            auto *widget = static_cast<QWidget *>(watched);
            QPainter painter(widget);
            painter.fillRect(static_cast<QPaintEvent *>(event)->rect(), m_colour);
        }
        return false;
    }

private:
    QColor m_colour;
};
BackgroundPainter *painterOf(const QWidget *widget)
{
    for (QObject *child : widget->children())
        if (auto *painter = dynamic_cast<BackgroundPainter *>(child))
            return painter;
    return nullptr;
}
} // namespace

void setBackground(QWidget *widget, const QColor &colour)
{
    delete painterOf(widget);
    widget->installEventFilter(new BackgroundPainter(widget, colour));
    widget->update();
}

QColor backgroundOf(const QWidget *widget)
{
    const BackgroundPainter *painter = painterOf(widget);
    return painter ? painter->colour() : widget->palette().color(QPalette::Window);
}

} // namespace yuc

namespace yuc {

QLabel *plainLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace yuc
