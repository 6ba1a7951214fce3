#include "key/wrapradiobutton.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace yuc {

namespace {
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr int preferredTextWidth = 420;
} // namespace

WrapRadioButton::WrapRadioButton(const QString &text, QWidget *parent) : QRadioButton(text, parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred, QSizePolicy::RadioButton);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int WrapRadioButton::textIndent() const
{
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this)
           + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this) + 2;
}

QRect WrapRadioButton::textRect(int width) const
{
    const int textWidth = qMax(1, width - textIndent() - 2);
    return fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000), textFlags, text());
}

// The caption is drawn top-aligned in this area, so its first line's
// baseline lies one ascent below the area's top.
QRect WrapRadioButton::textArea() const
{
    return rect().adjusted(textIndent(), 2, -2, -2);
}

int WrapRadioButton::firstBaseline() const
{
    return textArea().top() + fontMetrics().ascent();
}

int WrapRadioButton::heightForWidth(int width) const
{
    return m_heights.height(width, [this](int w) {
        const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
        return qMax(indicator, textRect(w).height()) + 4;
    });
}

void WrapRadioButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_heights.clear();
        m_advance = -1;
    }
    QRadioButton::changeEvent(event);
}

WrapLabel::WrapLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

int WrapLabel::heightForWidth(int width) const
{
    return m_heights.height(width, [this](int w) { return QLabel::heightForWidth(w); });
}

QSize WrapLabel::sizeHint() const
{
    if (m_advance < 0)
        m_advance = fontMetrics().horizontalAdvance(text()) + 2;
    const int width = qMin(m_advance, preferredTextWidth);
    return {width, heightForWidth(width)};
}

QSize WrapLabel::minimumSizeHint() const
{
    return {qMin(sizeHint().width(), 80), fontMetrics().height()};
}

void WrapLabel::changeEvent(QEvent *event)
{
    // Margins count in the height too.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::ContentsRectChange) {
        m_heights.clear();
        m_advance = -1;
    }
    QLabel::changeEvent(event);
}

int WrapRadioButton::textAdvance() const
{
    if (m_advance < 0)
        m_advance = fontMetrics().horizontalAdvance(text());
    return m_advance;
}

QSize WrapRadioButton::sizeHint() const
{
    const int oneLine = textAdvance() + textIndent() + 4;
    const int width = qMin(oneLine, preferredTextWidth + textIndent());
    return {width, heightForWidth(width)};
}

QSize WrapRadioButton::minimumSizeHint() const
{
    const int width = textIndent() + qMin(textAdvance() + 4, 120);
    return {width, heightForWidth(width)};
}

bool WrapRadioButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void WrapRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    // The indicator stands beside the first line, not in the middle of a
    // tall caption.
    QStyleOptionButton indicator = option;
    indicator.rect.setHeight(
        qMax(fontMetrics().height(), style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this)) + 4);
    indicator.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &indicator, this);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, indicator);

    const QRect area = textArea();
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(area, textFlags, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(area, textFlags, text()).adjusted(-1, 0, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace yuc
