// The line converter's panel through its real dialog procedure: options, the
// saved state, the Convert command and the message panel.
#include <algorithm>
#include <string>

#include "DialogDriver.h"
#include "HostTest.h"
#include "LineConverterPanel.h"
#include "OutsideClasses.h"
#include "PanelHelpers.h"
#include "StandIn.h"
#include "resource.h"

namespace {

class LineConverterTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        hInstance = GetModuleHandleA(nullptr);
        std::copy(lineConverterChecks, lineConverterChecks + NUM_LINE_CONVERTER_CHECKS,
                  savedChecks);
        savedSuffix = lineSuffix;
    }
    void TearDown() override {
        if (theLineConverter.hPanel) Close();
        std::copy(savedChecks, savedChecks + NUM_LINE_CONVERTER_CHECKS, lineConverterChecks);
        lineSuffix = savedSuffix;
        HostTest::TearDown();
    }

    HWND Open() {
        theLineConverter.BeginEditParams(ip, nullptr);
        return theLineConverter.hPanel;
    }
    void Close() { theLineConverter.EndEditParams(ip, nullptr); }

    static void Click(HWND panel, int id) { SendMessageA(GetDlgItem(panel, id), BM_CLICK, 0, 0); }
    static bool Checked(HWND panel, int id) {
        return SendDlgItemMessageA(panel, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static HWND Edit(HWND panel) { return GetDlgItem(panel, IDC_SUFFIX_EDIT); }

    Effect* AddPlainEffect(const char* name) {
        Effect* e = new Effect;
        e->SetName(name);
        ip->AddEffect(e);
        return e;
    }

    LineConverterCheck savedChecks[NUM_LINE_CONVERTER_CHECKS];
    CStr savedSuffix;
};

TEST_F(LineConverterTest, FirstOpeningShowsTheDefaults) {
    HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(theLineConverter.messagePanel, 0);
    EXPECT_STREQ(StandIn::RollupPageTitle(0).data(), "Varnel 3 Line Converter");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_VERSION), "Version 0.86");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_LINE_CONVERT), "Convert");
    EXPECT_TRUE(Checked(panel, IDC_CHK_DELETE_VRN2_LINES));
    EXPECT_FALSE(Checked(panel, IDC_CHK_ADD_SUFFIX));
    EXPECT_EQ(DialogDriver::Text(Edit(panel)), "_VRN3");
    EXPECT_FALSE(IsWindowEnabled(Edit(panel)));
}

TEST_F(LineConverterTest, AddSuffixEnablesTheEditWithoutChangingItsText) {
    HWND panel = Open();
    SetWindowTextA(Edit(panel), "_edited");
    Click(panel, IDC_CHK_ADD_SUFFIX);
    EXPECT_TRUE(IsWindowEnabled(Edit(panel)));
    EXPECT_EQ(DialogDriver::Text(Edit(panel)), "_edited");
    Click(panel, IDC_CHK_ADD_SUFFIX);
    EXPECT_FALSE(IsWindowEnabled(Edit(panel)));
    EXPECT_EQ(DialogDriver::Text(Edit(panel)), "_edited");
}

TEST_F(LineConverterTest, StateSurvivesClosingAndReopening) {
    struct Row {
        const char* name;
        bool deleteOld;
        bool addSuffix;
        const char* suffix;
    } rows[] = {
        {"suffix ticked", false, true, "_new"},
        {"suffix not ticked: the text is kept anyway", true, false, "_kept"},
        {"empty suffix", false, true, ""},
    };
    for (const Row& row : rows) {
        HWND panel = Open();
        if (Checked(panel, IDC_CHK_DELETE_VRN2_LINES) != row.deleteOld)
            Click(panel, IDC_CHK_DELETE_VRN2_LINES);
        if (Checked(panel, IDC_CHK_ADD_SUFFIX) != row.addSuffix) Click(panel, IDC_CHK_ADD_SUFFIX);
        SetWindowTextA(Edit(panel), row.suffix);
        Close();

        panel = Open();
        EXPECT_EQ(Checked(panel, IDC_CHK_DELETE_VRN2_LINES), row.deleteOld) << row.name;
        EXPECT_EQ(Checked(panel, IDC_CHK_ADD_SUFFIX), row.addSuffix) << row.name;
        EXPECT_EQ(DialogDriver::Text(Edit(panel)), row.suffix) << row.name;
        EXPECT_EQ(IsWindowEnabled(Edit(panel)) != 0, row.addSuffix) << row.name;
        Close();
    }
}

TEST_F(LineConverterTest, LongSuffixIsCutToItsLimit) {
    HWND panel = Open();
    std::string longText(400, 'x');
    longText[0] = '_';
    SetWindowTextA(Edit(panel), longText.c_str());
    Close();
    ASSERT_EQ(lineSuffix.Length(), MAX_LINE_SUFFIX);
    EXPECT_EQ(std::string(lineSuffix.data()), longText.substr(0, MAX_LINE_SUFFIX));
}

TEST_F(LineConverterTest, ConvertAsksFirstAndLeavesOtherEffectsAlone) {
    struct Row {
        const char* name;
        int answer;
    } rows[] = {{"OK", IDOK}, {"CANCEL", IDCANCEL}};
    Effect* first = AddPlainEffect("first");
    Effect* second = AddPlainEffect("second");
    for (const Row& row : rows) {
        HWND panel = Open();
        Click(panel, IDC_CHK_ADD_SUFFIX);
        DialogDriver driver;
        driver.Then([&](HWND dlg) {
            EXPECT_EQ(DialogDriver::Text(dlg), "Varnel 3 Converter") << row.name;
            DialogDriver::Click(dlg, row.answer);
        });
        Click(panel, IDC_LINE_CONVERT);
        EXPECT_EQ(driver.DialogsSeen(), 1) << row.name;

        // Effects that are no Varnel 2 line effects stay, even with deletion ticked.
        ASSERT_EQ(ip->NumEffects(), 2) << row.name;
        EXPECT_EQ(ip->GetEffect(0), first) << row.name;
        EXPECT_EQ(ip->GetEffect(1), second) << row.name;
        EXPECT_EQ(theHold.NumUndoSteps(), 0) << row.name;
        Close();
    }
}

class LineConverterWithoutVarnel3 : public LineConverterTest {
protected:
    void RegisterClasses() override { RegisterHostMaterials(); }
};

TEST_F(LineConverterWithoutVarnel3, MessagePanelLeavesTheSavedStateAlone) {
    lineConverterChecks[0].state = 0;
    lineConverterChecks[1].state = 1;
    lineSuffix = "_mine";
    HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(theLineConverter.messagePanel, 1);
    EXPECT_STREQ(StandIn::RollupPageTitle(0).data(), "Varnel 3 Line Converter");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_VERSION), "Version 0.86");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_MESSAGE), "Varnel 3 is not loaded.");
    Close();
    EXPECT_EQ(lineConverterChecks[0].state, 0);
    EXPECT_EQ(lineConverterChecks[1].state, 1);
    EXPECT_STREQ(lineSuffix.data(), "_mine");
    EXPECT_EQ(StandIn::NumRollupPages(), 0);
}

}  // namespace
