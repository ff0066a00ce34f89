#include "engine/removal_lanes.h"

#include <chrono>
#include <exception>
#include <functional>
#include <optional>
#include <system_error>
#include <utility>

namespace quire {
namespace {

constexpr std::size_t kLanes = 2;

// Polled, not std::atomic::wait: under MinGW's runtime a wait could miss its notification and
// never end.
void AwaitTrue(const std::atomic<bool>& flag) {
    while (!flag.load()) std::this_thread::sleep_for(std::chrono::microseconds(50));
}

// The first-level folder of the target that `path` is in, or nothing when it is not inside it.
std::optional<std::string_view> FirstLevel(std::string_view path, std::string_view target,
                                           char separator) {
    if (!path.starts_with(target)) return std::nullopt;
    std::string_view rest = path.substr(target.size());
    if (!target.empty() && target.back() != separator) {
        if (!rest.starts_with(separator)) return std::nullopt;
        rest.remove_prefix(1);
    }
    return rest.substr(0, rest.find(separator));
}

}  // namespace

RemovalLanes::RemovalLanes(FileSystem& files, std::vector<FolderToRemove> folders,
                           std::string_view target, char separator)
    : files_(files),
      folders_(std::move(folders)),
      outcomes_(folders_.size()),
      done_(new std::atomic<bool>[folders_.size()]()) {
    if (std::thread::hardware_concurrency() < kLanes) {
        inline_ = files_.StartRemovals();
        return;
    }
    std::vector<std::vector<std::size_t>> lanes(kLanes);
    for (std::size_t index = 0; index < folders_.size(); ++index) {
        const auto first = FirstLevel(*folders_[index].path, target, separator);
        if (!first) {  // made elsewhere: the order between lanes could not be kept
            inline_ = files_.StartRemovals();
            return;
        }
        lanes[std::hash<std::string_view>{}(*first) % kLanes].push_back(index);
    }
    for (auto& lane : lanes) {
        std::optional<std::thread> helper;
        try {
            helper = files_.StartHelper([this, lane = std::move(lane)] { Run(lane); });
        } catch (const std::system_error&) {
            helper.reset();
        }
        if (!helper) {
            // Without a helper (or any one of them), each removal is made as it is taken.
            Stop();
            threads_.clear();
            inline_ = files_.StartRemovals();
            return;
        }
        threads_.push_back(std::move(*helper));
    }
    go_ = true;
}

RemovalLanes::~RemovalLanes() { Stop(); }

void RemovalLanes::Stop() {
    stop_ = true;
    go_ = true;  // a lane still waiting to begin sees the stop
    for (std::thread& thread : threads_) {
        if (thread.joinable()) thread.join();
    }
}

bool RemovalLanes::Done(std::size_t index) const { return done_[index].load(); }

RemovalOutcome RemovalLanes::Take(std::size_t index) {
    if (inline_) return Remove(*inline_, index);
    AwaitTrue(done_[index]);
    return std::move(outcomes_[index]);
}

void RemovalLanes::Run(const std::vector<std::size_t>& lane) {
    AwaitTrue(go_);
    if (stop_) return;
    const std::unique_ptr<FileSystem::Removals> removals = files_.StartRemovals();
    for (const std::size_t index : lane) {
        if (stop_.load(std::memory_order_relaxed)) return;
        outcomes_[index] = Remove(*removals, index);
        done_[index].store(true);
    }
}

RemovalOutcome RemovalLanes::Remove(FileSystem::Removals& removals, std::size_t index) {
    try {
        return {removals.Remove(*folders_[index].path, *folders_[index].identity), {}};
    } catch (const std::exception& failure) {
        return {FileSystem::Removal::Changed, failure.what()};
    }
}

}  // namespace quire
