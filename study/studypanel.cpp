#include "study/studypanel.h"

#include "key/placetracker.h"
#include "shell/dialogs.h"
#include "shell/messagebox.h"
#include "shell/screenmanager.h"
#include "study/handin.h"
#include "study/practice.h"
#include "study/profilewindow.h"
#include "study/record.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace yuc {

namespace {
// Long enough to pass over the windows of a quick walk, too short to notice.
constexpr int followDelayMs = 60;

QPushButton *handInButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(caption);
    button->setAccessibleName(caption);
    button->setAutoDefault(true); // Enter presses it when it has the focus
    return button;
}

QPointer<StudyPanel> &livePanel()
{
    static QPointer<StudyPanel> panel;
    return panel;
}

const QString recordScreen = QStringLiteral("study_record");
const QString profileScreen = QStringLiteral("soil_profile");

QLineEdit *taxonField(const QString &name, const QString &accessible, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessible);
    field->setClearButtonEnabled(true);
    auto *completer = new QCompleter(TaxonFinder::instance().names(), field);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    field->setCompleter(completer);
    return field;
}

QRect screenArea(const QWidget *widget)
{
    const QScreen *screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}
} // namespace

StudyPanel::StudyPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("study_panel"));
    livePanel() = this;

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(8, 6, 8, 6);
    m_layout->setSpacing(4);

    auto *findRow = new QHBoxLayout;
    auto *findLabel = new QLabel(QStringLiteral("&Find a taxon:"), this);
    m_find = taxonField(QStringLiteral("find_taxon"), QStringLiteral("Find a taxon"), this);
    m_find->setPlaceholderText(QStringLiteral("a name, as Lithic Haplargids, or words of the statements"));
    findLabel->setBuddy(m_find);
    auto *compareLabel = new QLabel(QStringLiteral("Co&mpare with:"), this);
    m_compare = taxonField(QStringLiteral("compare_with"), QStringLiteral("Compare with"), this);
    m_compare->setPlaceholderText(QStringLiteral("another taxon's name"));
    compareLabel->setBuddy(m_compare);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 3);
    findRow->addWidget(compareLabel);
    findRow->addWidget(m_compare, 2);
    m_layout->addLayout(findRow);

    auto *practiceRow = new QHBoxLayout;
    auto *practiceLabel = new QLabel(QStringLiteral("&Practice:"), this);
    m_practice = new QComboBox(this);
    m_practice->setObjectName(QStringLiteral("practice_profiles"));
    m_practice->setAccessibleName(QStringLiteral("Practice profiles"));
    m_practice->addItem(QStringLiteral("No practice"));
    for (const study::Profile &profile : study::builtInProfiles())
        m_practice->addItem(profile.title);
    m_practice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_practice->setMinimumContentsLength(16);
    practiceLabel->setBuddy(m_practice);
    m_tellAtOnce = new QCheckBox(QStringLiteral("&Tell me at once when I leave the path"), this);
    m_tellAtOnce->setObjectName(QStringLiteral("tell_at_once"));
    m_tellAtOnce->setAccessibleName(QStringLiteral("Tell me at once when I leave the path"));
    m_beside = handInButton(QStringLiteral("Record beside the key"), this);
    practiceRow->addWidget(practiceLabel);
    practiceRow->addWidget(m_practice, 1);
    practiceRow->addWidget(m_tellAtOnce);
    m_layout->addLayout(practiceRow);
    auto *ownRow = new QHBoxLayout;
    m_newProfile = handInButton(QStringLiteral("New profile"), this);
    m_openProfile = handInButton(QStringLiteral("Open profile..."), this);
    m_showData = new QCheckBox(QStringLiteral("Show what the &data say"), this);
    m_showData->setObjectName(QStringLiteral("show_data"));
    m_showData->setAccessibleName(QStringLiteral("Show what the data say"));
    m_showData->setToolTip(
        QStringLiteral("Under every statement, what the profile's data say of it, with the numbers"));
    m_keyData = handInButton(QStringLiteral("Key it from the data"), this);
    m_keyData->setToolTip(QStringLiteral("Where the profile's data lead through the key, and what to measure next"));
    ownRow->addWidget(m_newProfile);
    ownRow->addWidget(m_openProfile);
    ownRow->addWidget(m_showData);
    ownRow->addWidget(m_keyData);
    ownRow->addStretch();
    ownRow->addWidget(m_beside);
    m_layout->addLayout(ownRow);

    // The record and its hand-in buttons travel together to a window of their own.
    m_recordBox = new QWidget(this);
    m_recordBox->setObjectName(QStringLiteral("record_box"));
    auto *boxLayout = new QVBoxLayout(m_recordBox);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(4);
    m_view = new QTextBrowser(m_recordBox);
    m_view->setObjectName(QStringLiteral("record"));
    m_view->setAccessibleName(QStringLiteral("Classification record"));
    m_view->setOpenLinks(false);
    // A scroll bar that comes and goes would lay a long record out twice.
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab walks the links of the record, then leaves it for the buttons.
    m_view->setTextInteractionFlags(Qt::TextBrowserInteraction);
    boxLayout->addWidget(m_view, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_copy = handInButton(QStringLiteral("Copy"), m_recordBox);
    m_save = handInButton(QStringLiteral("Save as PDF..."), m_recordBox);
    m_print = handInButton(QStringLiteral("Print..."), m_recordBox);
    for (QPushButton *button : {m_copy, m_save, m_print})
        buttons->addWidget(button);
    boxLayout->addLayout(buttons);
    m_layout->addWidget(m_recordBox, 1);
    m_away = new QLabel(QStringLiteral("The record stands in its own window beside the key; close that window to "
                                       "bring it back here."),
                        this);
    m_away->setWordWrap(true);
    m_away->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_away->hide();
    m_layout->addWidget(m_away, 1);

    setFocusProxy(m_find);
    setTabOrder(m_find, m_compare);
    setTabOrder(m_compare, m_practice);
    setTabOrder(m_practice, m_tellAtOnce);
    setTabOrder(m_tellAtOnce, m_newProfile);
    setTabOrder(m_newProfile, m_openProfile);
    setTabOrder(m_openProfile, m_showData);
    setTabOrder(m_showData, m_keyData);
    setTabOrder(m_keyData, m_beside);
    setTabOrder(m_beside, m_view);
    setTabOrder(m_view, m_copy);
    setTabOrder(m_copy, m_save);
    setTabOrder(m_save, m_print);

    connect(m_find, &QLineEdit::textChanged, this, &StudyPanel::findTyped);
    connect(m_find->completer(), qOverload<const QString &>(&QCompleter::activated), this, &StudyPanel::findTyped);
    connect(m_compare, &QLineEdit::textChanged, this, &StudyPanel::refresh);
    connect(m_practice, &QComboBox::activated, this, &StudyPanel::choosePractice);
    connect(m_tellAtOnce, &QCheckBox::toggled, &study::Practice::instance(), &study::Practice::setTellAtOnce);
    connect(m_showData, &QCheckBox::toggled, &study::Practice::instance(), &study::Practice::setShowData);
    connect(m_keyData, &QPushButton::clicked, this, &StudyPanel::keyFromData);
    connect(&study::Practice::instance(), &study::Practice::changed, this, &StudyPanel::syncPractice);
    connect(m_beside, &QPushButton::clicked, this, [] { ScreenManager::instance().show_screen(recordScreen); });
    connect(m_newProfile, &QPushButton::clicked, this, [] { profilefiles::newProfile(); });
    connect(m_openProfile, &QPushButton::clicked, this, [] { profilefiles::open(); });
    connect(&ScreenManager::instance(), &ScreenManager::screenUnloaded, this, [this](const QString &name) {
        if (name == recordScreen)
            takeRecordBack();
    });
    connect(m_view, &QTextBrowser::anchorClicked, this, &StudyPanel::openLink);
    connect(m_copy, &QPushButton::clicked, this, &StudyPanel::copyRecord);
    connect(m_save, &QPushButton::clicked, this, &StudyPanel::saveAsPdf);
    connect(m_print, &QPushButton::clicked, this, &StudyPanel::printRecord);
    m_follow = new QTimer(this);
    m_follow->setSingleShot(true);
    m_follow->setInterval(followDelayMs);
    connect(m_follow, &QTimer::timeout, this, [this] { showPlace(m_followed); });
    connect(&PlaceTracker::instance(), &PlaceTracker::placeReached, this, &StudyPanel::followPlace);

    syncPractice();
    showPlace(PlaceTracker::instance().current());
}

