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

// "Options...": the menu entry, the dialog's texts, its refusals and the preview's tip.
inline constexpr std::string_view kOptionsMenuEntry = "Options...";
inline constexpr std::string_view kOptionsTitle = "Options";
inline constexpr std::string_view kOptionStart = "First counter:";
inline constexpr std::string_view kOptionStep = "Step:";
inline constexpr std::string_view kOptionStyle = "Counter style:";
inline constexpr std::string_view kStyleNumbers = "Numbers (1, 2, 3)";
inline constexpr std::string_view kStyleCapitals = "Capital letters (A, B, C)";
inline constexpr std::string_view kStyleSmall = "Small letters (a, b, c)";
inline constexpr std::string_view kOptionContinue =
    "Continue after the highest counter already in the target folder";
inline constexpr std::string_view kOptionEach = "Subfolders in every folder (one path a line):";
inline constexpr std::string_view kOptionTemplate =
    "Template folder (its folders in every folder):";
inline constexpr std::string_view kOptionBrowse = "Browse...";
inline constexpr std::string_view kOptionBrowseName = "Browse for the template folder";
inline constexpr std::string_view kOptionTemplatePicker = "Folders to make in every folder";
inline constexpr std::string_view kOptionListed = "Names from a list (one name a line)";
inline constexpr std::string_view kOptionNames = "The list of names";
inline constexpr std::string_view kOptionListNote =
    "While the names come from the list, the name pattern and the folder count are not used.";
inline constexpr std::string_view kOptionPortable =
    "Windows-safe names (a name Windows cannot hold is a failure)";
inline constexpr std::string_view kOptionReset = "Reset";
inline constexpr std::string_view kOptionOk = "OK";
inline constexpr std::string_view kOptionCancel = "Cancel";

inline constexpr std::string_view kStartRefused = "Type a whole number from 0 to 2147483647.";
inline constexpr std::string_view kStartBelowZero = "The first counter cannot be below 0.";
inline constexpr std::string_view kStepRefused =
    "Type a whole number from -2147483648 to 2147483647.";
inline constexpr std::string_view kStepZero = "A step of 0 would give every folder one counter.";
inline constexpr std::string_view kContinueWithList =
    "Continuing counts on from folders named by the pattern: it does not go with a list.";
inline constexpr std::string_view kTemplateRefused = "This is no folder";
inline constexpr std::string_view kListSplitBlock = "the #'s in it are not one block.";
inline constexpr std::string_view kListParentStep =
    "a \"..\" in it would put the folder outside the target folder.";
inline constexpr std::string_view kListEmpty = "The list holds no name.";
inline constexpr std::string_view kListTooLong = "The list is longer than 64 MiB.";
// A stored option that no option can hold, reported at start-up; the option keeps its default.
inline constexpr std::string_view kOptionUnreadable = "The stored option cannot be used";

// "Preview...": the menu entry and its key, the dialog's texts and how each row and the totals
// read.
inline constexpr std::string_view kPreviewContext = "in QuireBatch2021/08/31.Form1.Preview_Click ";
inline constexpr std::string_view kPreviewMenuEntry = "Preview...";
inline constexpr std::string_view kPreviewShortcut = "Ctrl+P";
inline constexpr std::string_view kPreviewTitle = "Preview";
inline constexpr std::string_view kPreviewListName = "The folders the run would make";
inline constexpr std::string_view kPreviewPathColumn = "Folder";
inline constexpr std::string_view kPreviewOutcomeColumn = "What the run would do";
inline constexpr std::string_view kPreviewOnlyNotNew =
    "Show only the folders that exist or would fail";
inline constexpr std::string_view kPreviewStart = "Start Creating Folders";
inline constexpr std::string_view kPreviewClose = "Close";
inline constexpr std::string_view kPreviewNew = "new";
inline constexpr std::string_view kPreviewExists = "exists, skipped";
inline constexpr std::string_view kPreviewFails = "would fail: ";
inline constexpr std::string_view kPreviewTotalNew = " new, ";
inline constexpr std::string_view kPreviewTotalExist = " exist, ";
inline constexpr std::string_view kPreviewTotalExists = " exists, ";
inline constexpr std::string_view kPreviewTotalFail = " would fail";

inline constexpr std::string_view kPreviewTip = "Right-click the window for Options...";
inline constexpr std::string_view kOptionsInEffect =
    "Options in effect (right-click the window to change them):";
inline constexpr std::string_view kTipContinue = "Continue after the highest counter";
inline constexpr std::string_view kTipCapitals = "Counter style: capital letters";
inline constexpr std::string_view kTipSmall = "Counter style: small letters";
inline constexpr std::string_view kTipEach = "Subfolder in every folder:";
inline constexpr std::string_view kTipTemplate = "Template folder:";
inline constexpr std::string_view kTipListed = "Names from the list";
inline constexpr std::string_view kTipPortable = "Windows-safe names";

// "Presets": the submenu, the name dialog, its refusals and the questions. Their settings group
// (an INI group on Linux, a registry key beside the window's on Windows).
inline constexpr std::string_view kPresetsSection = "Pallisand Quire Batch Utility Presets";
inline constexpr std::string_view kPresetsMenu = "Presets";
inline constexpr std::string_view kPresetSaveEntry = "Save as Preset...";
inline constexpr std::string_view kPresetDeleteEntry = "Delete Preset...";
inline constexpr std::string_view kPresetNoneSaved = "(No presets saved)";
inline constexpr std::string_view kPresetSaveTitle = "Save as Preset";
inline constexpr std::string_view kPresetNameLabel = "Preset name:";
inline constexpr std::string_view kPresetKeepTarget = "Keep the target folder in the preset";
inline constexpr std::string_view kPresetDeleteTitle = "Delete Preset";
inline constexpr std::string_view kPresetDeleteLabel = "Preset to delete:";
inline constexpr std::string_view kPresetNameEmpty = "Type a name for the preset.";
inline constexpr std::string_view kPresetNameTooLong = "A preset's name has at most 64 characters.";
inline constexpr std::string_view kPresetNameControl =
    "A preset's name cannot hold control characters such as line breaks or tabs.";
inline constexpr std::string_view kPresetNameTaken =
    "A preset of this name exists in another case:";
inline constexpr std::string_view kPresetsFull =
    "There are 100 presets already. Delete one before saving another.";
// Followed by the name in quotes and "?".
inline constexpr std::string_view kPresetReplaceQuestion = "Replace the preset";
inline constexpr std::string_view kPresetDeleteQuestion = "Delete the preset";
// A stored preset that cannot be used, reported at start-up or when it is chosen.
inline constexpr std::string_view kPresetUnreadable = "The stored preset cannot be used";

}  // namespace quire::product
