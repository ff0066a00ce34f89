// Helpers of the Windows tests: scratch folders and registry, and answering modal boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "app/product.h"

namespace quire::win32::testing {

// A fresh folder under the temporary folder, removed with everything in it afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// True when the tests run under Wine, where some hostile cases can be made that Windows lacks.
bool UnderWine();

// Removes the folder at `path` with everything in it, however deep.
void RemoveTree(const std::string& path);

// Points HKEY_CURRENT_USER of this process at a scratch key, deleted afterwards, so that tests
// never touch the user's own settings.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // The stored REG_SZ value of the settings key (or the one of `section`), whole, or
    // "<absent>" / "<type N>".
    std::string Value(const std::string& name,
                      std::string_view section = product::kSettingsSection) const;

private:
    std::wstring scratch_;
    HKEY key_ = nullptr;
};

// While alive, looks every few milliseconds for a dialog box of this thread (a message box or the
// folder dialog) and hands it to `answer`, which closes it. Runs inside the box's own modal loop.
class BoxAnswerer {
public:
    explicit BoxAnswerer(std::function<void(HWND box)> answer);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    int Answered() const { return answered_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::function<void(HWND)> answer_;
    UINT_PTR timer_ = 0;
    int answered_ = 0;
};

// The text of a window, as UTF-8.
std::string WindowText(HWND window);

// The text of the first child whose class is `kind` and whose text is not empty.
std::string ChildText(HWND parent, const wchar_t* kind);

// Presses a button of a box the way a user would, by its command id.
void Press(HWND box, int command);

// Handles every message waiting for this thread.
void PumpPending();

}  // namespace quire::win32::testing
