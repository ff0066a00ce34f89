// Marks the window busy (a run or an undo) for a procedure's time.
#pragma once

namespace quire {

// Sets the flag, and clears it on every way out of the procedure.
class RunFlag {
public:
    explicit RunFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunFlag() { flag_ = false; }
    RunFlag(const RunFlag&) = delete;
    RunFlag& operator=(const RunFlag&) = delete;

private:
    bool& flag_;
};

}  // namespace quire
