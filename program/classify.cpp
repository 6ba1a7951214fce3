// yucarra-classify: keys profile files through the key from their data
// alone, with no display; built on the model library and Qt Core.
#include "model/evaluation.h"
#include "model/horizoncsv.h"
#include "model/profileformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

using namespace yuc;

namespace {

const char *const usage = "Usage: yucarra-classify [--json | --csv] FILE|FOLDER...\n"
                          "\n"
                          "Keys each soil profile through the key of the Aridisols from its data alone\n"
                          "(a profile's answer is ignored) and prints one result per profile.\n"
                          "A folder stands for every *.soilprofile.json, *.json and *.csv file in it.\n"
                          "A CSV file of horizons is classified pedon by pedon (by its pedon_id, peiid,\n"
                          "upedonid or site_id column), each named FILE#PEDON.\n"
                          "\n"
                          "  (default)  one line per profile: FILE<TAB>TAXON, or\n"
                          "             FILE<TAB>cannot tell at STEP: needs ...\n"
                          "  --json     one JSON array, one object per profile: file, title, taxon\n"
                          "             (null where the data stop), stopped_at (the step's caption, or\n"
                          "             null), way (a list of {step, option, statement}), steps (for\n"
                          "             every step on the way, each statement's option, statement,\n"
                          "             state: holds, does_not_hold or cannot_tell, and reason) and\n"
                          "             measure_next (property names, the most decisive first)\n"
                          "  --csv      one row per profile: file,title,taxon,stopped_at,measure_next\n"
                          "  --help     this text\n"
                          "\n"
                          "A file that cannot be read is named on standard error with the reason, and\n"
                          "the others are still classified. Exit status: 0 when every file was read,\n"
                          "decided or not; 1 when one or more could not be read; 2 for wrong usage.\n"
                          "Nothing is written but standard output and standard error.\n";

enum class Form { Text, Json, Csv };

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// A statement's text, made once per option of the key.
QString textOf(const KeyOption &option)
{
    static QHash<QString, QString> made;
    auto it = made.find(option.name);
    if (it == made.end())
        it = made.insert(option.name, statementText(option));
    return *it;
}

QJsonObject resultJson(const QString &file, const study::Profile &profile, const eval::KeyResult &result)
{
    QJsonArray way;
    QJsonArray steps;
    for (const eval::StepFindings &s : result.way) {
        if (s.chosen >= 0)
            way.append(QJsonObject{{QStringLiteral("step"), s.step->caption.trimmed()},
                                   {QStringLiteral("option"), s.step->options.at(s.chosen).name},
                                   {QStringLiteral("statement"), textOf(s.step->options.at(s.chosen))}});
        QJsonArray statements;
        for (int i = 0; i < s.statements.size(); ++i)
            statements.append(
                QJsonObject{{QStringLiteral("option"), s.step->options.at(i).name},
                            {QStringLiteral("statement"), textOf(s.step->options.at(i))},
                            {QStringLiteral("state"), QLatin1String(eval::stateName(s.statements.at(i).state))},
                            {QStringLiteral("reason"), s.statements.at(i).reason}});
        steps.append(QJsonObject{{QStringLiteral("step"), s.step->caption.trimmed()},
                                 {QStringLiteral("statements"), statements}});
    }
    const KeyStep *stopped = result.stoppedAt();
    return QJsonObject{
        {QStringLiteral("file"), file},
        {QStringLiteral("title"), profile.title},
        {QStringLiteral("taxon"), result.decided() ? QJsonValue(result.taxon) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("stopped_at"), stopped ? QJsonValue(stopped->caption.trimmed()) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("way"), way},
        {QStringLiteral("steps"), steps},
        {QStringLiteral("measure_next"), QJsonArray::fromStringList(result.measureNext)}};
}

QString stopText(const eval::KeyResult &result)
{
    QStringList needs;
    for (const QString &key : result.measureNext)
        needs << eval::propertyHeading(key);
    return QStringLiteral("cannot tell at %1: needs %2")
        .arg(result.stoppedAt()->caption.trimmed(),
             needs.isEmpty() ? QStringLiteral("a statement that holds") : needs.join(QStringLiteral(", ")));
}

// The files named, folders opened into their profile files, in order.
QStringList expand(const QStringList &arguments)
{
    QStringList files;
    for (const QString &a : arguments) {
        const QFileInfo info(a);
        if (!info.isDir()) {
            files << a;
            continue;
        }
        // Names only: a listing of QDir keeps every file's details, which grows with the folder.
        QStringList names;
        for (QDirIterator it(a, {QStringLiteral("*.json"), QStringLiteral("*.csv")}, QDir::Files); it.hasNext();)
            names << it.next();
        names.sort();
        files << names;
    }
    return files;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Form form = Form::Text;
    QStringList paths;
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    for (const QString &a : arguments) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (a == QLatin1String("--json"))
            form = Form::Json;
        else if (a == QLatin1String("--csv"))
            form = Form::Csv;
        else if (a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            std::fprintf(stderr, "yucarra-classify: unknown option %s\n\n%s", qPrintable(a), usage);
            return 2;
        } else
            paths << a;
    }
    if (paths.isEmpty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    bool unreadable = false;
    bool first = true;
    if (form == Form::Json)
        out << "[";
    if (form == Form::Csv)
        out << "file,title,taxon,stopped_at,measure_next\n";
    for (const QString &path : expand(paths)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            err << path << ": cannot be read: " << file.errorString() << '\n';
            unreadable = true;
            continue;
        }
        study::ProfileError error;
        // A CSV file holds one pedon or many; a profile file one.
        QList<study::Pedon> pedons;
        if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            std::optional<QList<study::Pedon>> read =
                study::parseHorizonCsv(file.read(study::maximumCsvBytes + 1), &error);
            if (read)
                pedons = std::move(*read);
        } else if (std::optional<study::Profile> profile =
                       study::parseProfile(file.read(study::maximumProfileBytes + 1), &error)) {
            pedons << study::Pedon{{}, std::move(*profile)};
        }
        if (pedons.isEmpty()) {
            err << path << ": " << error.where << ": " << error.what << '\n';
            unreadable = true;
            continue;
        }
        for (const study::Pedon &pedon : std::as_const(pedons)) {
            const QString name = pedon.id.isEmpty() ? path : path + QLatin1Char('#') + pedon.id;
            const eval::Soil soil(pedon.profile);
            const eval::KeyResult result = eval::keyFromData(soil);
            switch (form) {
            case Form::Text:
                out << name << '\t' << (result.decided() ? result.taxon : stopText(result)) << '\n';
                break;
            case Form::Json:
                out << (first ? "\n" : ",\n")
                    << QJsonDocument(resultJson(name, pedon.profile, result)).toJson(QJsonDocument::Compact);
                break;
            case Form::Csv:
                out << csvField(name) << ',' << csvField(pedon.profile.title) << ',' << csvField(result.taxon) << ','
                    << csvField(result.stoppedAt() ? result.stoppedAt()->caption.trimmed() : QString()) << ','
                    << csvField(result.measureNext.join(QLatin1Char(' '))) << '\n';
                break;
            }
            first = false;
        }
        out.flush();
    }
    if (form == Form::Json)
        out << (first ? "]\n" : "\n]\n");
    return unreadable ? 1 : 0;
}
