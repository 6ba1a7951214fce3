// Unsaved edits kept in a recovery copy: written a moment after an edit,
// never on the user's file, gone once saved, discarded or undone; and a
// program killed in the middle of typing, its edits offered at the next start
// before anything else, restored, and discarded at the start after that.
#include "testsupport.h"

#include "model/profile.h"
#include "program/program.h"
#include "study/practice.h"
#include "study/profileeditor.h"
#include "study/profilewindow.h"
#include "study/recovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace yuc;
using namespace yuc::test;
using study::horizonColumn;
using study::Recovery;

namespace {

const char childVariable[] = "YUC_RECOVERY_CHILD";
const char fileVariable[] = "YUC_RECOVERY_FILE";

void type(study::ProfileEditor &editor, int row, const QString &key, const QString &text)
{
    editor.setData(editor.index(row, horizonColumn(key)), text);
}

QJsonObject copyOnDisk()
{
    QFile file(Recovery::path());
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QString clayTyped(const QJsonObject &snapshot)
{
    return snapshot.value("edited")["rows"][0]["cells"]["clay_pct"].toString();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A scratch copy of the example profile, as the user's own file.
QString usersFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("pit.soilprofile.json"));
    QFile::copy(QStringLiteral(YUC_SOURCE_DIR "/examples/dry-wash-terrace.soilprofile.json"), path);
    return path;
}

// A child's own lines, told from the test log it writes too.
const QString childSays = QStringLiteral("child: ");

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(childSays + line));
    std::fflush(stdout);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        resetScreens();
        study::Practice::instance().dropEditor();
    }

    void shouldKeepACopyOnlyWhileEditsAreUnsaved()
    {
        QTemporaryDir dir;
        const QString path = usersFile(dir);
        const QByteArray original = contents(path);
        QVERIFY(profilefiles::open(path));
        study::ProfileEditor *editor = study::Practice::instance().editor();
        QTest::qWait(2 * Recovery::delayMilliseconds);
        QVERIFY(!QFile::exists(Recovery::path())); // nothing edited, nothing kept
        // Every cell as typed, a faulty one too, within the delay.
        type(*editor, 0, QStringLiteral("clay_pct"), QStringLiteral("1O"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Recovery::path()), 2000);
        QCOMPARE(clayTyped(copyOnDisk()), QStringLiteral("1O"));
        QCOMPARE(copyOnDisk().value("file").toString(), path);
        type(*editor, 0, QStringLiteral("clay_pct"), QStringLiteral("12"));
        QTRY_COMPARE_WITH_TIMEOUT(clayTyped(copyOnDisk()), QStringLiteral("12"), 2000);
        QCOMPARE(contents(path), original); // never the user's file
        // Undone to the file as it is: nothing left to keep.
        editor->undoStack()->undo();
        editor->undoStack()->undo();
        QVERIFY(!QFile::exists(Recovery::path()));
        // Saved, discarded, or left for another profile: gone at once.
        const QList<std::function<void()>> ends{[] { QVERIFY(profilefiles::save(false)); },
                                                [] {
                                                    MessageRecorder recorder;
                                                    recorder.answer = QStringLiteral("Discard");
                                                    QVERIFY(profilefiles::mayLeaveEdits());
                                                },
                                                [] { study::Practice::instance().dropEditor(); }};
        for (qsizetype i = 0; i < ends.size(); ++i) {
            editor = study::Practice::instance().editor();
            type(*editor, 1, QStringLiteral("sand_pct"), QString::number(40 + i));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Recovery::path()), 2000);
            ends.at(i)();
            QVERIFY(!QFile::exists(Recovery::path()));
        }
        QVERIFY(contents(path) != original); // saved when asked, and only then
    }

    // Restored: every cell as it was typed, a horizon added, unsaved; undone
    // (as Discard does), the profile as last saved.
    void shouldRestoreEditsAsUnsavedOnes()
    {
        QTemporaryDir dir;
        const QString path = usersFile(dir);
        study::ProfileEditor before;
        before.load(*study::readProfileFile(path), path);
        type(before, 0, QStringLiteral("clay_pct"), QStringLiteral("12"));
        before.markSaved(path); // saved since it was opened: that is what a discard goes back to
        const QByteArray saved = study::writeProfile(before.profile());
        before.setTitle(QStringLiteral("Pit 2"));
        before.setSite(QStringLiteral("vegetation"), QStringLiteral("saltbush"));
        type(before, 0, QStringLiteral("clay_pct"), QStringLiteral("1O"));
        before.insertHorizon(1);
        const QJsonObject snapshot = before.snapshot();

        study::ProfileEditor after;
        QVERIFY(after.restore(snapshot));
        QVERIFY(after.isModified());
        QCOMPARE(after.path(), path);
        QCOMPARE(after.snapshot(), snapshot);
        QCOMPARE(after.title(), QStringLiteral("Pit 2"));
        after.undoStack()->undo();
        QVERIFY(!after.isModified());
        QCOMPARE(study::writeProfile(after.profile()), saved);
        QCOMPARE(Recovery::belongsTo(snapshot), QDir::toNativeSeparators(path));

        study::ProfileEditor fresh;
        fresh.loadBlank();
        type(fresh, 0, QStringLiteral("designation"), QStringLiteral("A"));
        QVERIFY(after.restore(fresh.snapshot()));
        QCOMPARE(after.index(0, 0).data().toString(), QStringLiteral("A"));
        QCOMPARE(Recovery::belongsTo(fresh.snapshot()), QStringLiteral("new profile"));
        QString why;
        QVERIFY(!after.restore(QJsonObject{{"file", path}}, &why));
        QVERIFY(!why.isEmpty());
    }

    // The program killed while typing; at the next start the edits are
    // offered before any window opens, and restored unsaved; at the start
    // after that (they were not saved) offered again, and discarded.
    void shouldOfferEditsLeftByAKilledProgram()
    {
        QTemporaryDir dir;
        const QString path = usersFile(dir);
        const QByteArray original = contents(path);
        const QString data = dir.filePath(QStringLiteral("data"));
        const QDir copies(QDir(data).filePath(QCoreApplication::applicationName()));
        const auto child = [&](const QString &mode, QProcess &process) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QLatin1String(childVariable), mode);
            environment.insert(QLatin1String(fileVariable), path);
            environment.insert(QStringLiteral("YUC_TEST_DATA_HOME"), data);
            process.setProcessEnvironment(environment);
            process.setProcessChannelMode(QProcess::SeparateChannels);
            process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("child")});
            return process.waitForStarted();
        };
        const auto lines = [](QProcess &process) {
            QStringList said;
            for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
                if (line.startsWith(childSays))
                    said << line.mid(childSays.size());
            return said;
        };
        const auto copiesKept = [&copies] {
            return copies.entryList({QStringLiteral("unsaved-edits-*")}, QDir::Files);
        };

        QProcess typing;
        QVERIFY(child(QStringLiteral("type"), typing));
        QStringList said;
        // Killed once its edits are kept and it is still typing.
        QTRY_VERIFY_WITH_TIMEOUT((said += lines(typing), said.size() > 5 && !copiesKept().isEmpty()), 30000);
        typing.kill();
        QVERIFY(typing.waitForFinished(10000));
        QCOMPARE(copiesKept().size(), 1);
        QCOMPARE(contents(path), original);

        QProcess restoring;
        QVERIFY(child(QStringLiteral("Restore"), restoring));
        said.clear();
        QTRY_VERIFY_WITH_TIMEOUT((said += lines(restoring), said.contains(QStringLiteral("kept"))), 30000);
        restoring.kill();
        QVERIFY(restoring.waitForFinished(10000));
        const QString offer = said.value(0);
        QVERIFY2(
            offer.startsWith(QStringLiteral("asked before any window: "))
                && offer.contains(
                    QStringLiteral("Unsaved edits of %1 were kept, last written ").arg(QDir::toNativeSeparators(path))),
            qPrintable(said.join(QLatin1Char('\n'))));
        QVERIFY(offer.endsWith(QStringLiteral("[Restore, Discard]")));
        // The edits typed before the copy was last written, unsaved.
        QVERIFY2(said.value(1).contains(QRegularExpression(QStringLiteral("^restored clay \\d+, unsaved, in ")
                                                           + QRegularExpression::escape(path) + QLatin1Char('$'))),
                 qPrintable(said.join(QLatin1Char('\n'))));
        QCOMPARE(copiesKept().size(), 1); // the restoring program's own, the first one gone

        QProcess discarding;
        QVERIFY(child(QStringLiteral("Discard"), discarding));
        QVERIFY(discarding.waitForFinished(30000));
        said = lines(discarding);
        QCOMPARE(discarding.exitCode(), 0);
        QVERIFY2(said.value(0).startsWith(QStringLiteral("asked before any window: ")),
                 qPrintable(said.join(QLatin1Char('\n'))));
        QCOMPARE(said.value(1), QStringLiteral("nothing restored"));
        QCOMPARE(copiesKept(), QStringList());
        QCOMPARE(contents(path), original);
    }

    // The program in a child process: it types and waits to be killed, or
    // answers the offer of edits left behind, says what it did and (having
    // restored) waits to be killed, or (having discarded) ends normally.
    void child()
    {
        const QString mode = qEnvironmentVariable(childVariable);
        if (mode.isEmpty())
            QSKIP("run by the test of a killed program");
        MessageBox::setObserver([mode](const ShownMessage &message) {
            if (message.buttons.isEmpty())
                return QStringLiteral("OK");
            QString text = message.text;
            say(QStringLiteral("asked %1: %2 [%3]")
                    .arg(ScreenManager::instance().loadedScreens().isEmpty() ? QStringLiteral("before any window")
                                                                             : QStringLiteral("late"),
                         text.replace(QLatin1Char('\n'), QLatin1Char(' ')),
                         message.buttons.join(QStringLiteral(", "))));
            return mode;
        });
        const QString path = qEnvironmentVariable(fileVariable);
        startProgram(mode == QLatin1String("type") ? path : QString());
        QTRY_VERIFY_WITH_TIMEOUT(ScreenManager::instance().isLoaded(QStringLiteral("mainmenu")), 10000);
        QTest::qWait(100);
        study::ProfileEditor *editor = study::Practice::instance().editor();
        if (mode == QLatin1String("type")) {
            QTRY_VERIFY_WITH_TIMEOUT(study::Practice::instance().editor(), 10000);
            editor = study::Practice::instance().editor();
            for (int i = 1; i < 1000; ++i) {
                type(*editor, 0, QStringLiteral("clay_pct"), QString::number(i));
                say(QStringLiteral("typed %1").arg(i));
                QTest::qWait(50);
            }
            QFAIL("never killed");
        }
        if (mode == QLatin1String("Discard")) {
            say(editor ? QStringLiteral("restored") : QStringLiteral("nothing restored"));
            return;
        }
        QVERIFY(editor);
        say(QStringLiteral("restored clay %1, %2, in %3")
                .arg(editor->index(0, horizonColumn(QStringLiteral("clay_pct"))).data().toString(),
                     editor->isModified() ? QStringLiteral("unsaved") : QStringLiteral("saved"), editor->path()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Recovery::path()), 5000);
        say(QStringLiteral("kept"));
        QTest::qWait(30000);
        QFAIL("never killed");
    }
};

YUC_TEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
