#include "calc/calculuswindow.h"

#include "calc/calctexts.h"
#include "calc/calculations.h"
#include "calc/entrypair.h"
#include "calc/formbuilder.h"
#include "shell/messagebox.h"
#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include <functional>
#include <utility>

namespace yuc::calc {

namespace {

constexpr int legendMargin = 120;
#include "calc/formdata.inc"

const QString calculusName = QStringLiteral("calculus_form");
const QString nValueName = QStringLiteral("nvalue_form");

// Messages of the n-value tab for the cases the formula cannot answer.
const QString zeroDenominatorText = QStringLiteral(
    "The n-value can't be calculated because % clay plus 3 times % O.M. is zero, check the values of % clay and % O.M.");
const QString outOfRangeText = QStringLiteral(
    "The n-value can't be calculated because the values are too large, check the values of % water, % clay and % O.M.");

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QLineEdit *box(QWidget *page, const char *name)
{
    return page->findChild<QLineEdit *>(QString::fromUtf8(name));
}

double read(QWidget *page, const char *name)
{
    return readNumber(box(page, name)->text());
}

void unloadCalculations()
{
    ScreenManager::instance().unload_screen(calculusName);
}

void calculate(QWidget *page)
{
    NValueInput in;
    in.water = read(page, "water_text");
    in.silt = read(page, "Silt_text");
    in.sand = read(page, "sand_Text");
    in.clay = read(page, "clay_Text");
    in.organicMatter = read(page, "om_text");
    const NValueResult result = nValue(in);
    switch (result.outcome) {
    case NValueOutcome::Value: {
        QLineEdit *shown = box(page, "nvalue_text");
        shown->setText(QString::fromStdString(formatResult(result.n)));
        shown->setCursorPosition(0); // a long result shows its beginning
        break;
    }
    case NValueOutcome::BadSum:
        MessageBox::warning(qs(texts::sumErrorTitle), qs(texts::sumErrorText));
        break;
    case NValueOutcome::Negative:
        MessageBox::warning(qs(texts::negativeTitle), qs(texts::negativeText));
        break;
    case NValueOutcome::ZeroDenominator:
        MessageBox::warning(qs(texts::negativeTitle), zeroDenominatorText);
        break;
    case NValueOutcome::OutOfRange:
        MessageBox::warning(qs(texts::negativeTitle), outOfRangeText);
        break;
    }
}

void resetNValue(QWidget *page)
{
    // Each text change brings its bar back to 0 by itself.
    for (const char *name : {"water_text", "Silt_text", "sand_Text", "clay_Text", "om_text"})
        box(page, name)->setText(QString::fromUtf8(entryInitialText));
    box(page, "nvalue_text")->setText(QString::fromUtf8(nValueResetText));
}

void findTexture(QWidget *page)
{
    const double sand = read(page, "sand1");
    const double silt = read(page, "silt2");
    const double clay = read(page, "clay3");
    const TextureResult result = textureClass(sand, silt, clay);
    switch (result.outcome) {
    case TextureOutcome::Classified:
        box(page, "clasetext")->setText(qs(result.className));
        break;
    case TextureOutcome::Unclassified:
        break; // no rule covers the mixture: the earlier class stays
    case TextureOutcome::NoData:
        MessageBox::information(qs(texts::noDataTitle), qs(texts::noDataText));
        break;
    case TextureOutcome::BadTotal:
        MessageBox::information(qs(texts::badTotalTitle), qs(texts::badTotalText));
        break;
    }
}

void resetTexture(QWidget *page, const QList<EntryPair *> &entries)
{
    for (EntryPair *entry : entries)
        entry->edit()->setText(QString::fromUtf8(entryInitialText));
    box(page, "clasetext")->clear();
    for (EntryPair *entry : entries)
        entry->bar()->setValue(0);
}

void onClick(QWidget *page, const char *button, std::function<void()> action)
{
    auto *control = page->findChild<QPushButton *>(QString::fromUtf8(button));
    QObject::connect(control, &QPushButton::clicked, page, std::move(action));
}

// Enter in an entry box runs the tab's calculation.
void enterRuns(const QList<EntryPair *> &entries, QWidget *page, const char *button)
{
    auto *control = page->findChild<QPushButton *>(QString::fromUtf8(button));
    for (EntryPair *entry : entries)
        QObject::connect(entry->edit(), &QLineEdit::returnPressed, control, &QPushButton::click);
}

// Widens a result box, within its frame, to show a result of fifteen digits whole.
void fitResultBox(QLineEdit *shown)
{
    const QString widest = QStringLiteral(" .") + QString(15, u'0');
    const int margins = 2 * shown->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, shown) + 10;
    const int room = shown->parentWidget()->width() - shown->x() - tw(120);
    const int needed = shown->fontMetrics().horizontalAdvance(widest) + margins;
    shown->resize(std::clamp(needed, shown->width(), std::max(room, shown->width())), shown->height());
}

void buildNValueTab(QWidget *page)
{
    const EntryRows rows{nValueEntryFrame, nValueEntries, nValueEntryGeometry, entryInitialText};
    const QList<EntryPair *> entries = buildControls(page, nValueControls, &rows);
    fitResultBox(box(page, "nvalue_text"));
    onClick(page, "Command5", [page] { calculate(page); });
    onClick(page, "Command6", [page] { resetNValue(page); });
    onClick(page, "Command7", unloadCalculations);
    onClick(page, "Command8", [] { ScreenManager::instance().show_screen(nValueName); });
    enterRuns(entries, page, "Command5");
}

void buildTextureTab(QWidget *page)
{
    const EntryRows rows{textureEntryFrame, textureEntries, textureEntryGeometry, entryInitialText};
    const QList<EntryPair *> entries = buildControls(page, textureControls, &rows);
    buildControls(page, legendLabels);
    new LineFigure(triangleLines, QStringLiteral("Triangle of the particle-size classes"), page);
    buildControls(page, triangleLabels);
    onClick(page, "Command2", [page] { findTexture(page); });
    onClick(page, "Command3", [] { MessageBox::information(qs(texts::helpTitle), qs(texts::helpText)); });
    onClick(page, "Command4", [page, entries] { resetTexture(page, entries); });
    onClick(page, "Command9", unloadCalculations);
    enterRuns(entries, page, "Command2");
}

} // namespace

QWidget *createCalculusWindow()
{
    auto *window = new QWidget;
    window->setWindowTitle(QString::fromUtf8(calculusCaption));
    window->setFixedSize(toPixels(calculusClient).size());

    auto *tabs = new TwipsTabWidget(tabControlAt, window);
    tabs->setObjectName(QString::fromUtf8(tabControlName));
    buildNValueTab(tabs->addCanvasPage(QString::fromUtf8(tabCaptions[0])));
    buildTextureTab(tabs->addCanvasPage(QString::fromUtf8(tabCaptions[1])));
    tabs->setCurrentIndex(1);

    buildControls(window, std::span(&calculusClose, 1));
    onClick(window, calculusClose.name, unloadCalculations);
    return window;
}

QWidget *createNValueWindow()
{
    auto *window = new QWidget;
    window->setWindowTitle(QString::fromUtf8(nValueFormCaption));
    window->setFixedSize(toPixels(nValueFormClient).size());
    setBackground(window, colours::paleYellow);
    buildControls(window, nValueFormControls);
    onClick(window, "Command1", [] { ScreenManager::instance().unload_screen(nValueName); });
    return window;
}

} // namespace yuc::calc
