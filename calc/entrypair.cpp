#include "calc/entrypair.h"

#include "calc/calculations.h"
#include "shell/style.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace yuc::calc {

namespace {

constexpr int labelGap = 4; // pixels between a label and its text box

// The bars are short, so the usual long slider would leave it almost no
// room to travel; a square slider makes the gauge readable.
class SquareSliderStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarSliderMin && widget)
            return widget->height();
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle *squareSliderStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new SquareSliderStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

EntryPair::EntryPair(const EntryDesc &desc, const EntryGeometry &g, const QString &initialText, QWidget *parent)
    : QWidget(parent),
      m_label(new QLabel(QString::fromUtf8(desc.label), this)),
      m_edit(new QLineEdit(this)),
      m_bar(new QScrollBar(Qt::Horizontal, this))
{
    // A frame's bold caption font must not reach the row.
    setFont(sansFont(8.25));
    const int left = tw(g.labelLeft);
    const int height = std::max(tw(g.editHeight), tw(g.barHeight));
    setGeometry(left, tw(desc.top), tw(g.barLeft + g.barWidth) - left, height);

    if (*desc.labelName)
        m_label->setObjectName(QString::fromUtf8(desc.labelName));
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label->setGeometry(0, 0, tw(g.editLeft) - left - labelGap, tw(g.editHeight));
    m_label->setBuddy(m_edit);

    m_edit->setObjectName(QString::fromUtf8(desc.edit));
    m_edit->setGeometry(tw(g.editLeft) - left, 0, tw(g.editWidth), tw(g.editHeight));
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_edit->setPalette(palette);
    m_edit->setText(initialText);

    m_bar->setObjectName(QString::fromUtf8(desc.bar));
    m_bar->setGeometry(tw(g.barLeft) - left, 0, tw(g.barWidth), tw(g.barHeight));
    m_bar->setRange(0, 100);
    m_bar->setSingleStep(1);
    m_bar->setPageStep(1);
    m_bar->setValue(0);
    m_bar->setStyle(squareSliderStyle());
    // Keyboard users move the bar with the arrow keys.
    m_bar->setFocusPolicy(Qt::StrongFocus);

    // A screen reader names both controls after the row's label.
    m_edit->setAccessibleName(m_label->text());
    m_bar->setAccessibleName(m_label->text());

    connect(m_edit, &QLineEdit::textChanged, this, &EntryPair::followText);
    connect(m_bar, &QScrollBar::valueChanged, this, &EntryPair::followBar);
}

double EntryPair::value() const
{
    return readNumber(m_edit->text());
}

void EntryPair::followText(const QString &text)
{
    const double rounded = roundHalfEven(readNumber(text));
    if (rounded >= m_bar->minimum() && rounded <= m_bar->maximum()) {
        // When this moves the bar, followBar rewrites the text as an integer.
        m_bar->setValue(int(rounded));
        return;
    }
    // Out of the bar's reach: it stops at its end, and the typed text stays
    // as it is, so the calculation still reads what was typed.
    const QSignalBlocker quiet(m_bar);
    m_bar->setValue(rounded < m_bar->minimum() ? m_bar->minimum() : m_bar->maximum());
}

void EntryPair::followBar(int value)
{
    m_edit->setText(QString::number(value));
}

} // namespace yuc::calc
