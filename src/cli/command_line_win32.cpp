#include "cli/command_line_win32.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string_view>

#include "base/decimal.h"
#include "base/identity.h"
#include "base/utf8.h"
#include "cli/cli_texts.h"
#include "win32/handles_win32.h"
#include "win32/text_win32.h"

namespace quendrel {
namespace {

bool IsHandle(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }

void WriteUtf8(HANDLE handle, std::string_view utf8) {
    DWORD written = 0;
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

void WriteWide(HANDLE handle, std::string_view utf8) {
    const std::wstring wide = Widen(utf8);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

// A GUI program has no console of its own: the text goes to the file or pipe
// the handle was redirected to, or else to the console of the program that
// started this one. Never a message box, which would hold a script up.
void Print(DWORD stream, std::string_view utf8) {
    const HANDLE handle = GetStdHandle(stream);
    const DWORD type = IsHandle(handle) ? GetFileType(handle) : FILE_TYPE_UNKNOWN;
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) {
        WriteUtf8(handle, utf8);
        return;
    }
    // Attached only while writing: a resident instance left on the console
    // would be ended when the console closes.
    const bool attached = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    const ScopeExit detach([attached] {
        if (attached) FreeConsole();
    });
    DWORD mode = 0;
    if (type == FILE_TYPE_CHAR && GetConsoleMode(handle, &mode)) {
        WriteWide(handle, utf8);
    } else if (type == FILE_TYPE_CHAR) {
        WriteUtf8(handle, utf8);  // NUL and the like
    } else if (attached) {
        const UniqueKernelHandle console(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                                     nullptr));
        if (console) WriteWide(console.get(), utf8);
    }
}

// The configuration window of the instance that holds the mutex.
HWND FindRunningInstance() {
    const std::wstring caption = Widen(identity::kConfigCaption);
    HWND window = FindWindowW(identity::kConfigClass, caption.c_str());
    DWORD pid = 0;
    if (window) GetWindowThreadProcessId(window, &pid);
    return window && pid != GetCurrentProcessId() ? window : nullptr;
}

Answer Forward(const Action& action) {
    const DWORD start = GetTickCount();
    const auto left = [start]() -> DWORD {
        const DWORD spent = GetTickCount() - start;
        return spent < kAnswerWaitMilliseconds ? kAnswerWaitMilliseconds - spent : 0;
    };
    // An instance that has just made its mutex may not have its window yet.
    HWND window = FindRunningInstance();
    while (!window && left() > 0) {
        Sleep(100);
        window = FindRunningInstance();
    }
    if (!window) return Answer::kNoAnswer;

    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    AllowSetForegroundWindow(pid);  // /open brings the window to the front
    std::vector<std::uint8_t> payload = EncodeAction(action);
    COPYDATASTRUCT data{identity::kCopyDataId, static_cast<DWORD>(payload.size()), payload.data()};
    DWORD_PTR result = 0;
    const DWORD timeout = left() > 0 ? left() : 1;
    if (!SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, timeout,
                             &result))
        return Answer::kNoAnswer;
    return AnswerFromResult(static_cast<std::intptr_t>(result));
}

}  // namespace

std::vector<Utf16String> CommandLineArguments() {
    std::vector<Utf16String> args;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    const UniqueLocal owned(argv);
    for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
    return args;
}

int PrintUsage(const CommandLine& line) {
    if (line.outcome == CommandLine::Outcome::kHelp) {
        Print(STD_OUTPUT_HANDLE, UsageText());
        return static_cast<int>(Answer::kDone);
    }
    Print(STD_ERROR_HANDLE, std::string(ErrorText(line.error)) + "\r\n" + UsageText());
    return static_cast<int>(Answer::kBadUsage);
}

int ForwardAction(const Action& action) {
    const Answer answer = Forward(action);
    ReportAnswer(answer, action.kind);
    return static_cast<int>(answer);
}

void ReportAnswer(Answer answer, ActionKind kind) {
    if (const char* text = AnswerText(answer, kind)) Print(STD_ERROR_HANDLE, std::string(text) + "\r\n");
}

int PrintOutputs(SoundDevices& devices) {
    std::string lines;
    std::int64_t number = 0;
    for (const OutputDevice& device : devices.Outputs()) {
        lines += FormatDecimal(++number) + "\t" + WideToUtf8(device.name);
        if (device.isDefault) lines += std::string("\t") + texts::kDefaultOutputMark;
        lines += "\r\n";
    }
    Print(STD_OUTPUT_HANDLE, lines);
    return static_cast<int>(Answer::kDone);
}

}  // namespace quendrel
