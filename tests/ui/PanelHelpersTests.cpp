// Panel services shared by both utilities, on real dialogs.
#include <string>

#include "DialogDriver.h"
#include "HostTest.h"
#include "OutsideClasses.h"
#include "PanelHelpers.h"
#include "StandIn.h"
#include "resource.h"

namespace {

class PanelHelpersTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        hInstance = GetModuleHandleA(nullptr);
    }
};

TEST_F(PanelHelpersTest, StringTableHoldsEveryText) {
    struct Row {
        int id;
        const char* text;
    } rows[] = {
        {IDS_LIB_DESCRIPTION, "Varnel 3 Converter (NALDEK)"},
        {IDS_UNDO_CONVERT, "Varnel 3 Convert"},
        {IDS_CONFIRM_TITLE, "Varnel 3 Converter"},
        {IDS_MTL_CONVERTER, "Varnel 3 Material Converter"},
        {IDS_LINE_CONVERTER, "Varnel 3 Line Converter"},
        {IDS_SELECT_VRN3_MTL, "Please Select Varnel 3 Material."},
        {IDS_NOT_LOADED, "Varnel 3 is not loaded."},
        {IDS_SELECT_REFERENCE_MTL, "Please Select Reference Varnel 3 Material."},
        {IDS_ADD_MATERIALS, "Add Materials"},
        {IDS_DELETE_MATERIALS, "Delete Materials"},
        {IDS_SCENE, "Scene"},
        {IDS_MTL_EDITOR, "Material Editor"},
    };
    for (const Row& row : rows) {
        const char* text = LoadResText(row.id);
        ASSERT_NE(text, nullptr) << "string " << row.id;
        EXPECT_STREQ(text, row.text) << "string " << row.id;
    }
}

TEST_F(PanelHelpersTest, EveryLoadOverwritesTheOneBuffer) {
    const char* caption = LoadResText(IDS_MTL_CONVERTER);
    const char* text = LoadResText(IDS_SELECT_REFERENCE_MTL);
    EXPECT_EQ(caption, text);
    EXPECT_STREQ(caption, "Please Select Reference Varnel 3 Material.");
}

TEST_F(PanelHelpersTest, MissingStringOrModuleGivesNone) {
    EXPECT_EQ(LoadResText(4242), nullptr);
    hInstance = nullptr;
    EXPECT_EQ(LoadResText(IDS_SCENE), nullptr);
}

TEST_F(PanelHelpersTest, VersionLabelOfThisRelease) {
    EXPECT_STREQ(FormatVersionLabel().data(), "Version 0.86");
}

TEST_F(PanelHelpersTest, ConfirmAnswersByButtonAndKey) {
    struct Row {
        const char* name;
        DialogDriver::Step step;
        INT_PTR expected;
    } rows[] = {
        {"OK", [](HWND dlg) { DialogDriver::Click(dlg, IDOK); }, IDOK},
        {"CANCEL", [](HWND dlg) { DialogDriver::Click(dlg, IDCANCEL); }, IDCANCEL},
        {"Escape", [](HWND dlg) { DialogDriver::PressKey(dlg, VK_ESCAPE); }, IDCANCEL},
        {"Enter", [](HWND dlg) { DialogDriver::PressKey(dlg, VK_RETURN); }, IDOK},
    };
    HWND owner = ip->GetMAXHWnd();
    for (const Row& row : rows) {
        DialogDriver driver;
        std::string title;
        driver.Then([&](HWND dlg) {
            title = DialogDriver::Text(dlg);
            row.step(dlg);
        });
        EXPECT_EQ(ConfirmConvert(owner), row.expected) << row.name;
        EXPECT_EQ(title, "Varnel 3 Converter") << row.name;
    }
}

TEST_F(PanelHelpersTest, ConfirmShowsItsQuestionAndButtons) {
    DialogDriver driver;
    driver.Then([](HWND dlg) {
        EXPECT_EQ(DialogDriver::ItemText(dlg, IDOK), "OK");
        EXPECT_EQ(DialogDriver::ItemText(dlg, IDCANCEL), "CANCEL");
        bool found = false;
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            found = found || DialogDriver::Text(c) == "Proceed with convert?";
        EXPECT_TRUE(found);
        DialogDriver::Click(dlg, IDOK);
    });
    ConfirmConvert(ip->GetMAXHWnd());
}

TEST_F(PanelHelpersTest, ConfirmIsCentredOverItsParent) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 80, 600, 400,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    RECT dlgRect = {};
    DialogDriver driver;
    driver.Then([&](HWND dlg) {
        GetWindowRect(dlg, &dlgRect);
        DialogDriver::Click(dlg, IDOK);
    });
    ConfirmConvert(parent);
    EXPECT_NEAR((dlgRect.left + dlgRect.right) / 2, 400, 1);
    EXPECT_NEAR((dlgRect.top + dlgRect.bottom) / 2, 280, 1);
    DestroyWindow(parent);
}

TEST_F(PanelHelpersTest, Varnel3AvailableWithItsMaterial) {
    int before = StandIn::LiveTargetCount();
    EXPECT_TRUE(IsVarnel3Available());
    EXPECT_EQ(StandIn::LiveTargetCount(), before) << "the probe material is not kept";
}

class HostWithoutVarnel3 : public PanelHelpersTest {
protected:
    void RegisterClasses() override { RegisterHostMaterials(); }
};

TEST_F(HostWithoutVarnel3, Varnel3NotAvailable) { EXPECT_FALSE(IsVarnel3Available()); }

TEST_F(HostWithoutVarnel3, NotLoadedPageShowsVersionAndMessage) {
    HWND page = AddNotLoadedPage(ip, "Title");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(StandIn::NumRollupPages(), 1);
    EXPECT_STREQ(StandIn::RollupPageTitle(0).data(), "Title");
    EXPECT_EQ(DialogDriver::ItemText(page, IDC_VERSION), "Version 0.86");
    EXPECT_EQ(DialogDriver::ItemText(page, IDC_MESSAGE), "Varnel 3 is not loaded.");
    ip->DeleteRollupPage(page);
    EXPECT_EQ(StandIn::NumRollupPages(), 0);
}

}  // namespace
