#include "ui/form1_events.h"

#include <array>

#include "ui/form1.h"

namespace quire {
namespace {

using enum FormEvent;

const std::array<EventBinding, 17> kBindings{{
    {ControlId::Form1, MouseMove, &Form1::Form_MouseMove},
    {ControlId::Frame1, MouseMove, &Form1::Frame1_MouseMove},
    {ControlId::Frame2, MouseMove, &Form1::Frame2_MouseMove},
    {ControlId::Frame3, MouseMove, &Form1::Frame3_MouseMove},
    {ControlId::Text1, Change, &Form1::Text1_Change},
    {ControlId::Text1, MouseMove, &Form1::Text1_MouseMove},
    {ControlId::Text2, Change, &Form1::Text2_Change},
    {ControlId::Text2, MouseMove, &Form1::Text2_MouseMove},
    {ControlId::Text3, Change, &Form1::Text3_Change},
    {ControlId::PushButton1, Click, &Form1::PushButton1_Click},
    {ControlId::PushButton2, Click, &Form1::PushButton2_Click},
    {ControlId::PushButton6, Click, &Form1::PushButton6_Click},
    {ControlId::PushButton7, Click, &Form1::PushButton7_Click},
    {ControlId::PushButton1, MouseMove, &Form1::PushButton1_MouseMove},
    {ControlId::PushButton2, MouseMove, &Form1::PushButton2_MouseMove},
    {ControlId::PushButton6, MouseMove, &Form1::PushButton6_MouseMove},
    {ControlId::PushButton7, MouseMove, &Form1::PushButton7_MouseMove},
}};

}  // namespace

std::span<const EventBinding> Form1EventBindings() { return kBindings; }

bool DispatchEvent(Form1& form, ControlId control, FormEvent event) {
    for (const EventBinding& binding : kBindings) {
        if (binding.control == control && binding.event == event) {
            (form.*binding.procedure)();
            return true;
        }
    }
    return false;
}

}  // namespace quire
