#pragma once

#include "model/evaluation.h"
#include "model/keypaths.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextDocument;
class QVBoxLayout;
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
    ~StudyPanel() override;

    // The windows the panel opens: the practice profile and the record beside the key.
    static void registerScreens();
    // The panel of the main window, while there is one.
    static StudyPanel *current();

    // Shows the record of a place at once; an invalid place shows the opening note.
    void showPlace(const KeyPlace &place);
    // Follows the user through the key: the record is drawn once the user
    // stays, not for every window passed on the way.
    void followPlace(const KeyPlace &place);
    KeyPlace place() const;
    // The record as plain text, as the view reads it out.
    QString recordText();

    // Writes the record as PDF, complete or not at all; false with the reason.
    // During practice the profile's description comes first.
    bool savePdf(const QString &path, QString *error = nullptr);
    // What Copy puts on the clipboard: the profile's description during
    // practice, then the record.
    QString handInText();

    // The record view and its hand-in buttons, lent to a window of its own
    // and taken back when that window closes.
    void lendRecord(QWidget *window);
    bool recordLent() const;

private:
    void settle(); // draws a followed place now
    void findTyped(const QString &text);
    void openLink(const QUrl &url);
    void copyRecord();
    void saveAsPdf();
    void printRecord();
    void setHandIn(bool enabled);
    void refresh(); // the record drawn again: the practice or the comparison changed
    void choosePractice(int index);
    void syncPractice();
    void takeRecordBack();
    void keyFromData();
    std::unique_ptr<QTextDocument> handInDocument();

    QLineEdit *m_find;
    QLineEdit *m_compare;
    QComboBox *m_practice;
    QCheckBox *m_tellAtOnce;
    QPushButton *m_beside;
    QPushButton *m_newProfile;
    QPushButton *m_openProfile;
    QCheckBox *m_showData;
    QPushButton *m_keyData;
    // Where the data lead, shown until the record moves to another place.
    std::optional<eval::KeyResult> m_keyed;
    KeyPlace m_keyedPlace;
    QWidget *m_recordBox;
    QVBoxLayout *m_layout;
    QLabel *m_away;
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
