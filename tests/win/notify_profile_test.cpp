// NotifyFont.ini through the font and colour buttons and the smooth-change
// item: what is written, how it reads back, and refused writes; the file read
// whole against the profile functions.
#include <gtest/gtest.h>

#include "notify/notify_font_dialogs_win32.h"
#include "profile/notify_profile_win32.h"
#include "program_fixture.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

using test::ReadBytes;
using namespace std::string_literals;

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

using FontDialog = std::function<BOOL(CHOOSEFONTW&)>;
using ColorDialog = std::function<BOOL(CHOOSECOLORW&)>;

class NotifyProfileTest : public test::ProgramTest, private CommonDialogs {
protected:
    void SetUp() override { Start(); }
    // The dialogs are the test's, answered by whatever fontDialog and
    // colorDialog hold at the time; the buttons are on, as with the
    // notification ticked.
    void Start(const std::wstring& dataFolder = {}) {
        environment.dataFolder = dataFolder;
        environment.dialogs = this;
        StartProgram();
        TrayPress();
        if (!Checked(FunctionPanel::kNotifyBox)) Click(FunctionPanel::kNotifyBox);
    }
    BOOL PickFont(CHOOSEFONTW& dialog) override { return fontDialog(dialog); }
    BOOL PickColor(CHOOSECOLORW& dialog) override { return colorDialog(dialog); }
    void FontClick() { Click(FunctionPanel::kFontButton); }
    void ColorClick() { Click(FunctionPanel::kColorButton); }
    // The font and colour the next dialogs start from: the notification's.
    NotifyFontSpec Shown() {
        NotifyFontSpec seen;
        fontDialog = [&](CHOOSEFONTW& dialog) {
            seen.size = -MulDiv(dialog.lpLogFont->lfHeight, 72, ScreenDpi());
            seen.charset = dialog.lpLogFont->lfCharSet;
            seen.name = dialog.lpLogFont->lfFaceName;
            return FALSE;
        };
        colorDialog = [&](CHOOSECOLORW& dialog) {
            seen.color = dialog.rgbResult;
            return FALSE;
        };
        FontClick();
        ColorClick();
        return seen;
    }

    // The font dialog confirms a face at a size in points, in bold italic.
    void ChooseFont(const wchar_t* face, int points, BYTE charset) {
        fontDialog = [=](CHOOSEFONTW& dialog) {
            dialog.lpLogFont->lfHeight = -MulDiv(points, ScreenDpi(), 72);
            dialog.lpLogFont->lfWeight = FW_BOLD;
            dialog.lpLogFont->lfItalic = TRUE;
            dialog.lpLogFont->lfCharSet = charset;
            lstrcpynW(dialog.lpLogFont->lfFaceName, face, LF_FACESIZE);
            return TRUE;
        };
        FontClick();
    }
    void ChooseColor(COLORREF color) {
        colorDialog = [=](CHOOSECOLORW& dialog) {
            dialog.rgbResult = color;
            return TRUE;
        };
        ColorClick();
    }
    void ClickFade() { UseTrayMenu(3); }
    std::wstring Profile() const { return folder.File(L"NotifyFont.ini"); }

    FontDialog fontDialog;
    ColorDialog colorDialog;
};

TEST_F(NotifyProfileTest, TheDialogsStartFromTheWindowsFontAndWriteWhatIsChosen) {
    CHOOSEFONTW seenFont{};
    LOGFONTW seenLog{};
    fontDialog = [&](CHOOSEFONTW& dialog) {
        seenFont = dialog;
        seenLog = *dialog.lpLogFont;
        return FALSE;  // cancelled
    };
    FontClick();
    EXPECT_EQ(seenFont.Flags, static_cast<DWORD>(CF_SCREENFONTS | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT));
    EXPECT_EQ(seenLog.lfHeight, -MulDiv(28, ScreenDpi(), 72));
    EXPECT_EQ(seenLog.lfCharSet, 128);
    EXPECT_STREQ(seenLog.lfFaceName, L"MS UI Gothic");
    EXPECT_FALSE(test::FileExists(Profile()));  // a cancel writes nothing

    ChooseFont(L"MS UI Gothic", 20, SHIFTJIS_CHARSET);
    EXPECT_EQ(Shown().size, 20);  // loaded at once

    CHOOSECOLORW seenColor{};
    colorDialog = [&](CHOOSECOLORW& dialog) {
        seenColor = dialog;
        dialog.rgbResult = RGB(255, 0, 0);
        return TRUE;
    };
    ColorClick();
    EXPECT_EQ(seenColor.Flags, static_cast<DWORD>(CC_RGBINIT | CC_PREVENTFULLOPEN));
    EXPECT_EQ(seenColor.rgbResult, RGB(0, 255, 0));
    EXPECT_EQ(Shown().color, RGB(255, 0, 0));
    ClickFade();

    const auto bytes = ReadBytes(Profile());
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "[Font]\r\nsize=20\r\nchrSet=128\r\nName=MS UI Gothic\r\ncolor=255\r\n[Changes]\r\nFADE=0\r\n");

    // The next dialog starts from what was stored, and the style stays plain.
    colorDialog = [&](CHOOSECOLORW& dialog) {
        seenColor = dialog;
        return FALSE;
    };
    ColorClick();
    EXPECT_EQ(seenColor.rgbResult, 255u);
}