StudyPanel::~StudyPanel()
{
    // The record goes with the panel, and its window with it.
    if (recordLent()) {
        // Not taken back: this panel is half gone already.
        disconnect(&ScreenManager::instance(), nullptr, this, nullptr);
        delete m_recordBox;
        ScreenManager::instance().unload_screen(recordScreen);
    }
}

StudyPanel *StudyPanel::current()
{
    return livePanel();
}

void StudyPanel::registerScreens()
{
    auto &manager = ScreenManager::instance();
    // Neither is centred: they stand beside the key's windows, which are.
    manager.registerScreen(
        profileScreen,
        [] {
            const study::Practice &practice = study::Practice::instance();
            auto *window =
                practice.onEditor() ? new ProfileWindow(practice.editor()) : new ProfileWindow(practice.profile());
            const QRect area = screenArea(livePanel());
            QRect place = besideTheKey(area, Side::Right, keyAreaWidth, window->size());
            // An editor needs its room: it may overlap the key, never leave the screen.
            if (practice.onEditor())
                place.setWidth(std::max(place.width(), std::min(560, area.width() / 2)));
            place.setWidth(std::max(place.width(), window->minimumSizeHint().width()));
            place.moveRight(std::min(place.right(), area.right() - 10));
            window->setGeometry(place);
            return window;
        },
        // The user's own profile with unsaved edits asks before it goes.
        {false, {}, [] { return !study::Practice::instance().onEditor() || profilefiles::mayLeaveEdits(); }});
    manager.registerScreen(
        recordScreen,
        [] {
            auto *window = new QWidget(nullptr, Qt::Window);
            window->setWindowTitle(QStringLiteral("Classification record"));
            auto *layout = new QVBoxLayout(window);
            if (StudyPanel *panel = livePanel()) {
                panel->lendRecord(window);
            } else {
                auto *note = new QLabel(QStringLiteral("The record follows the key in the main window."), window);
                note->setAccessibleName(note->text());
                layout->addWidget(note);
            }
            window->setGeometry(besideTheKey(screenArea(livePanel()), Side::Left, keyAreaWidth, QSize(520, 640)));
            return window;
        },
        {false, {}, {}});
}

