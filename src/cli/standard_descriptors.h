// The standard descriptors a tool may have been started without.
#pragma once

namespace quire::cli {

// Fills each of the descriptors 0, 1 and 2 that is closed with one open for reading only, so
// that no file the tool opens later takes its place and a write to it fails, and is reported,
// instead of landing in that file. Call before anything else is opened. False when a slot could
// not be filled.
bool ReserveStandardDescriptors();

}  // namespace quire::cli
