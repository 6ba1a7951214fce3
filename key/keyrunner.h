#pragma once

#include "model/keymodel.h"

#include <QString>

namespace yuc {

class StepWindow;

// The one runner that gives the key's records their behaviour. Every step,
// result screen and panel of the key acts through these operations.
namespace keyrunner {

void open_step(const QString &form);
void open_screen(const QString &form);
void show_message(const Destination &message);

// Acts on the selected option of a step (or its fallback on a two-way step).
void press_step_button(const KeyStep &step, int selectedOption);
void press_cancel(const KeyStep &step);
void press_back(const KeyStep &step);
void press_help(const KeyStep &step);
void press_panel(const PanelButton &button);
void press_ok(const ResultScreen &screen);
void press_screen_back(const ResultScreen &screen);

} // namespace keyrunner
} // namespace yuc
