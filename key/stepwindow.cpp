#include "key/stepwindow.h"

#include "key/keyrunner.h"
#include "key/wrapradiobutton.h"
#include "shell/style.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace yuc {

namespace {

// Texts shorter than this stay on one line and take no spare width.
constexpr int shortText = 24;
// Room left for the window's title bar and frame when fitting the screen.
constexpr int frameAllowance = 40;

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    QLabel *label = yuc::plainLabel(QString(), text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

int statementLength(const KeyStep &step, bool *sideBySide)
{
    int length = 0;
    for (const KeyOption &option : step.options) {
        length += option.caption.size();
        int textsOnFirstRow = 0;
        for (int r = 0; r < option.rows.size(); ++r)
            for (const StatementItem &item : option.rows.at(r)) {
                length += item.text.size();
                if (r == 0 && item.kind == StatementItem::Kind::Label && item.text.size() >= shortText)
                    ++textsOnFirstRow;
            }
        if (textsOnFirstRow > 0)
            *sideBySide = true;
    }
    return length;
}

// Wider windows for longer keys, so that their statements need fewer lines.
int windowWidth(const KeyStep &step)
{
    bool sideBySide = false;
    const int length = statementLength(step, &sideBySide);
    if (sideBySide || length > 1500)
        return 780;
    return length > 500 ? 660 : 560;
}

} // namespace

StepWindow::StepWindow(const KeyStep &step, QWidget *parent)
    : QWidget(parent, fixedWindowFlags),
      m_step(step),
      m_group(new QButtonGroup(this))
{
    setWindowTitle(step.caption);
    setAccessibleName(step.caption);
    m_group->setExclusive(true);

    auto *outer = new QVBoxLayout(this);
    auto *frame = new QGroupBox(step.frame.caption, this);
    frame->setObjectName(step.frame.name);
    auto *frameLayout = new QVBoxLayout(frame);

    auto *scroll = new QScrollArea(frame);
    scroll->setObjectName(QStringLiteral("statements"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QWidget *content = buildOptions();
    // The statements follow the viewport's width only once the window is
    // laid out (showEvent): before that every text would be wrapped at a
    // meaningless width.
    content->resize(1, 1);
    scroll->setWidget(content);
    alignWithCaptions(); // with the fonts the window gives them
    frameLayout->addWidget(scroll);
    outer->addWidget(frame);

    QWidget *buttons = buildButtons();
    if (step.buttonsInFrame)
        frameLayout->addWidget(buttons);
    else
        outer->addWidget(buttons);

    if (step.cancelFirst && m_cancelButton) {
        m_cancelButton->setFocus();
        QWidget::setTabOrder(m_cancelButton, m_options.value(0));
    } else if (!m_options.isEmpty()) {
        m_options.first()->setFocus();
    }
    m_scroll = scroll;
    // Let the statements take the viewport's width and their wrapped height,
    // not the tall minimum of every label squeezed to its narrowest.
    content->setMinimumSize(1, 1);
    setFixedWidth(windowWidth(step));
    layout()->activate();
    scroll->setFixedHeight(scroll->minimumSizeHint().height());
    setFixedSize(width(), layout()->totalMinimumSize().height());
    fitToScreen();
}

QWidget *StepWindow::buildOptions()
{
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("options"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    for (int i = 0; i < m_step.options.size(); ++i) {
        const KeyOption &option = m_step.options.at(i);
        auto *radio = new WrapRadioButton(option.caption, content);
        radio->setObjectName(option.name);
        m_group->addButton(radio, i);
        m_options << radio;

        auto *first = new QHBoxLayout;
        first->setSpacing(6);
        first->addWidget(radio, 1, Qt::AlignTop);
        layout->addLayout(first);
        addRow(first, option.rows.value(0), content, radio);
        for (const Annotation &note : m_step.annotations) {
            if (note.option != i)
                continue;
            auto *line = new QFrame(content);
            line->setObjectName(note.line);
            line->setFrameShape(QFrame::HLine);
            line->setFixedWidth(36);
            first->addWidget(line, 0, Qt::AlignVCenter);
            QLabel *label = plainLabel(note.text, content);
            label->setObjectName(note.name);
            label->setFont(sansFont(8.25, true));
            label->setAlignment(Qt::AlignCenter);
            label->setMinimumWidth(64);
            first->addWidget(label, 0, Qt::AlignVCenter);
        }
        // Continuation rows line up with the caption's text, not its indicator.
        const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio)
                           + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio) + 2;
        for (int r = 1; r < option.rows.size(); ++r) {
            auto *row = new QHBoxLayout;
            row->setSpacing(6);
            row->setContentsMargins(indent, 0, 0, 0);
            layout->addLayout(row);
            addRow(row, option.rows.at(r), content, nullptr);
        }
    }
    layout->addStretch(1);
    return content;
}

void StepWindow::addRow(QHBoxLayout *into, const StatementRow &row, QWidget *content, WrapRadioButton *caption)
{
    bool hasText = caption != nullptr;
    for (const StatementItem &item : row) {
        switch (item.kind) {
        case StatementItem::Kind::Marker: {
            QLabel *marker = plainLabel(item.text, content);
            marker->setMinimumWidth(20);
            into->addWidget(marker, 0, Qt::AlignTop);
            if (caption)
                m_besideCaptions.append({marker, caption});
            break;
        }
        case StatementItem::Kind::Label: {
            const bool long_ = item.text.size() >= shortText;
            QLabel *label = long_ ? new WrapLabel(item.text, content) : plainLabel(item.text, content);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            into->addWidget(label, long_ ? 1 : 0, Qt::AlignTop);
            if (caption)
                m_besideCaptions.append({label, caption});
            hasText = hasText || long_;
            break;
        }
        case StatementItem::Kind::Panel: {
            auto *button = new QPushButton(item.panel.caption, content);
            button->setObjectName(item.panel.name);
            button->setAutoDefault(false);
            const PanelButton panel = item.panel;
            connect(button, &QPushButton::clicked, this, [panel] { keyrunner::press_panel(panel); });
            into->addWidget(button, 0, Qt::AlignTop);
            break;
        }
        }
    }
    // Rows of short labels and buttons keep to the left.
    if (!hasText)
        into->addStretch(1);
}

void StepWindow::alignWithCaptions()
{
    // A label and the caption beside it share their top, but the caption's
    // text starts below the button's padding: the label is lowered so that
    // its first line reads level with the caption's.
    for (const auto &[label, caption] : std::as_const(m_besideCaptions)) {
        const int labelBaseline = label->margin() + label->fontMetrics().ascent();
        label->setContentsMargins(0, qMax(0, caption->firstBaseline() - labelBaseline), 0, 0);
    }
}

QPushButton *StepWindow::addButton(QBoxLayout *into, const ButtonSpec &desc)
{
    auto *button = new QPushButton(desc.caption, this);
    button->setObjectName(desc.name);
    button->setAutoDefault(false);
    into->addWidget(button);
    return button;
}

QWidget *StepWindow::buildButtons()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("buttons"));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    const KeyStep &step = m_step;
    if (step.helpButton)
        connect(addButton(layout, *step.helpButton), &QPushButton::clicked, this,
                [&step] { keyrunner::press_help(step); });
    if (step.backButton)
        connect(addButton(layout, *step.backButton), &QPushButton::clicked, this,
                [&step] { keyrunner::press_back(step); });
    if (step.cancelButton) {
        m_cancelButton = addButton(layout, *step.cancelButton);
        connect(m_cancelButton, &QPushButton::clicked, this, [&step] { keyrunner::press_cancel(step); });
    }
    m_stepButton = addButton(layout, step.stepButton);
    m_stepButton->setDefault(true);
    connect(m_stepButton, &QPushButton::clicked, this,
            [this] { keyrunner::press_step_button(m_step, selectedOption()); });
    return bar;
}

