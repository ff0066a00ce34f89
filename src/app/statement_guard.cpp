#include "app/statement_guard.h"

#include "app/error_report.h"

namespace quire {

void StatementGuard::Report(int number, const std::exception& failure) {
    ShowErrorReport(dialogs_, failure.what(), context_, number);
}

}  // namespace quire
