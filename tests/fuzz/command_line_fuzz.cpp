// The WM_COPYDATA decoder gets the input as a payload: whatever it takes must
// encode back to the very same bytes and resolve to a used record or none.
// The parser gets the input as UTF-16LE arguments split at U+FFFF: every
// action it makes must survive the trip through the payload unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "table/setting_table.h"

using namespace quendrel;

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// ASCII only, standing in for the Win32 side's code page 932 conversion.
std::string AsciiOf(const std::u16string& name) {
    std::string bytes;
    for (char16_t unit : name) {
        if (unit >= 0x80) return {};
        bytes += static_cast<char>(unit);
    }
    return bytes;
}

const SettingTable& Table() {
    static const SettingTable table = [] {
        SettingTable t;
        t.SetDefaults();
        for (const char* name : {"a", "Night", "a", "1"}) t.AppendPresetRecord(name, 50, 0);
        return t;
    }();
    return table;
}

void CheckDecoded(const Action& action) {
    Check(action.name.size() <= kMaxActionNameUnits);
    if (action.kind == ActionKind::kVolume) Check(action.number <= 100);
    const std::string name = AsciiOf(action.name);
    const auto record = ActionRecord(action, Table(), name);
    if (!record) return;
    Check(*record < Table().UsedRecords() && *record != kNotifySlot);
    if (action.kind == ActionKind::kPresetByName) Check(Table()[*record].Name() == name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto action = DecodeAction(data, size)) {
        Check(EncodeAction(*action) == std::vector<std::uint8_t>(data, data + size));
        CheckDecoded(*action);
    }

    std::vector<std::u16string> args(1);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0xFFFF)
            args.emplace_back();
        else
            args.back() += unit;
    }
    if (size < 2) args.clear();
    const CommandLine parsed = ParseCommandLine(args);
    Check(parsed.outcome != CommandLine::Outcome::kStart || args.empty());
    if (parsed.outcome == CommandLine::Outcome::kError) Check(ErrorText(parsed.error) != nullptr);
    if (parsed.outcome != CommandLine::Outcome::kAction) return 0;
    const auto bytes = EncodeAction(parsed.action);
    Check(bytes.size() <= kMaxPayloadSize);
    const auto back = DecodeAction(bytes.data(), bytes.size());
    Check(back.has_value() && *back == parsed.action);
    CheckDecoded(*back);
    return 0;
}
