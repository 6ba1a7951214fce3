#pragma once

#include "key/keypaths.h"
#include "study/profile.h"

#include <QObject>

#include <array>
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

// The practice going on: the profile chosen (or none) and whether to be told
// at once when the walk leaves the path. Outlives the windows that show it.
class Practice : public QObject
{
    Q_OBJECT
public:
    static Practice &instance();

    const Profile *profile() const { return m_profile ? &*m_profile : nullptr; }
    void start(const Profile &profile);
    void stop();
    bool tellAtOnce() const { return m_tellAtOnce; }
    void setTellAtOnce(bool on);

signals:
    void changed();

private:
    Practice() = default;
    std::optional<Profile> m_profile;
    bool m_tellAtOnce = false;
};

} // namespace yuc::study
