// Reading the small files the program keeps beside itself (theme, cursor), safely.
#pragma once

#include <cstddef>
#include <string>

namespace quire::win32 {

// The whole content of the ordinary file at `path`, links followed. What stands there is looked
// at before it is read: a folder is never opened, a device name or a \\.\ path never reaches the
// system, and an open handle that turns out to be no file on a disk (a pipe, a device) is closed
// unread, so nothing waits on it. Throws Failure with a true description: "File not found" only
// when nothing is there; a folder, a device, a pipe, a file the system refuses to open (with its
// own words) and a file larger than `limit` bytes each have their own.
std::string ReadOrdinaryFile(const std::string& path, std::size_t limit);

}  // namespace quire::win32
