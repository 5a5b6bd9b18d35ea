// The end of the session with the configuration window open or closed.
#include "make_action.h"
#include "program_fixture.h"

namespace quendrel {
namespace {

class LogoffTest : public test::ProgramTest {};

TEST_F(LogoffTest, EndingTheSessionSavesTheOpenWindowsEditsAsClosingWould) {
    OpenWindow();  // a first run: the window is open, nothing saved yet
    const std::wstring file = folder.File(L"SndCols.ini");
    HWND config = ConfigWindow();
    Click(PresetPanel::kCreate);
    Press(CaptionEditor(), VK_RETURN);
    EXPECT_TRUE(SendMessageW(config, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageW(config, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Saved().count, 1);
    const auto bytes = test::ReadBytes(file);

    // Closed, the window has nothing to save: quitting never saves either. A
    // capture changes the table meanwhile.
    Close();
    mixer->SetPercent(0, 33);
    Send(test::MakeAction(ActionKind::kCapture));
    SendMessageW(config, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(test::ReadBytes(file), bytes);

    // Open again, a file that cannot be written shows nothing: the session ends.
    TrayPress();
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    test::MessageBoxAnswerer answerer;
    SendMessageW(config, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    test::PumpMessages(300);
    EXPECT_TRUE(answerer.texts().empty());
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace quendrel
