#include "bench/benchsupport.h"

#include "model/evaluation.h"
#include "model/profile.h"
#include "shell/screenmanager.h"
#include "study/practice.h"
#include "study/studypanel.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <cstdio>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace yuc::bench {

namespace {

volatile double evalSink = 0;

// A built-in profile with its measurements moved by up to a tenth either
// way (percentages kept in range), so that every file differs.
QJsonObject variation(const QJsonObject &profile, QRandomGenerator &random)
{
    QJsonObject o = profile;
    o.remove(QStringLiteral("answer"));
    QJsonArray horizons = o.value(QStringLiteral("horizons")).toArray();
    for (qsizetype i = 0; i < horizons.size(); ++i) {
        QJsonObject h = horizons.at(i).toObject();
        for (const QString &key : h.keys()) {
            const QJsonValue v = h.value(key);
            if (!v.isDouble() || key.endsWith(QLatin1String("_cm")))
                continue;
            double moved = v.toDouble() * (0.9 + 0.2 * random.generateDouble());
            if (key.endsWith(QLatin1String("_pct")))
                moved = std::min(moved, 100.0);
            if (key == QLatin1String("ph_h2o"))
                moved = std::min(moved, 14.0);
            h.insert(key, std::round(moved * 100) / 100);
        }
        horizons[i] = h;
    }
    o.insert(QStringLiteral("horizons"), horizons);
    return o;
}

// Writes count variations of the built-in profiles into a folder.
void writeProfiles(const QString &folder, int count)
{
    QList<QJsonObject> sources;
    for (const QString &name : QDir(QStringLiteral(":/study/profiles")).entryList({QStringLiteral("*.json")})) {
        QFile f(QStringLiteral(":/study/profiles/") + name);
        if (f.open(QIODevice::ReadOnly))
            sources << QJsonDocument::fromJson(f.readAll()).object();
    }
    QRandomGenerator random(23);
    for (int i = 0; i < count; ++i) {
        QFile f(QStringLiteral("%1/%2.soilprofile.json").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(f.fileName()));
        f.write(QJsonDocument(variation(sources.at(i % sources.size()), random)).toJson(QJsonDocument::Compact));
    }
}

// The classifier over a folder: its time and its own peak resident memory
// (wait4 gives that child's alone, whatever ran before it).
std::pair<double, double> runClassifier(const QString &folder, int expected)
{
    const QByteArray program = QByteArrayLiteral(YUC_CLASSIFY);
    const QByteArray path = QFile::encodeName(folder);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        char *const argv[] = {const_cast<char *>(program.constData()), const_cast<char *>("--json"),
                              const_cast<char *>(path.constData()), nullptr};
        execv(program.constData(), argv);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("the classifier failed over %d profiles", expected);
    return {elapsedMs(timer) / 1000, double(usage.ru_maxrss) / 1024};
}

} // namespace

QList<Named> measureEvaluation()
{
    QList<Named> figures;
    const QList<study::Profile> &profiles = study::builtInProfiles();

    QList<double> evaluations;
    for (int r = 0; r < 40; ++r)
        for (const study::Profile &p : profiles) {
            QElapsedTimer timer;
            timer.start();
            const eval::Soil soil(p);
            evalSink = double(eval::keyFromData(soil).way.size());
            evaluations << elapsedMs(timer);
        }
    const Figure evaluate = summarise(evaluations);
    figures << Named{QStringLiteral("evaluate_ms"),
                     QStringLiteral("one profile evaluated through the whole key"),
                     evaluate,
                     QStringLiteral("ms"),
                     QStringLiteral("< 1"),
                     evaluate.median < 1};

    // The record of the place the data lead to, with a data line under every
    // statement, built and laid out, for the profile with the longest way.
    const study::Profile *longest = &profiles.first();
    int most = 0;
    for (const study::Profile &p : profiles) {
        const eval::Soil soil(p);
        int statements = 0;
        for (const eval::StepFindings &s : eval::keyFromData(soil).way)
            statements += int(s.statements.size());
        if (statements > most) {
            most = statements;
            longest = &p;
        }
    }
    const eval::Soil soil(*longest);
    const KeyPlace place = eval::keyFromData(soil).place;
    auto &practice = study::Practice::instance();
    practice.start(*longest);
    practice.setShowData(true);
    auto *main = ScreenManager::instance().show_screen(QStringLiteral("mainmenu"));
    auto *panel = main->findChild<StudyPanel *>();
    auto *view = panel->findChild<QTextBrowser *>(QStringLiteral("record"));
    QList<double> records;
    for (int r = 0; r < 30; ++r) {
        panel->showPlace(KeyPlace());
        QElapsedTimer timer;
        timer.start();
        panel->showPlace(place);
        evalSink = view->document()->size().height();
        records << elapsedMs(timer);
    }
    if (!view->toPlainText().contains(QStringLiteral("By the data: ")))
        qFatal("the record has no data lines");
    practice.stop();
    ScreenManager::instance().unloadAll();
    test::flushDeletes();
    const Figure record = summarise(records);
    figures << Named{QStringLiteral("record_with_data_ms"),
                     QStringLiteral("the record with the data lines, laid out"),
                     record,
                     QStringLiteral("ms"),
                     QStringLiteral("< 5"),
                     record.median < 5};

    QTemporaryDir small;
    QTemporaryDir large;
    writeProfiles(small.path(), 1000);
    writeProfiles(large.path(), 10000);
    const auto [smallSeconds, smallRss] = runClassifier(small.path(), 1000);
    const auto [seconds, largeRss] = runClassifier(large.path(), 10000);
    Q_UNUSED(smallSeconds)
    figures << Named{QStringLiteral("classify_10000_s"),
                     QStringLiteral("yucarra-classify --json over 10,000 profiles"),
                     {seconds, seconds},
                     QStringLiteral("s"),
                     QStringLiteral("< 10"),
                     seconds < 10};
    const double growth = largeRss - smallRss;
    std::printf("classifier peak memory: %.1f MiB over 1,000 profiles, %.1f MiB over 10,000\n", smallRss, largeRss);
    figures << Named{QStringLiteral("classify_rss_growth_mib"),
                     QStringLiteral("the classifier's peak memory, 10,000 profiles over 1,000"),
                     {growth, growth},
                     QStringLiteral("MiB"),
                     QStringLiteral("< 5"),
                     growth < 5};
    return figures;
}

} // namespace yuc::bench
