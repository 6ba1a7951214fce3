#include "model/profile.h"

#include "model/keypaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace yuc::study {

namespace {

// The answer names a subgroup the key reaches and gives a reason for every
// step of its way, and for no other.
bool checkAnswer(const Answer &answer, ProfileError *error)
{
    const auto fail = [error](const QString &where, const QString &what) {
        if (error)
            *error = {where, what};
        return false;
    };
    const KeyPaths &paths = KeyPaths::instance();
    const KeyPlace place = paths.placeNamed(answer.taxon);
    if (!paths.finals().contains(place))
        return fail(QStringLiteral("answer.taxon"),
                    QStringLiteral("\u201c%1\u201d is not a subgroup the key reaches").arg(answer.taxon));
    QStringList captions;
    for (const PathStep &step : paths.pathTo(place))
        captions << step.step->caption.trimmed();
    for (auto it = answer.reasons.begin(); it != answer.reasons.end(); ++it)
        if (!captions.contains(it.key()))
            return fail(QStringLiteral("answer.reasons.") + it.key(),
                        QStringLiteral("is not a step on the way to %1").arg(answer.taxon));
    for (const QString &caption : captions)
        if (!answer.reasons.contains(caption))
            return fail(QStringLiteral("answer.reasons"),
                        QStringLiteral("has no reason for the step \u201c%1\u201d").arg(caption));
    return true;
}

} // namespace

std::optional<Profile> readProfile(const QByteArray &bytes, ProfileError *error)
{
    std::optional<Profile> profile = parseProfile(bytes, error);
    if (profile && profile->answer && !checkAnswer(*profile->answer, error))
        return std::nullopt;
    return profile;
}

std::optional<Profile> readProfileFile(const QString &path, ProfileError *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = {QStringLiteral("the file"), file.errorString()};
        return std::nullopt;
    }
    // Never more than a byte past the limit: a huge file is refused, not read.
    return readProfile(file.read(maximumProfileBytes + 1), error);
}

bool isCsvPath(const QString &path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
           || path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive);
}

std::optional<QList<Pedon>> readPedonFile(const QString &path, ProfileError *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = {QStringLiteral("the file"), file.errorString()};
        return std::nullopt;
    }
    // Never more than a byte past the larger limit: a huge file is refused, not read.
    const QByteArray bytes = file.read(maximumCsvBytes + 1);
    // A name that does not say is told by the content: a profile file is a JSON object.
    const bool json =
        !isCsvPath(path)
        && (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) || bytes.trimmed().startsWith('{'));
    if (json) {
        std::optional<Profile> profile = readProfile(bytes, error);
        return profile ? std::optional<QList<Pedon>>({{QString(), *profile}}) : std::nullopt;
    }
    std::optional<QList<Pedon>> pedons = parseHorizonCsv(bytes, error);
    if (pedons)
        for (Pedon &pedon : *pedons)
            if (pedon.profile.title.isEmpty())
                pedon.profile.title = QFileInfo(path).completeBaseName();
    return pedons;
}

const QList<Profile> &builtInProfiles()
{
    static const QList<Profile> profiles = [] {
        QList<Profile> read;
        const QDir dir(QStringLiteral(":/study/profiles"));
        for (const QString &name : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
            ProfileError error;
            if (std::optional<Profile> profile = readProfileFile(dir.filePath(name), &error))
                read << *profile;
            else
                qWarning("Practice profile %s: %s %s", qPrintable(name), qPrintable(error.where),
                         qPrintable(error.what));
        }
        return read;
    }();
    return profiles;
}

} // namespace yuc::study
