// Start-up, the first run, closing and the settings file, in-process.
#include <gtest/gtest.h>

#include <thread>

#include "program_fixture.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

using test::FileExists;
using test::ReadBytes;

class StartupTest : public test::ProgramTest {};

TEST_F(StartupTest, FirstRunShowsTheWindowAndClosingWritesTheDefaults) {
    StartWithoutFile();
    HWND config = ConfigWindow();
    EXPECT_TRUE(IsWindowVisible(config));
    for (const wchar_t* hidden : {identity::kAboutClass, identity::kNotificationClass}) {
        ASSERT_NE(Window(hidden), nullptr);
        EXPECT_FALSE(IsWindowVisible(Window(hidden)));
    }
    EXPECT_FALSE(FileExists(folder.File(L"SndCols.ini")));
    // The application window carries the tool-window style alone.
    EXPECT_EQ(GetWindowLongPtrW(ApplicationWindow(), GWL_EXSTYLE), WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(config, GW_OWNER), ApplicationWindow());

    SendMessageW(config, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(config));
    EXPECT_FALSE(IsWindowVisible(config));
    const auto bytes = ReadBytes(folder.File(L"SndCols.ini"));
    ASSERT_EQ(bytes.size(), 600u);
    EXPECT_EQ(bytes[0], 12);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[1]), 12), texts::kUpName);
    EXPECT_EQ(bytes[108], 2);
    EXPECT_EQ(bytes[120 + 108], 2);
    EXPECT_EQ(bytes[480 + 108], 2);
}

TEST_F(StartupTest, EscapeClosesLikeTheCloseBox) {
    StartWithoutFile();
    HWND config = ConfigWindow();
    // With no control focused Escape comes as a system key, and still closes;
    // Alt+Escape is not Escape.
    PostMessageW(config, WM_SYSKEYDOWN, VK_ESCAPE, 1 << 29);
    RunLoop();
    EXPECT_TRUE(IsWindowVisible(config));
    PostMessageW(config, WM_SYSKEYDOWN, VK_ESCAPE, 0);
    RunLoop();
    EXPECT_FALSE(IsWindowVisible(config));
    EXPECT_EQ(ReadBytes(folder.File(L"SndCols.ini")).size(), 600u);
}

TEST_F(StartupTest, AValidFileShowsNoWindowAndRegistersEnabledHotkeys) {
    SettingTable table = test::TableWith({{"A", 30, 0x6071}});
    test::SwitchOn(table, kUpSlot, 0x6070);  // Ctrl+Shift+F1
    const auto image = table.Image();
    StartProgram(table);
    EXPECT_FALSE(IsWindowVisible(ConfigWindow()));
    EXPECT_TRUE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));
    EXPECT_TRUE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F2));

    // Opening the window withdraws every hotkey; closing brings them back.
    TrayPress();
    EXPECT_FALSE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));
    Close();
    EXPECT_TRUE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));
    EXPECT_EQ(ReadBytes(folder.File(L"SndCols.ini")), std::vector<unsigned char>(image.begin(), image.end()));
}

TEST_F(StartupTest, NoSoundDeviceIsReportedAndTheProgramGoesOn) {
    test::MessageBoxAnswerer answerer;
    StartWithoutFile(0);
    ASSERT_EQ(answerer.texts().size(), 1u);
    EXPECT_EQ(answerer.texts()[0], L"サウンドデバイスが見つかりません ");
    EXPECT_EQ(answerer.captions()[0], L"Quendrel");
    // The same window still takes the hook's messages.
    PostMessageW(ConfigWindow(), WM_CLOSE, 0, 0);
    test::PumpMessages();
    EXPECT_TRUE(FileExists(folder.File(L"SndCols.ini")));
}

TEST_F(StartupTest, ATrayPressWhileStartUpWaitsOnItsMessageOpensNothing) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kUpSlot, 0x6070);  // Ctrl+Shift+F1
    // The no-device message runs its own loop: the icon is already there, and
    // a press on it comes in before the table is loaded.
    std::thread pressing([] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i, Sleep(10)) {
            box = FindWindowW(L"#32770", nullptr);
            if (box && !IsWindowVisible(box)) box = nullptr;
        }
        PostMessageW(FindWindowW(identity::kConfigClass, nullptr), identity::kTrayMessage, identity::kTrayIconId,
                     WM_LBUTTONDOWN);
        Sleep(200);
        if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    StartProgram(table, 0);
    pressing.join();
    test::PumpMessages();
    // Loaded, resident, hotkeys on: the press did not open the window early.
    EXPECT_FALSE(IsWindowVisible(ConfigWindow()));
    EXPECT_TRUE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));
}

TEST_F(StartupTest, AFailedSaveKeepsTheOldFileAndTellsTheUser) {
    const std::vector<unsigned char> old(720, 0);
    test::WriteBytes(folder.File(L"SndCols.ini"), old);
    SetFileAttributesW(folder.File(L"SndCols.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    StartWithoutFile();
    test::MessageBoxAnswerer answerer;
    TrayPress();
    EXPECT_EQ(ItemCount(), 1);  // read-only still loads
    Click(PresetPanel::kCreate);
    Close();
    EXPECT_EQ(ReadBytes(folder.File(L"SndCols.ini")), old);
    EXPECT_FALSE(FileExists(folder.File(L"SndCols.ini.tmp")));
    Sleep(300);
    ASSERT_EQ(answerer.texts().size(), 1u);
    EXPECT_NE(answerer.texts()[0].find(L"SndCols.ini に書き込めません."), std::wstring::npos);
    // Modal to the open window: it cannot be closed again behind the message.
    EXPECT_EQ(answerer.owners()[0], ConfigWindow());
}

// Two starts at the same moment: the other one makes the mutex just after
// this one looked for it. What creating the mutex reports still tells.
TEST_F(StartupTest, AnInstanceStartedAtTheSameMomentIsFoundByCreatingTheMutex) {
    // The other instance's mutex, made in the moment after the look.
    struct OtherInstance {
        HANDLE mutex = nullptr;
        void Start() { mutex = CreateMutexW(nullptr, TRUE, L"Quendrel"); }
    } other;
    test::MessageBoxAnswerer answerer;
    environment.afterInstanceLook = Bind<&OtherInstance::Start>(&other);
    EXPECT_FALSE(Start(nullptr));
    Sleep(300);
    EXPECT_EQ(answerer.texts(), std::vector<std::wstring>{L"このプログラムは二重起動することはできません"});
    EXPECT_EQ(ApplicationWindow(), nullptr);
    EXPECT_FALSE(FileExists(folder.File(L"SndCols.ini")));
    ASSERT_NE(other.mutex, nullptr);
    CloseHandle(other.mutex);
}

TEST_F(StartupTest, QuittingFromTheMenuEndsTheLoopAndReleasesTheMutex) {
    StartProgram(test::TableWith());
    UseTrayMenu(5);
    EXPECT_EQ(program->RunMessageLoop(), 0);  // ends at once on WM_QUIT
    program->Shutdown();
    HANDLE mutex = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, L"Quendrel");
    EXPECT_EQ(mutex, nullptr);
    if (mutex) CloseHandle(mutex);
}

}  // namespace
}  // namespace quendrel
