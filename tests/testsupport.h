#pragma once

#include "shell/messagebox.h"
#include "shell/screenmanager.h"

#include <QApplication>
#include <QList>
#include <QTest>
#include <QWidget>

namespace yuc::test {

// Records every message box the program shows instead of running its modal
// loop; each recorded box counts as answered with OK.
class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QList<ShownMessage> messages;
    QString answer = QStringLiteral("Cancel"); // to a question: never loses an edit unless told to
    ShownMessage last() const { return messages.isEmpty() ? ShownMessage{} : messages.last(); }
    void clear() { messages.clear(); }
};

// Answers the program's file and print dialogs in the user's place: every
// dialog is cancelled, unless a test gives the path to save to or to open,
// or the item to choose from a list, while it lives.
class DialogAnswers
{
public:
    explicit DialogAnswers(const QString &savePath = {}, const QString &openPath = {}, int choice = -1);
    QStringList offered; // the items of the last list to choose from
    ~DialogAnswers();
    DialogAnswers(const DialogAnswers &) = delete;
    DialogAnswers &operator=(const DialogAnswers &) = delete;
};

// The text of a PDF as pdftotext reads it, blanks collapsed; empty when it cannot be read.
QString pdfText(const QString &path);

// Lets closed windows be destroyed, as they are once the event loop runs.
void flushDeletes();

// The loaded instance of a screen, or nullptr.
QWidget *loaded(const QString &name);

// Shows a screen through the ScreenManager and fails the test if it is not registered.
QWidget *show(const QString &name);

// Clicks a named button (any QAbstractButton) inside a window.
bool click(QWidget *window, const QString &buttonName);

// Every top-level window currently alive with this object name (shown or not).
int liveWindows(const QString &name);

// Unloads every screen and lets them be destroyed.
void resetScreens();

int runTests(QObject *testObject, int argc, char **argv);

} // namespace yuc::test

// Like QTEST_MAIN, with the program's windows registered and its fonts installed.
#define YUC_TEST_MAIN(TestObject)                                                                                      \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        TestObject tc;                                                                                                 \
        return yuc::test::runTests(&tc, argc, argv);                                                                   \
    }
