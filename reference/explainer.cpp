#include "reference/explainer.h"

#include "reference/diag_form.h"
#include "reference/explainer_texts.h"
#include "shell/messagebox.h"
#include "shell/screenmanager.h"
#include "shell/style.h"

#include <QGroupBox>

#include <span>

namespace yuc {

namespace {

using namespace explainer;

QString levelMessage(std::span<const char *const> fragments)
{
    // The fragments meet without separators, so their own blanks double up
    // where they join; one line break puts the examples on a line of their own.
    QString message;
    for (const char *fragment : fragments.first(fragments.size() - 1))
        message += form::text(fragment);
    return message + QStringLiteral("\r\n") + form::text(fragments.back());
}

QWidget *structureWindow()
{
    QWidget *window = form::newWindow(structureCaption, colours::grey);
    QGroupBox *frame = form::addGroup(window, "Frame1", structureFrame, {840, 360, 3375, 3495});
    frame->setFont(sansFont(8.25, true));
    for (const Level &level : levels) {
        form::addButton(frame, level.button,
                        [&level] { MessageBox::information(form::text(level.title), levelMessage(level.fragments)); });
    }
    form::addButton(frame, exampleButton, form::showsScreen("Example_class"));
    return form::finish(window, structureClose, {5025, 4680});
}

QWidget *exampleWindow()
{
    QWidget *window = form::labelWindow(exampleCaption, colours::yellow, {&exampleName, 1});
    for (const Pointer &pointer : pointers) {
        form::addLine(window, pointer.lineName, pointer.twips);
        form::addLabel(window, pointer.label);
    }
    return form::finish(window, exampleClose, {8505, 3585});
}

QWidget *colourWindow()
{
    return form::finish(form::labelWindow(colourCaption, colours::paleYellow, colourLabels), colourClose, {6795, 4515});
}

} // namespace

void registerExplainerScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("struct_class"), structureWindow);
    manager.registerScreen(QStringLiteral("Example_class"), exampleWindow);
    manager.registerScreen(QStringLiteral("Color_form"), colourWindow);
}

} // namespace yuc
