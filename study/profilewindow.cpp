#include "study/profilewindow.h"

#include "shell/dialogs.h"
#include "shell/messagebox.h"
#include "shell/screenmanager.h"
#include "study/practice.h"
#include "study/record.h"
#include "study/texturetriangle.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace yuc {

namespace {

const QString profileScreen = QStringLiteral("soil_profile");

// Every cell's editor. A cell is typed in as soon as it is current, so the
// keys for blocks of cells are caught there: Ctrl+V with a block on the
// clipboard and Ctrl+C with several cells selected go to the table.
class CellDelegate : public QStyledItemDelegate
{
public:
    using BlockKey = std::function<bool(const QKeyEvent *)>;
    CellDelegate(QObject *parent, BlockKey blockKey) : QStyledItemDelegate(parent), m_blockKey(std::move(blockKey)) {}

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && m_blockKey(static_cast<QKeyEvent *>(event)))
            return true;
        // The line of a list editor has only its keys looked at.
        if (qobject_cast<QComboBox *>(object->parent()))
            return false;
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    BlockKey m_blockKey;
};

// A number typed as it comes: the model says what is wrong with it, so that
// nothing typed is refused or lost.
class NumberDelegate : public CellDelegate
{
public:
    using CellDelegate::CellDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setAlignment(Qt::AlignRight);
        return edit;
    }
};

// A Munsell colour, with its notation shown while the cell is empty.
class MunsellDelegate : public CellDelegate
{
public:
    using CellDelegate::CellDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setPlaceholderText(QStringLiteral("10YR 4/3"));
        return edit;
    }
};

// A value offered in a list (a texture class, yes or no, a kind of
// structure); anything else may still be typed, and is marked.
class ListDelegate : public CellDelegate
{
public:
    ListDelegate(QStringList choices, QObject *parent, BlockKey blockKey)
        : CellDelegate(parent, std::move(blockKey)),
          m_choices(std::move(choices))
    {
    }
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        // No completion as one types: "loam" must stay loam, not become "loamy sand".
        box->setCompleter(nullptr);
        box->addItems(m_choices);
        // Enter takes the class typed, as in the other cells.
        auto *self = const_cast<ListDelegate *>(this);
        box->lineEdit()->installEventFilter(self);
        connect(box->lineEdit(), &QLineEdit::returnPressed, self, [self, box] {
            emit self->commitData(box);
            emit self->closeEditor(box, QAbstractItemDelegate::SubmitModelCache);
        });
        return box;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *box = static_cast<QComboBox *>(editor);
        box->setEditText(index.data(Qt::EditRole).toString());
        box->lineEdit()->selectAll(); // typing replaces the class, as in the other cells
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        model->setData(index, static_cast<QComboBox *>(editor)->currentText());
    }

private:
    QStringList m_choices;
};

QPushButton *button(const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(caption);
    b->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return b;
}

QWidget *dialogParent()
{
    return ScreenManager::instance().screen(profileScreen);
}

// A page of the window that scrolls when the window is too small for it.
QScrollArea *scrolling(QWidget *content)
{
    auto *area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    return area;
}

// A note under a picture: what it cannot show, and why.
QLabel *noteLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

void showEditor()
{
    auto &manager = ScreenManager::instance();
    manager.unload_screen(profileScreen);
    manager.show_screen(profileScreen);
}

} // namespace

ProfileWindow::ProfileWindow(const study::Profile *profile, QWidget *parent) : QWidget(parent, Qt::Window)
{
    if (!profile) {
        setWindowTitle(QStringLiteral("Soil profile"));
        auto *layout = new QVBoxLayout(this);
        auto *note = new QLabel(
            QStringLiteral("No practice profile is chosen. Choose one under \u201cPractice profiles\u201d in the main "
                           "window, below the toolbar, or type your own with \u201cNew profile\u201d."),
            this);
        note->setWordWrap(true);
        layout->addWidget(note);
        QPushButton *close = button(QStringLiteral("Close"), this);
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        layout->addWidget(close, 0, Qt::AlignRight);
        return;
    }
    m_shown = profile;
    m_own.load(*profile);
    build(&m_own, false);
}

ProfileWindow::ProfileWindow(study::ProfileEditor *editor, QWidget *parent) : QWidget(parent, Qt::Window)
{
    build(editor, true);
}