TEST_F(NotifyProfileTest, ValuesReadInEveryAcceptedSpellingAndFallBackOtherwise) {
    struct Case {
        const char* file;
        int size;
        int charset;
        COLORREF color;
    } cases[] = {
        {"[Font]\r\nsize=0x1C\r\nchrSet=0x86\r\n", 28, 134, 65280},
        {"[FONT]\r\nSIZE=12\r\nCHRSET=$81\r\nCOLOR=-1\r\n", 12, 129, 0xFFFFFFFF},
        {"[font]\r\nsize=28pt\r\nchrset=384\r\ncolor=x0000FF\r\n", 28, 128, 255},
        {"[Font]\r\nsize=\r\nchrset=2147483648\r\ncolor= 255\r\n", 28, 128, 255},
    };
    const NotifyProfile profile(Profile());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        test::WriteBytes(Profile(), Bytes(c.file));
        const NotifyFontSpec font = profile.ReadFont(NotifyFontSpec{});
        EXPECT_EQ(font.size, c.size);
        EXPECT_EQ(font.charset, c.charset);
        EXPECT_EQ(font.color, c.color);
    }
    // A colour confirmed unchanged is written as it is read: -1 stays -1.
    test::WriteBytes(Profile(), Bytes("[Font]\r\ncolor=-1\r\n"));
    colorDialog = [](CHOOSECOLORW&) { return TRUE; };
    ChooseFont(L"MS UI Gothic", 28, SHIFTJIS_CHARSET);  // the font dialog loads what is stored
    test::WriteBytes(Profile(), Bytes("[Font]\r\ncolor=-1\r\n"));
    ColorClick();
    EXPECT_EQ(Bytes("[Font]\r\ncolor=-1\r\n"), ReadBytes(Profile()));
    EXPECT_EQ(Shown().color, 0xFFFFFFFFu);

    struct Fade {
        const char* file;
        bool on;
    } fades[] = {{"[Changes]\r\nFADE=0\r\n", false},  {"[changes]\r\nfade=0x0\r\n", false},
                 {"[Changes]\r\nFADE=2\r\n", true},   {"[Changes]\r\nFADE=-1\r\n", true},
                 {"[Changes]\r\nFADE=off\r\n", true}, {"[Font]\r\nFADE=0\r\n", true}};
    for (const Fade& f : fades) {
        SCOPED_TRACE(f.file);
        test::WriteBytes(Profile(), Bytes(f.file));
        EXPECT_EQ(profile.ReadFadeSetting(), f.on);
    }
}

TEST_F(NotifyProfileTest, AJapaneseFaceIsStoredInShiftJisAndReadBack) {
    if (GetACP() != 932) GTEST_SKIP() << "the profile's code page is the system's";
    ChooseFont(L"ＭＳ ゴシック", 16, SHIFTJIS_CHARSET);
    const auto bytes = ReadBytes(Profile());
    const std::string sjis = "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";
    EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("Name=" + sjis + "\r\n"), std::string::npos);
    EXPECT_EQ(Shown().name, L"ＭＳ ゴシック");
}

