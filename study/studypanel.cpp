#include "study/studypanel.h"

#include "key/placetracker.h"
#include "shell/dialogs.h"
#include "shell/messagebox.h"
#include "shell/screenmanager.h"
#include "shell/style.h"
#include "study/record.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTextBrowser>
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

// Pages of the handed-in record: A4 with the margins of a letter.
void preparePages(QTextDocument &document, QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    document.setDefaultFont(timesFont(11));
}
} // namespace

StudyPanel::StudyPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("study_panel"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);

    auto *findRow = new QHBoxLayout;
    auto *findLabel = new QLabel(QStringLiteral("&Find a taxon:"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("find_taxon"));
    m_find->setAccessibleName(QStringLiteral("Find a taxon"));
    m_find->setPlaceholderText(QStringLiteral("a name, as Lithic Haplargids, or words of the statements"));
    m_find->setClearButtonEnabled(true);
    findLabel->setBuddy(m_find);
    auto *completer = new QCompleter(TaxonFinder::instance().names(), m_find);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    m_find->setCompleter(completer);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_find, 1);
    layout->addLayout(findRow);

    m_view = new QTextBrowser(this);
    m_view->setObjectName(QStringLiteral("record"));
    m_view->setAccessibleName(QStringLiteral("Classification record"));
    m_view->setOpenLinks(false);
    // A scroll bar that comes and goes would lay a long record out twice.
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab walks the links of the record, then leaves it for the buttons.
    m_view->setTextInteractionFlags(Qt::TextBrowserInteraction);
    layout->addWidget(m_view, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_copy = handInButton(QStringLiteral("Copy"), this);
    m_save = handInButton(QStringLiteral("Save as PDF..."), this);
    m_print = handInButton(QStringLiteral("Print..."), this);
    for (QPushButton *button : {m_copy, m_save, m_print})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    setFocusProxy(m_find);
    setTabOrder(m_find, m_view);
    setTabOrder(m_view, m_copy);
    setTabOrder(m_copy, m_save);
    setTabOrder(m_save, m_print);

    connect(m_find, &QLineEdit::textChanged, this, &StudyPanel::findTyped);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this, &StudyPanel::findTyped);
    connect(m_view, &QTextBrowser::anchorClicked, this, &StudyPanel::openLink);
    connect(m_copy, &QPushButton::clicked, this, &StudyPanel::copyRecord);
    connect(m_save, &QPushButton::clicked, this, &StudyPanel::saveAsPdf);
    connect(m_print, &QPushButton::clicked, this, &StudyPanel::printRecord);
    m_follow = new QTimer(this);
    m_follow->setSingleShot(true);
    m_follow->setInterval(followDelayMs);
    connect(m_follow, &QTimer::timeout, this, [this] { showPlace(m_followed); });
    connect(&PlaceTracker::instance(), &PlaceTracker::placeReached, this, &StudyPanel::followPlace);

    showPlace(PlaceTracker::instance().current());
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
    m_view->setHtml(m_showingRecord ? study::recordHtml(place) : study::welcomeHtml());
    setHandIn(m_showingRecord);
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
    case study::Link::Kind::Taxon:
        showPlace(link.place);
        break;
    case study::Link::Kind::None:
        break;
    }
}

void StudyPanel::copyRecord()
{
    QApplication::clipboard()->setText(recordText());
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
        std::unique_ptr<QTextDocument> document(m_view->document()->clone());
        preparePages(*document, writer);
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
    std::unique_ptr<QTextDocument> document(m_view->document()->clone());
    preparePages(*document, printer);
    document->print(&printer);
}

} // namespace yuc
