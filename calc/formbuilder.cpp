#include "calc/formbuilder.h"

#include "calc/entrypair.h"
#include "shell/style.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace yuc::calc {

QRect toPixels(const Twips &at)
{
    return {tw(at.left), tw(at.top), tw(at.width), tw(at.height)};
}

namespace {

QLabel *makeLabel(const ControlDesc &desc, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(desc.text), parent);
    // Plain text keeps every blank of the caption.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect at = toPixels(desc.at);
    switch (desc.kind) {
    case Kind::HeadingLabel:
        label->setFont(sansFont(9.75, true));
        break;
    case Kind::TitleLabel:
        label->setFont(timesFont(14.25, true));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        break;
    case Kind::WrapLabel:
        label->setWordWrap(true);
        label->setFont(sansFont(8.25));
        break;
    default:
        // A frame's bold caption font must not reach its labels.
        label->setFont(sansFont(8.25));
        break;
    }
    // Where this system's fonts run wider or taller than the layout allowed,
    // the label grows rather than cut its text.
    if (label->wordWrap()) {
        at.setHeight(std::max(at.height(), label->heightForWidth(at.width())));
    } else {
        const QSize needed = label->sizeHint();
        at.setWidth(std::max(at.width(), needed.width()));
        at.setHeight(std::max(at.height(), needed.height()));
    }
    label->setGeometry(at);
    return label;
}

QWidget *makeControl(const ControlDesc &desc, QWidget *parent)
{
    const QString text = QString::fromUtf8(desc.text);
    switch (desc.kind) {
    case Kind::Frame: {
        auto *frame = new QGroupBox(text, parent);
        frame->setFont(sansFont(8.25, true));
        frame->setGeometry(toPixels(desc.at));
        return frame;
    }
    case Kind::TextBox: {
        auto *edit = new QLineEdit(text, parent);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::white);
        edit->setPalette(palette);
        edit->setFont(sansFont(8.25));
        edit->setGeometry(toPixels(desc.at));
        return edit;
    }
    case Kind::Button:
    case Kind::BoldButton: {
        auto *button = new QPushButton(text, parent);
        button->setFont(sansFont(8.25, desc.kind == Kind::BoldButton));
        // Enter presses the button that has the focus, as Space does.
        button->setAutoDefault(true);
        button->setGeometry(toPixels(desc.at));
        return button;
    }
    default:
        return makeLabel(desc, parent);
    }
}

} // namespace

QList<EntryPair *> buildControls(QWidget *container, std::span<const ControlDesc> controls, const EntryRows *entries)
{
    QList<EntryPair *> pairs;
    QWidget *previous = nullptr;
    for (const ControlDesc &desc : controls) {
        QWidget *parent = container;
        if (*desc.parent)
            parent = container->findChild<QWidget *>(QString::fromUtf8(desc.parent));
        Q_ASSERT(parent);
        QWidget *control = makeControl(desc, parent);
        control->setObjectName(QString::fromUtf8(desc.name));
        // A text box is named for a screen reader by the label just before it.
        auto *label = qobject_cast<QLabel *>(previous);
        if (label && desc.kind == Kind::TextBox && label->parentWidget() == parent) {
            label->setBuddy(control);
            control->setAccessibleName(label->text());
        }
        if (entries && qstrcmp(desc.name, entries->frame) == 0)
            for (const EntryDesc &row : entries->rows)
                pairs << new EntryPair(row, entries->geometry, QString::fromUtf8(entries->initialText), control);
        previous = control;
    }
    return pairs;
}

LineFigure::LineFigure(std::span<const LineDesc> lines, const QString &description, QWidget *parent)
    : QWidget(parent),
      m_lines(lines)
{
    QRect bounds;
    for (const LineDesc &line : lines)
        bounds |= QRect(QPoint(tw(line.x1), tw(line.y1)), QPoint(tw(line.x2), tw(line.y2))).normalized();
    setGeometry(bounds.adjusted(-1, -1, 1, 1));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(description);
}

void LineFigure::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.translate(-pos() + QPointF(0.5, 0.5));
    for (const LineDesc &line : m_lines)
        painter.drawLine(QPointF(tw(line.x1), tw(line.y1)), QPointF(tw(line.x2), tw(line.y2)));
}

TwipsTabWidget::TwipsTabWidget(const Twips &at, QWidget *parent) : QTabWidget(parent)
{
    setGeometry(toPixels(at));
    connect(this, &QTabWidget::currentChanged, this, &TwipsTabWidget::placeCanvases);
}

QWidget *TwipsTabWidget::addCanvasPage(const QString &caption)
{
    auto *page = new QWidget;
    auto *canvas = new QWidget(page);
    canvas->resize(size());
    m_canvases << canvas;
    addTab(page, caption);
    placeCanvases();
    return canvas;
}

void TwipsTabWidget::placeCanvases()
{
    for (QWidget *canvas : std::as_const(m_canvases)) {
        QWidget *page = canvas->parentWidget();
        canvas->move(-page->mapTo(this, QPoint(0, 0)));
    }
}

void TwipsTabWidget::resizeEvent(QResizeEvent *event)
{
    QTabWidget::resizeEvent(event);
    placeCanvases();
}

void TwipsTabWidget::showEvent(QShowEvent *event)
{
    QTabWidget::showEvent(event);
    placeCanvases();
}

} // namespace yuc::calc
