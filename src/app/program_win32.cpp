#include "app/program_win32.h"

#include <commctrl.h>

#include "app/app_paths_win32.h"
#include "app/app_texts.h"
#include "mixer/mixer_factory_win32.h"
#include "win32/text_win32.h"
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

}  // namespace

bool ApplicationWindow::Create() {
    return CreateNative(L"TApplication", WS_EX_TOOLWINDOW, WS_POPUP, Widen(texts::kAppTitle).c_str(), 0, 0, 0, 0,
                        nullptr);
}

Program::Program(std::unique_ptr<Mixer> mixer) : mixer_(std::move(mixer)) {}

Program::~Program() { Shutdown(); }

bool Program::Start() {
    const std::wstring mutexName = Widen(texts::kMutexName);
    if (HANDLE existing = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str())) {
        CloseHandle(existing);
        MessageBoxW(nullptr, Widen(texts::kAlreadyRunning).c_str(), DefaultApplicationTitle().c_str(),
                    MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
        return false;
    }
    mutex_ = CreateMutexW(nullptr, TRUE, mutexName.c_str());

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);

    application_.Create();
    SetWindowLongPtrW(application_.hwnd(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetMessageOwner(application_.hwnd());

    if (!mixer_) mixer_ = CreateSystemMixer();
    form1_ = std::make_unique<TForm1>(*mixer_);
    form1_->Create(application_.hwnd());
    form2_ = std::make_unique<TForm2>(*mixer_);
    form2_->Create(application_.hwnd());
    form3_ = std::make_unique<TForm3>();
    form3_->Create(application_.hwnd());
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
        form1_->DeleteTrayIcon();  // nothing when Close1 already took it away
        form1_->RemoveHook();
    }
    form3_.reset();
    form2_.reset();
    form1_.reset();
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    SetMessageOwner(nullptr);
    application_.Destroy();
    if (mutex_) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
        mutex_ = nullptr;
    }
}

int RunQuendrel() {
    Program program;
    if (!program.Start()) return 0;
    program.RunMessageLoop();
    program.Shutdown();
    return 0;
}

}  // namespace quendrel
