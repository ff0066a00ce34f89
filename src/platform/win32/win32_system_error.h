// The platform's own description of an error code, as the error report shows it.
#pragma once

#include <string>

#include "engine/failure.h"

namespace quire::win32 {

// FormatMessageW's text for `code`, without its trailing line break; a generic text when the
// system has none.
std::string SystemMessage(unsigned long code);

// A Failure carrying the description of GetLastError().
Failure LastErrorFailure();

}  // namespace quire::win32
