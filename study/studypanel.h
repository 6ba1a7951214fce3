#pragma once

#include "key/keypaths.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QTimer;
class QUrl;

namespace yuc {

// The main window's study panel: the record of the place of the key the user
// has come to (or of a taxon found by name or by its statements), with links
// to the steps, panels and reference pages it names, and the means to hand
// the record in: copied, saved as PDF or printed.
class StudyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit StudyPanel(QWidget *parent = nullptr);

    // Shows the record of a place at once; an invalid place shows the opening note.
    void showPlace(const KeyPlace &place);
    // Follows the user through the key: the record is drawn once the user
    // stays, not for every window passed on the way.
    void followPlace(const KeyPlace &place);
    KeyPlace place() const;
    // The record as plain text, as the view reads it out.
    QString recordText();

    // Writes the record as PDF, complete or not at all; false with the reason.
    bool savePdf(const QString &path, QString *error = nullptr);

private:
    void settle(); // draws a followed place now
    void findTyped(const QString &text);
    void openLink(const QUrl &url);
    void copyRecord();
    void saveAsPdf();
    void printRecord();
    void setHandIn(bool enabled);

    QLineEdit *m_find;
    QTextBrowser *m_view;
    QPushButton *m_copy;
    QPushButton *m_save;
    QPushButton *m_print;
    QTimer *m_follow;
    KeyPlace m_followed;
    KeyPlace m_place;
    bool m_showingRecord = false;
};

} // namespace yuc
