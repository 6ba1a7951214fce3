// The program keeps nothing between runs and uses no network: traced from
// start-up through a short walk, it must write no file but the recovery copy
// of unsaved edits, leave none of those behind when it ends normally, and
// make no network socket.
#include "testsupport.h"

#include "study/practice.h"
#include "study/profileeditor.h"
#include "study/recovery.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace yuc;
using namespace yuc::test;

namespace {
const char childVariable[] = "YUC_NOFILES_CHILD";
} // namespace

class TestNoFiles : public QObject
{
    Q_OBJECT
private slots:
    void shouldWriteNoFileAndOpenNoNetworkSocket();
    void walk();
};

void TestNoFiles::shouldWriteNoFileAndOpenNoNetworkSocket()
{
    if (qEnvironmentVariableIsSet(childVariable))
        QSKIP("the traced walk itself");
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    QVERIFY2(!strace.isEmpty(), "strace is needed (deps.sh --test installs it)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString log = dir.filePath(QStringLiteral("trace"));
    // The user's data folder, where unsaved edits alone may be kept.
    const QString data = dir.filePath(QStringLiteral("data"));

    QProcess traced;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(childVariable), QStringLiteral("1"));
    // The leak checker cannot run under a tracer; the sanitizer stage checks leaks itself.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    // A desktop session gives the toolkit its runtime folder; without one the
    // toolkit would make it, which is not the program's doing.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    environment.insert(QStringLiteral("YUC_TEST_DATA_HOME"), data);
    traced.setProcessEnvironment(environment);
    traced.setProcessChannelMode(QProcess::ForwardedChannels);
    traced.start(strace, {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"), log, QStringLiteral("-e"),
                          QStringLiteral("trace=open,openat,openat2,creat,socket,mkdir,mkdirat,rename,renameat,"
                                         "renameat2,unlink,unlinkat,truncate,link,linkat,symlink,symlinkat"),
                          QCoreApplication::applicationFilePath(), QStringLiteral("walk")});
    QVERIFY(traced.waitForFinished(120000));
    QCOMPARE(traced.exitStatus(), QProcess::NormalExit);
    QCOMPARE(traced.exitCode(), 0);

    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList calls = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(calls.size() > 10, "the trace holds no calls");
    // Reading is fine; anything that writes, creates or removes a file, or
    // reaches for a network, is not. Local sockets are not a network.
    static const QRegularExpression writeOpen(
        QStringLiteral("\\b(open|openat|openat2)\\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)"));
    static const QRegularExpression changesFiles(
        QStringLiteral("\\b(creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|truncate|link|linkat|symlink|"
                       "symlinkat)\\("));
    static const QRegularExpression network(QStringLiteral("\\bsocket\\((?!AF_UNIX|AF_LOCAL)"));
    const QRegularExpression inData(QStringLiteral("\"%1(/[^\"]*)?\"").arg(QRegularExpression::escape(data)));
    QStringList offending;
    QStringList recovery;
    for (const QString &call : calls) {
        if (call.contains(QLatin1String("= -1")))
            continue;
        const bool writes = writeOpen.match(call).hasMatch() || changesFiles.match(call).hasMatch();
        if (writes && inData.match(call).hasMatch())
            recovery << call;
        else if (writes || network.match(call).hasMatch())
            offending << call;
    }
    QVERIFY2(offending.isEmpty(), qPrintable(offending.join(QLatin1Char('\n'))));
    QVERIFY2(!recovery.isEmpty(), "the walk kept no recovery copy of its edits");
    const QDir copies(QDir(data).filePath(QCoreApplication::applicationName()));
    QCOMPARE(copies.entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Start-up, the way into the key down to a result, a calculation, a
// reference page, a menu note, and the end of the program.
void TestNoFiles::walk()
{
    if (!qEnvironmentVariableIsSet(childVariable))
        QSKIP("run by the traced test");
    MessageRecorder recorder;
    auto &manager = ScreenManager::instance();
    manager.show_screen(QStringLiteral("start_p"));
    QVERIFY(QTest::qWaitFor([&] { return manager.isLoaded(QStringLiteral("mainmenu")); }, 10000));
    QWidget *main = loaded(QStringLiteral("mainmenu"));
    QVERIFY(click(main, QStringLiteral("Command16")));
    QVERIFY(click(loaded(QStringLiteral("Note_about")), QStringLiteral("Command1")));
    QWidget *first = loaded(QStringLiteral("Classif_Arid_first"));
    QVERIFY(first);
    const QList<QRadioButton *> options = first->findChildren<QRadioButton *>();
    QVERIFY(!options.isEmpty());
    options.last()->click();
    QVERIFY(click(first, QStringLiteral("Command2")));
    QVERIFY(click(main, QStringLiteral("Command5")));
    QWidget *calculations = loaded(QStringLiteral("calculus_form"));
    QVERIFY(calculations);
    const char *entries[][2] = {{"water_text", "35"}, {"sand_Text", "20"}, {"Silt_text", "30"}, {"clay_Text", "50"}};
    for (const auto &[name, value] : entries)
        QTest::keyClicks(calculations->findChild<QLineEdit *>(QLatin1String(name)), QLatin1String(value));
    QVERIFY(click(calculations, QStringLiteral("Command5")));
    QVERIFY(click(main, QStringLiteral("Command7")));
    for (QAction *action : main->findChildren<QMenuBar *>().value(0)->findChildren<QAction *>())
        if (action->objectName() == QLatin1String("menu_mesic"))
            action->trigger();
    QVERIFY(!recorder.messages.isEmpty());
    // A profile typed: its edits are kept until they are discarded at the end.
    QVERIFY(click(main->findChild<QWidget *>(QStringLiteral("study_panel")), QStringLiteral("New profile")));
    study::ProfileEditor *editor = study::Practice::instance().editor();
    QVERIFY(editor);
    editor->setData(editor->index(0, 0), QStringLiteral("A"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(study::Recovery::path()), 3000);
    QTest::qWait(200); // let every window paint
    recorder.answer = QStringLiteral("Discard");
    QVERIFY(click(main, QStringLiteral("Command17")));
    QVERIFY(manager.loadedScreens().isEmpty());
}

YUC_TEST_MAIN(TestNoFiles)
#include "tst_nofiles.moc"
