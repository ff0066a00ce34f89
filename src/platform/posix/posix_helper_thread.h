// The run journal's thread on Linux (engine/run_journal.h's HelperStart).
#pragma once

#include <functional>
#include <optional>
#include <thread>

namespace quire {

// Started with every signal blocked, so that a stop signal interrupts the call the program waits
// in.
std::optional<std::thread> StartHelperThread(std::function<void()> work);

}  // namespace quire
