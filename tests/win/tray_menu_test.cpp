// The tray menu as a right press on the icon opens it: its items, its marks
// from what is stored, and the Run value that the autostart item writes and
// deletes.
#include <gtest/gtest.h>

#include <cwchar>

#include "program_fixture.h"

namespace quendrel {
namespace {

constexpr wchar_t kExe[] = L"C:\\Program Files\\Quendrel\\Quendrel.exe";
constexpr wchar_t kQuoted[] = L"\"C:\\Program Files\\Quendrel\\Quendrel.exe\"";

class TrayMenuTest : public test::ProgramTest {
protected:
    void SetUp() override {
        wchar_t key[128];
        swprintf(key, 128, L"Software\\QuendrelTest%lu\\Run", GetCurrentProcessId());
        runKey = key;
        environment.runKey = runKey;
        environment.executablePath = kExe;
        StartProgram();
    }
    void TearDown() override {
        ProgramTest::TearDown();
        RegDeleteTreeW(HKEY_CURRENT_USER, runKey.substr(0, runKey.find(L"\\Run")).c_str());
    }

    void Store(DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, runKey.c_str(), L"Quendrel", type, data, bytes), ERROR_SUCCESS);
    }
    void StoreText(const std::wstring& text, DWORD type = REG_SZ) {
        Store(type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    // The stored value's type and raw bytes; type 0 when it is missing.
    std::pair<DWORD, std::vector<BYTE>> Stored() const {
        DWORD type = 0, size = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, runKey.c_str(), L"Quendrel", RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                         &size) != ERROR_SUCCESS)
            return {0, {}};
        std::vector<BYTE> data(size);
        RegGetValueW(HKEY_CURRENT_USER, runKey.c_str(), L"Quendrel", RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(),
                     &size);
        return {type, data};
    }
    // The items, separators skipped by the keyboard.
    enum Item { kOpen = 1, kAutoStart, kFade, kAbout, kQuit };
    // The mark as the menu shows it, opened and closed again.
    static bool Mark(Item item) {
        const auto items = UseTrayMenu();
        EXPECT_EQ(items.size(), 7u);
        const std::size_t at[] = {0, 0, 2, 3, 5, 6};
        return items.size() == 7 && items[at[item]].checked;
    }

    std::wstring runKey;
};

TEST_F(TrayMenuTest, ItemsAndSeparatorsInOrder) {
    const std::wstring captions[] = {
        L"設定ウインドウを開く", L"-", L"AutoStart", L"音量のなめらか変更", L"-", L"バージョン情報", L"Quendrelの終了"};
    std::vector<std::wstring> shown;
    for (const MenuItem& item : UseTrayMenu()) shown.push_back(item.text);
    EXPECT_EQ(shown, std::vector<std::wstring>(std::begin(captions), std::end(captions)));
}

TEST_F(TrayMenuTest, TheAutoStartMarkNeedsTheQuotedPathExactly) {
    EXPECT_FALSE(Mark(kAutoStart));  // no value; the missing key is created
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, runKey.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    if (key) RegCloseKey(key);

    StoreText(kQuoted);
    EXPECT_TRUE(Mark(kAutoStart));
    StoreText(kQuoted, REG_EXPAND_SZ);
    EXPECT_TRUE(Mark(kAutoStart));
    // A value stored without its terminating zero reads the same.
    Store(REG_SZ, kQuoted, static_cast<DWORD>(wcslen(kQuoted) * sizeof(wchar_t)));
    EXPECT_TRUE(Mark(kAutoStart));

    for (const wchar_t* other :
         {kExe, L"\"c:\\program files\\quendrel\\quendrel.exe\"", L"\"C:\\Program Files\\Other\\Quendrel.exe\"",
          L"\"C:\\Program Files\\Quendrel\\Quendrel.exe\" ", L""}) {
        SCOPED_TRACE(other);
        StoreText(other);
        EXPECT_FALSE(Mark(kAutoStart));
    }
}