void StudyPanel::lendRecord(QWidget *window)
{
    window->layout()->addWidget(m_recordBox);
    m_away->show();
}

bool StudyPanel::recordLent() const
{
    return m_recordBox->parentWidget() != this;
}

void StudyPanel::keyFromData()
{
    study::Practice &practice = study::Practice::instance();
    const study::Profile *profile = practice.profile();
    if (!profile)
        return;
    const eval::Soil soil(*profile);
    eval::KeyResult result = eval::keyFromData(soil);
    practice.noteDataShown();
    m_keyedPlace = result.decided() ? result.place : KeyPlace::step(result.stoppedAt()->form);
    m_keyed = std::move(result);
    showPlace(m_keyedPlace);
}

void StudyPanel::takeRecordBack()
{
    if (!recordLent())
        return;
    m_layout->insertWidget(m_layout->indexOf(m_away), m_recordBox, 1);
    m_recordBox->show();
    m_away->hide();
}

void StudyPanel::choosePractice(int index)
{
    auto &practice = study::Practice::instance();
    auto &manager = ScreenManager::instance();
    const QList<study::Profile> &profiles = study::builtInProfiles();
    const bool ownChosen = index > profiles.size() && practice.editor();
    // Leaving the user's own profile for another: its unsaved edits are asked about first.
    if (practice.onEditor() && !ownChosen && !profilefiles::mayLeaveEdits()) {
        syncPractice();
        return;
    }
    if (ownChosen) {
        if (!practice.onEditor())
            manager.unload_screen(profileScreen);
        practice.startEditor();
    } else if (index <= 0 || index > profiles.size()) {
        practice.stop();
        manager.unload_screen(profileScreen);
        return;
    } else {
        // Another profile's window gives way; the same one comes to the front.
        if (!practice.profile() || practice.onEditor() || practice.profile()->title != profiles.at(index - 1).title)
            manager.unload_screen(profileScreen);
        practice.start(profiles.at(index - 1));
    }
    manager.show_screen(profileScreen);
}

