// yucarra-bench: how fast the windows open, how long the whole key takes to
// walk, how quickly the program starts, how much memory it keeps and what a
// calculation costs. Runs headless; prints one table, and with --json PATH
// writes the same figures as JSON.
#include "testsupport.h"

#include "bench/benchsupport.h"
#include "bench/csvpaste.h"
#include "bench/drawing.h"
#include "bench/paintwatch.h"

#include "calc/calculations.h"
#include "key/keyrunner.h"
#include "model/keymodel.h"
#include "model/keypaths.h"
#include "program/program.h"
#include "reference/referencepage.h"
#include "study/practice.h"
#include "study/profileeditor.h"
#include "study/record.h"
#include "study/studypanel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLayout>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <unistd.h>
#include <utility>

using namespace yuc;

namespace {

constexpr double mib = 1024.0 * 1024.0;

using bench::elapsedMs;
using bench::Figure;
using bench::summarise;

// Resident memory, after handing freed heap back so that only what is still
// held counts.
double residentMiB()
{
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / mib;
}

using bench::PaintWatch;

void showPainted(QWidget *window)
{
    PaintWatch watch(window);
    window->show();
    watch.wait();
}

QWidget *openPainted(const QString &name)
{
    QWidget *window = ScreenManager::instance().show_screen(name);
    PaintWatch(window).wait();
    return window;
}

// Opens one window (create, show, first paint) and unloads it again.
double openAndClose(const QString &name)
{
    QElapsedTimer timer;
    timer.start();
    openPainted(name);
    ScreenManager::instance().unload_screen(name);
    test::flushDeletes();
    return elapsedMs(timer);
}

struct WindowFigures {
    QMap<QString, QList<double>> byWindow;
    QMap<QString, QString> kind; // window -> class name
};

void openEveryWindow(WindowFigures *figures)
{
    for (const QString &name : ScreenManager::instance().registeredScreens()) {
        const double ms = openAndClose(name);
        if (figures)
            figures->byWindow[name] << ms;
    }
}

// Resident memory gained over the first rounds of every window, then over as
// many again: what is still gained late is what would grow without end.
std::pair<double, double> memoryGrowth(int rounds)
{
    const double before = residentMiB();
    for (int r = 0; r < rounds; ++r)
        openEveryWindow(nullptr);
    const double middle = residentMiB();
    for (int r = 0; r < rounds; ++r)
        openEveryWindow(nullptr);
    return {middle - before, residentMiB() - middle};
}

QString kindOf(const QString &name)
{
    QWidget *window = ScreenManager::instance().show_screen(name);
    QString kind = QString::fromLatin1(window->metaObject()->className()).remove(QLatin1String("yuc::"));
    ScreenManager::instance().unload_screen(name);
    test::flushDeletes();
    return kind;
}

// Walks every option of every step through the real windows, as a user
// would, and counts the distinct final destinations reached.
class KeyWalk
{
public:
    int run()
    {
        m_finals.clear();
        test::MessageRecorder recorder;
        m_recorder = &recorder;
        // The main window stays open, so that its study panel follows the walk.
        ScreenManager::instance().show_screen(QStringLiteral("mainmenu"));
        walk(QStringLiteral("Classif_Arid_first"));
        ScreenManager::instance().unloadAll();
        test::flushDeletes();
        m_recorder = nullptr; // the recorder ends here
        return int(m_finals.size());
    }

private:
    void walk(const QString &form)
    {
        const KeyModel &key = KeyModel::instance();
        const KeyStep &step = *key.step(form);
        for (int i = 0; i < step.options.size(); ++i) {
            // Reopened each time: along the Cryids chain the next step closes this one.
            keyrunner::open_step(form);
            QWidget *window = ScreenManager::instance().screen(form);
            window->findChild<QRadioButton *>(step.options.at(i).name)->click();
            const qsizetype shown = m_recorder->messages.size();
            test::click(window, step.stepButton.name);
            QCoreApplication::processEvents();
            const bool twoWay = step.fallback.kind != Destination::Kind::None && i == 1;
            const Destination &to = twoWay ? step.fallback : step.options.at(i).destination;
            switch (to.kind) {
            case Destination::Kind::Step: {
                walk(to.target);
                const KeyStep &next = *key.step(to.target);
                const ButtonSpec &close = next.cancelButton ? *next.cancelButton : *next.backButton;
                test::click(ScreenManager::instance().screen(to.target), close.name);
                break;
            }
            case Destination::Kind::Screen:
                if (!test::click(ScreenManager::instance().screen(to.target),
                                 key.screen(to.target)->buttons.first().name))
                    qFatal("%s did not open", qPrintable(to.target));
                m_finals.insert(to.target);
                break;
            case Destination::Kind::Message:
                if (m_recorder->messages.size() != shown + 1)
                    qFatal("%s shows no message", qPrintable(step.options.at(i).name));
                m_finals.insert(form + QLatin1Char('/') + step.options.at(i).name);
                break;
            case Destination::Kind::None:
                break;
            }
            test::flushDeletes();
        }
    }

