#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <optional>

namespace yuc::study {

class ProfileEditor;

// A copy of the unsaved edits of the user's own profile, kept in the user's
// data folder while there are any, so that a crash or a kill loses at most the
// last second of typing. It is written a moment after an edit, never on the
// user's file, and removed once the edits are saved or discarded and when the
// program ends normally: the one file the program writes unasked. Each
// running program keeps its own, named by its process.
class Recovery : public QObject
{
    Q_OBJECT
public:
    static Recovery &instance();
    // From now on, keeps a copy of the practice's editor as it is edited.
    void follow();

    // The folder the copies are kept in, and this program's copy.
    static QString folder();
    static QString path();
    // How long after an edit at the latest its copy is written.
    static constexpr int delayMilliseconds = 1000;

    // A copy left by a program that did not end normally.
    struct LeftBehind {
        QString path;
        QDateTime written;
        QJsonObject snapshot; // as ProfileEditor::snapshot() gives it
        QString error;        // why it cannot be read, if it cannot
    };
    // The newest copy whose program no longer runs, if any.
    static std::optional<LeftBehind> leftBehind();
    // What a copy's edits are of: the file they belong to, or a new profile.
    static QString belongsTo(const QJsonObject &snapshot);
    // The copy left behind that the edits now followed came from: removed
    // once they are kept in this program's own copy, or are saved or discarded.
    void takeOver(const QString &path);

private:
    Recovery();
    void watch(ProfileEditor *editor);
    void edited();
    void write();
    void remove();

    QPointer<ProfileEditor> m_editor;
    QTimer m_timer;
    QString m_inherited;
    bool m_warned = false;
};

} // namespace yuc::study
