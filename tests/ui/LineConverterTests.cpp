// The line converter's panel through its real dialog procedure: options, the
// saved state, the Convert command and the message panel.
#include <algorithm>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "HostTest.h"
#include "LineConverterPanel.h"
#include "OutsideClassDesc.h"
#include "OutsideClasses.h"
#include "PanelHelpers.h"
#include "SceneBuilder.h"
#include "StandIn.h"
#include "Vrn2LineEffect.h"
#include "Vrn3LineEffect.h"
#include "Vrn3Mtl.h"
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

    // A Varnel 2 line effect in the scene with lineSets empty line sets.
    Effect* AddVrn2Effect(const char* name, int lineSets = 0) {
        auto* e = Scene::Create<Vrn2LineEffect>(RENDER_EFFECT_CLASS_ID);
        e->SetName(name);
        for (int i = 0; i < lineSets; ++i)
            e->AddLineSet(Scene::Create<Vrn2LineSet>(RENDER_EFFECT_CLASS_ID));
        ip->AddEffect(e);
        return e;
    }

    // Sets the options on a freshly opened panel, presses Convert, answers OK
    // and closes the panel again.
    void ConvertWith(bool deleteOld, bool addSuffix, const char* suffix) {
        HWND panel = Open();
        if (Checked(panel, IDC_CHK_DELETE_VRN2_LINES) != deleteOld)
            Click(panel, IDC_CHK_DELETE_VRN2_LINES);
        if (Checked(panel, IDC_CHK_ADD_SUFFIX) != addSuffix) Click(panel, IDC_CHK_ADD_SUFFIX);
        SetWindowTextA(Edit(panel), suffix);
        DialogDriver driver;
        driver.Then([](HWND dlg) { DialogDriver::Click(dlg, IDOK); });
        Click(panel, IDC_LINE_CONVERT);
        EXPECT_EQ(driver.DialogsSeen(), 1);
        Close();
    }

    std::vector<Effect*> Effects() {
        std::vector<Effect*> effects;
        for (int i = 0; i < ip->NumEffects(); ++i) effects.push_back(ip->GetEffect(i));
        return effects;
    }
    // The scene's effects as "class: name", with the number of line sets of a
    // Varnel 3 line effect.
    std::vector<std::string> Described() {
        std::vector<std::string> lines;
        for (Effect* e : Effects()) {
            CStr cls;
            e->GetClassName(cls);
            std::string line = std::string(cls.data()) + ": " + e->GetName().data();
            if (e->ClassID() == Vrn3LineEffect::CLASS_ID)
                line += " [" + std::to_string(static_cast<Vrn3LineEffect*>(e)->LineSets().Count()) +
                        " line sets]";
            lines.push_back(line);
        }
        return lines;
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

TEST_F(LineConverterTest, SuffixWiderThanTheEditCanBeTyped) {
    HWND panel = Open();
    Click(panel, IDC_CHK_ADD_SUFFIX);
    HWND edit = Edit(panel);
    SetWindowTextA(edit, "");
    // Far wider than the box: an edit that cannot scroll refuses the keys
    // that no longer fit.
    const std::string typed(120, 'W');
    for (char c : typed) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
    EXPECT_EQ(DialogDriver::Text(edit), typed);
    Close();
    EXPECT_EQ(std::string(lineSuffix.data()), typed);
}

TEST_F(LineConverterTest, CutNeverSplitsADoubleByteCharacter) {
    // In code page 932, 0x82 (\202) leads a double-byte character and 0xA0
    // (\240) can trail one.
    struct Row {
        const char* name;
        const char* text;
        int maxBytes;
        UINT codePage;
        int expected;
    } rows[] = {
        {"single bytes, cut at the limit", "abcdef", 4, 932, 4},
        {"shorter than the limit", "ab", 4, 932, 2},
        {"empty", "", 4, 932, 0},
        {"pair inside the limit", "a\202\240b", 4, 932, 4},
        {"pair ending at the limit", "ab\202\240c", 4, 932, 4},
        {"limit between lead and trail byte", "abc\202\240", 4, 932, 3},
        {"lead byte that ends the text", "ab\202", 4, 932, 2},
        {"a lead byte value in trail place belongs to its pair", "\202\202\202\240", 3, 932, 2},
        {"single-byte code page: 0x82 is a character", "abc\202\240", 4, 1252, 4},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CharBoundaryLength(row.text, row.maxBytes, row.codePage), row.expected)
            << row.name;
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

TEST_F(LineConverterTest, NamesOfTheNewEffectsFollowTheSuffixOption) {
    std::string longSuffix;
    for (int i = 0; i < 400; ++i) longSuffix += static_cast<char>('a' + i % 26);
    struct Row {
        const char* name;
        bool addSuffix;
        std::string suffix;
        std::string expected;
    } rows[] = {
        {"suffix ticked", true, "_VRN3", "Varnel 2 Line_VRN3"},
        {"suffix ticked, edit empty: the digit changes", true, "", "Varnel 3 Line"},
        {"suffix not ticked: the edit is ignored", false, "_ignored", "Varnel 3 Line"},
        {"suffix longer than the limit: its first 255 characters", true, longSuffix,
         "Varnel 2 Line" + longSuffix.substr(0, 255)},
    };
    for (const Row& row : rows) {
        Effect* old = AddVrn2Effect("Varnel 2 Line");
        ConvertWith(true, row.addSuffix, row.suffix.c_str());
        ASSERT_EQ(ip->NumEffects(), 1) << row.name;
        Effect* made = ip->GetEffect(0);
        EXPECT_EQ(made->ClassID(), Vrn3LineEffect::CLASS_ID) << row.name;
        EXPECT_EQ(std::string(made->GetName().data()), row.expected) << row.name;
        EXPECT_STREQ(old->GetName().data(), "Varnel 2 Line") << row.name;
        ip->DeleteEffect(0);
    }
}

TEST_F(LineConverterTest, ConvertAddsAndDeletesAsOneUndoStep) {
    struct Row {
        const char* name;
        bool deleteOld;
        std::vector<std::string> expected;
    } rows[] = {
        {"delete ticked: the Varnel 2 effects go, the others keep their order",
         true,
         {"Effect: first", "Effect: middle", "Varnel 3 Line: already Varnel 3 [1 line sets]",
          "Varnel 3 Line: Varnel 3 Line [2 line sets]", "Varnel 3 Line: Ink [0 line sets]"}},
        {"delete not ticked: the Varnel 3 counterparts follow every old effect",
         false,
         {"Effect: first", "Varnel 2 Line: Varnel 2 Line", "Effect: middle", "Varnel 2 Line: Ink",
          "Varnel 3 Line: already Varnel 3 [1 line sets]",
          "Varnel 3 Line: Varnel 3 Line [2 line sets]", "Varnel 3 Line: Ink [0 line sets]"}},
    };
    AddPlainEffect("first");
    AddVrn2Effect("Varnel 2 Line", 2);
    AddPlainEffect("middle");
    AddVrn2Effect("Ink");
    // Not a Varnel 2 line effect: nothing comes of it, and it stays.
    auto* vrn3 = Scene::Create<Vrn3LineEffect>(RENDER_EFFECT_CLASS_ID);
    vrn3->SetName("already Varnel 3");
    ip->AddEffect(vrn3);
    const std::vector<Effect*> before = Effects();

    for (const Row& row : rows) {
        int steps = theHold.NumUndoSteps();
        ConvertWith(row.deleteOld, false, "");
        EXPECT_EQ(Described(), row.expected) << row.name;
        const std::vector<Effect*> after = Effects();

        ASSERT_EQ(theHold.NumUndoSteps(), steps + 1) << row.name;
        EXPECT_STREQ(theHold.UndoStepName(0).data(), "Varnel 3 Convert") << row.name;
        ASSERT_TRUE(theHold.Undo()) << row.name;
        EXPECT_EQ(Effects(), before) << row.name;
        ASSERT_TRUE(theHold.Redo()) << row.name;
        EXPECT_EQ(Effects(), after) << row.name;
        // Back to the scene of the start for the next row.
        ASSERT_TRUE(theHold.Undo()) << row.name;
    }
}

TEST_F(LineConverterTest, EffectListedTwiceGetsOneCounterpart) {
    Effect* old = AddVrn2Effect("Varnel 2 Line", 1);
    ip->AddEffect(old);
    ConvertWith(true, false, "");
    EXPECT_EQ(Described(),
              (std::vector<std::string>{"Varnel 3 Line: Varnel 3 Line [1 line sets]"}));
}

// A host whose Varnel 3 plug-in offers its material but no line effect: the
// Varnel 2 line effects cannot be converted.
class LineConverterWithoutVarnel3Lines : public LineConverterTest {
protected:
    void RegisterClasses() override {
        RegisterHostMaterials();
        RegisterVarnel2Classes();
        StandIn::RegisterClassDesc(&vrn3MtlDesc);
    }
    OutsideClassDesc<Vrn3Mtl> vrn3MtlDesc{"Varnel 3 Material", MATERIAL_CLASS_ID,
                                          Vrn3Mtl::CLASS_ID};
};

TEST_F(LineConverterWithoutVarnel3Lines, UnconvertedVarnel2EffectStaysEvenWithDeleteTicked) {
    Effect* first = AddVrn2Effect("Varnel 2 Line", 1);
    Effect* second = AddPlainEffect("other");
    ConvertWith(true, true, "_VRN3");
    EXPECT_EQ(Effects(), (std::vector<Effect*>{first, second}));
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
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
