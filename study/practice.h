#pragma once

#include "model/keypaths.h"
#include "model/profile.h"
#include "study/profileeditor.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

namespace yuc::study {

// How a walk through the key compares with the way a described soil keys out.
struct Verdict {
    enum class Kind { None, Right, Wrong, OffPath };
    Kind kind = Kind::None;
    KeyPlace answer;  // where the soil keys out
    KeyPlace reached; // the final or (off the path) the step the walk came to
    // Wrong or off the path: the first step where the two ways differ, the
    // option the walk took there and the one that holds, and why.
    const KeyStep *leftAt = nullptr;
    int chosen = -1;
    int holds = -1;
    QString why;
    // Suborder, great group and subgroup, each scored right or wrong as a
    // soil-judging card does.
    std::array<bool, 3> levels{};
};

// Judges the place a walk reached against a profile's answer. A final gives
// Right or Wrong; a step gives OffPath when it is not on the answer's way,
// None while the walk is still on it.
Verdict judge(const KeyPaths &paths, const Answer &answer, const KeyPlace &reached);

// The verdict's lines as the record begins with them; none for None.
QStringList verdictLines(const KeyPaths &paths, const Verdict &verdict);

// The practice going on: the profile chosen (a built-in one or the user's
// own, typed or opened), or none, and whether to be told at once when the
// walk leaves the path. Outlives the windows that show it.
class Practice : public QObject
{
    Q_OBJECT
public:
    static Practice &instance();

    // The profile keyed now, as it stands; none without a practice.
    const Profile *profile() const;
    void start(const Profile &profile);
    void stop();
    bool tellAtOnce() const { return m_tellAtOnce; }
    void setTellAtOnce(bool on);
    // What the profile's data say, shown under the statements; a built-in
    // profile starts with them hidden. Shown before a verdict, the verdict says so.
    bool showData() const { return m_showData; }
    void setShowData(bool on);
    void noteDataShown();
    bool dataShownEarly() const { return m_dataShownEarly; }
    // A verdict has been given on this profile's walk: a final reached,
    // right or wrong, tells the answer; a step off the path does not.
    void noteJudged();
    bool judged() const { return m_judged; }
    // The answer a walk is judged against: the profile's own, or for the
    // user's profile without one, where its data lead once they decide.
    std::optional<Answer> answer() const;

    // Whether the user has walked the key since the practice began: only such
    // a walk is judged, not the place the user stood at when choosing it.
    bool walked() const { return m_walked; }
    // Whether the answer is still to be found: the profile keyed has one, and
    // the walk has not been judged. Till then nothing that names the taxon,
    // such as the page the profile illustrates, is offered.
    bool answerHeldBack() const;

    // The user's own profile, kept while the program runs; keyed once chosen.
    ProfileEditor *editor() const { return m_editor; }
    void adopt(std::unique_ptr<ProfileEditor> editor);
    void startEditor();
    bool onEditor() const { return m_onEditor; }
    void dropEditor();

signals:
    void changed();
    void judgedNow();

private:
    Practice() = default;
    std::optional<Profile> m_profile;
    // Owned by the application, so that it goes before the application does.
    QPointer<ProfileEditor> m_editor;
    Profile m_edited; // the editor's profile as it stands, for the record
    bool m_onEditor = false;
    bool m_tellAtOnce = false;
    bool m_showData = false;
    bool m_dataShownEarly = false;
    bool m_judged = false;
    // Where the user stood as the practice began, and whether the user has walked on since.
    KeyPlace m_from;
    bool m_walked = false;
    bool m_following = false;
    void startAfresh();
    void reach(const KeyPlace &place);
};

} // namespace yuc::study
