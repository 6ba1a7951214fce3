#include "reference/referencepage.h"

#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace yuc {

namespace {
// An empty paragraph that ends a text is set smaller, as the texts were laid out.
constexpr double closingParagraphPoints = 10;
// The definitions read in the face of their title, at a size that fits the smallest page.
constexpr double labelPoints = 10;

QLabel *wrappedLabel(const QString &name, const QString &text, QWidget *parent)
{
    QLabel *label = plainLabel(name, text, parent);
    label->setWordWrap(true);
    label->setAccessibleName(text);
    return label; // unfilled: it shows the page's own background
}

// A page's rich text, made the first time the page opens: the texts never
// change, and making one again each time cost about a twentieth of opening
// the page.
QString pageText(const PageDescription &page)
{
    static QHash<QString, QString> made;
    const QString key = page.textResource + QLatin1Char('@') + QString::number(page.points);
    auto it = made.constFind(key);
    if (it == made.constEnd())
        it = made.insert(key, ReferencePage::richText(ReferencePage::textLines(page.textResource), page.points));
    return *it;
}
} // namespace

ReferencePage::ReferencePage(const PageDescription &page, QWidget *parent) : QWidget(parent, fixedWindowFlags)
{
    setWindowTitle(page.caption);
    setAccessibleName(page.caption);
    if (page.background.isValid())
        setBackground(this, page.background);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);

    // The reader scrolls a text with the keys at once; a label page has only its button.
    QWidget *text = page.textResource.isEmpty() ? buildLabels(page) : buildTextView(page);

    m_button = new QPushButton(page.button, this);
    m_button->setObjectName(QStringLiteral("Command1"));
    m_button->setAccessibleName(page.button);
    m_button->setAutoDefault(true); // Enter presses it when it has the focus
    m_button->setMinimumWidth(tw(1215));
    connect(m_button, &QPushButton::clicked, this, &ReferencePage::Command1_Click);
    (text ? text : m_button)->setFocus();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_button);
    buttons->addStretch();
    layout->addLayout(buttons);

    setFixedSize(tw(page.client.width()), tw(page.client.height()));
}

QWidget *ReferencePage::buildTextView(const PageDescription &page)
{
    auto *view = new QTextBrowser(this);
    view->setObjectName(QStringLiteral("RichTextBox1"));
    view->setAccessibleName(page.frame.isEmpty() ? page.caption : page.frame);
    view->setOpenLinks(false);
    view->setTabChangesFocus(true);
    // The page's colour is painted under the text like every window's
    // background: a palette of the view's own would give its scroll bars new
    // entries in the style's picture cache each time a page opens.
    view->viewport()->setAutoFillBackground(false);
    setBackground(view->viewport(), colours::paleYellow);
    // That colour covers the whole text area, so nothing beneath it (the
    // frame's scaled picture, the window's background) need be painted first.
    view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    view->document()->setDefaultFont(timesFont(page.points));
    view->setHtml(pageText(page));
    view->moveCursor(QTextCursor::Start);
    view->verticalScrollBar()->setValue(0);

    QWidget *content = view;
    if (!page.frame.isEmpty()) {
        auto *frame = new QGroupBox(page.frame, this);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setAccessibleName(page.frame);
        auto *inner = new QVBoxLayout(frame);
        inner->setContentsMargins(6, 6, 6, 6);
        inner->addWidget(view);
        content = frame;
    }
    static_cast<QVBoxLayout *>(layout())->addWidget(content, 1);
    return view;
}

QWidget *ReferencePage::buildLabels(const PageDescription &page)
{
    auto *layout = static_cast<QVBoxLayout *>(this->layout());
    QLabel *title = wrappedLabel(QStringLiteral("Label_title"), page.title, this);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(timesFont(14.25, true));
    layout->addWidget(title);
    for (int i = 0; i < page.labels.size(); ++i) {
        QLabel *label = wrappedLabel(QStringLiteral("Label%1").arg(i + 1), page.labels.at(i), this);
        label->setFont(timesFont(labelPoints));
        layout->addWidget(label);
    }
    layout->addStretch();
    return nullptr;
}

QStringList ReferencePage::textLines(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

QString ReferencePage::richText(const QStringList &lines, double points)
{
    static const QRegularExpression listMarker(QStringLiteral("^ *(?:(?:\\d+\\.|\\(\\d+\\)|\\([a-z]\\)|[a-z]\\.) +)?"));
    const QFontMetricsF metrics(timesFont(points));
    QString html = QStringLiteral("<html><body style=\"font-family:'Times New Roman'; font-size:%1pt;\">").arg(points);
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.isEmpty()) {
            const double size = i + 1 == lines.size() ? closingParagraphPoints : points;
            html +=
                QStringLiteral("<p style=\"-qt-paragraph-type:empty; margin:0; font-size:%1pt;\"><br /></p>").arg(size);
        } else {
            // pre-wrap keeps doubled blanks and still wraps at the view's edge;
            // a list item's wrapped lines hang under its text, not under its number.
            const QString marker = listMarker.match(line).captured();
            const int hang = qRound(metrics.horizontalAdvance(marker));
            html += QStringLiteral(
                        "<p style=\"margin:0; margin-left:%1px; text-indent:-%1px; white-space:pre-wrap;\">%2</p>")
                        .arg(hang)
                        .arg(line.toHtmlEscaped());
        }
    }
    return html + QStringLiteral("</body></html>");
}

void ReferencePage::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the page like its button, as in any dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ReferencePage::Command1_Click()
{
    ScreenManager::instance().unload_screen(objectName());
}

} // namespace yuc
