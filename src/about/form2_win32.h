// TForm2: the about window, shown modally from the tray menu.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

// One line per mixer device, device 0 first ("name Ver major.minor").
std::vector<std::wstring> AboutDeviceLines();

class TForm2 : public Window {
public:
    // Control identifiers. Those inside GroupBox1 are its children.
    enum Control : int {
        BitBtn1 = IDOK,
        GroupBox1 = 100,
        ListBox1,
        Label1,
        Label2,
        Label3,
        Label4,
        Label5,
        Label6,
        Label7,
        Label8,
        Label9,
        HP,
        Mail,
        Image1,
    };

    explicit TForm2(Mixer& mixer);
    bool Create(HWND applicationWindow);
    // A control by identifier, GroupBox1's own included.
    HWND Item(int id) const;
    // Shows the window and returns when it is closed; the configuration
    // window waits meanwhile.
    void ShowModal(HWND configWindow = nullptr);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void CreateControls();
    void HPClick();
    void MailClick();
    void Image1Click() { HPClick(); }
    void SetLinkColor(HWND link, COLORREF color);
    bool OnColor(HDC dc, HWND control, LRESULT& brush);
    static LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);

    Mixer& mixer_;
    UniqueFont font_;
    UniqueFont titleFont_, boldItalicFont_, creditFont_, linkFont_;
    UniqueBitmap okGlyph_, banner_;
    UniqueBrush listBrush_;
    COLORREF hpColor_, mailColor_;
    bool modal_ = false;
};

extern TForm2* Form2;

}  // namespace quendrel
