#include "shell/style.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
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

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
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
