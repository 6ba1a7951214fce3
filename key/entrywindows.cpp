#include "key/entrywindows.h"

#include "key/keyrunner.h"
#include "shell/screenmanager.h"
#include "shell/style.h"
#include "shell/svgpicture.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace yuc {

namespace {

QLabel *plainLabel(const char *name, const QString &text, QWidget *parent)
{
    return yuc::plainLabel(QLatin1String(name), text, parent);
}

} // namespace

KeyEntryNote::KeyEntryNote(QWidget *parent) : QWidget(parent, fixedWindowFlags)
{
    setWindowTitle(QStringLiteral("Note about Yucarra..."));
    setAccessibleName(windowTitle());
    setBackground(this, colours::paleYellow);

    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *stop = new SvgPicture(QStringLiteral(":/shell/stop.svg"), QStringLiteral("Stop sign"), this);
    stop->setObjectName(QStringLiteral("Image1"));
    stop->setFixedSize(32, 32);
    top->addWidget(stop, 0, Qt::AlignTop);
    QLabel *title = plainLabel("Label1", QStringLiteral("Note :"), this);
    title->setFont(timesFont(12, true));
    title->setAlignment(Qt::AlignCenter);
    top->addWidget(title, 1);
    top->addSpacing(32);
    layout->addLayout(top);

    QLabel *note = plainLabel(
        "Label2",
        QStringLiteral("This program was developed for screens using the 800 x 600 resolution or higher with small "
                       "font. If you experiment some problems with the program like incomplete windows, please change "
                       "your resolution making right click on desktop -Properties-Settings  to the above mentioned. "
                       "Thank you."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *go = new QToolButton(this);
    go->setObjectName(QStringLiteral("Command1"));
    go->setText(QStringLiteral(" Classification"));
    go->setAccessibleName(go->text());
    go->setIcon(svgIcon(QStringLiteral(":/shell/road_sign.svg")));
    go->setIconSize(QSize(32, 32));
    go->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    go->setFont(sansFont(8.25, true));
    go->setMinimumWidth(110);
    go->setFocus();
    connect(go, &QToolButton::clicked, this, &KeyEntryNote::Command1_Click);
    layout->addWidget(go, 0, Qt::AlignHCenter);

    setFixedWidth(340);
    setFixedHeight(qMax(200, layout->totalHeightForWidth(340)));
}

void KeyEntryNote::Command1_Click()
{
    ScreenManager::instance().unload_screen(objectName());
    keyrunner::open_step(QStringLiteral("Classif_Arid_first"));
}

AridisolsDefinition::AridisolsDefinition(QWidget *parent) : QWidget(parent, fixedWindowFlags)
{
    setWindowTitle(QStringLiteral("Keys to Aridisols"));
    setAccessibleName(windowTitle());
    setBackground(this, colours::paleYellow);

    auto *layout = new QVBoxLayout(this);
    QLabel *title = plainLabel("Label14", QStringLiteral("ARIDISOLS"), this);
    title->setFont(sansFont(8.25, true));
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *frame = new QGroupBox(QStringLiteral("Aridisols have:"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(6);
    struct Item {
        const char *letterName;
        const char *letter;
        const char *textName;
        const char *text;
    };
    // Letter, then text; "have:" (no letter) leads in the second alternative.
    static const Item items[] = {
        {"Label4", "a.", "Label1", "An aridic soil moisture regime; and"},
        {"Label5", "b.", "Label2", "An ochric or anthropic epipedon; and"},
        {"Label6", "c.", "Label3",
         "One or more of the following with the upper boundary within 100 cm of the soil surface: an argillic, "
         "calcic, cambic, gypsic, natric, petrocalcic, petrogypsic, or a salic horizon, or a duripan; or"},
        {"Label8", "have:", nullptr, nullptr},
        {"Label9", "a.", "Label7", "A salic horizon; and"},
        {"Label11", "b.", "Label10",
         "Saturation with water in one or more layers within 100 cm of the soil surface for 1 month or more per "
         "year in 6 out of 10 years; and"},
        {"Label13", "c.", "Label12",
         "No sulfuric horizon that has its upper boundary within 150 cm of the mineral soil surface."},
    };
    int row = 0;
    for (const Item &item : items) {
        QLabel *letter = plainLabel(item.letterName, QString::fromUtf8(item.letter), frame);
        if (!item.text) {
            grid->addWidget(letter, row++, 0, 1, 2, Qt::AlignLeft);
            continue;
        }
        grid->addWidget(letter, row, 1, Qt::AlignTop);
        QLabel *text = plainLabel(item.textName, QString::fromUtf8(item.text), frame);
        text->setWordWrap(true);
        grid->addWidget(text, row++, 2);
    }
    grid->setColumnMinimumWidth(0, 12);
    layout->addWidget(frame);
    layout->addStretch(1);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->setMinimumWidth(80);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, [this] { ScreenManager::instance().unload_screen(objectName()); });
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    setFixedWidth(420);
    setFixedHeight(qMax(380, layout->totalHeightForWidth(420)));
}

} // namespace yuc
