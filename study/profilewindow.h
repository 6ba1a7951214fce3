#pragma once

#include "study/profileeditor.h"
#include "study/recovery.h"

#include <QRect>
#include <QWidget>

class QCheckBox;
class QFormLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;
class QTextBrowser;

namespace yuc {

class ProfileDrawing;
class TextureTriangle;

// A described soil in a window of its own, to read beside the key: drawn to
// scale in its colours, its horizons on the texture triangle, the horizons as
// a table with the current one's every value, the site and, where it
// illustrates one, its page (in a practice only once the walk has its
// verdict, for the page names the taxon). The
// user's own profile is edited here: every field and cell, horizons added,
// removed and moved, every edit undone and redone, the profile opened and saved.
class ProfileWindow : public QWidget
{
    Q_OBJECT
public:
    // Shows a built-in profile, read only.
    explicit ProfileWindow(const study::Profile *profile, QWidget *parent = nullptr);
    // Edits the user's profile, which the window does not own.
    explicit ProfileWindow(study::ProfileEditor *editor, QWidget *parent = nullptr);

    // The profile drawn to scale, for the diagnostic horizons to be set beside it.
    ProfileDrawing *drawing() const { return m_drawing; }

private:
    void build(study::ProfileEditor *editor, bool editable);
    void buildFields(study::ProfileEditor *editor, QFormLayout *form);
    void showNotes();
    void showProfile();
    void showDetails();
    // A note that is shown only when there is something to say.
    static void showNote(QLabel *label, const QStringList &lines, const QString &none = QStringLiteral("No notes"));
    int currentRow() const;
    void copyCells();
    void pasteCells();
    bool takeBlockKey(const QKeyEvent *event);
    // Whether the window shows the profile the practice keys now.
    bool practised() const;

    const study::Profile *m_shown = nullptr; // the built-in profile, as the practice holds it
    study::ProfileEditor m_own;              // a built-in profile's, shown read only
    study::ProfileEditor *m_editor = nullptr;
    QTabWidget *m_tabs = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_notes = nullptr;
    QCheckBox *m_dry = nullptr;
    ProfileDrawing *m_drawing = nullptr;
    QLabel *m_drawingNotes = nullptr;
    TextureTriangle *m_triangle = nullptr;
    QLabel *m_textureNotes = nullptr;
    QTextBrowser *m_details = nullptr;
};

// The user's own profiles: typed, opened and saved, with nothing lost.
namespace profilefiles {
// A new, empty profile to type, in the profile window; false if the user
// kept the one open.
bool newProfile();
// Opens a profile file (asking which, when no path is given) and shows it in
// the profile window; a bad file is named with the place and the fault, and
// the profile already open stays as it was.
bool open(const QString &path = {});
// Saves the user's profile to its file, or (with saveAs, or when it has none)
// where the user says; an unwritable place is named and the edits kept.
bool save(bool saveAs);
// With unsaved edits, asks Save, Discard or Cancel; true when the user may go on.
bool mayLeaveEdits();
// Offers the unsaved edits a program that did not end normally left behind,
// to restore or discard; the copy to restore, if the user wants it back.
std::optional<study::Recovery::LeftBehind> offerLeftBehind();
// Opens the edits of a copy left behind in the profile window, unsaved.
bool restore(const study::Recovery::LeftBehind &copy);
} // namespace profilefiles

// Where a study window stands: beside the key's windows, which are centred on
// the screen and at most keyWidth wide, on the given side, where the screen has
// room; otherwise at that edge of the screen, for the user to move.
enum class Side { Left, Right };
QRect besideTheKey(const QRect &available, Side side, int keyWidth, QSize preferred);
// The widest key window, frame included, on the screens the key is laid out for.
constexpr int keyAreaWidth = 800;

} // namespace yuc
