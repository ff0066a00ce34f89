// The main loop's poll: questions without waiting are answered without the system while nothing is
// ready, and nothing that becomes ready is ever missed.
#include "platform/qt/qt_watched_poll.h"

#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>

namespace quire {
namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int> systemPolls{0};

int CountedPoll(pollfd* descriptors, nfds_t count, int timeout) {
    ++systemPolls;
    return ::poll(descriptors, count, timeout);
}

class EventFd {
public:
    EventFd() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}
    ~EventFd() { ::close(fd_); }
    EventFd(const EventFd&) = delete;
    EventFd& operator=(const EventFd&) = delete;
    int Fd() const { return fd_; }
    void Signal(std::uint64_t times = 1) const { ASSERT_EQ(::write(fd_, &times, sizeof times), 8); }
    std::uint64_t Take() const {
        std::uint64_t value = 0;
        return ::read(fd_, &value, sizeof value) == 8 ? value : 0;
    }

private:
    int fd_;
};

class WatchedPollTest : public ::testing::Test {
protected:
    WatchedPollTest() { systemPolls = 0; }

    int Ask(int timeout = 0) {
        set_[0] = {event_.Fd(), POLLIN, POLLNVAL};  // stale results must not survive a call
        return watched_.Poll(set_.data(), set_.size(), timeout);
    }

    // Asks until a question is answered without the system: the watcher has taken over.
    bool AskUntilWatched() {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Clock::now() < deadline) {
            const int before = systemPolls;
            if (Ask() != 0) return false;
            if (systemPolls == before) return true;
            std::this_thread::yield();
        }
        return false;
    }

    // Asks until the descriptor is reported ready; the number of questions it took, or -1.
    int AskUntilReady() {
        const auto deadline = Clock::now() + std::chrono::seconds(10);
        for (int questions = 1; Clock::now() < deadline; ++questions) {
            const int ready = Ask();
            if (ready == 0) continue;
            EXPECT_EQ(ready, 1);
            EXPECT_EQ(set_[0].revents, POLLIN);
            return questions;
        }
        return -1;
    }

    EventFd event_;
    std::array<pollfd, 1> set_{};
    WatchedPoll watched_{CountedPoll};
};

TEST_F(WatchedPollTest, WhileNothingHappensQuestionsCostNoSystemCall) {
    ASSERT_TRUE(AskUntilWatched());
    const int before = systemPolls;
    for (int i = 0; i < 100000; ++i) {
        ASSERT_EQ(Ask(), 0);
        ASSERT_EQ(set_[0].revents, 0);
    }
    EXPECT_EQ(systemPolls, before);
}

TEST_F(WatchedPollTest, ReadinessIsReportedAndWatchingResumesOnceHandled) {
    ASSERT_TRUE(AskUntilWatched());
    for (int round = 0; round < 20; ++round) {
        event_.Signal();
        ASSERT_GT(AskUntilReady(), 0) << "round " << round;
        EXPECT_EQ(Ask(), 1) << "still ready until handled";
        EXPECT_EQ(event_.Take(), 1u);
        ASSERT_TRUE(AskUntilWatched()) << "round " << round;
    }
}

TEST_F(WatchedPollTest, ReadinessBeforeTheWatcherBeginsIsNotLost) {
    // Signalled right after the question that hands the set over, before the watcher waits on it.
    for (int round = 0; round < 200; ++round) {
        ASSERT_EQ(Ask(), 0);
        event_.Signal();
        ASSERT_GT(AskUntilReady(), 0) << "round " << round;
        event_.Take();
    }
}

TEST_F(WatchedPollTest, NoSignalFromAnotherThreadIsLost) {
    ASSERT_TRUE(AskUntilWatched());
    constexpr std::uint64_t kSignals = 2000;
    std::thread signaller([this] {
        std::mt19937 random(7);
        for (std::uint64_t i = 0; i < kSignals; ++i) {
            event_.Signal();
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 200));
        }
    });
    std::uint64_t taken = 0;
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (taken < kSignals && Clock::now() < deadline) {
        if (Ask() == 1) taken += event_.Take();
    }
    signaller.join();
    EXPECT_EQ(taken, kSignals);
}

TEST_F(WatchedPollTest, AnotherSetOrAWaitingPollGoesToTheSystem) {
    ASSERT_TRUE(AskUntilWatched());
    EventFd other;
    other.Signal();
    std::array<pollfd, 2> wider{{{event_.Fd(), POLLIN, 0}, {other.Fd(), POLLIN, 0}}};
    EXPECT_EQ(watched_.Poll(wider.data(), wider.size(), 0), 1);
    EXPECT_EQ(wider[1].revents, POLLIN);

    pollfd writable{event_.Fd(), POLLOUT, 0};
    EXPECT_EQ(watched_.Poll(&writable, 1, 0), 1) << "the same descriptor, other events";
    EXPECT_EQ(writable.revents, POLLOUT);

    ASSERT_TRUE(AskUntilWatched());
    const int before = systemPolls;
    const auto start = Clock::now();
    EXPECT_EQ(Ask(30), 0);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(25));
    EXPECT_EQ(systemPolls, before + 1);
    event_.Signal();
    EXPECT_EQ(Ask(-1), 1);
}

TEST(WatchedPoll, EndsWhileItsWatcherWaits) {
    EventFd event;
    for (int i = 0; i < 50; ++i) {
        WatchedPoll watched;
        pollfd set{event.Fd(), POLLIN, 0};
        EXPECT_EQ(watched.Poll(&set, 1, 0), 0);
    }
}

}  // namespace
}  // namespace quire
