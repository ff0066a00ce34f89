// What a screen reader is told of a control: the system's own accessible object for its class
// (value, state, place, default action), with the role, name and description given here. The
// control answers WM_GETOBJECT itself, which changes nothing visible and is honoured by MSAA
// clients and by UI Automation's MSAA bridge alike (Wine implements no annotation service).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quire::win32 {

// Gives the control its role (ROLE_SYSTEM_...) and name; without a name the control is named by
// its own text as it is shown now (a label that shows a changing value). Throws Failure when the
// control cannot take them.
void MakeAccessible(HWND control, LONG role, std::optional<std::wstring> name);

// What the control tells beside its name; screen readers are told of the change. Does nothing for
// a window that MakeAccessible has not been given.
void SetAccessibleDescription(HWND control, std::wstring description);

}  // namespace quire::win32
