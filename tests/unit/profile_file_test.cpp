#include "notify/profile_file.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

using Value = std::optional<std::string>;
using namespace std::string_literals;

struct Case {
    std::string file;
    const wchar_t* section;
    const wchar_t* key;
    Value value;  // bytes as found: code page 932, or UTF-16LE
};

void ExpectValues(const std::vector<Case>& cases) {
    LeadBytes shiftJis;
    for (int b = 0x81; b <= 0xFC; ++b) shiftJis.set(b, b <= 0x9F || b >= 0xE0);
    for (const Case& c : cases) {
        const auto text = ProfileFile(c.file, shiftJis).Find(c.section, c.key);
        EXPECT_EQ(text ? Value(text->bytes) : std::nullopt, c.value)
            << '[' << c.section << ']' << c.key << " in " << testing::PrintToString(c.file);
    }
}

TEST(ProfileFile, LinesSectionsAndKeys) {
    ExpectValues({{"[Font]\r\nsize=12\r\n", L"Font", L"size", "12"},
                  {"[FONT]\rChrSet=128\ncolor=5", L"font", L"CHRSET", "128"},  // CR, LF, no last line end
                  {"\t[ Font ]\x1a\r\n\v size\t=\x1a 7 \t\r\n", L"Font", L"size", "7"},
                  {"[Font]\r\nsize=", L"Font", L"size", ""},
                  {"[Font]\r\nsize\r\nsize=3", L"Font", L"size", std::nullopt},  // no '=', and it hides the next
                  {"[Font]\r\n;size=3", L"Font", L"size", std::nullopt},
                  {"[Font]\r\nsize=1\r\nSIZE=2", L"Font", L"size", "1"},
                  {"[Font]\r\nsize=1\r\n[font]\r\ncolor=5", L"Font", L"color", std::nullopt},
                  {"size=1\r\n[Font]", L"Font", L"size", std::nullopt},
                  {"size=1\r\n[Font]", L"", L"size", "1"},
                  {"[Font]\r\n[Changes\r\nFADE=0", L"Font", L"FADE", "0"},  // no ']': a key line
                  {"[Font] x\r\nsize=3", L"Font", L"size", "3"},
                  {"[Font]x]\r\nsize=3", L"Font", L"size", std::nullopt},  // the last ']' closes
                  {"[Fo\0nt]\r\nsi\0ze=4\0 5"s, L"Fo", L"si", "4"},        // a zero ends names and values
                  {"[Font]\r\nsize=1 = 2", L"Font", L"size", "1 = 2"}});
}

TEST(ProfileFile, QuotesAndTheBuffersLength) {
    const std::string ones(2047, '1');
    const std::string quotes = "a=\"12\"\r\nb='1'\r\nc=\"12'\r\nd=\"\r\ne=\" x \"";
    ExpectValues({{quotes, L"", L"a", "12"},
                  {quotes, L"", L"b", "1"},
                  {quotes, L"", L"c", "\"12'"},
                  {quotes, L"", L"d", "\""},
                  {quotes, L"", L"e", " x "},
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
         {"[Changes]\r\n[Font\x83]\r\nsize=3", L"Font", L"size", std::nullopt},
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