// One read of the file, parsed, gives each key as the profile functions give
// it, for files that the dialogs write and for awkward hand-written ones.
TEST_F(NotifyProfileTest, OneReadGivesEveryKeyAsTheProfileFunctionsDo) {
    const auto expectSame = [this](const std::string& what) {
        SCOPED_TRACE(testing::PrintToString(what));
        const NotifyProfileValues values = NotifyProfile(Profile()).Read();
        const wchar_t* names[][2] = {{L"Font", L"size"},  {L"Font", L"chrSet"},  {L"Font", L"Name"},
                                     {L"Font", L"color"}, {L"Changes", L"FADE"}, {L"Changes", L"Monitor"}};
        for (const auto& [section, key] : names) {
            wchar_t text[2048];
            GetPrivateProfileStringW(section, key, L"\x1<missing>", text, 2048, Profile().c_str());
            const auto system = lstrcmpW(text, L"\x1<missing>") ? std::optional<std::wstring>(text) : std::nullopt;
            EXPECT_EQ(values.Text(section, key), system) << testing::PrintToString(std::wstring(section) + L"/" + key);
        }
    };
    expectSame("no file");
    ChooseFont(L"MS UI Gothic", 20, SHIFTJIS_CHARSET);
    ChooseColor(RGB(255, 0, 0));
    ClickFade();
    expectSame("dialogs");
    ChooseFont(L"ＭＳ ゴシック", 16, SHIFTJIS_CHARSET);
    expectSame("Japanese face");

    const std::string files[] = {
        "[FONT]\r\nSIZE=12\r\nsize=14\r\n ChrSet = 0x80 \r\nname = \"MS Gothic\" "
        "\r\n[font]\r\ncolor=255\r\n[changes]\r\nfade=0",
        "\t[ Font ]\x1a\r\n;size=1\r\nsize\r\nsize=3\rcolor=\"\"\n[Changes]x]\r\nFADE=0\r\n[Changes\r\nMonitor='2'",
        "[Font]\r\nName=\x82\x6c\x82\x72 \x83\x53\x83\x56\r\n[Changes\x83]\r\nFADE=\x81\nsize=1\r\n[Font\x83]",
        "\xEF\xBB\xBF[Font]\nName=\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\nsize='20'\r[Changes]\nFADE=\xF0=",
        "\xFF\xFE[\0F\0o\0n\0t\0]\0\n\0N\0a\0m\0e\0=\0\x2D\xFF\x33\xFF\r\0c\0o\0l\0o\0r\0=\0\x31\0"s,
        "[Font]\r\nsize=1\0 2\r\nName=a\0b\r\ncolor=\""s + std::string(2047, '7') +
            "\"\r\nchrSet=" + std::string(2100, '1')};
    for (const std::string& file : files) {
        test::WriteBytes(Profile(), Bytes(file));
        expectSame(file);
    }
}

TEST_F(NotifyProfileTest, ARefusedWriteIsReportedAndNothingAfterItIsWrittenOrLoaded) {
    // A folder that is not there refuses every write (a read-only file does
    // not stop Wine's profile writer when it runs as root).
    const std::wstring gone = folder.File(L"gone");
    program.reset();
    {
        test::MessageBoxAnswerer firstRun;  // nothing there: the window opens as on a first run
        Start(gone);
    }
    {
        test::MessageBoxAnswerer answerer;
        ChooseFont(L"MS UI Gothic", 20, SHIFTJIS_CHARSET);
        ChooseColor(RGB(1, 2, 3));
        ClickFade();
        Sleep(300);
        const std::wstring message = gone + L"\\NotifyFont.ini に書き込めません.";
        // One message per click: the font stops at its first key.
        EXPECT_EQ(answerer.texts(), std::vector<std::wstring>(3, message));
        EXPECT_EQ(answerer.captions(), std::vector<std::wstring>(3, L"Quendrel"));
    }
    EXPECT_FALSE(test::FileExists(gone));
    // Nothing was loaded: the notification keeps the font it had.
    const NotifyFontSpec shown = Shown();
    EXPECT_EQ(shown.size, 28);
    EXPECT_EQ(shown.color, RGB(0, 255, 0));
}

// The sound devices' keys through the profile functions and back: ASCII in
// the file whatever the names, nothing written while nothing is used.
TEST(NotifyProfileDevices, WhatIsWrittenReadsBackThroughTheProfileFunctions) {
    test::TempFolder folder;
    const NotifyProfile profile(folder.File(L"NotifyFont.ini"));
    const std::vector<std::string> names = {"Late night", "\x91\xE5\x89\xB9", "x"};  // 大音 in code page 932
    EXPECT_TRUE(profile.WriteDevices(names, DeviceSettings{}));
    EXPECT_FALSE(test::FileExists(profile.Path()));

    ASSERT_TRUE(profile.WriteFadeSetting(false));
    DeviceSettings settings;
    settings.presets[0] = StoredDevice{L"{0.0.0.00000000}.{9AF18405}", L"ヘッドホン (USB) ü \U0001F3A7"};
    settings.presets[2] = StoredDevice{L"{0.0.0.00000000}.{x}", L"Speakers"};
    settings.microphone = settings.arrival = true;
    settings.microphoneKey = 0x604D;
    ASSERT_TRUE(profile.WriteDevices(names, settings));
    const auto bytes = ReadBytes(profile.Path());
    for (unsigned char byte : bytes) EXPECT_LT(byte, 0x80);
    EXPECT_FALSE(profile.ReadFadeSetting()) << "the other sections stay";
    const DeviceSettings back = profile.ReadDevices(names);
    EXPECT_EQ(back.presets, settings.presets);
    EXPECT_TRUE(back.microphone && back.arrival);
    EXPECT_EQ(back.microphoneKey, 0x604D);
    EXPECT_EQ(profile.ReadDevices({"Early", names[1]}).presets[0], std::nullopt) << "another preset at that place";

    const NotifyProfile gone(folder.File(L"gone\\NotifyFont.ini"));
    EXPECT_FALSE(gone.WriteDevices(names, settings));
}

}  // namespace
}  // namespace quendrel
