#include "profile/profile_file.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

using namespace std::string_literals;

// A file, the section and key asked for, and the value's bytes as found
// (code page 932, or UTF-16LE); nothing for a missing key.
using Case = std::tuple<std::string, const wchar_t*, const wchar_t*, std::optional<std::string>>;

void ExpectValues(const std::vector<Case>& cases) {
    LeadBytes shiftJis;
    for (int b = 0x81; b <= 0xFC; ++b) shiftJis.set(b, b <= 0x9F || b >= 0xE0);
    for (const auto& [file, section, key, value] : cases) {
        const auto text = ProfileFile(file, shiftJis).Find(section, key);
        EXPECT_EQ(text ? std::optional<std::string>(text->bytes) : std::nullopt, value)
            << testing::PrintToString(std::wstring(section) + L"/" + key) << " in " << testing::PrintToString(file);
    }
}

TEST(ProfileFile, LinesSectionsKeysAndQuotes) {
    const std::string ones(2047, '1');
    ExpectValues({{"[FONT]\rChrSet=128\ncolor=5", L"font", L"CHRSET", "128"},  // CR, LF, no last line end
                  {"\t[ Font ]\x1a\r\n\v size\t=\x1a 7 \t\r\n", L"Font", L"size", "7"},
                  {"[Font]\r\nsize=", L"Font", L"size", ""},
                  {"[Font]\r\nsize\r\nsize=3", L"Font", L"size", std::nullopt},  // no '=', and it hides the next
                  {"[Font]\r\n;size=3", L"Font", L"size", std::nullopt},
                  {"[Font]\r\nsize=1\r\nSIZE=2", L"Font", L"size", "1"},
                  {"[Font]\r\nsize=1\r\n[font]\r\ncolor=5", L"Font", L"color", std::nullopt},
                  {"size=1\r\n[Font]", L"", L"size", "1"},
                  {"[Font]\r\n[Changes\r\nFADE=0", L"Font", L"FADE", "0"},  // no ']': a key line
                  {"[Font]x]\r\nsize=3", L"Font", L"size", std::nullopt},   // the last ']' closes
                  {"[Fo\0nt]\r\nsi\0ze=4\0 5"s, L"Fo", L"si", "4"},         // a zero ends names and values
                  {"a=\"12\"\r\nb=' x '", L"", L"b", " x "},
                  {"a=\"12'", L"", L"a", "\"12'"},
                  {"a=\"", L"", L"a", "\""},
                  {"a=" + ones + "23", L"", L"a", ones},
                  // The closing quote falls out of the buffer, and the reader drops a digit instead.
                  {"a=\"" + ones + "\"", L"", L"a", ones.substr(1)},
                  {"a=\"" + ones + "2\"", L"", L"a", ones}});
}

TEST(ProfileFile, CodePageAndByteOrderMarks) {
    const std::string face = "\x82\x6c\x82\x72 \x83\x53\x83\x56";  // ＭＳ ゴシ
    ExpectValues(
        {{"[Font]\r\nName=" + face + "\r\n", L"Font", L"Name", face},
         // 0x83 0x5D is one character, not a ']'.
         {"[Changes]\r\n[Font\x83]\r\nsize=3", L"Changes", L"size", "3"},
         // A lead byte takes the byte after it, even a line break, but not a zero.
         {"[Font]\r\nName=\x81\nsize=3", L"Font", L"Name", "\x81\nsize=3"},
         {"[Font]\r\nName=\x81\0size=3"s, L"Font", L"Name", "\x81"},
         {"\xEF\xBB\xBF[Font]\r\nName=\xE3\x83\xA1\xF0\x9F\x98\x80", L"Font", L"Name", "\xE1\x30\x3D\xD8\x00\xDE"s},
         // Broken UTF-8: one U+FFFD each; one cut short by the end takes the rest.
         {"\xEF\xBB\xBFName=\xE3\x81=\xF0=", L"", L"Name", "\xFD\xFF=\0\xFD\xFF"s},
         {"\xFF\xFE[\0F\0]\0\n\0s\0=\0\x42\x30"s, L"F", L"s", "\x42\x30"},
         {"\xFE\xFF\0[\0F\0]\0\n\0s\0=\x30\x42"s, L"F", L"s", "\x42\x30"}});
    EXPECT_EQ((ProfileText{"1\0\x42\x30\x32\0"s, true}.NumberText()), "1\x80\x32");
}

}  // namespace
}  // namespace quendrel