void StudyPanel::syncPractice()
{
    const study::Practice &practice = study::Practice::instance();
    const QSignalBlocker blockCombo(m_practice);
    const QSignalBlocker blockCheck(m_tellAtOnce);
    const QSignalBlocker blockData(m_showData);
    // The user's own profile, once typed or opened, is listed after the built-in ones.
    const int builtIn = int(study::builtInProfiles().size());
    while (m_practice->count() > builtIn + 1)
        m_practice->removeItem(m_practice->count() - 1);
    if (const study::ProfileEditor *editor = practice.editor())
        m_practice->addItem(editor->title());
    if (practice.onEditor())
        m_practice->setCurrentIndex(builtIn + 1);
    else
        m_practice->setCurrentIndex(practice.profile() ? std::max(0, m_practice->findText(practice.profile()->title))
                                                       : 0);
    m_tellAtOnce->setChecked(practice.tellAtOnce());
    m_showData->setChecked(practice.showData());
    m_showData->setEnabled(practice.profile());
    m_keyData->setEnabled(practice.profile());
    m_keyed.reset(); // the profile may have changed: asked again, the data are keyed again
    refresh();
}

void StudyPanel::refresh()
{
    if (m_showingRecord && !m_follow->isActive())
        showPlace(m_place);
}

void StudyPanel::followPlace(const KeyPlace &place)
{
    if (place == m_place && m_showingRecord && !m_follow->isActive())
        return; // shown already
    m_followed = place;
    m_follow->start();
}

KeyPlace StudyPanel::place() const
{
    return m_follow->isActive() ? m_followed : m_place;
}

void StudyPanel::showPlace(const KeyPlace &place)
{
    m_follow->stop();
    m_place = place;
    m_showingRecord = place.isValid();
    if (!m_showingRecord) {
        m_view->setHtml(study::welcomeHtml());
        setHandIn(false);
        return;
    }
    const KeyPaths &paths = KeyPaths::instance();
    study::Record record = study::recordOf(place);
    // A practice walk is judged where the walk has come to, not where the finder
    // leads, nor where the user stood when the practice began.
    study::Practice &practice = study::Practice::instance();
    const study::Profile *profile = practice.profile();
    bool judgedNow = false;
    if (profile && practice.walked() && place == PlaceTracker::instance().current()) {
        if (const std::optional<study::Answer> answer = practice.answer()) {
            const study::Verdict verdict = study::judge(paths, *answer, place);
            if (verdict.kind != study::Verdict::Kind::OffPath || practice.tellAtOnce()) {
                study::addVerdict(record, verdict);
                record.dataShownEarly = practice.dataShownEarly();
            }
            judgedNow = verdict.kind == study::Verdict::Kind::Right || verdict.kind == study::Verdict::Kind::Wrong;
            if (judgedNow)
                practice.noteJudged();
        }
    }
    if (m_keyed && place != m_keyedPlace)
        m_keyed.reset();
    if (profile && (practice.showData() || judgedNow || m_keyed)) {
        const eval::Soil soil(*profile);
        study::addData(record, soil);
        record.keyed = m_keyed;
    }
    if (const KeyPlace other = paths.placeNamed(m_compare->text()); other.isValid()) {
        const Comparison comparison = paths.compare(place, other);
        if (comparison.kind != Comparison::Kind::None)
            record.comparison = comparison;
    }
    m_view->setHtml(study::recordHtml(record));
    setHandIn(true);
}

void StudyPanel::setHandIn(bool enabled)
{
    for (QPushButton *button : {m_copy, m_save, m_print})
        button->setEnabled(enabled);
}