TEST_F(TrayMenuTest, AConfirmedClickWritesOrDeletesTheValueAndNoChangesNothing) {
    {
        test::MessageBoxAnswerer no(IDNO);
        EXPECT_FALSE(Mark(kAutoStart));
        UseTrayMenu(kAutoStart);
        EXPECT_EQ(no.texts(), std::vector<std::wstring>{L"自動起動設定を変更しますか？"});
        EXPECT_EQ(no.captions(), std::vector<std::wstring>{L"Notify"});
    }
    EXPECT_EQ(Stored().first, 0u);

    // Another copy's path is replaced by this copy's.
    StoreText(L"\"D:\\Old\\Quendrel.exe\"");
    {
        test::MessageBoxAnswerer yes(IDYES);
        EXPECT_FALSE(Mark(kAutoStart));
        UseTrayMenu(kAutoStart);
    }
    const auto [type, data] = Stored();
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    const std::wstring expected(kQuoted, wcslen(kQuoted) + 1);  // with its zero
    EXPECT_EQ(data, std::vector<BYTE>(reinterpret_cast<const BYTE*>(expected.data()),
                                      reinterpret_cast<const BYTE*>(expected.data() + expected.size())));
    {
        test::MessageBoxAnswerer yes(IDYES);
        EXPECT_TRUE(Mark(kAutoStart));
        UseTrayMenu(kAutoStart);
    }
    EXPECT_EQ(Stored().first, 0u);
    EXPECT_FALSE(Mark(kAutoStart));
}

TEST_F(TrayMenuTest, AValueOfAnotherTypeKeepsTheMenuAwayAndIsReported) {
    const DWORD number = 1;
    Store(REG_DWORD, &number, sizeof number);
    test::MessageBoxAnswerer answerer;
    EXPECT_TRUE(UseTrayMenu().empty());
    Sleep(300);
    EXPECT_EQ(answerer.texts(), std::vector<std::wstring>{L"'Quendrel' のデータ型が不正です."});
    EXPECT_EQ(answerer.captions(), std::vector<std::wstring>{L"Quendrel"});
}

TEST_F(TrayMenuTest, AValueThatCannotBeWrittenIsReported) {
    // A lasting key cannot be made under a volatile one.
    HKEY parent = nullptr;
    const std::wstring volatileKey = runKey.substr(0, runKey.find(L"\\Run"));
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, volatileKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    test::MessageBoxAnswerer yes(IDYES);
    EXPECT_FALSE(Mark(kAutoStart));  // the key cannot be opened: reads as empty
    UseTrayMenu(kAutoStart);
    Sleep(300);
    ASSERT_EQ(yes.texts().size(), 2u);
    EXPECT_EQ(yes.texts()[1], L"'Quendrel' の設定に失敗しました.");
}

TEST_F(TrayMenuTest, TheSmoothChangeMarkFollowsTheFileAndEachClickTogglesIt) {
    EXPECT_TRUE(Mark(kFade));  // no file: on
    UseTrayMenu(kFade);
    EXPECT_FALSE(Mark(kFade));
    const auto off = test::ReadBytes(folder.File(L"NotifyFont.ini"));
    EXPECT_EQ(std::string(off.begin(), off.end()), "[Changes]\r\nFADE=0\r\n");
    UseTrayMenu(kFade);
    EXPECT_TRUE(Mark(kFade));
    const auto on = test::ReadBytes(folder.File(L"NotifyFont.ini"));
    EXPECT_EQ(std::string(on.begin(), on.end()), "[Changes]\r\nFADE=1\r\n");
}

TEST_F(TrayMenuTest, OpenShowsTheConfigurationWindow) {
    EXPECT_FALSE(IsWindowVisible(ConfigWindow()));
    UseTrayMenu(kOpen);
    EXPECT_TRUE(IsWindowVisible(ConfigWindow()));
}

}  // namespace
}  // namespace quendrel
