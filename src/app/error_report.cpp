#include "app/error_report.h"

#include "app/product.h"

namespace quire {

std::string ErrorReportText(std::string_view description, std::string_view context, int number) {
    std::string text;
    text.append(description)
        .append("\r\n")
        .append(context)
        .append("at line ")
        .append(std::to_string(number))
        .append("\r\r")
        .append("Please email screenshot of this message to ")
        .append(product::kSupportAddress);
    return text;
}

void ShowErrorReport(Dialogs& dialogs, std::string_view description, std::string_view context,
                     int number) {
    dialogs.ShowMessage(ErrorReportText(description, context, number),
                        std::string(product::kErrorCaption), BoxStyle::Warning);
}

}  // namespace quire
