// What the program learns from Windows at start-up: its folder, the locale's decimal separator and
// the time of day that seeds the start-up draw.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quire::win32 {

// The running program's file, and its folder (without a trailing backslash but at a drive root).
std::string ProgramPath();
std::string ProgramFolder();

// The folder part of a program path, by the same rule.
std::string FolderOf(const std::string& programPath);

// The program's arguments, as UTF-8 (the first, the program itself, left out), read as
// CommandLineWords reads them, so that a drive's root from Explorer's menu arrives whole.
std::vector<std::string> CommandLineArguments();

// The arguments with a folder among them made absolute against the working folder and without
// the separators that end it (the form adds the one it puts in the box); options and empty
// arguments are left as they are, for the form to refuse.
std::vector<std::string> FolderArguments(std::vector<std::string> arguments);

std::string DecimalSeparator();

std::uint32_t SecondsSinceMidnight();

}  // namespace quire::win32