void StudyPanel::settle()
{
    if (m_follow->isActive())
        showPlace(m_followed);
}

QString StudyPanel::recordText()
{
    settle();
    return m_showingRecord ? m_view->toPlainText() : QString();
}

void StudyPanel::findTyped(const QString &text)
{
    if (text.trimmed().isEmpty()) {
        showPlace(PlaceTracker::instance().current());
        return;
    }
    const TaxonFinder::Answer answer = TaxonFinder::instance().find(text);
    if (answer.kind == TaxonFinder::Answer::Kind::Exact) {
        showPlace(answer.places.first());
        return;
    }
    m_showingRecord = false;
    m_view->setHtml(study::matchesHtml(text, answer));
    setHandIn(false);
}

void StudyPanel::openLink(const QUrl &url)
{
    if (url.scheme().isEmpty() && url.hasFragment()) {
        m_view->scrollToAnchor(url.fragment()); // a term defined further down the record
        return;
    }
    const study::Link link = study::resolve(url);
    auto &manager = ScreenManager::instance();
    switch (link.kind) {
    case study::Link::Kind::Step:
    case study::Link::Kind::Panel:
        manager.show_screen(link.form);
        break;
    case study::Link::Kind::Page:
        if (QWidget *page = manager.show_screen(link.form); page && !link.tab.isEmpty()) {
            const auto tabs = page->findChildren<QAbstractButton *>();
            for (QAbstractButton *tab : tabs)
                if (tab->text() == link.tab)
                    tab->click();
        }
        break;
    case study::Link::Kind::Menu:
        if (QWidget *main = manager.screen(QStringLiteral("mainmenu")))
            if (auto *action = main->findChild<QAction *>(link.form))
                action->trigger();
        break;
    case study::Link::Kind::Taxon:
        showPlace(link.place);
        break;
    case study::Link::Kind::None:
        break;
    }
}

QString StudyPanel::handInText()
{
    const QString record = recordText();
    const study::Profile *profile = study::Practice::instance().profile();
    return profile && m_showingRecord ? study::profileText(*profile) + QStringLiteral("\n\n") + record : record;
}

std::unique_ptr<QTextDocument> StudyPanel::handInDocument()
{
    settle();
    std::unique_ptr<QTextDocument> document(m_view->document()->clone());
    if (const study::Profile *profile = study::Practice::instance().profile()) {
        QTextCursor cursor(document.get());
        cursor.movePosition(QTextCursor::Start);
        study::insertProfile(cursor, *profile);
        cursor.insertHtml(QStringLiteral("<hr/>"));
    }
    return document;
}

void StudyPanel::copyRecord()
{
    QApplication::clipboard()->setText(handInText());
}

bool StudyPanel::savePdf(const QString &path, QString *error)
{
    settle();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(KeyPaths::instance().nameOf(m_place));
        writer.setCreator(QStringLiteral("Yucarra"));
        const std::unique_ptr<QTextDocument> document = handInDocument();
        study::prepareHandInPages(*document, writer);
        document->print(&writer);
    }
    // Written to a temporary file beside it and put in place only when complete.
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void StudyPanel::saveAsPdf()
{
    const QString name = KeyPaths::instance().nameOf(m_place);
    const QString suggested = QDir::home().filePath(name + QStringLiteral(".pdf"));
    const QString path =
        Dialogs::saveFileName(this, QStringLiteral("Save as PDF"), suggested, QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!savePdf(path, &error))
        MessageBox::warning(QStringLiteral("Save as PDF"),
                            QStringLiteral("The record could not be saved as %1.\n%2\nThe record is kept; choose "
                                           "another place to save it.")
                                .arg(QDir::toNativeSeparators(path), error));
}

void StudyPanel::printRecord()
{
    settle();
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print the record"));
    if (Dialogs::exec(&dialog) != QDialog::Accepted)
        return;
    const std::unique_ptr<QTextDocument> document = handInDocument();
    study::prepareHandInPages(*document, printer);
    document->print(&printer);
}

} // namespace yuc
