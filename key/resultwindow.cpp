#include "key/resultwindow.h"

#include "key/keyrunner.h"
#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace yuc {

namespace {

QPushButton *button(const ButtonSpec &desc, QWidget *parent)
{
    auto *b = new QPushButton(desc.caption, parent);
    b->setObjectName(desc.name);
    b->setMinimumWidth(80);
    return b;
}

} // namespace

ResultWindow::ResultWindow(const ResultScreen &screen, QWidget *parent) : QWidget(parent, fixedWindowFlags)
{
    setWindowTitle(screen.caption);
    setAccessibleName(screen.caption);
    setBackground(this, colours::yellow);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(12);
    if (screen.lead) {
        QLabel *lead = plainLabel(screen.lead->name, screen.lead->caption, this);
        lead->setAlignment(Qt::AlignCenter);
        layout->addWidget(lead);
    }
    QLabel *name = plainLabel(QStringLiteral("Label1"), screen.label, this);
    name->setFont(timesFont(screen.labelSize, true));
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (screen.backButton) {
        QPushButton *back = button(*screen.backButton, this);
        connect(back, &QPushButton::clicked, this, [&screen] { keyrunner::press_screen_back(screen); });
        buttons->addWidget(back);
    }
    for (const ButtonSpec &desc : screen.buttons) {
        QPushButton *ok = button(desc, this);
        ok->setDefault(true);
        ok->setFocus();
        connect(ok, &QPushButton::clicked, this, [&screen] { keyrunner::press_ok(screen); });
        buttons->addWidget(ok);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    const QSize natural = layout->totalSizeHint();
    setFixedSize(qMax(360, natural.width()), qMax(130, natural.height()));
}

PanelWindow::PanelWindow(const CriterionPanel &panel, QWidget *parent) : QWidget(parent, fixedWindowFlags)
{
    setWindowTitle(panel.caption);
    setAccessibleName(panel.caption);
    setBackground(this, QColor(panel.background.red, panel.background.green, panel.background.blue));

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    int labelNumber = 1;
    for (const PanelRow &row : panel.rows) {
        auto *line = new QHBoxLayout;
        line->setSpacing(6);
        line->setContentsMargins(row.indent * 24, 0, 0, 0);
        if (!row.marker.isEmpty()) {
            QLabel *marker = plainLabel(QStringLiteral("Label%1").arg(labelNumber++), row.marker, this);
            marker->setMinimumWidth(18);
            line->addWidget(marker, 0, Qt::AlignTop);
        }
        QLabel *text = plainLabel(QStringLiteral("Label%1").arg(labelNumber++), row.text, this);
        text->setWordWrap(true);
        line->addWidget(text, 1, Qt::AlignTop);
        layout->addLayout(line);
    }
    layout->addStretch(1);

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    close->setFocus();
    const QString form = panel.form;
    connect(close, &QPushButton::clicked, this, [form] { ScreenManager::instance().unload_screen(form); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    // The designed client size, grown where the text needs more room.
    const int width = tw(panel.clientTwips.width());
    const int height = qMax(tw(panel.clientTwips.height()), layout->totalHeightForWidth(width));
    setFixedSize(width, height);
}

} // namespace yuc
