// Host services that take windows: custom controls, rollup pages, centring.
#include <windows.h>

#include "CustCont.h"
#include "HostTest.h"
#include "WinUtil.h"

namespace {

class WinServicesTest : public HostTest {
protected:
    HWND Make(const char* cls, const char* text) {
        return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, ip->GetMAXHWnd(),
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
};

TEST_F(WinServicesTest, CustomEditByClassName) {
    HWND hEdit = Make(CUSTEDITWINDOWCLASS, "start");
    ASSERT_NE(hEdit, nullptr);
    ICustEdit* edit = GetICustEdit(hEdit);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetHwnd(), hEdit);
    edit->SetText("abcdef");
    EXPECT_EQ(edit->GetTextLength(), 6);
    char small[4] = {'?', '?', '?', '?'};
    edit->GetText(small, sizeof small);
    EXPECT_STREQ(small, "abc");
    edit->Disable();
    EXPECT_FALSE(edit->IsEnabled());
    edit->Enable();
    EXPECT_TRUE(edit->IsEnabled());
    EXPECT_EQ(GetICustButton(hEdit), nullptr);
    ReleaseICustEdit(edit);
    DestroyWindow(hEdit);
}

TEST_F(WinServicesTest, CustomButtonByClassName) {
    HWND hButton = Make(CUSTBUTTONWINDOWCLASS, "");
    ICustButton* button = GetICustButton(hButton);
    ASSERT_NE(button, nullptr);
    button->SetText("None");
    char text[16] = {};
    button->GetText(text, sizeof text);
    EXPECT_STREQ(text, "None");
    button->Enable(FALSE);
    EXPECT_FALSE(button->IsEnabled());
    EXPECT_EQ(GetICustEdit(hButton), nullptr);
    ReleaseICustButton(button);
    DestroyWindow(hButton);
}

TEST_F(WinServicesTest, SystemControlsAreNotCustomControls) {
    HWND hEdit = Make("EDIT", "");
    EXPECT_EQ(GetICustEdit(hEdit), nullptr);
    EXPECT_EQ(GetICustEdit(nullptr), nullptr);
    EXPECT_EQ(GetICustButton(nullptr), nullptr);
    DestroyWindow(hEdit);
}

TEST_F(WinServicesTest, DeletingAnUnknownPageIsReported) {
    ip->DeleteRollupPage(ip->GetMAXHWnd());
    EXPECT_TRUE(TookDiagnostic("is not a rollup page"));
}

TEST_F(WinServicesTest, CenterWindowCentresOverTheParent) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HWND child = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    CenterWindow(child, parent);
    RECT r = {};
    GetWindowRect(child, &r);
    EXPECT_EQ(r.left, 250);
    EXPECT_EQ(r.top, 225);
    DestroyWindow(child);
    DestroyWindow(parent);
}

}  // namespace
