#include "study/profilewindow.h"

#include "shell/screenmanager.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace yuc {

namespace {
// Fixed columns before the properties, and the features after them.
constexpr int leadColumns = 3;

QString number(double value)
{
    return QString::number(value, 'g', 8);
}
} // namespace

HorizonTable::HorizonTable(const study::Profile &profile, QObject *parent)
    : QAbstractTableModel(parent),
      m_horizons(profile.horizons)
{
    for (const study::Property &property : study::horizonProperties()) {
        const QString key = QLatin1String(property.key);
        if (std::any_of(m_horizons.begin(), m_horizons.end(), [&](const study::Horizon &h) {
                return h.numbers.contains(key) || !h.texts.value(key).isEmpty();
            }))
            m_columns << property;
    }
}

int HorizonTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_horizons.size());
}

int HorizonTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : leadColumns + int(m_columns.size()) + 1;
}

QVariant HorizonTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const study::Horizon &h = m_horizons.at(index.row());
    const int column = index.column();
    if (column == 0)
        return h.designation;
    if (column == 1)
        return number(h.top);
    if (column == 2)
        return number(h.bottom);
    if (column - leadColumns < m_columns.size()) {
        const study::Property &p = m_columns.at(column - leadColumns);
        const QString key = QLatin1String(p.key);
        return p.kind == study::Property::Text ? h.texts.value(key)
               : h.numbers.contains(key)       ? number(h.numbers.value(key))
                                               : QString();
    }
    return h.features.join(role == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral("; "));
}

QVariant HorizonTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == 0)
        return QStringLiteral("Horizon");
    if (section == 1)
        return QStringLiteral("Top (cm)");
    if (section == 2)
        return QStringLiteral("Bottom (cm)");
    if (section - leadColumns < m_columns.size())
        return QString::fromUtf8(m_columns.at(section - leadColumns).heading);
    return QStringLiteral("Features");
}

ProfileWindow::ProfileWindow(const study::Profile *profile, QWidget *parent) : QWidget(parent, Qt::Window)
{
    auto *layout = new QVBoxLayout(this);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setAccessibleName(close->text());
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    if (!profile) {
        setWindowTitle(QStringLiteral("Soil profile"));
        auto *note = new QLabel(
            QStringLiteral("No practice profile is chosen. Choose one under \u201cPractice profiles\u201d in the main "
                           "window, below the toolbar."),
            this);
        note->setWordWrap(true);
        layout->addWidget(note);
        layout->addWidget(close, 0, Qt::AlignRight);
        return;
    }
    setWindowTitle(QStringLiteral("Soil profile: ") + profile->title);

    auto *site = new QTextBrowser(this);
    site->setObjectName(QStringLiteral("profile_site"));
    site->setAccessibleName(QStringLiteral("Site"));
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(profile->title.toHtmlEscaped());
    for (const auto &[key, value] : profile->site)
        html += QStringLiteral("<p style=\"margin-top:2px; margin-bottom:0px;\"><b>%1:</b> %2</p>")
                    .arg(study::siteHeading(key).toHtmlEscaped(), value.toHtmlEscaped());
    site->setHtml(html);
    layout->addWidget(site, 2);

    auto *horizonsLabel = new QLabel(QStringLiteral("&Horizons, top to bottom:"), this);
    auto *table = new QTableView(this);
    table->setObjectName(QStringLiteral("profile_horizons"));
    table->setAccessibleName(QStringLiteral("Horizons"));
    table->setModel(new HorizonTable(*profile, table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizonsLabel->setBuddy(table);
    layout->addWidget(horizonsLabel);
    layout->addWidget(table, 3);

    auto *buttons = new QHBoxLayout;
    if (!profile->page.isEmpty()) {
        auto *page = new QPushButton(QStringLiteral("Show the page it illustrates"), this);
        page->setObjectName(QStringLiteral("profile_page"));
        page->setAccessibleName(page->text());
        const QString form = profile->page;
        connect(page, &QPushButton::clicked, this, [form] { ScreenManager::instance().show_screen(form); });
        buttons->addWidget(page);
    }
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    resize(560, 600);
}

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