void ProfileWindow::build(study::ProfileEditor *editor, bool editable)
{
    m_editor = editor;
    const study::Profile shown = editor->profile();
    auto *layout = new QVBoxLayout(this);
    const auto title = [this, editor, editable] {
        setWindowTitle(QStringLiteral("Soil profile: ") + editor->title()
                       + (editable ? QStringLiteral("[*]") : QString()));
    };
    title();
    connect(editor, &study::ProfileEditor::titleChanged, this, title);

    // Narrow beside the key, the window shows one thing at a time, each
    // with the whole height: the drawing, the triangle, the horizons, the site.
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("profile_tabs"));
    m_tabs->setAccessibleName(QStringLiteral("Views of the profile"));
    m_tabs->setDocumentMode(true);
    layout->addWidget(m_tabs, 1);

    auto *drawingPage = new QWidget;
    auto *drawingLayout = new QVBoxLayout(drawingPage);
    drawingLayout->setContentsMargins(2, 4, 2, 2);
    m_dry = new QCheckBox(QStringLiteral("&Dry colours"), drawingPage);
    m_dry->setObjectName(QStringLiteral("profile_dry"));
    m_dry->setAccessibleName(QStringLiteral("Dry colours"));
    m_dry->setToolTip(QStringLiteral("The bands in the horizons' dry colours instead of their moist ones"));
    m_drawing = new ProfileDrawing(drawingPage);
    m_drawingNotes = noteLabel(QStringLiteral("profile_drawing_notes"), drawingPage);
    drawingLayout->addWidget(m_dry);
    drawingLayout->addWidget(m_drawing, 1);
    drawingLayout->addWidget(m_drawingNotes);
    connect(m_dry, &QCheckBox::toggled, m_drawing, &ProfileDrawing::setDry);
    connect(m_drawing, &ProfileDrawing::changed, this,
            [this] { showNote(m_drawingNotes, m_drawing->sketch().notes()); });
    m_tabs->addTab(scrolling(drawingPage), QStringLiteral("Dra&wing"));

    auto *trianglePage = new QWidget;
    auto *triangleLayout = new QVBoxLayout(trianglePage);
    triangleLayout->setContentsMargins(2, 4, 2, 2);
    m_triangle = new TextureTriangle(trianglePage);
    m_textureNotes = noteLabel(QStringLiteral("texture_disagreements"), trianglePage);
    triangleLayout->addWidget(m_triangle);
    triangleLayout->addWidget(m_textureNotes);
    triangleLayout->addStretch();
    m_tabs->addTab(scrolling(trianglePage), QStringLiteral("&Triangle"));

    auto *horizonsPage = new QWidget;
    auto *horizons = new QVBoxLayout(horizonsPage);
    horizons->setContentsMargins(2, 4, 2, 2);
    auto *horizonsLabel = new QLabel(QStringLiteral("&Horizons, top to bottom:"), horizonsPage);
    m_table = new QTableView(horizonsPage);
    m_table->setObjectName(QStringLiteral("profile_horizons"));
    m_table->setAccessibleName(QStringLiteral("Horizons"));
    m_table->setModel(editor);
    m_table->setWordWrap(false);
    // Ctrl+A selects every cell; a corner button for it no key could reach.
    m_table->setCornerButtonEnabled(false);
    for (QAbstractButton *corner : m_table->findChildren<QAbstractButton *>())
        corner->setAccessibleName(QStringLiteral("Select every cell"));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizonsLabel->setBuddy(m_table);
    // Blocks of cells to and from a spreadsheet, from the keyboard or the table's menu.
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto tableAction = [this](const QString &caption, QKeySequence::StandardKey keys,
                                    void (ProfileWindow::*act)()) {
        auto *action = new QAction(caption, m_table);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut); // a cell being typed in keeps its own
        connect(action, &QAction::triggered, this, act);
        m_table->addAction(action);
    };
    tableAction(QStringLiteral("Copy cells"), QKeySequence::Copy, &ProfileWindow::copyCells);
    if (editable)
        tableAction(QStringLiteral("Paste cells"), QKeySequence::Paste, &ProfileWindow::pasteCells);
    horizons->addWidget(horizonsLabel);
    horizons->addWidget(m_table, 2);
    const QList<study::Column> &columns = study::horizonColumns();
    const CellDelegate::BlockKey blockKey = [this](const QKeyEvent *event) { return takeBlockKey(event); };
    m_table->setItemDelegate(new CellDelegate(m_table, blockKey));
    for (int c = 0; c < columns.size(); ++c) {
        switch (columns.at(c).kind) {
        case study::Column::Kind::Depth:
        case study::Column::Kind::Percent:
        case study::Column::Kind::Number:
        case study::Column::Kind::Ph:
            m_table->setItemDelegateForColumn(c, new NumberDelegate(m_table, blockKey));
            break;
        case study::Column::Kind::Munsell:
            m_table->setItemDelegateForColumn(c, new MunsellDelegate(m_table, blockKey));
            break;
        case study::Column::Kind::Texture:
        case study::Column::Kind::Choice:
            m_table->setItemDelegateForColumn(c, new ListDelegate(study::columnChoices(c), m_table, blockKey));
            break;
        default:
            break;
        }
    }
    // A built-in profile shows only what it describes: designation and depths,
    // the properties some horizon gives, and features if any horizon has them.
    if (!editable) {
        QStringList shownKeys{QStringLiteral("designation"), QStringLiteral("top_cm"), QStringLiteral("bottom_cm")};
        for (const study::Property &property : study::usedProperties(shown))
            shownKeys << QLatin1String(property.key);
        if (std::any_of(shown.horizons.begin(), shown.horizons.end(),
                        [](const study::Horizon &h) { return !h.features.isEmpty(); }))
            shownKeys << QStringLiteral("features");
        for (int c = 0; c < columns.size(); ++c)
            m_table->setColumnHidden(c, !shownKeys.contains(columns.at(c).key));
    }

    if (editable) {
        m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
        m_notes = new QLabel(horizonsPage);
        m_notes->setObjectName(QStringLiteral("profile_notes"));
        m_notes->setWordWrap(true);
        horizons->addWidget(m_notes);
        connect(editor, &QAbstractItemModel::dataChanged, this, &ProfileWindow::showNotes);
        connect(editor, &QAbstractItemModel::rowsInserted, this, &ProfileWindow::showNotes);
        connect(editor, &QAbstractItemModel::rowsRemoved, this, &ProfileWindow::showNotes);
        connect(editor, &QAbstractItemModel::rowsMoved, this, &ProfileWindow::showNotes);
        showNotes();

        auto *rows = new QGridLayout;
        struct RowAction {
            const char *caption;
            QKeySequence keys;
            std::function<void()> act;
        };
        const QList<RowAction> actions{
            {"Add horizon", QKeySequence(Qt::CTRL | Qt::Key_Insert),
             [this] { m_editor->insertHorizon(currentRow() + 1); }},
            {"Remove horizon", QKeySequence(Qt::CTRL | Qt::Key_Delete),
             [this] { m_editor->removeHorizon(currentRow()); }},
            {"Move up", QKeySequence(Qt::CTRL | Qt::Key_Up),
             [this] {
                 const int row = currentRow();
                 m_editor->moveHorizon(row, row - 1);
                 m_table->setCurrentIndex(m_editor->index(std::max(0, row - 1), m_table->currentIndex().column()));
             }},
            {"Move down", QKeySequence(Qt::CTRL | Qt::Key_Down),
             [this] {
                 const int row = currentRow();
                 m_editor->moveHorizon(row, row + 1);
                 m_table->setCurrentIndex(
                     m_editor->index(std::min(m_editor->rowCount() - 1, row + 1), m_table->currentIndex().column()));
             }},
            {"Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { m_editor->undoStack()->undo(); }},
            {"Redo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { m_editor->undoStack()->redo(); }},
        };
        for (const RowAction &a : actions) {
            QPushButton *b = button(QString::fromLatin1(a.caption), horizonsPage);
            b->setToolTip(QStringLiteral("%1 (%2)").arg(b->text(), a.keys.toString(QKeySequence::NativeText)));
            auto *shortcut = new QAction(b->text(), this);
            shortcut->setShortcut(a.keys);
            shortcut->setShortcutContext(Qt::WindowShortcut);
            addAction(shortcut);
            connect(shortcut, &QAction::triggered, this, a.act);
            connect(b, &QPushButton::clicked, this, a.act);
            rows->addWidget(b, int(rows->count() / 3), rows->count() % 3);
        }
        horizons->addLayout(rows);
    } else {
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    // Every value of the current horizon, a property a line: read without
    // scrolling sideways, however many columns the table has.
    auto *detailsLabel = new QLabel(QStringLiteral("Horizon d&etails:"), horizonsPage);
    m_details = new QTextBrowser(horizonsPage);
    m_details->setObjectName(QStringLiteral("horizon_details"));
    m_details->setAccessibleName(QStringLiteral("Horizon details"));
    m_details->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_details->setLineWrapMode(QTextEdit::WidgetWidth);
    detailsLabel->setBuddy(m_details);
    horizons->addWidget(detailsLabel);
    horizons->addWidget(m_details, 3);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ProfileWindow::showDetails);
    m_tabs->addTab(horizonsPage, QStringLiteral("Hori&zons"));

    auto *sitePage = new QWidget;
    auto *siteLayout = new QVBoxLayout(sitePage);
    siteLayout->setContentsMargins(2, 4, 2, 2);
    if (editable) {
        auto *form = new QFormLayout;
        // A narrow window puts the long labels above their fields.
        form->setRowWrapPolicy(QFormLayout::WrapLongRows);
        buildFields(editor, form);
        siteLayout->addLayout(form);
        connect(editor->undoStack(), &QUndoStack::cleanChanged, this,
                [this](bool clean) { setWindowModified(!clean); });
        setWindowModified(editor->isModified());
    } else {
        auto *site = new QLabel(sitePage);
        site->setObjectName(QStringLiteral("profile_site"));
        site->setWordWrap(true);
        site->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        site->setFocusPolicy(Qt::StrongFocus);
        site->setText(QStringLiteral("<p><b>%1</b></p>").arg(shown.title.toHtmlEscaped()) + study::siteHtml(shown));
        site->setAccessibleName(QStringLiteral("Site"));
        site->setAccessibleDescription(site->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
        siteLayout->addWidget(site);
    }
    siteLayout->addStretch();
    m_tabs->addTab(scrolling(sitePage), QStringLiteral("S&ite"));

    auto *buttons = new QHBoxLayout;
    if (editable) {
        QPushButton *openButton = button(QStringLiteral("Open profile..."), this);
        QPushButton *saveButton = button(QStringLiteral("Save"), this);
        QPushButton *saveAsButton = button(QStringLiteral("Save profile as..."), this);
        saveButton->setToolTip(QStringLiteral("Save (Ctrl+S)"));
        auto *saveShortcut = new QAction(QStringLiteral("Save"), this);
        saveShortcut->setShortcut(QKeySequence::Save);
        addAction(saveShortcut);
        connect(saveShortcut, &QAction::triggered, this, [] { profilefiles::save(false); });
        connect(openButton, &QPushButton::clicked, this, [] { profilefiles::open(); });
        connect(saveButton, &QPushButton::clicked, this, [] { profilefiles::save(false); });
        connect(saveAsButton, &QPushButton::clicked, this, [] { profilefiles::save(true); });
        auto *files = new QHBoxLayout;
        for (QPushButton *b : {openButton, saveButton, saveAsButton})
            files->addWidget(b);
        layout->addLayout(files);
    }
    const QString page = shown.page;
    if (!page.isEmpty()) {
        QPushButton *pageButton = button(QStringLiteral("Show the page it illustrates"), this);
        pageButton->setObjectName(QStringLiteral("profile_page"));
        connect(pageButton, &QPushButton::clicked, this, [page] { ScreenManager::instance().show_screen(page); });
        buttons->addWidget(pageButton);
        // The page is named after the taxon: in a practice it waits for the verdict.
        const auto holdBack = [this, pageButton] {
            const bool held = practised() && study::Practice::instance().answerHeldBack();
            pageButton->setEnabled(!held);
            pageButton->setToolTip(held ? QStringLiteral("Available once the walk through the key has come to its "
                                                         "verdict: the page names the taxon this soil keys out as.")
                                        : QString());
        };
        holdBack();
        connect(&study::Practice::instance(), &study::Practice::changed, pageButton, holdBack);
        connect(&study::Practice::instance(), &study::Practice::judgedNow, pageButton, holdBack);
    }
    buttons->addStretch();
    QPushButton *close = button(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // The pictures and the details follow every edit, its undoing and redoing.
    connect(editor, &study::ProfileEditor::edited, this, &ProfileWindow::showProfile);
    showProfile();
    if (editor->rowCount() > 0)
        m_table->setCurrentIndex(editor->index(0, 0));
    // The user's own profile opens where it is typed; a built-in one on its drawing.
    m_tabs->setCurrentIndex(editable ? m_tabs->indexOf(horizonsPage) : 0);
    resize(editable ? 640 : 560, 680);
}

void ProfileWindow::showProfile()
{
    const study::Profile profile = m_editor->profile(true);
    m_drawing->setProfile(profile);
    // Only what is checked goes to the evaluation: a faulty cell decides nothing.
    m_drawing->setBrackets(study::bracketsOf(m_editor->profile()));
    m_triangle->setProfile(profile);
    showNote(m_textureNotes, m_triangle->sketch().disagreements() + m_triangle->sketch().notes());
    showDetails();
}

void ProfileWindow::showDetails()
{
    const int row = m_table->currentIndex().isValid() ? m_table->currentIndex().row() : 0;
    if (row >= m_editor->rowCount()) {
        m_details->clear();
        return;
    }
    const QList<study::Column> &columns = study::horizonColumns();
    const auto cell = [&](int column) { return m_editor->index(row, column).data().toString().trimmed(); };
    QString html = QStringLiteral("<p><b>%1</b>, %2\u2013%3 cm</p><table cellspacing=\"0\" cellpadding=\"2\">")
                       .arg(cell(0).toHtmlEscaped(), cell(1).toHtmlEscaped(), cell(2).toHtmlEscaped());
    for (int c = 3; c < columns.size(); ++c) {
        QString value = cell(c);
        if (value.isEmpty())
            continue;
        if (columns.at(c).kind == study::Column::Kind::Munsell)
            if (const study::MunsellColour colour = study::munsellColour(value); colour.rgb)
                value += QStringLiteral(" (%1)").arg(study::colourName(*colour.rgb));
        const QString problem = m_editor->cellProblem(row, c);
        html += QStringLiteral("<tr><td>%1:</td><td>%2%3</td></tr>")
                    .arg(columns.at(c).heading.toHtmlEscaped(), value.toHtmlEscaped(),
                         problem.isEmpty()
                             ? QString()
                             : QStringLiteral(" <font color=\"#b00000\">(%1)</font>").arg(problem.toHtmlEscaped()));
    }
    m_details->setHtml(html + QStringLiteral("</table>"));
}

void ProfileWindow::showNote(QLabel *label, const QStringList &lines, const QString &none)
{
    label->setText(lines.join(QLatin1Char('\n')));
    label->setAccessibleName(lines.isEmpty() ? none : lines.join(QLatin1Char(' ')));
    label->setVisible(!lines.isEmpty());
}

void ProfileWindow::buildFields(study::ProfileEditor *editor, QFormLayout *form)
{
    const auto field = [this, form](const QString &key, const QString &label, const QString &text) {
        auto *edit = new QLineEdit(text, this);
        edit->setCursorPosition(0); // a long text shows its beginning
        edit->setObjectName(key.isEmpty() ? QStringLiteral("profile_title") : QStringLiteral("site_") + key);
        edit->setAccessibleName(label);
        form->addRow(label + QLatin1Char(':'), edit);
        return edit;
    };
    QLineEdit *title = field({}, QStringLiteral("Title"), editor->title());
    connect(title, &QLineEdit::editingFinished, this, [editor, title] { editor->setTitle(title->text()); });
    connect(editor, &study::ProfileEditor::titleChanged, title, [editor, title] {
        if (title->text() != editor->title())
            title->setText(editor->title());
    });
    for (const QString &key : study::siteFields()) {
        const study::Property *property = study::siteProperty(key);
        if (property && (property->kind == study::Property::Yes || property->kind == study::Property::Choice)) {
            // A yes or a choice is picked from its list, as in the horizons table.
            auto *box = new QComboBox(this);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr);
            box->addItem(QString());
            box->addItems(study::propertyChoices(*property));
            box->setEditText(editor->site(key));
            box->setObjectName(QStringLiteral("site_") + key);
            box->setAccessibleName(study::siteHeading(key));
            box->lineEdit()->setAccessibleName(study::siteHeading(key));
            form->addRow(study::siteHeading(key) + QLatin1Char(':'), box);
            const auto mark = [editor, box, key] {
                const QString problem = editor->siteProblem(key);
                box->setToolTip(problem);
                box->setAccessibleDescription(problem);
                box->setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("QComboBox { color: #b00000; }"));
            };
            connect(box->lineEdit(), &QLineEdit::editingFinished, this, [editor, box, key, mark] {
                editor->setSite(key, box->currentText());
                mark();
            });
            connect(box, &QComboBox::activated, this, [editor, box, key, mark] {
                editor->setSite(key, box->currentText());
                mark();
            });
            connect(editor, &study::ProfileEditor::siteChanged, box, [editor, box, key, mark](const QString &changed) {
                if (changed == key && box->currentText() != editor->site(key))
                    box->setEditText(editor->site(key));
                mark();
            });
            continue;
        }
        QLineEdit *edit = field(key, study::siteHeading(key), editor->site(key));
        const auto mark = [editor, edit, key] {
            const QString problem = editor->siteProblem(key);
            edit->setToolTip(problem);
            edit->setAccessibleDescription(problem);
            edit->setStyleSheet(problem.isEmpty() ? QString() : QStringLiteral("QLineEdit { color: #b00000; }"));
        };
        connect(edit, &QLineEdit::editingFinished, this, [editor, edit, key, mark] {
            editor->setSite(key, edit->text());
            mark();
        });
        connect(editor, &study::ProfileEditor::siteChanged, edit, [editor, edit, key](const QString &changed) {
            if (changed == key && edit->text() != editor->site(key)) {
                edit->setText(editor->site(key));
                edit->setCursorPosition(0);
            }
        });
    }
}

bool ProfileWindow::practised() const
{
    const study::Practice &practice = study::Practice::instance();
    if (m_editor != &m_own)
        return practice.onEditor() && practice.editor() == m_editor;
    return m_shown && practice.profile() == m_shown;
}

int ProfileWindow::currentRow() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? current.row() : m_editor->rowCount() - 1;
}

