#include "key/keyscreens.h"

#include "key/entrywindows.h"
#include "key/resultwindow.h"
#include "key/stepwindow.h"
#include "model/keymodel.h"
#include "shell/screenmanager.h"

namespace yuc {

void registerKeyWindows(const KeyModel &model)
{
    auto &manager = ScreenManager::instance();
    for (const KeyStep &step : model.steps)
        manager.registerScreen(step.form, [&step] { return new StepWindow(step); }, {step.centred, step.closesOnLoad});
    for (const ResultScreen &screen : model.screens)
        manager.registerScreen(screen.form, [&screen] { return new ResultWindow(screen); },
                               {true, screen.closesOnLoad});
    for (const CriterionPanel &panel : model.panels)
        manager.registerScreen(panel.form, [&panel] { return new PanelWindow(panel); });
}

void registerKeyScreens()
{
    auto &manager = ScreenManager::instance();
    manager.registerScreen(QStringLiteral("Note_about"), [] { return new KeyEntryNote; });
    manager.registerScreen(QStringLiteral("keys_to_aridisols"), [] { return new AridisolsDefinition; });
    registerKeyWindows(KeyModel::instance());
}

} // namespace yuc
