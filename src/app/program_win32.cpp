#include "app/program_win32.h"

#include <commctrl.h>

#include "app/app_texts.h"
#include "base/identity.h"
#include "cli/command_line_win32.h"
#include "devices/devices_factory_win32.h"
#include "mixer/mixer_factory_win32.h"
#include "win32/paths_win32.h"
#include "win32/text_win32.h"
#include "win32/ui_texts.h"
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
    spec.className = identity::kApplicationClass;
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
    if (!instance_.Acquire(environment_.afterInstanceLook)) {
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
    if (!environment_.devices) environment_.devices = CreateSystemDevices(mixer);
    SoundDevices& devices = *environment_.devices;
    notification_ = std::make_unique<NotificationWindow>(profile_, environment_.findMonitor);
    fontDialogs_ = std::make_unique<NotifyFontDialogs>(profile_, *notification_, environment_.dialogs);
    aboutWindow_ = std::make_unique<AboutWindow>(mixer);
    resident_ =
        std::make_unique<Resident>(Resident::Parts{settings_, mixer, devices, profile_, autoStart_, settingsFile_,
                                                   *aboutWindow_, *notification_, environment_.shell});
    // The view edits the settings and asks the resident for the rest.
    configWindow_ = std::make_unique<ConfigWindow>(settings_, *resident_, mixer, devices, *fontDialogs_);
    ConfigWindow& config = *configWindow_;
    // In this order: the configuration window, the about window, the notification.
    config.Create(application_.hwnd());
    // While it is open the configuration window owns the messages it causes.
    SetMessageBoxes(texts::kAppTitle, application_.hwnd(), config.hwnd());
    // The configuration window is where the system and other programs send
    // everything: the resident starts on it, and shows itself through it.
    resident_->StartUp(config, config);
    aboutWindow_->Create(application_.hwnd());
    notification_->Create(application_.hwnd());
    // After start-up, as from a second start; on a first run the window is
    // open and refuses it.
    if (environment_.action)
        ReportAnswer(AnswerFor(resident_->Submit(*environment_.action)), environment_.action->kind);
    return true;
}

int Program::RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (configWindow_ && configWindow_->PreviewKey(message)) continue;
        if (configWindow_ && configWindow_->hwnd() && IsDialogMessageW(configWindow_->hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void Program::Shutdown() {
    if (resident_) resident_->ShutDown();
    configWindow_.reset();
    resident_.reset();
    aboutWindow_.reset();
    fontDialogs_.reset();
    notification_.reset();
    SetMessageBoxes(texts::kAppTitle, nullptr);
    application_.Destroy();
    instance_.Release();
}

int RunQuendrel() {
    const CommandLine line = ParseCommandLine(CommandLineArguments());
    if (line.outcome == CommandLine::Outcome::kHelp || line.outcome == CommandLine::Outcome::kError)
        return PrintUsage(line);
    if (line.outcome == CommandLine::Outcome::kDevices) {
        // Read here: the list needs no running instance, nor starts one.
        const ComApartment com;
        const auto mixer = CreateSystemMixer();
        return PrintOutputs(*CreateSystemDevices(*mixer));
    }
    ProgramEnvironment environment;
    if (line.outcome == CommandLine::Outcome::kAction) environment.action = line.action;
    Program program(std::move(environment));
    if (!program.Start()) return line.outcome == CommandLine::Outcome::kAction ? ForwardAction(line.action) : 0;
    program.RunMessageLoop();
    program.Shutdown();
    return 0;
}

}  // namespace quendrel
