#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "win_test_support.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    quendrel::test::PrimaryWorkArea();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
