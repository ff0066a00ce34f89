// Port: modal message boxes, for the error report and the window's messages. Implemented by
// QtDialogs (platform/qt) and Win32Dialogs (platform/win32); tests use FakeDialogs.
#pragma once

#include <string>

namespace quire {

// Values as the platform's message box takes them.
enum class BoxStyle : int {
    Ok = 0,        // notice: OK, no icon
    YesNo = 4,     // question: Yes and No, no icon
    Warning = 48,  // error report: exclamation icon, OK
};

enum class BoxAnswer : int { Ok = 1, Yes = 6, No = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal box owned by the main window and returns once the user has closed it.
    virtual BoxAnswer ShowMessage(const std::string& text, const std::string& caption,
                                  BoxStyle style) = 0;
};

}  // namespace quire
