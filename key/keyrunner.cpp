#include "key/keyrunner.h"

#include "key/placetracker.h"

#include "shell/messagebox.h"
#include "shell/screenmanager.h"

namespace yuc::keyrunner {

namespace {
void act(const Destination &destination)
{
    switch (destination.kind) {
    case Destination::Kind::Step:
        open_step(destination.target);
        break;
    case Destination::Kind::Screen:
        open_screen(destination.target);
        break;
    case Destination::Kind::Message:
        show_message(destination);
        break;
    case Destination::Kind::None:
        break;
    }
}
// A result message is a place of the key too, though no window shows it.
void report(const KeyStep &step, int option, const Destination &destination)
{
    if (destination.kind == Destination::Kind::Message)
        PlaceTracker::instance().messageShown(KeyPlace::message(step.form, option));
}
} // namespace

void open_step(const QString &form)
{
    ScreenManager::instance().show_screen(form);
}

void open_screen(const QString &form)
{
    ScreenManager::instance().show_screen(form);
}

void show_message(const Destination &message)
{
    MessageBox::information(message.title, message.text);
}

void press_step_button(const KeyStep &step, int selectedOption)
{
    if (step.fallback.kind != Destination::Kind::None) {
        // Two-way step: its first option, or else the fallback, selected or not.
        // The fallback reads as the step's last statement.
        const bool first = selectedOption == 0;
        const Destination &to = first ? step.options.first().destination : step.fallback;
        report(step, first ? 0 : int(step.options.size()) - 1, to);
        act(to);
        return;
    }
    // Each option is tested on its own, in order; at most one is selected.
    for (int i = 0; i < step.options.size(); ++i) {
        if (i == selectedOption) {
            report(step, i, step.options.at(i).destination);
            act(step.options.at(i).destination);
        }
    }
}

void press_cancel(const KeyStep &step)
{
    ScreenManager::instance().unload_screen(step.form);
}

void press_back(const KeyStep &step)
{
    ScreenManager::instance().unload_screen(step.form);
    open_step(step.backTarget);
}

void press_help(const KeyStep &step)
{
    MessageBox::information(step.helpTitle, step.helpText);
}

void press_panel(const PanelButton &button)
{
    ScreenManager::instance().show_screen(button.panel);
}

void press_ok(const ResultScreen &screen)
{
    ScreenManager::instance().unload_screen(screen.form);
}

void press_screen_back(const ResultScreen &screen)
{
    ScreenManager::instance().unload_screen(screen.form);
    open_step(screen.backTarget);
}

} // namespace yuc::keyrunner
