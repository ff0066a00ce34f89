// Form1's procedures on the real window, file system and (scratch) registry.
#include <gtest/gtest.h>

#include "app/product.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_ids.h"
#include "ui/form1_design.h"
#include "win32_form1_harness.h"

namespace quire::win32 {
namespace {

using testing::Form1Harness;
using testing::ScratchFolder;
using testing::WindowText;

std::string ProgramFolderOfTests() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return Utf8(folder.substr(0, folder.find_last_of(L'\\')));
}

void Type(HWND box, const std::wstring& keys) {
    for (const wchar_t key : keys) SendMessageW(box, WM_CHAR, key, 1);
}

class Form1OnWin32Test : public ::testing::Test {
protected:
    ScratchFolder program;  // an empty program folder: no cursor, no theme
    ScratchFolder target;
    Form1Harness harness{program.Path()};

    void Load() {
        harness.form.Form_Load();
        harness.window.Show();
    }
    std::string Text(ControlId id) { return WindowText(harness.Control(id)); }
};

TEST_F(Form1OnWin32Test, FirstStartShowsAndStoresTheDefaults) {
    Load();
    const std::string desktop = harness.shell.desktop + "\\";
    EXPECT_EQ(Text(ControlId::Text1), "Folder ###");
    EXPECT_EQ(Text(ControlId::Text2), "20");
    EXPECT_EQ(Text(ControlId::Text3), desktop);
    EXPECT_EQ(Text(ControlId::Label4), "Folder 001");
    EXPECT_EQ(WindowText(harness.window.Handle()), product::kName);
    EXPECT_EQ(harness.registry.Value("Text1"), "Folder ###");
    EXPECT_EQ(harness.registry.Value("Text2"), "20");
    EXPECT_EQ(harness.registry.Value("Text3"), desktop);
    EXPECT_NE(SendMessageW(harness.window.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(harness.window.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_TRUE(harness.dialogs.shown.empty());  // no cursor file: silently no custom pointer
    EXPECT_FALSE(harness.window.HasMouseIcon());
    EXPECT_EQ(ControlOf(GetFocus()), ControlId::Text4);
}

TEST_F(Form1OnWin32Test, StoredValuesAreRestoredAsTheyAre) {
    harness.settings.WriteSetting("Text1", "Invoice ##");
    harness.settings.WriteSetting("Text2", "twelve");
    harness.settings.WriteSetting("Text3", "");
    Load();
    EXPECT_EQ(Text(ControlId::Text1), "Invoice ##");
    EXPECT_EQ(Text(ControlId::Text2), "twelve");
    EXPECT_EQ(Text(ControlId::Text3), "");
    EXPECT_EQ(Text(ControlId::Label4), "Invoice 01");
    EXPECT_TRUE(harness.dialogs.shown.empty());
}

// What follows a NUL in a stored text survives start-up's writing back, and the NUL is shown.
TEST_F(Form1OnWin32Test, AStoredTextWithANulIsKeptWhole) {
    const std::string stored("A\0B ###", 7);
    harness.settings.WriteSetting("Text1", stored);
    Load();
    EXPECT_EQ(harness.registry.Value("Text1"), stored);
    const std::string shownNul = "\xE2\x90\x80";  // U+2400
    EXPECT_EQ(Text(ControlId::Text1), "A" + shownNul + "B ###");
    EXPECT_EQ(Text(ControlId::Label4), "A" + shownNul + "B 001");
    EXPECT_TRUE(harness.dialogs.shown.empty());
}

TEST_F(Form1OnWin32Test, SettingsThatCannotBeWrittenGiveOneNoticeThatSaysSo) {
    // A key that lives only until the session ends takes no lasting key below it.
    HKEY maker = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Quillmark", 0, nullptr, REG_OPTION_VOLATILE,
                    KEY_ALL_ACCESS, nullptr, &maker, nullptr);
    RegCloseKey(maker);
    Load();
    ASSERT_EQ(harness.dialogs.shown.size(), 1u);
    EXPECT_NE(harness.dialogs.shown[0].text.find("The settings will not be kept."),
              std::string::npos)
        << harness.dialogs.shown[0].text;
    EXPECT_EQ(Text(ControlId::Text1), "Folder ###");
}

TEST_F(Form1OnWin32Test, TypingUpdatesThePreviewAndTheRegistryAtEveryKey) {
    Load();
    HWND text1 = harness.Control(ControlId::Text1);
    SetFocus(text1);
    SendMessageW(text1, EM_SETSEL, 0, -1);
    Type(text1, L"Job #");
    EXPECT_EQ(Text(ControlId::Label4), "Job 1");
    EXPECT_EQ(harness.registry.Value("Text1"), "Job #");
    Type(text1, L"#&");
    EXPECT_EQ(Text(ControlId::Label4), "Job 01&");
    EXPECT_EQ(harness.registry.Value("Text1"), "Job ##&");

    HWND text2 = harness.Control(ControlId::Text2);
    SendMessageW(text2, EM_SETSEL, 0, -1);
    Type(text2, L"abc");
    EXPECT_EQ(harness.registry.Value("Text2"), "abc");
    EXPECT_EQ(Text(ControlId::Label4), "Job 01&");  // the count never touches the preview
    EXPECT_TRUE(harness.dialogs.shown.empty());
}

TEST_F(Form1OnWin32Test, SettingTheSameTextAgainFiresNothing) {
    Load();
    harness.settings.WriteSetting("Text3", "marker");
    harness.window.SetText(ControlId::Text3, Text(ControlId::Text3));
    EXPECT_EQ(harness.registry.Value("Text3"), "marker");
    harness.window.SetText(ControlId::Text3, "D:\\Other\\");
    EXPECT_EQ(harness.registry.Value("Text3"), "D:\\Other\\");
}

TEST_F(Form1OnWin32Test, StartCreatesTheFoldersAndOpensTheTargetOnYes) {
    Load();
    harness.window.SetText(ControlId::Text3, target.Path() + "\\");
    harness.window.SetText(ControlId::Text2, "3");
    harness.dialogs.answers.push_back(BoxAnswer::Yes);
    harness.Click(ControlId::PushButton1);
    for (const char* name : {"Folder 001", "Folder 002", "Folder 003"}) {
        EXPECT_TRUE(harness.realFiles.FolderExists(target / name)) << name;
    }
    EXPECT_FALSE(harness.realFiles.FolderExists(target / "Folder 004"));
    ASSERT_EQ(harness.dialogs.shown.size(), 1u);
    EXPECT_EQ(harness.dialogs.shown[0].text, product::kOpenFolderQuestion);
    EXPECT_EQ(harness.dialogs.shown[0].caption, "Pallisand Quire Batch");
    EXPECT_EQ(harness.dialogs.shown[0].style, BoxStyle::YesNo);
    ASSERT_EQ(harness.shell.opened.size(), 1u);
    EXPECT_EQ(harness.shell.opened[0], target.Path() + "\\");
    EXPECT_FALSE(harness.form.RunInProgress());
}

TEST_F(Form1OnWin32Test, AFileInTheWayIsReportedWithThePlatformsTextAndTheRunGoesOn) {
    Load();
    CloseHandle(CreateFileW(Wide(target / "Folder 002").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    harness.window.SetText(ControlId::Text3, target.Path());
    harness.window.SetText(ControlId::Text2, "3");
    harness.Click(ControlId::PushButton1);
    EXPECT_TRUE(harness.realFiles.FolderExists(target / "Folder 001"));
    EXPECT_TRUE(harness.realFiles.FolderExists(target / "Folder 003"));
    ASSERT_EQ(harness.dialogs.shown.size(), 2u);
    const fakes::ShownBox& report = harness.dialogs.shown[0];
    EXPECT_EQ(report.caption, "Application Error");
    EXPECT_EQ(report.style, BoxStyle::Warning);
    EXPECT_NE(
        report.text.find("\r\nin QuireBatch2021/08/31.Form1.PushButton1_Click at line 126\r\r"),
        std::string::npos)
        << report.text;
    EXPECT_GT(report.text.find("\r\n"), 0u);    // the platform's description comes first
    EXPECT_TRUE(harness.shell.opened.empty());  // the question was answered No
}

TEST_F(Form1OnWin32Test, AnInvalidTargetIsRefusedBeforeAnythingIsCreated) {
    Load();
    harness.window.SetText(ControlId::Text3, target / "missing");
    harness.Click(ControlId::PushButton1);
    ASSERT_EQ(harness.dialogs.Texts(),
              std::vector<std::string>{"Folder does not appear to be valid"});
    EXPECT_EQ(harness.dialogs.shown[0].style, BoxStyle::Ok);
}

// Closes the window from inside the run, after the first folder, as a user's click would.
class ClosingCreation final : public FolderCreation {
public:
    explicit ClosingCreation(HWND& window) : window_(window) {}
    Creation CreateFolderUnlessExists(const std::string& path) override {
        real.CreateFolderUnlessExists(path);
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return Creation::Created;
    }
    Win32FileSystem real;

private:
    HWND& window_;
};

// The system menu's last entry, and whether it is offered now (as the menu is opened).
struct UndoEntry {
    bool afterSeparator = false;
    std::string text;
    bool enabled = false;
};

UndoEntry SystemMenuUndo(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
    const int count = GetMenuItemCount(menu);
    UndoEntry entry;
    entry.afterSeparator =
        (GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR) != 0;
    wchar_t text[64] = {};
    GetMenuStringW(menu, kUndoCommand, text, 64, MF_BYCOMMAND);
    entry.text = Utf8(text);
    entry.enabled = (GetMenuState(menu, kUndoCommand, MF_BYCOMMAND) & MF_GRAYED) == 0;
    return entry;
}

TEST_F(Form1OnWin32Test, TheSystemMenuUndoesTheLastRunAfterAskingButNotDuringARun) {
    Load();
    CloseHandle(CreateFileW(Wide(target / "Folder 002").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    harness.window.SetText(ControlId::Text3, target.Path() + "\\");
    harness.window.SetText(ControlId::Text2, "4");
    UndoEntry duringRun;
    harness.dialogs.onShow = [&](const fakes::ShownBox& box) {
        if (box.style == BoxStyle::Warning) duringRun = SystemMenuUndo(harness.window.Handle());
    };
    harness.Click(ControlId::PushButton1);  // the file in the way is reported during the run
    EXPECT_EQ(duringRun.text, "Undo Last Run...");
    EXPECT_FALSE(duringRun.enabled);
    harness.dialogs.onShow = nullptr;

    const UndoEntry after = SystemMenuUndo(harness.window.Handle());
    EXPECT_TRUE(after.afterSeparator);
    EXPECT_TRUE(after.enabled);
    harness.dialogs.shown.clear();
    harness.dialogs.answers = {BoxAnswer::Yes};
    SendMessageW(harness.window.Handle(), WM_SYSCOMMAND, kUndoCommand, 0);
    for (const char* name : {"Folder 001", "Folder 003", "Folder 004"}) {
        EXPECT_FALSE(harness.realFiles.FolderExists(target / name)) << name;
    }
    EXPECT_TRUE(harness.realFiles.PathExists(target / "Folder 002"));  // the user's file
    ASSERT_EQ(harness.dialogs.Texts().size(), 2u);
    EXPECT_EQ(harness.dialogs.shown[0].text,
              "Remove the 3 empty folders that the last run "
              "created in " +
                  target.Path() + "\\?");
    EXPECT_EQ(harness.dialogs.shown[0].style, BoxStyle::YesNo);
    EXPECT_EQ(harness.dialogs.shown[1].text, "Removed 3 folders.");
}

TEST(Form1ClosingTest, ClosingDuringARunEndsItAtOnce) {
    ScratchFolder program, target;
    HWND window = nullptr;
    ClosingCreation files(window);
    Form1Harness harness(program.Path(), &files);
    window = harness.window.Handle();
    harness.form.Form_Load();
    harness.window.Show();
    harness.window.SetText(ControlId::Text3, target.Path());
    harness.window.SetText(ControlId::Text2, "5");
    harness.Click(ControlId::PushButton1);
    EXPECT_EQ(harness.endProgramCalls, 1);
    EXPECT_TRUE(files.real.FolderExists(target / "Folder 001"));
    EXPECT_FALSE(files.real.FolderExists(target / "Folder 002"));
    EXPECT_TRUE(harness.dialogs.shown.empty());  // no question, no closing message
    EXPECT_TRUE(harness.window.Ended());
}

TEST_F(Form1OnWin32Test, SampleAndBrowseButtonsFillTheTargetFolder) {
    Load();
    harness.Click(ControlId::PushButton2);
    EXPECT_EQ(Text(ControlId::Text3), program.Path() + "\\Samples");
    EXPECT_EQ(harness.registry.Value("Text3"), program.Path() + "\\Samples");

    harness.shell.picked = "C:\\Data\\Jobs";
    harness.Click(ControlId::PushButton7);
    EXPECT_EQ(Text(ControlId::Text3), "C:\\Data\\Jobs\\");
    EXPECT_EQ(harness.registry.Value("LastFolderDot"), "C:\\Data\\Jobs");
    ASSERT_EQ(harness.shell.pickerCalls.size(), 1u);
    EXPECT_EQ(harness.shell.pickerCalls[0].first, "Save images to this folder");

    harness.shell.picked = "D:\\";
    harness.Click(ControlId::PushButton7);
    EXPECT_EQ(Text(ControlId::Text3), "D:\\");

    harness.shell.picked = "";  // cancelled
    harness.Click(ControlId::PushButton7);
    EXPECT_EQ(Text(ControlId::Text3), "D:\\");
    EXPECT_EQ(harness.registry.Value("LastFolderDot"), "D:\\");
}

TEST_F(Form1OnWin32Test, HelpOpensTheCompanionPageOnlyOnYes) {
    Load();
    harness.Click(ControlId::PushButton6);
    EXPECT_TRUE(harness.shell.opened.empty());
    harness.dialogs.answers.push_back(BoxAnswer::Yes);
    harness.Click(ControlId::PushButton6);
    EXPECT_EQ(harness.shell.opened, std::vector<std::string>{std::string(product::kCompanionPage)});
    EXPECT_EQ(harness.dialogs.shown.at(0).text, product::kHelpQuestion);
}

TEST_F(Form1OnWin32Test, EnterAndSpaceOnAFocusedButtonClickIt) {
    Load();
    HWND help = harness.Control(ControlId::PushButton6);
    SetFocus(help);
    SendMessageW(help, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(harness.dialogs.shown.size(), 1u);
    SendMessageW(help, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(help, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(harness.dialogs.shown.size(), 2u);
}

class Form1BesideAssetsTest : public ::testing::Test {
protected:
    Form1Harness harness{ProgramFolderOfTests()};  // the build copies cursor and theme here
    void Move(ControlId over) {
        HWND control = harness.Control(over);
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    }
};

TEST_F(Form1BesideAssetsTest, HandOverThePushButtonsAndBackOverSurfacesAndFirstBoxes) {
    harness.form.Form_Load();
    ASSERT_TRUE(harness.window.HasMouseIcon()) << "HAND-M.CUR beside the tests";
    using enum ControlId;
    EXPECT_EQ(harness.window.Pointer(), MousePointer::Default);
    Move(PushButton1);
    EXPECT_EQ(harness.window.Pointer(), MousePointer::Custom);
    Move(Text3);  // no handler: unchanged
    Move(Label4);
    EXPECT_EQ(harness.window.Pointer(), MousePointer::Custom);
    Move(Frame3);
    EXPECT_EQ(harness.window.Pointer(), MousePointer::Default);
    Move(PushButton7);
    Move(Text1);
    EXPECT_EQ(harness.window.Pointer(), MousePointer::Default);
    Move(PushButton2);
    Move(Form1);
    EXPECT_EQ(harness.window.Pointer(), MousePointer::Default);

    // With the custom style every control shows the hand; with the default it shows its own.
    Move(PushButton6);
    HWND text3 = harness.Control(Text3);
    SendMessageW(text3, WM_SETCURSOR, reinterpret_cast<WPARAM>(text3),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_IBEAM));
    Move(Frame1);
    SendMessageW(text3, WM_SETCURSOR, reinterpret_cast<WPARAM>(text3),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_IBEAM));
}

TEST_F(Form1BesideAssetsTest, TheThemeRecoloursFaceFramesLabelsAndButtonsButNotTheBoxes) {
    harness.form.Form_Load();
    EXPECT_TRUE(harness.dialogs.shown.empty());
    const Colour face = harness.window.BackColor(ControlId::Form1);
    EXPECT_NE(face, colour::kWhite);
    EXPECT_FALSE(colour::IsSystemColour(face));  // the theme's own colour, not the button face
    EXPECT_EQ(harness.window.BackColor(ControlId::Label4),
              harness.window.BackColor(ControlId::Frame1));
    EXPECT_EQ(harness.window.BackColor(ControlId::Text1), colour::kWhite);
    EXPECT_EQ(harness.window.BackColor(ControlId::Text3), colour::kWindowBackground);
    const ButtonLook look = harness.window.PushButtonLook(ControlId::PushButton1);
    EXPECT_NE(look.face, colour::kWhite);
    EXPECT_NE(look.hotFace, look.face);
}

}  // namespace
}  // namespace quire::win32