bool ProfileWindow::takeBlockKey(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && m_table->editTriggers() != QAbstractItemView::NoEditTriggers) {
        // One value goes into the cell being typed in, like any text.
        const QString text = QGuiApplication::clipboard()->text();
        if (!text.contains(QLatin1Char('\t')) && !text.trimmed().contains(QLatin1Char('\n')))
            return false;
        m_table->setFocus(); // the cell being typed in is taken first, then pasted over
        pasteCells();
        return true;
    }
    if (event->matches(QKeySequence::Copy) && m_table->selectionModel()->selectedIndexes().size() > 1) {
        copyCells();
        return true;
    }
    return false;
}

void ProfileWindow::copyCells()
{
    QList<int> rows;
    QList<int> columns;
    QModelIndexList cells = m_table->selectionModel()->selectedIndexes();
    if (cells.isEmpty() && m_table->currentIndex().isValid())
        cells << m_table->currentIndex();
    for (const QModelIndex &cell : cells) {
        if (!rows.contains(cell.row()))
            rows << cell.row();
        if (!columns.contains(cell.column()) && !m_table->isColumnHidden(cell.column()))
            columns << cell.column();
    }
    if (rows.isEmpty() || columns.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    std::sort(columns.begin(), columns.end());
    QGuiApplication::clipboard()->setText(m_editor->copyText(rows, columns));
}

void ProfileWindow::pasteCells()
{
    const QModelIndex current = m_table->currentIndex();
    const study::ProfileEditor::Pasted pasted =
        m_editor->paste(QGuiApplication::clipboard()->text(), current.isValid() ? current.row() : m_editor->rowCount(),
                        current.isValid() ? current.column() : 0);
    if (pasted.rows > 0 && !pasted.columns.isEmpty()) {
        // What was pasted stays selected, to see or to copy again.
        QItemSelection selection;
        for (const int column : pasted.columns)
            selection.select(m_editor->index(pasted.row, column),
                             m_editor->index(pasted.row + pasted.rows - 1, column));
        m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        m_table->selectionModel()->setCurrentIndex(m_editor->index(pasted.row, pasted.columns.first()),
                                                   QItemSelectionModel::NoUpdate);
    }
    if (!pasted.unplaced.isEmpty())
        MessageBox::information(QStringLiteral("Paste cells"),
                                QStringLiteral("Not pasted: %1 names no column of the horizons table.")
                                    .arg(pasted.unplaced.join(QStringLiteral(", "))));
}

void ProfileWindow::showNotes()
{
    QStringList notes = m_editor->depthNotes();
    const QStringList faults = m_editor->faults();
    if (!faults.isEmpty())
        notes.prepend(
            QStringLiteral("%1 cell(s) marked in red need mending (their tool tips say why).").arg(faults.size()));
    showNote(m_notes, notes, QStringLiteral("No faults"));
}

namespace profilefiles {

bool save(bool saveAs)
{
    // A field being typed in counts: it is taken before saving.
    if (QWidget *window = dialogParent(); window && window->focusWidget())
        if (auto *edit = qobject_cast<QLineEdit *>(window->focusWidget()))
            emit edit->editingFinished();
    study::ProfileEditor *editor = study::Practice::instance().editor();
    if (!editor)
        return false;
    if (const QStringList faults = editor->faults(); !faults.isEmpty()) {
        MessageBox::warning(QStringLiteral("Save profile"),
                            QStringLiteral("The profile is not saved while cells are faulty: they are marked in red, "
                                           "and their tool tips say why. Mend them and save again; nothing typed is "
                                           "lost."));
        return false;
    }
    QString path = editor->path();
    if (saveAs || path.isEmpty()) {
        const QString suggested =
            path.isEmpty() ? QDir::home().filePath(editor->title().simplified() + QStringLiteral(".soilprofile.json"))
                           : path;
        const QString csvFilter = QStringLiteral("CSV files of horizons (*.csv *.tsv)");
        QString chosenFilter;
        path = Dialogs::saveFileName(
            dialogParent(), QStringLiteral("Save profile as"), suggested,
            QStringLiteral("Soil profiles (*.soilprofile.json);;%1;;JSON files (*.json)").arg(csvFilter),
            &chosenFilter);
        if (path.isEmpty())
            return false;
        if (chosenFilter == csvFilter && !study::isCsvPath(path))
            path += QStringLiteral(".csv");
    }
    study::Profile profile = editor->profile();
    if (path.endsWith(QLatin1String(".tsv"), Qt::CaseInsensitive))
        profile.csv.separator = QLatin1Char('\t');
    QSaveFile file(path);
    const QByteArray bytes = study::isCsvPath(path) ? study::writeHorizonCsv(profile) : study::writeProfile(profile);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        MessageBox::warning(QStringLiteral("Save profile"),
                            QStringLiteral("The profile could not be saved as %1.\n%2\nYour edits are kept; choose "
                                           "another place to save them.")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    if (study::isCsvPath(path) && (!profile.recorded.isEmpty() || profile.answer))
        MessageBox::information(QStringLiteral("Save profile"),
                                QStringLiteral("%1 holds the horizons, the title and the site. The diagnostic features "
                                               "recorded and the answer are kept only in a profile file "
                                               "(.soilprofile.json): save one too if you want them kept.")
                                    .arg(QDir::toNativeSeparators(path)));
    editor->markSaved(path);
    return true;
}

bool mayLeaveEdits()
{
    study::ProfileEditor *editor = study::Practice::instance().editor();
    if (!editor || !editor->isModified())
        return true;
    const QString answer = MessageBox::askToSave(
        QStringLiteral("Unsaved profile"), QStringLiteral("Your profile has edits that are not saved. Save them?"));
    if (answer == QLatin1String("Save"))
        return save(false);
    if (answer == QLatin1String("Discard")) {
        QUndoStack *stack = editor->undoStack();
        if (stack->cleanIndex() >= 0)
            stack->setIndex(stack->cleanIndex()); // back to the profile as last opened or saved
        else
            study::Practice::instance().dropEditor();
        return true;
    }
    return false;
}

bool newProfile()
{
    if (!mayLeaveEdits())
        return false;
    auto editor = std::make_unique<study::ProfileEditor>();
    editor->loadBlank();
    study::Practice::instance().adopt(std::move(editor));
    showEditor();
    return true;
}

namespace {

// A pedon as the list to choose from names it: identifier, title if it has
// its own, horizons and depth.
QString pedonLabel(const study::Pedon &pedon)
{
    const study::Profile &p = pedon.profile;
    QStringList designations;
    for (const study::Horizon &h : p.horizons)
        designations << h.designation;
    const QString title = p.title == (QStringLiteral("Pedon ") + pedon.id).simplified()
                              ? QString()
                              : QStringLiteral(" \u2014 ") + p.title;
    return QStringLiteral("%1%2: %3 horizon(s), %4\u2013%5 cm (%6)")
        .arg(pedon.id, title)
        .arg(p.horizons.size())
        .arg(study::numberText(p.horizons.first().top), study::numberText(p.horizons.last().bottom),
             designations.join(QStringLiteral(", ")));
}

} // namespace

bool open(const QString &given)
{
    const QString path = given.isEmpty()
                             ? Dialogs::openFileName(dialogParent(), QStringLiteral("Open profile"),
                                                     QStringLiteral("Soil profiles and CSV files of horizons "
                                                                    "(*.soilprofile.json *.json *.csv *.tsv);;"
                                                                    "CSV files of horizons (*.csv *.tsv *.txt);;"
                                                                    "All files (*)"))
                             : given;
    if (path.isEmpty())
        return false;
    study::ProfileError error;
    const std::optional<QList<study::Pedon>> pedons = study::readPedonFile(path, &error);
    if (!pedons) {
        MessageBox::warning(QStringLiteral("Open profile"),
                            QStringLiteral("%1 cannot be opened as a soil profile.\n%2: %3\nThe profile already open "
                                           "stays as it was.")
                                .arg(QDir::toNativeSeparators(path), error.where, error.what));
        return false;
    }
    qsizetype chosen = 0;
    if (pedons->size() > 1) {
        QStringList items;
        for (const study::Pedon &pedon : *pedons)
            items << pedonLabel(pedon);
        chosen = Dialogs::chooseItem(dialogParent(), QStringLiteral("Open profile"),
                                     QStringLiteral("%1 holds %2 pedons. Choose the one to open:")
                                         .arg(QFileInfo(path).fileName())
                                         .arg(pedons->size()),
                                     items);
        if (chosen < 0 || chosen >= pedons->size())
            return false;
    }
    if (!mayLeaveEdits())
        return false;
    auto editor = std::make_unique<study::ProfileEditor>();
    // One pedon of several is not the file: saving it asks where.
    const bool wholeFile = pedons->size() == 1;
    editor->load(pedons->at(chosen).profile, wholeFile ? path : QString());
    if (!wholeFile)
        editor->setOrigin(QStringLiteral("pedon %1 of %2").arg(pedons->at(chosen).id, QDir::toNativeSeparators(path)));
    study::Practice::instance().adopt(std::move(editor));
    showEditor();
    return true;
}

std::optional<study::Recovery::LeftBehind> offerLeftBehind()
{
    std::optional<study::Recovery::LeftBehind> copy = study::Recovery::leftBehind();
    if (!copy)
        return std::nullopt;
    const QString title = QStringLiteral("Unsaved edits");
    if (!copy->error.isEmpty()) {
        MessageBox::warning(title, QStringLiteral("Unsaved edits were kept in %1 when the program last ended without "
                                                  "closing normally, but that copy cannot be read (%2). It is removed.")
                                       .arg(QDir::toNativeSeparators(copy->path), copy->error));
        QFile::remove(copy->path);
        return std::nullopt;
    }
    const QString answer = MessageBox::ask(
        title,
        QStringLiteral("The program last ended without closing normally. Unsaved edits of %1 were kept, last written "
                       "%2.\nRestore them, or discard them?")
            .arg(study::Recovery::belongsTo(copy->snapshot),
                 QLocale::system().toString(copy->written, QLocale::ShortFormat)),
        {QStringLiteral("Restore"), QStringLiteral("Discard")},
        // Escape loses nothing.
        QStringLiteral("Restore"));
    if (answer == QLatin1String("Restore"))
        return copy;
    QFile::remove(copy->path);
    return std::nullopt;
}

bool restore(const study::Recovery::LeftBehind &copy)
{
    if (!mayLeaveEdits())
        return false;
    auto editor = std::make_unique<study::ProfileEditor>();
    QString error;
    if (!editor->restore(copy.snapshot, &error)) {
        MessageBox::warning(QStringLiteral("Unsaved edits"),
                            QStringLiteral("The unsaved edits kept in %1 cannot be restored: %2. The copy is "
                                           "removed.")
                                .arg(QDir::toNativeSeparators(copy.path), error));
        QFile::remove(copy.path);
        return false;
    }
    study::Practice::instance().adopt(std::move(editor));
    study::Recovery::instance().takeOver(copy.path);
    showEditor();
    return true;
}

} // namespace profilefiles

QRect besideTheKey(const QRect &available, Side side, int keyWidth, QSize preferred)
{
    // Room for the window's frame, which is not known before it is shown.
    constexpr int frame = 40;
    constexpr int minimumRoom = 240;
    const int room = (available.width() - keyWidth) / 2;
    const int width = std::min(preferred.width(), (room >= minimumRoom ? room : available.width()) - frame / 2);
    const int height = std::min(preferred.height(), available.height() - frame);
    const int top = available.top() + (available.height() - height) / 2;
    if (side == Side::Left) {
        const int keyLeft = available.left() + room;
        return {room >= minimumRoom ? keyLeft - width - frame / 4 : available.left(), top, width, height};
    }
    const int keyRight = available.right() + 1 - room;
    return {room >= minimumRoom ? keyRight + frame / 4 : available.right() + 1 - width - frame / 2, top, width, height};
}

} // namespace yuc
