// The Windows names rule, which lives in the engine (engine/windows_names.h) so that every
// platform can apply it; the Windows file system reads every path by it.
#pragma once

#include "engine/windows_names.h"

namespace quire::win32 {

using windows::IsDeviceName;
using windows::NameProblem;

}  // namespace quire::win32
