// The box that tells the user that something failed inside one of the window's procedures.
#pragma once

#include <string>
#include <string_view>

#include "app/dialogs.h"

namespace quire {

// Description, CR LF, context, "at line ", number, CR CR, the request to write to support.
std::string ErrorReportText(std::string_view description, std::string_view context, int number);

// Shows the report with the caption "Application Error" and the warning style, and waits.
void ShowErrorReport(Dialogs& dialogs, std::string_view description, std::string_view context,
                     int number);

}  // namespace quire