void StepWindow::fitToScreen()
{
    // Called before the window is shown (margins give the statements' width)
    // and again once it is laid out, when the real width is known.
    int inner = m_scroll->viewport()->width();
    if (!isVisible()) {
        inner = width();
        for (QWidget *w = m_scroll->parentWidget(); w; w = w->parentWidget()) {
            const QMargins m = w->contentsMargins() + (w->layout() ? w->layout()->contentsMargins() : QMargins());
            inner -= m.left() + m.right();
            if (w == this)
                break;
        }
    }
    const int chrome = height() - m_scroll->height();
    QScreen *screen = this->screen();
    const int available = screen ? screen->availableGeometry().height() - frameAllowance : 560;
    const int maxScroll = qMax(120, available - chrome);

    int needed = m_scroll->widget()->heightForWidth(inner);
    if (needed > maxScroll && !m_scroll->verticalScrollBar()->isVisible()) // a scroll bar takes its share
        needed = m_scroll->widget()->heightForWidth(inner - m_scroll->verticalScrollBar()->sizeHint().width());
    const int scrollHeight = qMin(needed, maxScroll);
    if (scrollHeight == m_scroll->height())
        return;
    m_scroll->setFixedHeight(scrollHeight);
    setFixedSize(width(), chrome + scrollHeight);
}

void StepWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_fitted) {
        m_fitted = true;
        m_scroll->setWidgetResizable(true);
        fitToScreen();
    }
}

int StepWindow::selectedOption() const
{
    return m_group->checkedId();
}

void StepWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter on an option acts like the step button; Escape does nothing, so
    // that leaving a step always goes through its own buttons.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto *button = qobject_cast<QPushButton *>(focusWidget());
        (button ? button : m_stepButton)->click();
        return;
    }
    if (event->key() == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

} // namespace yuc
