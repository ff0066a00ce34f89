// What the program learns from Windows at start-up: its folder, the locale's decimal separator and
// the time of day that seeds the start-up draw.
#pragma once

#include <cstdint>
#include <string>

namespace quire::win32 {

// The folder of the running program, without a trailing backslash except at a drive root.
std::string ProgramFolder();

// The folder part of a program path, by the same rule.
std::string FolderOf(const std::string& programPath);

std::string DecimalSeparator();

std::uint32_t SecondsSinceMidnight();

}  // namespace quire::win32
