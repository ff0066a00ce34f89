#include "platform/win32/win32_folder_picker.h"

#include <shlobj.h>

#include "platform/win32/win32_shell_item.h"
#include "platform/win32/win32_wide_text.h"

namespace quire::win32 {
namespace {

// The dialog's notifications. The record's lParam carries the initial folder, so no state is kept
// between calls.
int CALLBACK FolderPickerCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data) {
    switch (message) {
        case BFFM_INITIALIZED: {
            const auto* initial = reinterpret_cast<const std::wstring*>(data);
            // An empty folder leaves the dialog at its own starting selection.
            if (!initial->empty()) {
                SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE,
                             reinterpret_cast<LPARAM>(initial->c_str()));
            }
            break;
        }
        case BFFM_SELCHANGED: {
            // The dialog has no status area (BIF_STATUSTEXT is not asked for), so it drops this
            // text; it is sent all the same so that a dialog which shows one shows the path.
            const std::string path = PathOfItem(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam));
            if (!path.empty()) {
                SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0,
                             reinterpret_cast<LPARAM>(Wide(path).c_str()));
            }
            break;
        }
        default: break;
    }
    return 0;
}

}  // namespace

std::string PickFolder(HWND owner, const std::string& title, const std::string& initialFolder) {
    const std::wstring wideTitle = Wide(title);
    const std::wstring initial = Wide(initialFolder);
    BROWSEINFOW request{};
    request.hwndOwner = owner;
    request.lpszTitle = wideTitle.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = FolderPickerCallback;
    request.lParam = reinterpret_cast<LPARAM>(&initial);

    const ItemList chosen(SHBrowseForFolderW(&request));
    // A confirmed item without a file-system path gives the empty text, as a cancel does.
    return chosen ? PathOfItem(chosen.get()) : std::string();
}

}  // namespace quire::win32
