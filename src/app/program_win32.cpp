#include "app/program_win32.h"

#include <commctrl.h>

#include "cli/action_receiver_win32.h"
#include "app/app_texts.h"
#include "cli/command_line_win32.h"
#include "mixer/mixer_factory_win32.h"
#include "win32/paths_win32.h"
#include "win32/text_win32.h"
#include "win32/trace_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

// Before the title is set a message box is captioned with the executable's
// name up to its first dot, lower-cased from the second character on.
std::wstring DefaultApplicationTitle() {
    std::wstring path = ExecutablePath();
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    name = name.substr(0, name.find(L'.'));
    if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
    return name;
}

std::wstring OrDefault(const std::wstring& given, const std::wstring& fallback) {
    return given.empty() ? fallback : given;
}

std::wstring DataFolder(const ProgramEnvironment& environment) {
    return WithTrailingBackslash(OrDefault(environment.dataFolder, ExecutableFolder()));
}

}  // namespace

bool ApplicationWindow::Create() {
    const std::wstring title = Widen(texts::kAppTitle);
    WindowSpec spec;
    spec.className = L"TApplication";
    spec.caption = title.c_str();
    spec.exStyle = WS_EX_TOOLWINDOW;
    return CreateNative(spec);
}

Program::Program(ProgramEnvironment environment)
    : environment_(std::move(environment)),
      profile_(DataFolder(environment_) + L"NotifyFont.ini"),
      autoStart_(OrDefault(environment_.runKey, AutoStart::kRunKey),
                 OrDefault(environment_.executablePath, ExecutablePath())),
      settingsFile_(DataFolder(environment_) + L"SndCols.ini") {}

Program::~Program() { Shutdown(); }

bool Program::Start() {
    const std::wstring mutexName = Widen(texts::kMutexName);
    bool running = false;
    if (HANDLE existing = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str())) {
        CloseHandle(existing);
        running = true;
    } else {
        if (environment_.afterInstanceLook) environment_.afterInstanceLook();
        mutex_.reset(CreateMutexW(nullptr, TRUE, mutexName.c_str()));
        // Another instance made it after the look above (both started at the
        // same moment), or made it with rights that this one lacks.
        const DWORD error = GetLastError();
        running = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
        if (!mutex_ && !running) TraceLastError(L"CreateMutexW");
    }
    if (running) {
        mutex_.reset();
        if (!environment_.action)
            MessageBoxW(nullptr, Widen(texts::kAlreadyRunning).c_str(), DefaultApplicationTitle().c_str(),
                        MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
        return false;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    application_.Create();
    SetWindowLongPtrW(application_.hwnd(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetMessageBoxes(texts::kAppTitle, application_.hwnd());

    if (!environment_.mixer) environment_.mixer = CreateSystemMixer();
    Mixer& mixer = *environment_.mixer;
    form3_ = std::make_unique<TForm3>(profile_);
    fontDialogs_ =
        std::make_unique<NotifyFontDialogs>(profile_, *form3_, environment_.fontDialog, environment_.colorDialog);
    form2_ = std::make_unique<TForm2>(mixer);
    form1_ = std::make_unique<TForm1>(TForm1Parts{mixer, profile_, autoStart_, settingsFile_, *form2_, *form3_,
                                                  *fontDialogs_, environment_.shellNotify});
    // In this order; each window's global is set before its creation code runs.
    form1_->Create(application_.hwnd());
    // While it is open the configuration window owns the messages it causes.
    SetMessageBoxes(texts::kAppTitle, application_.hwnd(), form1_->hwnd());
    form2_->Create(application_.hwnd());
    form3_->Create(application_.hwnd());
    // After FormCreate, as from a second start; on a first run the window is
    // open and refuses it.
    if (environment_.action) ReportAnswer(PerformAction(*form1_, *environment_.action));
    return true;
}

int Program::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form1_ && form1_->PreviewKey(message)) continue;
        if (form1_ && form1_->hwnd() && IsDialogMessageW(form1_->hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void Program::Shutdown() {
    if (form1_) {
        form1_->trayIcon().Delete();  // nothing when Close1 already took it away
        form1_->RemoveHook();
    }
    form1_.reset();
    form2_.reset();
    fontDialogs_.reset();
    form3_.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    SetMessageBoxes(texts::kAppTitle, nullptr);
    application_.Destroy();
    if (mutex_) {
        ReleaseMutex(mutex_.get());
        mutex_.reset();
    }
}

int RunQuendrel() {
    const CommandLine line = ParseCommandLine(CommandLineArguments());
    if (line.outcome == CommandLine::Outcome::kHelp || line.outcome == CommandLine::Outcome::kError)
        return PrintUsage(line);
    ProgramEnvironment environment;
    if (line.outcome == CommandLine::Outcome::kAction) environment.action = line.action;
    Program program(std::move(environment));
    if (!program.Start()) return line.outcome == CommandLine::Outcome::kAction ? ForwardAction(line.action) : 0;
    program.RunMessageLoop();
    program.Shutdown();
    return 0;
}

}  // namespace quendrel
