#include "study/practice.h"

#include "key/placetracker.h"
#include "model/evaluation.h"

#include <QCoreApplication>

#include <utility>

namespace yuc::study {

namespace {

// The taxon a way names at a level of the key (1 suborder, 2 great group):
// the step at that depth, or the place the way ends in when it ends there
// (the group window stands for its great group). Invalid below the end.
KeyPlace levelOf(const QList<PathStep> &way, const KeyPlace &end, int level)
{
    if (level < way.size())
        return KeyPlace::step(way.at(level).step->form);
    return level == way.size() ? end : KeyPlace();
}

} // namespace

Verdict judge(const KeyPaths &paths, const Answer &answer, const KeyPlace &reached)
{
    Verdict verdict;
    verdict.answer = paths.placeNamed(answer.taxon);
    verdict.reached = reached;
    const QList<PathStep> right = paths.pathTo(verdict.answer);
    const bool final = paths.finals().contains(reached);
    if (right.isEmpty() || (!final && reached.kind != KeyPlace::Kind::Step))
        return verdict;
    if (reached == verdict.answer) {
        verdict.kind = Verdict::Kind::Right;
        verdict.levels = {true, true, true};
        return verdict;
    }
    const QList<PathStep> walked = paths.pathTo(reached);
    if (!final) {
        if (reached.form == paths.root()->form
            || std::any_of(right.begin(), right.end(), [&](const PathStep &s) { return s.step->form == reached.form; }))
            return verdict; // still on the way
    }
    // Both ways start at the first step of a tree: the first difference is
    // a step where they took different options.
    qsizetype at = 0;
    while (at < walked.size() && at < right.size() && walked.at(at).chosen == right.at(at).chosen)
        ++at;
    if (at >= walked.size() || at >= right.size())
        return verdict; // a place the key does not reach
    verdict.kind = final ? Verdict::Kind::Wrong : Verdict::Kind::OffPath;
    verdict.leftAt = right.at(at).step;
    verdict.chosen = walked.at(at).chosen;
    verdict.holds = right.at(at).chosen;
    verdict.why = answer.reasons.value(verdict.leftAt->caption.trimmed());
    for (int level = 1; level <= 2; ++level) {
        const KeyPlace mine = levelOf(walked, reached, level);
        verdict.levels[level - 1] = mine.isValid() && mine == levelOf(right, verdict.answer, level);
    }
    verdict.levels[2] = false;
    return verdict;
}

QStringList verdictLines(const KeyPaths &paths, const Verdict &verdict)
{
    const QString answer = paths.nameOf(verdict.answer);
    QStringList lines;
    switch (verdict.kind) {
    case Verdict::Kind::None:
        return lines;
    case Verdict::Kind::Right:
        lines << QStringLiteral("Right: this soil keys out as %1.").arg(answer);
        break;
    case Verdict::Kind::Wrong:
        lines << QStringLiteral("Not quite: this soil keys out as %1, not %2.")
                     .arg(answer, paths.nameOf(verdict.reached));
        break;
    case Verdict::Kind::OffPath:
        lines << QStringLiteral("Not quite: this soil does not key out through %1.")
                     .arg(paths.model().step(verdict.reached.form)->caption.trimmed());
        break;
    }
    if (verdict.leftAt) {
        lines << QStringLiteral("Left the path at: ") + verdict.leftAt->caption.trimmed()
              << QStringLiteral("You chose: ") + statementText(verdict.leftAt->options.at(verdict.chosen))
              << QStringLiteral("What holds: ") + statementText(verdict.leftAt->options.at(verdict.holds))
              << QStringLiteral("Why: ") + verdict.why;
    }
    const auto score = [](bool right) { return right ? QStringLiteral("right") : QStringLiteral("wrong"); };
    lines << QStringLiteral("Levels: suborder %1, great group %2, subgroup %3")
                 .arg(score(verdict.levels[0]), score(verdict.levels[1]), score(verdict.levels[2]));
    return lines;
}

Practice &Practice::instance()
{
    static Practice practice;
    return practice;
}

const Profile *Practice::profile() const
{
    if (m_onEditor)
        return &m_edited;
    return m_profile ? &*m_profile : nullptr;
}

void Practice::startAfresh()
{
    m_dataShownEarly = false;
    m_judged = false;
    auto &tracker = PlaceTracker::instance();
    if (!std::exchange(m_following, true))
        connect(&tracker, &PlaceTracker::placeReached, this, &Practice::reach);
    m_from = tracker.current();
    m_walked = false;
}

void Practice::reach(const KeyPlace &place)
{
    // The window the user stood at, brought to the front again, is no walk.
    if (place != m_from)
        m_walked = true;
}

void Practice::noteJudged()
{
    if (std::exchange(m_judged, true))
        return;
    emit judgedNow();
}

bool Practice::answerHeldBack() const
{
    const Profile *keyed = profile();
    return keyed && keyed->answer && !m_judged;
}

void Practice::start(const Profile &profile)
{
    m_profile = profile;
    m_onEditor = false;
    m_showData = false;
    startAfresh();
    emit changed();
}

void Practice::stop()
{
    if (!m_profile && !m_onEditor)
        return;
    m_profile.reset();
    m_onEditor = false;
    emit changed();
}

void Practice::adopt(std::unique_ptr<ProfileEditor> editor)
{
    delete m_editor.data();
    m_editor = editor.release();
    m_editor->setParent(QCoreApplication::instance());
    m_edited = m_editor->profile();
    connect(m_editor, &ProfileEditor::edited, this, [this] {
        m_edited = m_editor->profile();
        if (m_onEditor)
            emit changed();
    });
    startEditor();
}

void Practice::startEditor()
{
    if (!m_editor)
        return;
    m_profile.reset();
    m_onEditor = true;
    startAfresh();
    emit changed();
}

void Practice::dropEditor()
{
    const bool was = m_onEditor;
    m_onEditor = false;
    delete m_editor.data();
    if (was)
        emit changed();
}

void Practice::setShowData(bool on)
{
    if (on == m_showData)
        return;
    m_showData = on;
    if (on)
        noteDataShown();
    emit changed();
}

void Practice::noteDataShown()
{
    if (!m_judged && profile())
        m_dataShownEarly = true;
}

std::optional<Answer> Practice::answer() const
{
    const Profile *p = profile();
    if (!p)
        return std::nullopt;
    if (p->answer)
        return p->answer;
    const eval::Soil soil(*p);
    const eval::KeyResult result = eval::keyFromData(soil);
    if (!result.decided())
        return std::nullopt;
    Answer answer{result.taxon, {}};
    for (const eval::StepFindings &step : result.way)
        answer.reasons.insert(step.step->caption.trimmed(),
                              QStringLiteral("By the data: ") + step.statements.at(step.chosen).reason);
    return answer;
}

void Practice::setTellAtOnce(bool on)
{
    if (on == m_tellAtOnce)
        return;
    m_tellAtOnce = on;
    emit changed();
}

} // namespace yuc::study
