#include "profile/profile_file.h"

#include <algorithm>
#include <utility>

namespace quendrel {
namespace {

constexpr unsigned char kOther = 0x80;      // a character outside ASCII
constexpr std::size_t kBufferUnits = 2048;  // the readers' buffer, its terminating zero included

// What the profile functions trim: ASCII white space and ^Z (DOS end of file).
bool IsSpace(unsigned char code) { return (code >= 0x09 && code <= 0x0d) || code == 0x1a || code == ' '; }

unsigned char Lower(unsigned char code) { return code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code; }

}  // namespace

std::string ProfileText::NumberText() const {
    if (!utf16) return bytes;  // bytes outside ASCII are no digits
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const bool ascii = static_cast<unsigned char>(bytes[i]) < 0x80 && bytes[i + 1] == '\0';
        text += ascii ? bytes[i] : static_cast<char>(kOther);
    }
    return text;
}

ProfileFile::ProfileFile(std::string bytes, const LeadBytes& leadBytes)
    : bytes_(std::move(bytes)), leadBytes_(leadBytes) {
    if (bytes_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        encoding_ = Encoding::kUtf8;
        start_ = 3;
    } else if (bytes_.compare(0, 2, "\xFF\xFE") == 0 || bytes_.compare(0, 2, "\xFE\xFF") == 0) {
        // Big-endian files are turned around once, so that values come out alike.
        if (bytes_[0] == '\xFE')
            for (std::size_t i = 0; i + 1 < bytes_.size(); i += 2) std::swap(bytes_[i], bytes_[i + 1]);
        encoding_ = Encoding::kUtf16;
        start_ = 2;
    }
}

ProfileFile::Char ProfileFile::Decode(std::size_t at) const {
    const auto byte = [this](std::size_t i) { return static_cast<unsigned char>(bytes_[i]); };
    const unsigned char lead = byte(at);
    if (encoding_ == Encoding::kUtf16) {
        const bool ascii = lead < 0x80 && byte(at + 1) == 0;
        return {at, 2, ascii ? lead : kOther, 0};
    }
    if (lead < 0x80) return {at, 1, lead, lead};
    if (encoding_ == Encoding::kAnsi) {
        // A lead byte takes whatever byte follows, even a line break, but not a zero.
        const bool pair = leadBytes_[lead] && at + 1 < bytes_.size() && byte(at + 1) != 0;
        return {at, pair ? 2u : 1u, kOther, 0};
    }

    // UTF-8 as the system's converter cuts it: a broken sequence is one
    // U+FFFD, and a sequence longer than what is left takes all that is left.
    const std::size_t trail = lead >= 0xF5 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : 0;
    if (trail == 0) return {at, 1, kOther, 0xFFFD};
    if (at + trail >= bytes_.size()) return {at, bytes_.size() - at, kOther, 0xFFFD};
    char32_t point = lead & (0x3Fu >> trail);
    for (std::size_t i = 1; i <= trail; ++i) {
        const char32_t bits = byte(at + i) ^ 0x80u;
        if (bits >= 0x40) return {at, i, kOther, 0xFFFD};
        point = point << 6 | bits;
        const std::size_t left = trail - i;
        // Overlong forms, values past U+10FFFF and surrogates, each found
        // where the converter looks for it.
        if (left == 2 && point < 0x10) return {at, i + 1, kOther, 0xFFFD};
        if (left == 1 && point >= (0x110000 >> 6)) return {at, i, kOther, 0xFFFD};
        if (left == 1 && (point < 0x20 || (point >= (0xD800 >> 6) && point <= (0xDFFF >> 6))))
            return {at, i + 1, kOther, 0xFFFD};
    }
    return {at, trail + 1, kOther, point};
}

