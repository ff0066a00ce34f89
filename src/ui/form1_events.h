// Which procedure of the main window handles which event of which control.
#pragma once

#include <span>

#include "ui/control_id.h"

namespace quire {

class Form1;

enum class FormEvent { Change, Click, MouseMove };

using Form1Procedure = void (Form1::*)();

struct EventBinding {
    ControlId control;
    FormEvent event;
    Form1Procedure procedure;
};

// Every handled event except the window's load and unload; all others are left unhandled.
std::span<const EventBinding> Form1EventBindings();

// Runs the procedure bound to the event, if any. Returns whether one ran.
bool DispatchEvent(Form1& form, ControlId control, FormEvent event);

}  // namespace quire
