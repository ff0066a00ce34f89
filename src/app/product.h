// Every fixed text of the product, in one place.
#pragma once

#include <string_view>

#include "version.h"  // kVersion, from the project's version

namespace quire::product {

inline constexpr std::string_view kName = "Pallisand Quire Batch Utility";
inline constexpr std::string_view kCompany = "Quillmark";

// The settings store addresses every value by application key, section and key.
inline constexpr std::string_view kSettingsApplication = "Quillmark";
inline constexpr std::string_view kSettingsSection = kName;

inline constexpr std::string_view kHomePage = "https://www.quillmark.example/";
inline constexpr std::string_view kCompanionPage = "https://www.quillmark.example/quirefromtext/";
inline constexpr std::string_view kSupportAddress = "support@quillmark.example";

// Files beside the program, relative to its folder.
inline constexpr std::string_view kCursorFile = "HAND-M.CUR";
inline constexpr std::string_view kThemeFolder = "x";
inline constexpr std::string_view kThemeFile = "o.cjs";
inline constexpr std::string_view kSamplesFolder = "Samples";

inline constexpr std::string_view kErrorCaption = "Application Error";

inline constexpr std::string_view kFormLoadContext = "in QuireBatch2021/08/31.Form1.Form_Load ";
inline constexpr std::string_view kStartContext =
    "in QuireBatch2021/08/31.Form1.PushButton1_Click ";
inline constexpr std::string_view kSampleContext =
    "in QuireBatch2021/08/31.Form1.PushButton2_Click ";
inline constexpr std::string_view kHelpContext = "in QuireBatch2021/08/31.Form1.PushButton6_Click ";
inline constexpr std::string_view kBrowseContext =
    "in QuireBatch2021/08/31.Form1.PushButton7_Click ";

inline constexpr std::string_view kOpenFolderQuestion =
    "Would you like this software to open the folder where these folders were created?";
inline constexpr std::string_view kHelpQuestion =
    "This software will create folders such as Vell1 Vell2 Vell3. If you would like to create "
    "custom folders based on a text file you can do this with other software. Are you interested "
    "in seeing this other software?";
inline constexpr std::string_view kPickerTitle = "Save images to this folder";

// Once per process, when a run's journal cannot be written (the run goes on).
inline constexpr std::string_view kJournalNotice =
    "The journal of this run could not be written, so Undo Last Run will not know it";

// "Undo Last Run...": the menu entry, the question before and the account after.
inline constexpr std::string_view kUndoMenuEntry = "Undo Last Run...";
inline constexpr std::string_view kUndoNothing = "There is no run to undo.";
inline constexpr std::string_view kUndoOvertaken =
    "Another run has taken the place of the last run meanwhile, so nothing was removed.";
inline constexpr std::string_view kUndoUnreadable = "The journal of the last run could not be read";
inline constexpr std::string_view kUndoBusy =
    "The last run is still in progress. Undo it once it has ended.";
inline constexpr std::string_view kUndoIncomplete =
    " The journal of that run is incomplete: folders it made after its last entry are not known "
    "to undo and were left as they are.";
inline constexpr std::string_view kUndoTargetMissing =
    "The folder of the last run cannot be found, so nothing was removed. Undo it once the folder "
    "is back";

}  // namespace quire::product
