// yucarra-classify run as a user runs it: files and folders, its three forms
// of output, a bad file among good ones, and its exit statuses.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run classify(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(YUC_CLASSIFY), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString profiles = QStringLiteral(YUC_SOURCE_DIR "/key/data/study/profiles");
const QString example = QStringLiteral(YUC_SOURCE_DIR "/examples/dry-wash-terrace.soilprofile.json");

} // namespace

class TestClassify : public QObject
{
    Q_OBJECT

private slots:
    void shouldPrintATaxonPerFile()
    {
        const Run run = classify({example});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, example + QStringLiteral("\tTypic Haplargids\n"));
        QVERIFY(run.err.isEmpty());
    }

    void shouldClassifyAFolderAndIgnoreTheAnswers()
    {
        QTemporaryDir dir;
        // The same soil under a wrong answer: the data alone decide.
        QByteArray bytes;
        {
            QFile f(example);
            QVERIFY(f.open(QIODevice::ReadOnly));
            bytes = f.readAll();
        }
        QJsonObject o = QJsonDocument::fromJson(bytes).object();
        QJsonObject answer{{QStringLiteral("taxon"), QStringLiteral("Typic Haplocalcids")},
                           {QStringLiteral("reasons"), QJsonObject{}}};
        o.insert(QStringLiteral("answer"), answer);
        QFile wrong(dir.filePath(QStringLiteral("a.soilprofile.json")));
        QVERIFY(wrong.open(QIODevice::WriteOnly));
        wrong.write(QJsonDocument(o).toJson());
        wrong.close();
        QFile notes(dir.filePath(QStringLiteral("notes.txt"))); // not a profile file: left alone
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.close();
        const Run run = classify({dir.path()});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, wrong.fileName() + QStringLiteral("\tTypic Haplargids\n"));

        const Run all = classify({profiles});
        QCOMPARE(all.status, 0);
        QCOMPARE(all.out.count(QLatin1Char('\n')), 24);
    }

    void shouldSayWhereTheDataStop()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bare.json"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "{\"format\": 1, \"title\": \"bare\", \"site\": {}, \"horizons\": [{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 20}]}");
        f.close();
        const Run text = classify({path});
        QCOMPARE(text.status, 0);
        QVERIFY2(text.out.startsWith(path + QStringLiteral("\tcannot tell at Aridisols: Key to suborders: needs ")),
                 qPrintable(text.out));

        const Run json = classify({QStringLiteral("--json"), path, example});
        QCOMPARE(json.status, 0);
        const QJsonArray results = QJsonDocument::fromJson(json.out.toUtf8()).array();
        QCOMPARE(results.size(), 2);
        const QJsonObject stopped = results.at(0).toObject();
        QVERIFY(stopped.value(QStringLiteral("taxon")).isNull());
        QCOMPARE(stopped.value(QStringLiteral("stopped_at")).toString(), QStringLiteral("Aridisols: Key to suborders"));
        QVERIFY(!stopped.value(QStringLiteral("measure_next")).toArray().isEmpty());
        const QJsonObject keyed = results.at(1).toObject();
        QCOMPARE(keyed.value(QStringLiteral("taxon")).toString(), QStringLiteral("Typic Haplargids"));
        QCOMPARE(keyed.value(QStringLiteral("title")).toString(),
                 QStringLiteral("Terrace tread above a dry wash on a high desert plain"));
        QVERIFY(keyed.value(QStringLiteral("stopped_at")).isNull());
        const QJsonArray way = keyed.value(QStringLiteral("way")).toArray();
        QCOMPARE(way.size(), 3);
        QCOMPARE(way.at(0).toObject().value(QStringLiteral("option")).toString(), QStringLiteral("Option5_arid"));
        QVERIFY(way.at(2)
                    .toObject()
                    .value(QStringLiteral("statement"))
                    .toString()
                    .startsWith(QStringLiteral("Other Haplargids")));
        const QJsonArray steps = keyed.value(QStringLiteral("steps")).toArray();
        QCOMPARE(steps.size(), 3);
        for (const QJsonValue step : steps)
            for (const QJsonValue s : step.toObject().value(QStringLiteral("statements")).toArray()) {
                const QString state = s.toObject().value(QStringLiteral("state")).toString();
                QVERIFY2(state == QLatin1String("holds") || state == QLatin1String("does_not_hold")
                             || state == QLatin1String("cannot_tell"),
                         qPrintable(state));
                QVERIFY(!s.toObject().value(QStringLiteral("reason")).toString().isEmpty());
            }

        const Run csv = classify({QStringLiteral("--csv"), path, example});
        QCOMPARE(csv.status, 0);
        const QStringList rows = csv.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.at(0), QStringLiteral("file,title,taxon,stopped_at,measure_next"));
        QVERIFY2(rows.at(1).startsWith(path + QStringLiteral(",bare,,Aridisols: Key to suborders,")),
                 qPrintable(rows.at(1)));
        QCOMPARE(rows.at(2).section(QLatin1Char(','), 2, 3), QStringLiteral("Typic Haplargids,"));
    }

    void shouldNameABadFileAndClassifyTheOthers()
    {
        QTemporaryDir dir;
        const QString bad = dir.filePath(QStringLiteral("broken.json"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "{\"format\": 1, \"title\": \"x\", \"site\": {}, \"horizons\": [{\"designation\": \"A\", \"top_cm\": 0, \"bottom_cm\": 10, \"clay_pct\": 130}]}");
        f.close();
        const Run run = classify({bad, example, dir.filePath(QStringLiteral("missing.json"))});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, example + QStringLiteral("\tTypic Haplargids\n"));
        QVERIFY2(run.err.contains(bad + QStringLiteral(": horizons[0].clay_pct: (130) must lie between 0 and 100")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("missing.json: cannot be read")), qPrintable(run.err));
    }

    // A CSV export of several pedons: one result each, named by its identifier.
    void shouldClassifyEveryPedonOfACsvFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("export.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xef\xbb\xbfpeiid;hzname;hzdept_r;hzdepb_r;claytotal_r\n"
                "p1;A;0;10;12\np1;Bt;10;40;25\np2;C;0;50;8\n");
        f.close();
        const Run run = classify({path});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.at(0).startsWith(path + QStringLiteral("#p1\tcannot tell at ")), qPrintable(lines.at(0)));
        QVERIFY(lines.at(1).startsWith(path + QStringLiteral("#p2\t")));
        QFile bad(dir.filePath(QStringLiteral("bad.csv")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("hzname,hzdept_r,hzdepb_r,claytotal_r\nA,0,10,lots\n");
        bad.close();
        const Run folder = classify({dir.path()});
        QCOMPARE(folder.status, 1);
        QCOMPARE(folder.out.count(QLatin1Char('\n')), 2);
        QVERIFY2(folder.err.contains(QStringLiteral("bad.csv: row 2")), qPrintable(folder.err));
    }

    void shouldRefuseWrongUsage()
    {
        QCOMPARE(classify({}).status, 2);
        const Run unknown = classify({QStringLiteral("--yaml"), example});
        QCOMPARE(unknown.status, 2);
        QVERIFY(unknown.err.contains(QStringLiteral("unknown option --yaml")));
        const Run help = classify({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        for (const char *word : {"--json", "--csv", "stopped_at", "measure_next", "Exit status"})
            QVERIFY2(help.out.contains(QLatin1String(word)), word);
    }
};

QTEST_GUILESS_MAIN(TestClassify)
#include "tst_classify.moc"
