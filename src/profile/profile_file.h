// A profile (INI) file parsed in memory from its bytes, answering keys as
// GetPrivateProfileString does, so that one read of the file serves every
// key of a show.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendrel {

// The bytes of the ANSI code page that begin a two-byte character (none for a
// single-byte code page).
using LeadBytes = std::bitset<256>;

// A key's value: bytes of the ANSI code page, or UTF-16 little-endian when
// the file starts with a UTF-8 or UTF-16 byte order mark.
struct ProfileText {
    std::string bytes;
    bool utf16 = false;

    // The value for the integer syntax: each character outside ASCII becomes
    // a byte that no number accepts.
    std::string NumberText() const;
};

// The profile functions' rules: a CR or an LF ends a line; blanks (ASCII
// white space and ^Z) around lines, names and values are dropped; a line from
// '[' to its last ']' starts a section, any other line is a key named up to
// its first '=' (without '=', a key without a value); names match without
// regard to ASCII case; a zero ends a name or a value; only the first section
// of a name is searched, and in it the first key of a name wins; a value in
// matching quotes loses them.
class ProfileFile {
public:
    // No file: every key is missing.
    ProfileFile() = default;
    ProfileFile(std::string bytes, const LeadBytes& leadBytes);

    // The key's value as GetPrivateProfileString copies it into a buffer of
    // 2048 characters; nothing when the section or the key is missing or the
    // key's line has no '='. Names are ASCII (wide, as the Win32 side holds
    // them), without blanks around them; the section without a name holds the
    // lines before the first header.
    std::optional<ProfileText> Find(std::wstring_view section, std::wstring_view key) const;

private:
    enum class Encoding { kAnsi, kUtf8, kUtf16 };
    // One character of the file as the system decodes it.
    struct Char {
        std::size_t begin;   // its first byte
        std::size_t size;    // bytes
        unsigned char code;  // itself when ASCII, kOther otherwise
        char32_t point;      // what a UTF-8 sequence decodes to
    };
    using Line = std::vector<Char>;

    Char Decode(std::size_t at) const;
    ProfileText Value(const Line& line, std::size_t first, std::size_t last) const;

    std::string bytes_;
    std::size_t start_ = 0;  // past the byte order mark
    Encoding encoding_ = Encoding::kAnsi;
    LeadBytes leadBytes_;
};

}  // namespace quendrel