    QSet<QString> m_finals;
    test::MessageRecorder *m_recorder = nullptr;
};

// Keeps measured results alive, so that the work is not optimised away.
volatile double sink;

// The study panel: a keystroke of the finder, the record of the deepest
// place built and laid out, and that record saved as PDF.
struct StudyFigures {
    Figure keystroke;
    Figure record;
    Figure pdf;
    Figure verdict;
    Figure compare;
    Figure profileOpen;
    Figure practiceWalk;
};

StudyFigures measureStudyPanel()
{
    StudyFigures figures;
    // Text that names no taxon, so that every name and then every statement is searched.
    const QString typed = QStringLiteral("duripan strongly cemented xeric");
    QList<double> keystrokes;
    for (int r = 0; r < 20; ++r) {
        for (int n = 1; n <= typed.size(); ++n) {
            QElapsedTimer timer;
            timer.start();
            sink = double(TaxonFinder::instance().find(typed.left(n)).places.size());
            keystrokes << elapsedMs(timer);
        }
    }
    figures.keystroke = summarise(keystrokes);

    // The deepest place: the longest way with the most statements ruled out.
    const KeyPaths &paths = KeyPaths::instance();
    KeyPlace deepest;
    int most = -1;
    for (const KeyPlace &place : paths.finals()) {
        int statements = 0;
        for (const PathStep &step : paths.pathTo(place))
            statements += step.chosen + 1;
        if (statements > most) {
            most = statements;
            deepest = place;
        }
    }
    auto *main = ScreenManager::instance().show_screen(QStringLiteral("mainmenu"));
    auto *panel = main->findChild<StudyPanel *>();
    auto *view = panel->findChild<QTextBrowser *>();
    QList<double> records;
    for (int r = 0; r < 30; ++r) {
        panel->showPlace(KeyPlace());
        QElapsedTimer timer;
        timer.start();
        panel->showPlace(deepest);
        sink = view->document()->size().height(); // laid out
        records << elapsedMs(timer);
    }
    figures.record = summarise(records);

    QTemporaryDir dir;
    QList<double> pdfs;
    for (int r = 0; r < 10; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (!panel->savePdf(dir.filePath(QStringLiteral("record.pdf"))))
            qFatal("the record could not be saved as PDF");
        pdfs << elapsedMs(timer);
    }
    figures.pdf = summarise(pdfs);
    ScreenManager::instance().unloadAll();
    test::flushDeletes();

    // Practice: the verdict on a wrong walk whose answer is the deepest place,
    // the comparison of the two deepest places, and a profile window opened.
    study::Answer answer{paths.nameOf(deepest), {}};
    for (const PathStep &step : paths.pathTo(deepest))
        answer.reasons.insert(step.step->caption.trimmed(), QStringLiteral("why"));
    const KeyPlace other = deepest == paths.finals().last() ? paths.finals().first() : paths.finals().last();
    QList<double> verdicts;
    QList<double> comparisons;
    for (int r = 0; r < 200; ++r) {
        QElapsedTimer timer;
        timer.start();
        sink = double(study::verdictLines(paths, study::judge(paths, answer, other)).size());
        verdicts << elapsedMs(timer);
        timer.start();
        sink = double(study::comparisonLines(paths.compare(deepest, other)).size());
        comparisons << elapsedMs(timer);
    }
    figures.verdict = summarise(verdicts);
    figures.compare = summarise(comparisons);
    study::Practice::instance().start(study::builtInProfiles().first());
    QList<double> opened;
    for (int r = 0; r < 20; ++r)
        opened << openAndClose(QStringLiteral("soil_profile"));
    figures.profileOpen = summarise(opened);
    QList<double> walks;
    for (int r = 0; r < 3; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (KeyWalk().run() != 255)
            qFatal("the key walk with a practice running missed a destination");
        walks << elapsedMs(timer);
    }
    figures.practiceWalk = summarise(walks);
    study::Practice::instance().stop();
    return figures;
}

// The user's own profile: a 50-horizon file read and checked, saved, and one
// cell edited with the checks the editor then makes.
struct ProfileFigures {
    Figure read;
    Figure save;
    Figure edit;
};

ProfileFigures measureProfiles()
{
    const study::Profile profile = bench::fiftyHorizons();
    const QByteArray bytes = study::writeProfile(profile);
    ProfileFigures figures;
    QList<double> reads;
    QList<double> saves;
    QTemporaryDir dir;
    for (int r = 0; r < 100; ++r) {
        QElapsedTimer timer;
        timer.start();
        const std::optional<study::Profile> read = study::readProfile(bytes);
        reads << elapsedMs(timer);
        if (!read || read->horizons.size() != 50)
            qFatal("the 50-horizon profile did not read");
        timer.start();
        QSaveFile file(dir.filePath(QStringLiteral("bench.soilprofile.json")));
        if (!file.open(QIODevice::WriteOnly) || file.write(study::writeProfile(*read)) < 0 || !file.commit())
            qFatal("the profile could not be saved");
        saves << elapsedMs(timer);
    }
    study::ProfileEditor editor;
    editor.load(profile);
    const int clay = int(std::find_if(study::horizonColumns().begin(), study::horizonColumns().end(),
                                      [](const study::Column &c) { return c.key == QLatin1String("clay_pct"); })
                         - study::horizonColumns().begin());
    QList<double> edits;
    for (int r = 0; r < 200; ++r) {
        QElapsedTimer timer;
        timer.start();
        editor.setData(editor.index(r % 50, clay), QString::number(r % 90));
        sink = double(editor.faults().size() + editor.depthNotes().size());
        edits << elapsedMs(timer);
    }
    figures.read = summarise(reads);
    figures.save = summarise(saves);
    figures.edit = summarise(edits);
    return figures;
}

// --- our largest windows against plain twins ------------------------------

// A plain twin of one of our windows: its texts, fonts and size, laid out by
// hand with stock widgets only. The time to open a window is mostly the
// machine's load; the ratio to its twin, opened right beside it, is the
// program's own share.
struct Twin {
    QString window; // our window's form name
    std::function<QWidget *()> build;
};

QWidget *twinStep(const KeyStep &step, QSize size)
{
    auto *window = new QWidget(nullptr, Qt::Window);
    window->setWindowTitle(step.caption);
    auto *outer = new QVBoxLayout(window);
    auto *frame = new QGroupBox(step.frame.caption, window);
    auto *frameLayout = new QVBoxLayout(frame);
    auto *content = new QWidget;
    auto *list = new QVBoxLayout(content);
    for (const KeyOption &option : step.options) {
        auto *row = new QHBoxLayout;
        row->addWidget(new QRadioButton(content), 0, Qt::AlignTop);
        auto *text = new QLabel(statementText(option), content);
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        row->addWidget(text, 1);
        for (const PanelButton &panel : panelButtons(option))
            row->addWidget(new QPushButton(panel.caption, content), 0, Qt::AlignTop);
        list->addLayout(row);
    }
    list->addStretch(1);
    // Scrolled, should the statements not fit, as in ours.
    auto *scroll = new QScrollArea(frame);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    frameLayout->addWidget(scroll);
    outer->addWidget(frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const auto *button : {&step.helpButton, &step.backButton, &step.cancelButton})
        if (*button)
            buttons->addWidget(new QPushButton((*button)->caption, window));
    buttons->addWidget(new QPushButton(step.stepButton.caption, window));
    outer->addLayout(buttons);
    window->setFixedSize(size);
    return window;
}

struct PageText {
    QString title;
    QString frame; // empty: no frame round the text
    QString button;
    QFont font;
    QString html;
    // Margins round the window's contents and inside the frame, so that the
    // text wraps at the same width: a few pixels more or less change how
    // many lines it takes, and with them the time.
    QMargins outer;
    QMargins inner;
};

QWidget *twinPage(const PageText &page, QSize size)
{
    auto *window = new QWidget(nullptr, Qt::Window);
    window->setWindowTitle(page.title);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(page.outer);
    auto *view = new QTextBrowser;
    view->document()->setDefaultFont(page.font);
    view->setHtml(page.html);
    if (page.frame.isEmpty()) {
        outer->addWidget(view, 1);
    } else {
        auto *frame = new QGroupBox(page.frame, window);
        auto *inner = new QVBoxLayout(frame);
        inner->setContentsMargins(page.inner);
        inner->addWidget(view);
        outer->addWidget(frame, 1);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(new QPushButton(page.button, window));
    buttons->addStretch(1);
    outer->addLayout(buttons);
    window->setFixedSize(size);
    return window;
}

// The size our window takes once it is shown and laid out.
QSize openedSize(const QString &name)
{
    const QSize size = openPainted(name)->size();
    ScreenManager::instance().unload_screen(name);
    test::flushDeletes();
    return size;
}

constexpr int twinSteps = 5;

// The key steps with the most statements, and the reference page with the
// longest text.
QList<Twin> largestWindows()
{
    QList<const KeyStep *> steps;
    for (const KeyStep &step : KeyModel::instance().steps)
        steps << &step;
    std::stable_sort(steps.begin(), steps.end(),
                     [](const KeyStep *a, const KeyStep *b) { return a->options.size() > b->options.size(); });
    QList<Twin> twins;
    for (const KeyStep *step : steps.first(twinSteps)) {
        const QSize size = openedSize(step->form);
        twins << Twin{step->form, [step, size] { return twinStep(*step, size); }};
    }

    QString longest;
    QStringList lines;
    for (const QString &name : ScreenManager::instance().registeredScreens()) {
        const QStringList text = ReferencePage::textLines(QStringLiteral(":/reference/texts/%1.txt").arg(name));
        if (text.join(QLatin1Char('\n')).size() > lines.join(QLatin1Char('\n')).size()) {
            longest = name;
            lines = text;
        }
    }
    // Fonts, captions and size as our page has them once it is open.
    QWidget *ours = openPainted(longest);
    PageText page;
    page.title = ours->windowTitle();
    page.outer = ours->layout()->contentsMargins();
    if (const auto *frame = ours->findChild<QGroupBox *>()) {
        page.frame = frame->title();
        page.inner = frame->layout()->contentsMargins();
    }
    page.button = ours->findChild<QPushButton *>()->text();
    page.font = ours->findChild<QTextBrowser *>()->document()->defaultFont();
    page.html = ReferencePage::richText(lines, page.font.pointSizeF());
    const QSize size = ours->size();
    ScreenManager::instance().unload_screen(longest);
    test::flushDeletes();
    twins << Twin{longest, [page, size] { return twinPage(page, size); }};
    return twins;
}

// Builds a twin, shows it until its first paint and deletes it again, as
// openAndClose does with ours (the paint is watched for once it is shown,
// as there).
void openAndCloseTwin(const Twin &twin)
{
    QWidget *window = twin.build();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    PaintWatch(window).wait();
    window->close();
    test::flushDeletes();
}

// Processor time of the whole process: the window's building, layout and
// painting, with the parts of large fills Qt hands to its pool of threads.
// Unlike the clock on the wall it does not count the time other programs
// hold the processor, which on a shared machine is most of the noise.
double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct Cost {
    double cpu = 0;
    double wall = 0;
};

template <typename Open>
Cost timed(Open open)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = processCpuMs();
    open();
    const double cpuMs = processCpuMs() - cpu;
    return {cpuMs, elapsedMs(wall)};
}

struct WindowRatio {
    QString window;
    Figure ours; // processor time, ms
    Figure twin;
    double ratio = 0;     // median of the pairs' ratios
    double wallRatio = 0; // the same on the clock on the wall, for comparison
};
constexpr int windowPairs = 101;

// Each window and its twin in pairs, one right after the other and each
// first in turn, as with start-up; the rounds go over all the windows, so
// that each window's pairs are spread over the whole run.
QList<WindowRatio> measureWindowRatios()
{
    const QList<Twin> twins = largestWindows();
    QList<QList<double>> ours(twins.size()), plain(twins.size()), ratios(twins.size()), wallRatios(twins.size());
    for (int r = -1; r < windowPairs; ++r) {
        for (qsizetype w = 0; w < twins.size(); ++w) {
            const bool oursFirst = r % 2 == 0;
            const auto openOurs = [&] { return timed([&] { openAndClose(twins[w].window); }); };
            const auto openTwin = [&] { return timed([&] { openAndCloseTwin(twins[w]); }); };
            const Cost first = oursFirst ? openOurs() : openTwin();
            const Cost second = oursFirst ? openTwin() : openOurs();
            if (r < 0) // the first round is not counted: it fills the caches of fonts and styles
                continue;
            const Cost a = oursFirst ? first : second;
            const Cost b = oursFirst ? second : first;
            ours[w] << a.cpu;
            plain[w] << b.cpu;
            ratios[w] << a.cpu / b.cpu;
            wallRatios[w] << a.wall / b.wall;
        }
    }
    QList<WindowRatio> results;
    for (qsizetype w = 0; w < twins.size(); ++w)
        results << WindowRatio{twins[w].window, summarise(ours[w]), summarise(plain[w]), summarise(ratios[w]).median,
                               summarise(wallRatios[w]).median};
    return results;
}

double largestRatio(const QList<WindowRatio> &ratios)
{
    double largest = 0;
    for (const WindowRatio &r : ratios)
        largest = std::max(largest, r.ratio);
    return largest;
}

constexpr double windowGoal = 1.0;

// --- measurements made in a fresh process of their own -------------------

// Runs in a child: from the first line of main to the first window painted,
// either the program's start screen or a bare window with one label.
int childStartup(bool bare, int argc, char **argv, const QElapsedTimer &sinceMain)
{
    QApplication app(argc, argv);
    QWidget *window = nullptr;
    if (bare) {
        window = new QLabel(QStringLiteral("Yucarra"));
        showPainted(window);
    } else {
        startProgram();
        PaintWatch(ScreenManager::instance().screen(QStringLiteral("start_p"))).wait();
    }
    std::printf("%.3f\n", elapsedMs(sinceMain));
    delete window;
    return 0;
}

// Runs in a child: resident memory with a bare window, or after opening
// every window of the program once and closing them all.
int childMemory(bool bare, int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLabel label(QStringLiteral("Yucarra"));
    if (bare) {
        showPainted(&label);
    } else {
        prepareProgram();
        test::MessageRecorder recorder;
        openEveryWindow(nullptr);
    }
    std::printf("%.3f\n", residentMiB());
    return 0;
}

double runChild(const QString &mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        qFatal("child %s failed", qPrintable(mode));
    return child.readAllStandardOutput().trimmed().toDouble();
}

// Start-up of the program against a bare window, each in a fresh process,
// in pairs: one right after the other, each first in turn, so that both of a
// pair meet the same load on the machine. The ratio is the median of the
// pairs' ratios, which follows the load drifting during the run better than
// the ratio of two medians taken apart.
struct Startup {
    Figure app;
    Figure bare;
    double ratio = 0;
};
constexpr int startupPairs = 31;

Startup measureStartup()
{
    const QString app = QStringLiteral("startup-app");
    const QString bare = QStringLiteral("startup-bare");
    // One pair not counted: it brings the program's files into memory.
    runChild(app);
    runChild(bare);
    QList<double> apps, bares, ratios;
    for (int r = 0; r < startupPairs; ++r) {
        const bool appFirst = r % 2 == 0;
        const double first = runChild(appFirst ? app : bare);
        const double second = runChild(appFirst ? bare : app);
        apps << (appFirst ? first : second);
        bares << (appFirst ? second : first);
        ratios << apps.last() / bares.last();
    }
    return {summarise(apps), summarise(bares), summarise(ratios).median};
}

constexpr double startupGoal = 1.3;

// --- the calculations -------------------------------------------------------

template <typename Call>
Figure perCallNs(Call call)
{
    constexpr int calls = 200000;
    QList<double> runs;
    for (int r = 0; r < 7; ++r) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i)
            call(i);
        runs << double(timer.nsecsElapsed()) / calls;
    }
    return summarise(runs);
}

QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The headless platform cannot raise or size windows; that is expected here.
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        previousHandler(type, context, message);
}

struct Row {
    Row(QString what, Figure figure, QString unit, QString goal = {}, bool met = true)
        : what(std::move(what)),
          figure(figure),
          unit(std::move(unit)),
          goal(std::move(goal)),
          met(met)
    {
    }
    QString what;
    Figure figure;
    QString unit;
    QString goal;
    bool met;
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        const QByteArray mode = argv[2];
        if (mode.startsWith("startup"))
            return childStartup(mode.endsWith("bare"), argc, argv, sinceMain);
        return childMemory(mode.endsWith("bare"), argc, argv);
    }

    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    const int jsonAt = int(args.indexOf(QStringLiteral("--json")));
    const QString jsonPath = jsonAt > 0 ? args.value(jsonAt + 1) : QString();
    const int roundsAt = int(args.indexOf(QStringLiteral("--rounds")));
    const int rounds = roundsAt > 0 ? args.value(roundsAt + 1).toInt() : 200;
    if (args.contains(QStringLiteral("--startup-only"))) {
        const Startup startup = measureStartup();
        std::printf("start-up to the start screen painted: median %.3f ms, worst %.3f ms\n", startup.app.median,
                    startup.app.worst);
        std::printf("start-up of a bare window (one label): median %.3f ms, worst %.3f ms\n", startup.bare.median,
                    startup.bare.worst);
        std::printf("start-up ratio, median of %d pairs: %.3f (goal <= %.1f: %s)\n", startupPairs, startup.ratio,
                    startupGoal, startup.ratio <= startupGoal ? "met" : "NOT met");
        return 0;
    }
    prepareProgram();
    test::MessageRecorder recorder;
    const int profileAt = int(args.indexOf(QStringLiteral("--profile")));
    if (profileAt > 0) {
        // Only this window, opened and closed again and again, for a profiler.
        for (int r = 0; r < 50; ++r)
            openAndClose(args.value(profileAt + 1));
        return 0;
    }
    const int twinAt = int(args.indexOf(QStringLiteral("--profile-twin")));
    if (twinAt > 0) {
        // One of the windows measured against a plain twin, and its twin, in
        // turns: callgrind's --toggle-collect on openAndClose or on
        // openAndCloseTwin gives either side, both warmed up alike.
        for (const Twin &twin : largestWindows()) {
            if (twin.window != args.value(twinAt + 1))
                continue;
            for (int r = 0; r < 50; ++r) {
                openAndClose(twin.window);
                openAndCloseTwin(twin);
            }
        }
        return 0;
    }
    if (args.contains(QStringLiteral("--study-only"))) {
        const StudyFigures study = measureStudyPanel();
        std::printf("finder keystroke %.4f ms (worst %.4f), record %.2f ms (worst %.2f), pdf %.1f ms (worst %.1f)\n",
                    study.keystroke.median, study.keystroke.worst, study.record.median, study.record.worst,
                    study.pdf.median, study.pdf.worst);
        std::printf("verdict %.4f ms, compare %.4f ms, profile window %.2f ms, walk with practice %.0f ms\n",
                    study.verdict.median, study.compare.median, study.profileOpen.median, study.practiceWalk.median);
        const ProfileFigures profiles = measureProfiles();
        std::printf("profile read %.3f ms, save %.3f ms, edit %.4f ms\n", profiles.read.median, profiles.save.median,
                    profiles.edit.median);
        QElapsedTimer timer;
        timer.start();
        const int finals = KeyWalk().run();
        std::printf("key walk with the panel following: %d finals in %.1f ms\n", finals, elapsedMs(timer));
        return 0;
    }
    // One part alone, by its option.
    const QList<std::pair<QString, std::function<QList<bench::Named>()>>> parts{
        {QStringLiteral("--drawing-only"), &bench::measureDrawing},
        {QStringLiteral("--evaluation-only"), &bench::measureEvaluation},
        {QStringLiteral("--csv-paste-only"), &bench::measureCsvPaste}};
    for (const auto &[option, measure] : parts) {
        if (!args.contains(option))
            continue;
        for (const bench::Named &n : measure())
            std::printf("%-60s median %.4f %s, worst %.4f (goal %s: %s)\n", qPrintable(n.what), n.figure.median,
                        qPrintable(n.unit), n.figure.worst, qPrintable(n.goal), n.met ? "met" : "NOT met");
        return 0;
    }
    if (args.contains(QStringLiteral("--windows-only"))) {
        const QList<WindowRatio> ratios = measureWindowRatios();
        for (const WindowRatio &r : ratios)
            std::printf("%-16s ours %.3f ms, plain twin %.3f ms (processor time), ratio %.3f (median of %d pairs; "
                        "%.3f on the wall clock)\n",
                        qPrintable(r.window), r.ours.median, r.twin.median, r.ratio, windowPairs, r.wallRatio);
        const double largest = largestRatio(ratios);
        std::printf("window ratio, the largest: %.3f (goal <= %.1f: %s)\n", largest, windowGoal,
                    largest <= windowGoal ? "met" : "NOT met");
        return 0;
    }
    if (args.contains(QStringLiteral("--growth-only"))) {
        // Warmed up as in the full run, where every window has been opened five times before.
        for (int r = 0; r < 5; ++r)
            openEveryWindow(nullptr);
        const auto [growth, lateGrowth] = memoryGrowth(rounds);
        std::printf("growth over %d rounds: %.3f MiB; from round %d to %d: %.3f MiB\n", rounds, growth, rounds,
                    2 * rounds, lateGrowth);
        return 0;
    }
    QList<Row> rows;

    // Every window once, five times over.
    WindowFigures windows;
    for (int r = 0; r < 5; ++r)
        openEveryWindow(&windows);
    QMap<QString, QList<double>> kinds;
    QString slowest;
    Figure slowestFigure;
    for (auto it = windows.byWindow.constBegin(); it != windows.byWindow.constEnd(); ++it) {
        const Figure f = summarise(it.value());
        kinds[kindOf(it.key())] << f.median;
        if (f.median > slowestFigure.median) {
            slowest = it.key();
            slowestFigure = f;
        }
    }
    for (auto it = kinds.constBegin(); it != kinds.constEnd(); ++it)
        rows << Row{QStringLiteral("open %1 (%2 windows; median of each, median and worst)")
                        .arg(it.key())
                        .arg(it.value().size()),
                    summarise(it.value()), QStringLiteral("ms")};
    rows << Row{QStringLiteral("slowest window: %1").arg(slowest), slowestFigure, QStringLiteral("ms"),
                QStringLiteral("< 8"), slowestFigure.median < 8};

    // Our largest windows against their plain twins, in pairs.
    const QList<WindowRatio> windowRatios = measureWindowRatios();
    for (const WindowRatio &r : windowRatios)
        rows << Row{
            QStringLiteral("%1 / its plain twin, processor time (median of %2 pairs)").arg(r.window).arg(windowPairs),
            {r.ratio, r.ratio},
            QString()};
    const double windowRatio = largestRatio(windowRatios);
    rows << Row{QStringLiteral("window ratio, the largest of those"),
                {windowRatio, windowRatio},
                QString(),
                QStringLiteral("<= %1").arg(windowGoal),
                windowRatio <= windowGoal};

    // The whole key, five times.
    QList<double> walks;
    for (int r = 0; r < 5; ++r) {
        QElapsedTimer timer;
        timer.start();
        const int finals = KeyWalk().run();
        walks << elapsedMs(timer);
        if (finals != 255)
            qFatal("the key walk reached %d final destinations, not 255", finals);
    }
    const Figure walk = summarise(walks);
    rows << Row{QStringLiteral("key walk, all 255 final destinations"), walk, QStringLiteral("ms"),
                QStringLiteral("< 1000"), walk.median < 1000};

    const StudyFigures study = measureStudyPanel();
    rows << Row{QStringLiteral("study panel: finder, one keystroke (names and statements searched)"), study.keystroke,
                QStringLiteral("ms"), QStringLiteral("< 1"), study.keystroke.median < 1};
    rows << Row{QStringLiteral("study panel: record of the deepest place, built and laid out"), study.record,
                QStringLiteral("ms"), QStringLiteral("< 5"), study.record.median < 5};
    rows << Row{QStringLiteral("study panel: that record saved as PDF"), study.pdf, QStringLiteral("ms"),
                QStringLiteral("< 100"), study.pdf.median < 100};
    rows << Row{QStringLiteral("practice: verdict on a wrong walk to the deepest place"), study.verdict,
                QStringLiteral("ms"), QStringLiteral("< 5"), study.verdict.median < 5};
    rows << Row{QStringLiteral("practice: the two deepest places compared"), study.compare, QStringLiteral("ms"),
                QStringLiteral("< 5"), study.compare.median < 5};
    rows << Row{QStringLiteral("practice: profile window opened and drawn"), study.profileOpen, QStringLiteral("ms"),
                QStringLiteral("< 30"), study.profileOpen.median < 30};
    rows << Row{QStringLiteral("practice: key walk, all 255 destinations, a practice running"), study.practiceWalk,
                QStringLiteral("ms"), QStringLiteral("< 1000"), study.practiceWalk.median < 1000};
    const ProfileFigures profiles = measureProfiles();
    rows << Row{QStringLiteral("own profile: a 50-horizon file read and checked"), profiles.read, QStringLiteral("ms"),
                QStringLiteral("< 10"), profiles.read.median < 10};
    rows << Row{QStringLiteral("own profile: that file saved"), profiles.save, QStringLiteral("ms"),
                QStringLiteral("< 20"), profiles.save.median < 20};
    rows << Row{QStringLiteral("own profile: one cell edited, with its checks"), profiles.edit, QStringLiteral("ms"),
                QStringLiteral("< 1"), profiles.edit.median < 1};
    const QList<bench::Named> evaluation = bench::measureEvaluation();
    for (const bench::Named &n : evaluation)
        rows << Row{n.what, n.figure, n.unit, n.goal, n.met};
    const QList<bench::Named> drawing = bench::measureDrawing();
    for (const bench::Named &n : drawing)
        rows << Row{n.what, n.figure, n.unit, n.goal, n.met};
    const QList<bench::Named> csvPaste = bench::measureCsvPaste();
    for (const bench::Named &n : csvPaste)
        rows << Row{n.what, n.figure, n.unit, n.goal, n.met};

    // Start-up and memory, each in fresh processes, taken in turns.
    const Startup startup = measureStartup();
    QList<double> memApp, memBare;
    for (int r = 0; r < 3; ++r) {
        memApp << runChild(QStringLiteral("memory-app"));
        memBare << runChild(QStringLiteral("memory-bare"));
    }
    const Figure startupApp = startup.app;
    const Figure startupBare = startup.bare;
    const double ratio = startup.ratio;
    rows << Row{QStringLiteral("start-up to the start screen painted"), startupApp, QStringLiteral("ms")};
    rows << Row{QStringLiteral("start-up of a bare window (one label)"), startupBare, QStringLiteral("ms")};
    rows << Row{QStringLiteral("start-up ratio, program / bare window (median of %1 pairs)").arg(startupPairs),
                {ratio, ratio},
                QString(),
                QStringLiteral("<= %1").arg(startupGoal),
                ratio <= startupGoal};
    const Figure rssApp = summarise(memApp);
    const Figure rssBare = summarise(memBare);
    const double over = rssApp.median - rssBare.median;
    rows << Row{QStringLiteral("resident memory, every window opened and closed"), rssApp, QStringLiteral("MiB")};
    rows << Row{QStringLiteral("resident memory, bare window"), rssBare, QStringLiteral("MiB")};
    rows << Row{QStringLiteral("resident memory over the bare window"),
                {over, over},
                QStringLiteral("MiB"),
                QStringLiteral("<= 25"),
                over <= 25};

    const auto [growth, lateGrowth] = memoryGrowth(rounds);
    rows << Row{QStringLiteral("memory growth over %1 rounds of every window").arg(rounds),
                {growth, growth},
                QStringLiteral("MiB"),
                QStringLiteral("< 1"),
                growth < 1};
    rows << Row{QStringLiteral("memory growth from round %1 to round %2").arg(rounds).arg(2 * rounds),
                {lateGrowth, lateGrowth},
                QStringLiteral("MiB"),
                QStringLiteral("< 0.25"),
                lateGrowth < 0.25};

    // The calculations, per call.
    const char *typed[] = {"0.00", "45.4", " 1 5", "12,5", "abc", "-3.5E+2", "1e400", "  33.3  "};
    const Figure reading = perCallNs([&](int i) { sink = calc::readNumber(std::string_view(typed[i % 8])); });
    const Figure nValue = perCallNs([](int i) { sink = calc::nValue({double(i % 50), 30, 30, 40, double(i % 3)}).n; });
    const Figure texture = perCallNs([](int i) {
        const double sand = i % 101;
        sink = double(calc::textureClass(sand, (100 - sand) / 2, (100 - sand) / 2).className.size());
    });
    rows << Row{QStringLiteral("calculation: reading a number"), reading, QStringLiteral("ns/call")};
    rows << Row{QStringLiteral("calculation: n value"), nValue, QStringLiteral("ns/call")};
    rows << Row{QStringLiteral("calculation: class finder"), texture, QStringLiteral("ns/call")};

    bool allMet = true;
    std::printf("| %-70s | %10s | %10s | %-8s | %-6s | %s\n", "measure", "median", "worst", "unit", "goal", "met");
    for (const Row &row : rows) {
        allMet = allMet && row.met;
        std::printf("| %-70s | %10.3f | %10.3f | %-8s | %-6s | %s\n", qPrintable(row.what), row.figure.median,
                    row.figure.worst, qPrintable(row.unit), qPrintable(row.goal),
                    row.goal.isEmpty() ? "" : (row.met ? "yes" : "NO"));
    }

    if (!jsonPath.isEmpty()) {
        QJsonObject ratiosJson;
        for (const WindowRatio &r : windowRatios)
            ratiosJson.insert(r.window, r.ratio);
        QJsonObject json{
            {QStringLiteral("slowest_window_ms"), slowestFigure.median},
            {QStringLiteral("slowest_window_worst_ms"), slowestFigure.worst},
            {QStringLiteral("slowest_window"), slowest},
            {QStringLiteral("window_ratio"), windowRatio},
            {QStringLiteral("window_ratios"), ratiosJson},
            {QStringLiteral("window_pairs"), windowPairs},
            {QStringLiteral("key_walk_ms"), walk.median},
            {QStringLiteral("key_walk_worst_ms"), walk.worst},
            {QStringLiteral("finder_keystroke_ms"), study.keystroke.median},
            {QStringLiteral("record_ms"), study.record.median},
            {QStringLiteral("pdf_ms"), study.pdf.median},
            {QStringLiteral("verdict_ms"), study.verdict.median},
            {QStringLiteral("compare_ms"), study.compare.median},
            {QStringLiteral("profile_open_ms"), study.profileOpen.median},
            {QStringLiteral("key_walk_practice_ms"), study.practiceWalk.median},
            {QStringLiteral("profile_read_ms"), profiles.read.median},
            {QStringLiteral("profile_save_ms"), profiles.save.median},
            {QStringLiteral("profile_edit_ms"), profiles.edit.median},
            {QStringLiteral("startup_ms"), startupApp.median},
            {QStringLiteral("startup_bare_ms"), startupBare.median},
            {QStringLiteral("startup_ratio"), ratio},
            {QStringLiteral("startup_pairs"), startupPairs},
            {QStringLiteral("rss_mib"), rssApp.median},
            {QStringLiteral("rss_bare_mib"), rssBare.median},
            {QStringLiteral("rss_over_bare_mib"), over},
            {QStringLiteral("rss_growth_200_rounds_mib"), growth},
            {QStringLiteral("rss_growth_200_to_400_mib"), lateGrowth},
            {QStringLiteral("rounds"), rounds},
            {QStringLiteral("read_number_ns"), reading.median},
            {QStringLiteral("n_value_ns"), nValue.median},
            {QStringLiteral("class_finder_ns"), texture.median},
            {QStringLiteral("all_goals_met"), allMet},
        };
        for (const bench::Named &n : evaluation + drawing + csvPaste)
            json.insert(n.key, n.figure.median);
        QFile out(jsonPath);
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(jsonPath));
        out.write(QJsonDocument(json).toJson());
    }
    return 0;
}
