#include "testsupport.h"

#include "program/program.h"
#include "shell/dialogs.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QProcess>

namespace yuc::test {

MessageRecorder::MessageRecorder()
{
    MessageBox::setObserver([this](const ShownMessage &message) {
        messages << message;
        return message.buttons.isEmpty() ? QStringLiteral("OK") : answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    MessageBox::setObserver({});
}

namespace {
void answerDialogs(const QString &savePath, const QString &openPath, QStringList *offered = nullptr, int choice = -1)
{
    Dialogs::setResponder({[savePath](const QString &, const QString &) { return savePath; },
                           [](QDialog *) { return int(QDialog::Rejected); },
                           [openPath](const QString &) { return openPath; },
                           [offered, choice](const QString &, const QStringList &items) {
                               if (offered)
                                   *offered = items;
                               return choice;
                           }});
}
} // namespace

DialogAnswers::DialogAnswers(const QString &savePath, const QString &openPath, int choice)
{
    answerDialogs(savePath, openPath, &offered, choice);
}

DialogAnswers::~DialogAnswers()
{
    answerDialogs({}, {});
}

QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *loaded(const QString &name)
{
    return ScreenManager::instance().screen(name);
}

QWidget *show(const QString &name)
{
    QWidget *window = ScreenManager::instance().show_screen(name);
    if (!window)
        qWarning("screen %s is not registered", qPrintable(name));
    return window;
}

bool click(QWidget *window, const QString &buttonName)
{
    if (!window)
        return false;
    auto *button = window->findChild<QAbstractButton *>(buttonName);
    if (!button)
        return false;
    button->click();
    return true;
}

int liveWindows(const QString &name)
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && !widget->testAttribute(Qt::WA_WState_Hidden))
            ++count;
    return count;
}

void resetScreens()
{
    ScreenManager::instance().unloadAll();
    flushDeletes();
}

namespace {
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The headless platform cannot raise windows; that is expected here.
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    previousHandler(type, context, message);
}
} // namespace

int runTests(QObject *testObject, int argc, char **argv)
{
    previousHandler = qInstallMessageHandler(quietHandler);
    // The user's data folder (where unsaved edits are kept) is a scratch one:
    // the one a parent test gives, or one of this run's own, made only if
    // something is written there.
    const QString given = qEnvironmentVariable("YUC_TEST_DATA_HOME");
    const QString dataHome =
        given.isEmpty()
            ? QDir::temp().filePath(QStringLiteral("yucarra-test-data-%1").arg(QCoreApplication::applicationPid()))
            : given;
    qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    QApplication::setQuitOnLastWindowClosed(false);
    prepareProgram();
    const DialogAnswers cancelEveryDialog;
    const int failures = QTest::qExec(testObject, argc, argv);
    // No window may outlive the application, whatever state a test left.
    ScreenManager::instance().destroyAll();
    if (given.isEmpty())
        QDir(dataHome).removeRecursively();
    return failures;
}

} // namespace yuc::test
