// TForm2: the about window, shown modally from the tray menu.
#pragma once

#include <windows.h>

#include "win32/controls_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

class TForm2 : public Window {
public:
    // Control identifiers. Those inside GroupBox1 are its children.
    enum ControlId : int {
        kBitBtn1 = IDOK,
        kGroupBox1 = 100,
        kListBox1,
        kLabel1,
        kLabel2,
        kLabel3,
        kLabel4,
        kLabel5,
        kLabel6,
        kLabel7,
        kLabel8,
        kLabel9,
        kHP,
        kMail,
        kImage1,
    };

    explicit TForm2(Mixer& mixer) : mixer_(mixer) {}
    bool Create(HWND applicationWindow);
    // A control by identifier, GroupBox1's own included.
    HWND Item(int id) const;
    // Shows the window and returns when it is closed; the configuration
    // window waits meanwhile.
    void ShowModal(HWND configWindow = nullptr);

    Button BitBtn1;
    GroupBox GroupBox1;
    Control ListBox1, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9;
    Link HP, Mail, Image1;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void CreateControls();
    void HPClick();
    void MailClick();
    void Image1Click() { HPClick(); }
    void BitBtn1Click();

    Mixer& mixer_;
    UniqueFont font_;
    UniqueFont titleFont_, boldItalicFont_, creditFont_, linkFont_;
    UniqueBitmap okGlyph_, banner_;
    bool modal_ = false;
};

// A declaration (set in its .cpp): clang-tidy 14 takes it for a definition.
extern TForm2* Form2;  // NOLINT(bugprone-dynamic-static-initializers)

}  // namespace quendrel
