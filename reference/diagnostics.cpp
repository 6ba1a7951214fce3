#include "reference/diagnostics.h"

#include "reference/diag_form.h"
#include "reference/diag_tabs.h"
#include "reference/diag_texts.h"
#include "shell/messagebox.h"
#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace yuc {

namespace {

using namespace diag;

// The tab in front when the window opens.
constexpr int durinodesTab = 5;

QWidget *characteristicsWindow()
{
    QWidget *window = form::newWindow(characteristicsCaption);
    // The frame is drawn around the tabs and the buttons, whose places are
    // given on the window; inside the frame they keep those places.
    const QRect frameTwips(240, 120, 7815, 4815);
    QGroupBox *frame = form::addGroup(window, "Frame1", characteristicsFrame, frameTwips);
    const QPoint intoFrame = -frameTwips.topLeft();

    auto *tabs = new TabRows(4, tw(300), frame);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(form::pixels(QRect(600, 480, 7095, 3615).translated(intoFrame)));
    for (const CharacteristicTab &content : characteristicTabs)
        tabs->addTab(form::text(content.caption));
    // Label places are measured from the top of the tab control, over all
    // its rows of tabs, so they are placed once every tab is in.
    int index = 0;
    for (const CharacteristicTab &content : characteristicTabs) {
        QWidget *page = tabs->page(index++);
        for (QLabel *label : {form::addLabel(page, content.title), form::addLabel(page, content.text)})
            label->move(label->pos() - QPoint(0, tabs->tabsHeight()));
    }
    tabs->setCurrentIndex(durinodesTab);

    const auto &[help, cancel, ok] = characteristicsButtons;
    form::addButton(frame, {help.name, help.caption, help.twips.translated(intoFrame)}, [] {
        MessageBox::information(form::text(characteristicsHelpTitle), form::text(characteristicsHelpText));
    });
    form::addCloseButton(frame, {cancel.name, cancel.caption, cancel.twips.translated(intoFrame)});
    form::addCloseButton(frame, {ok.name, ok.caption, ok.twips.translated(intoFrame)});
    form::fixSize(window, {8295, 5235});
    return window;
}

QWidget *suffixWindow()
{
    QWidget *window = form::newWindow(suffixCaption, colours::paleYellow);
    int top = 360;
    int row = 0;
    for (const char *suffix : suffixRows) {
        const QByteArray name = "Label" + QByteArray::number(++row);
        form::addLabel(window, {name.constData(), suffix, {600, top, 0, 255}});
        top += 240;
    }
    const auto &[help, ok] = suffixButtons;
    form::addButton(window, help, form::showsScreen("ayuda_subhoriz"));
    return form::finish(window, ok, {4485, 6810});
}

QWidget *suffixHelpWindow()
{
    return form::finish(form::labelWindow(suffixHelpCaption, colours::yellow, suffixHelpLabels), suffixHelpClose,
                        {5640, 3510});
}

} // namespace

void registerDiagnosticScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("other_diagnos1"), characteristicsWindow);
    manager.registerScreen(QStringLiteral("subhoriz_form"), suffixWindow);
    manager.registerScreen(QStringLiteral("ayuda_subhoriz"), suffixHelpWindow);
}

} // namespace yuc