ProfileText ProfileFile::Value(const Line& line, std::size_t first, std::size_t last) const {
    // Values are kept as C strings: a zero ends them.
    for (std::size_t i = first; i < last; ++i)
        if (line[i].code == 0) last = i;
    const bool quoted = last - first >= 2 && (line[first].code == '"' || line[first].code == '\'') &&
                        line[last - 1].code == line[first].code;
    if (quoted) ++first;

    // UTF-8 comes out as UTF-16; the other encodings give one unit a character.
    ProfileText text;
    text.utf16 = encoding_ != Encoding::kAnsi;
    std::size_t units = last - first;
    if (encoding_ == Encoding::kUtf8) {
        const auto add = [&text](char32_t unit) {
            text.bytes.append({static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)});
        };
        for (std::size_t i = first; i < last; ++i) {
            const char32_t point = line[i].point;
            if (point <= 0xFFFF) {
                add(point);
            } else {
                add(0xD800 + ((point - 0x10000) >> 10));
                add(0xDC00 + (point & 0x3FF));
            }
        }
        units = text.bytes.size() / 2;
    }
    // The reader copies what its buffer holds, then drops the last unit it
    // copied, which is the closing quote unless the buffer cut it off.
    std::size_t kept = std::min(units, kBufferUnits - 1);
    if (quoted && units <= kBufferUnits) --kept;

    if (encoding_ == Encoding::kUtf8) {
        text.bytes.resize(kept * 2);
    } else if (kept > 0) {
        const Char& end = line[first + kept - 1];
        text.bytes = bytes_.substr(line[first].begin, end.begin + end.size - line[first].begin);
    }
    return text;
}

std::optional<ProfileText> ProfileFile::Find(std::wstring_view section, std::wstring_view key) const {
    const auto trim = [](const Line& line, std::size_t& first, std::size_t& last) {
        while (first < last && IsSpace(line[first].code)) ++first;
        while (last > first && IsSpace(line[last - 1].code)) --last;
    };
    const auto named = [](const Line& line, std::size_t first, std::size_t last, std::wstring_view name) {
        for (std::size_t i = first; i < last; ++i)
            if (line[i].code == 0) last = i;  // names are C strings too
        if (last - first != name.size()) return false;
        for (std::size_t i = 0; i < name.size(); ++i)
            if (name[i] >= kOther || Lower(line[first + i].code) != Lower(static_cast<unsigned char>(name[i])))
                return false;
        return true;
    };

    // Lines before the first section header belong to a section without a
    // name. Only the first section of the name is searched, and in it only
    // the first key of the name, even one without a value.
    bool inSection = section.empty();
    Line line;
    // A stray last byte of a UTF-16 file is no character.
    const std::size_t end = encoding_ == Encoding::kUtf16 ? bytes_.size() & ~std::size_t{1} : bytes_.size();
    std::size_t at = start_;
    for (bool more = true; more; line.clear()) {
        // A CR or an LF ends a line, and so does the end of the file.
        while ((more = at < end)) {
            line.push_back(Decode(at));
            at += line.back().size;
            if (line.back().code == '\r' || line.back().code == '\n') break;
        }
        std::size_t first = 0, last = line.size();
        trim(line, first, last);
        if (first == last) continue;
        // A section header runs from '[' to the last ']'; a '[' line without
        // one is a key line.
        std::size_t close = line[first].code == '[' ? last : first;
        while (close > first && line[close - 1].code != ']') --close;
        if (close > first) {
            if (inSection) return std::nullopt;
            std::size_t nameFirst = first + 1, nameLast = close - 1;
            trim(line, nameFirst, nameLast);
            inSection = named(line, nameFirst, nameLast, section);
            continue;
        }
        if (!inSection) continue;
        std::size_t equals = first;
        while (equals < last && line[equals].code != '=') ++equals;
        std::size_t nameLast = equals;
        trim(line, first, nameLast);
        if (!named(line, first, nameLast, key)) continue;
        if (equals == last) return std::nullopt;
        std::size_t valueFirst = equals + 1;
        trim(line, valueFirst, last);
        return Value(line, valueFirst, last);
    }
    return std::nullopt;
}

}  // namespace quendrel
