#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPushButton;

namespace yuc {

// What one reference page shows. A page has either a text resource (a
// read-only rich-text view) or a title and labels (a short definition).
struct PageDescription {
    QString caption;   // window caption
    QSize client;      // client area, in twips
    QString button;    // caption of the one button, Command1
    QColor background; // window background; invalid keeps the system's

    // Text pages: a UTF-8 resource, each line one paragraph of the page.
    QString textResource;
    QString frame;      // caption of the frame round the text; empty for none
    double points = 11; // Times New Roman size of the text

    // Label pages: a bold centred title over the labels Label1, Label2, ...
    QString title;
    QStringList labels;
};

// A window that shows one fixed text and a button that unloads it. It holds
// no state: every time it opens it is built afresh, scrolled to the top.
class ReferencePage : public QWidget
{
    Q_OBJECT
public:
    explicit ReferencePage(const PageDescription &page, QWidget *parent = nullptr);

    // The lines of a text resource; a final line break ends the last line.
    static QStringList textLines(const QString &resource);
    // The rich text of those lines: one paragraph each, every blank kept.
    static QString richText(const QStringList &lines, double points);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *buildTextView(const PageDescription &page);
    QWidget *buildLabels(const PageDescription &page);
    void Command1_Click();

    QPushButton *m_button = nullptr;
};

} // namespace yuc
