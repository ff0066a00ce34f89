// The run journal's thread on Windows (engine/run_journal.h's HelperStart): a plain one, the file
// system's calls being safe from any thread and a stop coming by the console's own thread.
#pragma once

#include <functional>
#include <optional>
#include <thread>
#include <utility>

namespace quire::win32 {

inline std::optional<std::thread> StartHelperThread(std::function<void()> work) {
    return std::thread(std::move(work));
}

}  // namespace quire::win32
