// The material converter's panel, convert command and undo, through its real
// dialog procedure and the confirm dialog.
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "ConvertOptions.h"
#include "DialogDriver.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "MultiMtl.h"
#include "OutsideClassDesc.h"
#include "OutsideClasses.h"
#include "OutsideContract.h"
#include "PanelHelpers.h"
#include "SceneBuilder.h"
#include "StandIn.h"
#include "StdMtl.h"
#include "Vrn2Mtl.h"
#include "Vrn2ReflectionMap.h"
#include "Vrn2Stroke.h"
#include "Vrn3Mtl.h"
#include "Vrn3MtlConverter.h"
#include "Vrn3ParamIDs.h"
#include "Vrn3ReflectionMap.h"
#include "Vrn3Stroke.h"
#include "ZoneOps.h"
#include "resource.h"

namespace {

class MtlConverterTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        hInstance = GetModuleHandleA(nullptr);
        for (int code : {NOTIFY_SYSTEM_PRE_RESET, NOTIFY_FILE_PRE_OPEN, NOTIFY_SYSTEM_PRE_NEW})
            RegisterNotification(ResetNotifyProc, nullptr, code);
        std::copy(optionStates, optionStates + NUM_OPTION_STATES, savedStates);
    }
    void TearDown() override {
        if (theMtlConverter.hPanel) Close();
        std::copy(savedStates, savedStates + NUM_OPTION_STATES, optionStates);
        HostTest::TearDown();
    }

    HWND Open() {
        theMtlConverter.BeginEditParams(ip, nullptr);
        return theMtlConverter.hPanel;
    }
    void Close() { theMtlConverter.EndEditParams(ip, nullptr); }

    void List(std::initializer_list<Mtl*> mtls) {
        for (Mtl* m : mtls) theMtlConverter.targetList.push_back(MtlConvData(m));
        theMtlConverter.RefreshList(theMtlConverter.hPanel);
    }

    static std::vector<std::string> ListBox(HWND panel) {
        std::vector<std::string> lines;
        int n = static_cast<int>(SendDlgItemMessageA(panel, IDC_TARGET_LIST, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char buf[512] = {};
            SendDlgItemMessageA(panel, IDC_TARGET_LIST, LB_GETTEXT, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(buf));
            lines.push_back(buf);
        }
        return lines;
    }
    static std::vector<std::string> Lines(std::initializer_list<Mtl*> mtls) {
        std::vector<std::string> lines;
        for (Mtl* m : mtls) lines.push_back(m->GetFullName().data());
        return lines;
    }

    static void Click(HWND panel, int id) { SendMessageA(GetDlgItem(panel, id), BM_CLICK, 0, 0); }
    static bool Checked(HWND panel, int id) {
        return SendDlgItemMessageA(panel, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static bool Enabled(HWND panel, int id) { return IsWindowEnabled(GetDlgItem(panel, id)) != 0; }

    // Presses "Convert to Varnel 3" and answers the confirm dialog with button.
    static void ConvertAnswering(HWND panel, int button) {
        DialogDriver driver;
        driver.Then([button](HWND dlg) {
            EXPECT_EQ(DialogDriver::Text(dlg), "Varnel 3 Converter");
            DialogDriver::Click(dlg, button);
        });
        Click(panel, IDC_CONVERT);
    }

    // Three materials in slots 0..2 so that the editor walk reaches slot 3.
    void FillFirstSlots() {
        for (int i = 0; i < 3; ++i) Scene::Slot(i, Scene::Standard("filler"));
    }

    static bool IsVrn3Named(Mtl* m, const char* name) {
        return m && m->ClassID() == VRN3_MTL_CLASS_ID && m->GetName() == name;
    }

    // A Varnel 2 material whose four zones take a quarter each, so that none
    // is empty.
    Vrn2Mtl* Vrn2Quarters(const char* name) {
        auto* m = Scene::Create<Vrn2Mtl>(MATERIAL_CLASS_ID, name);
        for (int z = 0; z < Vrn2Mtl::NUM_ZONES; ++z) {
            IParamBlock2* zone = m->GetParamBlockByID(static_cast<BlockID>(z + 2));
            zone->SetValue(0, 0, 25.0f * z);
            zone->SetValue(1, 0, 25.0f * (z + 1));
        }
        return m;
    }

    enum class Kind { Vrn2, Blinn };
    // A target of the given kind with map as its reflection map.
    static Mtl* WithReflection(Kind kind, const char* name, Texmap* map) {
        if (kind == Kind::Vrn2) {
            auto* m = Scene::Create<Vrn2Mtl>(MATERIAL_CLASS_ID, name);
            // The last of its five map references is the reflection map.
            m->ReplaceReference(Vrn2Mtl::FIRST_MAP_REF + 4, map);
            return m;
        }
        StdMtl* m = Scene::Standard(name);
        m->SetSubTexmap(ID_RL, map);
        return m;
    }

    OptionState savedStates[NUM_OPTION_STATES];
};

TEST_F(MtlConverterTest, OptionWordFromTheCheckBoxes) {
    struct Row {
        const char* name;
        std::vector<int> clicks;
        ConvertOptionFlags expected;
    } rows[] = {
        {"defaults", {}, 0x10108C01},
        {"refer mode greys multiply, which still counts", {IDC_RADIO_REFER}, 0x10108C01},
        {"multiply off", {IDC_CHK_AUTO_MULTIPLY}, 0x10108C00},
        {"highlight add", {IDC_CHK_HIGHLIGHT_ADD}, 0x10108C03},
        {"strokes copied", {IDC_RADIO_REFER, IDC_CHK_REFER_STROKES, IDC_RADIO_COPY}, 0x10108C0D},
        {"back to automatic: greyed strokes and copy still count",
         {IDC_RADIO_REFER, IDC_CHK_REFER_STROKES, IDC_RADIO_COPY, IDC_RADIO_AUTO},
         0x10108C0D},
        {"Varnel 2 options off",
         {IDC_CHK_SKIP_INVALID_ZONES, IDC_CHK_SKIP_DISABLED_STROKES,
          IDC_CHK_CONVERT_REFLECTION_MAPS},
         0x00108001},
        {"tones off", {IDC_CHK_FT_SPECULAR_ZONE, IDC_CHK_IL_HIGHLIGHT_ZONE}, 0x10000C01},
    };
    for (const Row& row : rows) {
        HWND panel = Open();
        ASSERT_NE(panel, nullptr) << row.name;
        for (int id : row.clicks) Click(panel, id);
        EXPECT_EQ(ReadOptionFlags(panel), row.expected) << row.name;
        Close();
        std::copy(savedStates, savedStates + NUM_OPTION_STATES, optionStates);
    }
}

TEST_F(MtlConverterTest, ConvertHandsTheCheckBoxesToTheConversion) {
    // What the option bits of a Standard material do shows on the new material.
    struct Row {
        const char* name;
        std::vector<int> clicks;
        int zoneBlend;
        int highlightBlend;
    } rows[] = {
        {"defaults: Multiply zones", {}, VRN3_ZONE_BLEND_MULTIPLY, 0},
        {"multiply off: the zones keep their default blend mode", {IDC_CHK_AUTO_MULTIPLY}, 0, 0},
        {"highlight add",
         {IDC_CHK_HIGHLIGHT_ADD},
         VRN3_ZONE_BLEND_MULTIPLY,
         VRN3_HIGHLIGHT_BLEND_ADD},
    };
    for (const Row& row : rows) {
        StdMtl* m = Scene::Standard("target");
        INode* node = Scene::Node(m);
        HWND panel = Open();
        List({m});
        for (int id : row.clicks) Click(panel, id);

        ConvertAnswering(panel, IDOK);

        Mtl* made = node->GetMtl();
        ASSERT_TRUE(IsVrn3Named(made, "target")) << row.name;
        ASSERT_EQ(GetMtlZoneCount(made), 4) << row.name;
        for (int i = 0; i < 4; ++i) {
            IParamBlock2* zone = GetZoneParams(GetMtlZone(made, i));
            ASSERT_NE(zone, nullptr) << row.name;
            EXPECT_EQ(zone->GetInt(VRN3_ZONE_BLEND_MODE), row.zoneBlend)
                << row.name << " zone " << i;
        }
        EXPECT_EQ(made->GetParamBlock(0)->GetInt(VRN3_MTL_HIGHLIGHT_BLEND), row.highlightBlend)
            << row.name;
        Close();
        std::copy(savedStates, savedStates + NUM_OPTION_STATES, optionStates);
    }
}

TEST_F(MtlConverterTest, EnablingRulesOfTheOptions) {
    HWND panel = Open();
    EXPECT_TRUE(Enabled(panel, IDC_CHK_AUTO_MULTIPLY));
    EXPECT_FALSE(Enabled(panel, IDC_CHK_REFER_STROKES));
    EXPECT_FALSE(Enabled(panel, IDC_RADIO_INSTANCE));
    EXPECT_FALSE(Enabled(panel, IDC_REF_BUTTON));
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_REF_BUTTON), "None");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_VERSION), "Version 0.86");
    EXPECT_FALSE(Enabled(panel, IDC_CONVERT));
    EXPECT_FALSE(Enabled(panel, IDC_DELETE));
    EXPECT_TRUE(Enabled(panel, IDC_ADD));

    Click(panel, IDC_RADIO_REFER);
    EXPECT_FALSE(Enabled(panel, IDC_CHK_AUTO_MULTIPLY));
    EXPECT_TRUE(Enabled(panel, IDC_CHK_REFER_STROKES));
    EXPECT_TRUE(Enabled(panel, IDC_REF_BUTTON));
    EXPECT_FALSE(Enabled(panel, IDC_RADIO_COPY));
    Click(panel, IDC_CHK_REFER_STROKES);
    EXPECT_TRUE(Enabled(panel, IDC_RADIO_INSTANCE));
    EXPECT_TRUE(Enabled(panel, IDC_RADIO_COPY));
    Click(panel, IDC_RADIO_AUTO);
    EXPECT_FALSE(Enabled(panel, IDC_RADIO_COPY));
    EXPECT_TRUE(Checked(panel, IDC_CHK_REFER_STROKES));
}

TEST_F(MtlConverterTest, OptionStatesSurviveClosingAndReopening) {
    HWND panel = Open();
    Click(panel, IDC_RADIO_REFER);
    Click(panel, IDC_CHK_REFER_STROKES);
    Click(panel, IDC_RADIO_COPY);
    Close();
    panel = Open();
    EXPECT_TRUE(Checked(panel, IDC_RADIO_REFER));
    EXPECT_FALSE(Checked(panel, IDC_RADIO_AUTO));
    EXPECT_TRUE(Checked(panel, IDC_RADIO_COPY));
    EXPECT_FALSE(Checked(panel, IDC_RADIO_INSTANCE));
}

TEST_F(MtlConverterTest, ReferModeWithoutReferenceWarnsAndChangesNothing) {
    StdMtl* m = Scene::Standard("target");
    INode* node = Scene::Node(m);
    HWND panel = Open();
    List({m});
    Click(panel, IDC_RADIO_REFER);

    DialogDriver driver;
    driver.Then([](HWND box) {
        EXPECT_EQ(DialogDriver::Text(box), "Varnel 3 Material Converter");
        EXPECT_EQ(DialogDriver::MessageText(box), "Please Select Reference Varnel 3 Material.");
        DialogDriver::Click(box, IDOK);
    });
    Click(panel, IDC_CONVERT);

    EXPECT_EQ(node->GetMtl(), m);
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
    EXPECT_EQ(ListBox(panel), Lines({m}));
}

TEST_F(MtlConverterTest, ReferModeWithAReferenceConverts) {
    StdMtl* m = Scene::Standard("target");
    INode* node = Scene::Node(m);
    Mtl* reference = Scene::Vrn3("reference");
    HWND panel = Open();
    List({m});
    theMtlConverter.SetReferenceMtl(reference);
    Click(panel, IDC_RADIO_REFER);
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_REF_BUTTON), "reference");

    ConvertAnswering(panel, IDOK);

    EXPECT_TRUE(IsVrn3Named(node->GetMtl(), "target"));
    // The reference stays for the next conversion.
    EXPECT_EQ(theMtlConverter.refHolder.GetReference(0), reference);
}

TEST_F(MtlConverterTest, CancelInTheConfirmDialogChangesNothing) {
    StdMtl* m = Scene::Standard("target");
    INode* node = Scene::Node(m);
    HWND panel = Open();
    List({m});
    int live = StandIn::LiveTargetCount();

    ConvertAnswering(panel, IDCANCEL);

    EXPECT_EQ(node->GetMtl(), m);
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
    EXPECT_EQ(StandIn::LiveTargetCount(), live);
    EXPECT_EQ(ListBox(panel), Lines({m}));
    EXPECT_FALSE(StandIn::ProgressRunning());
}

TEST_F(MtlConverterTest, ReplacesInSlotAndNodesAsOneUndoStep) {
    FillFirstSlots();
    StdMtl* m = Scene::Standard("target");
    Scene::Slot(3, m);
    INode* a = Scene::Node(m);
    INode* b = Scene::Node(m);
    HWND panel = Open();
    List({m});
    int redraws = StandIn::CompleteRedrawCount();

    ConvertAnswering(panel, IDOK);

    Mtl* made = a->GetMtl();
    ASSERT_TRUE(IsVrn3Named(made, "target"));
    EXPECT_GE(static_cast<Vrn3Mtl*>(made)->UpdateCount(), 1);
    EXPECT_EQ(b->GetMtl(), made);
    EXPECT_EQ(ip->GetMtlSlot(3), made);
    EXPECT_TRUE(theMtlConverter.targetList.empty());
    EXPECT_TRUE(ListBox(panel).empty());
    EXPECT_FALSE(Enabled(panel, IDC_CONVERT));
    EXPECT_EQ(StandIn::CompleteRedrawCount(), redraws + 1);
    EXPECT_EQ(StandIn::ProgressUpdates(), std::vector<int>{100});
    EXPECT_FALSE(StandIn::ProgressRunning());

    ASSERT_EQ(theHold.NumUndoSteps(), 1);
    EXPECT_STREQ(theHold.UndoStepName(0).data(), "Varnel 3 Convert");
    std::vector<std::string> records;
    for (const CStr& d : theHold.UndoStepDescriptions(0)) records.push_back(d.data());
    EXPECT_EQ(records, (std::vector<std::string>{"MtlEditorRestore", "Reference change",
                                                 "Reference change", "MtlConveterRestore"}));

    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(ip->GetMtlSlot(3), m);
    EXPECT_EQ(a->GetMtl(), m);
    EXPECT_EQ(b->GetMtl(), m);
    EXPECT_EQ(ListBox(panel), Lines({m}));
    EXPECT_TRUE(Enabled(panel, IDC_CONVERT));

    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(ip->GetMtlSlot(3), made);
    EXPECT_EQ(a->GetMtl(), made);
    EXPECT_EQ(b->GetMtl(), made);
    EXPECT_TRUE(ListBox(panel).empty());
}

TEST_F(MtlConverterTest, SubMaterialSlotsReplacedExceptInVarnel3Materials) {
    StdMtl* m = Scene::Standard("target");
    MultiMtl* multi = Scene::Multi(3, "multi");
    multi->SetSubMtl(2, m);
    Mtl* vrn3 = Scene::Vrn3("existing");
    vrn3->SetSubMtl(0, m);
    Scene::Node(multi);
    Scene::Node(vrn3);
    HWND panel = Open();
    List({m});

    ConvertAnswering(panel, IDOK);

    ASSERT_TRUE(IsVrn3Named(multi->GetSubMtl(2), "target"));
    EXPECT_EQ(vrn3->GetSubMtl(0), m);
    std::vector<CStr> records = theHold.UndoStepDescriptions(0);
    EXPECT_EQ(std::count(records.begin(), records.end(), CStr("SubMtlRestore")), 1);

    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(multi->GetSubMtl(2), m);
    EXPECT_EQ(vrn3->GetSubMtl(0), m);
}

TEST_F(MtlConverterTest, TargetsNoLongerInUseAreSkipped) {
    StdMtl* used = Scene::Standard("used");
    StdMtl* dropped = Scene::Standard("dropped");
    Scene::Node(used);
    INode* gone = Scene::Node(dropped);
    HWND panel = Open();
    List({used, dropped});
    gone->SetMtl(nullptr);

    ConvertAnswering(panel, IDOK);

    EXPECT_EQ(StandIn::ProgressUpdates(), (std::vector<int>{50, 100}));
    EXPECT_TRUE(theMtlConverter.targetList.empty());
    std::vector<CStr> records = theHold.UndoStepDescriptions(0);
    EXPECT_EQ(records, (std::vector<CStr>{"Reference change", "MtlConveterRestore"}));
}

TEST_F(MtlConverterTest, CancelAfterTheFirstOfThreeTargets) {
    StdMtl* m1 = Scene::Standard("one");
    StdMtl* m2 = Scene::Standard("two");
    StdMtl* m3 = Scene::Standard("three");
    INode* n1 = Scene::Node(m1);
    INode* n2 = Scene::Node(m2);
    INode* n3 = Scene::Node(m3);
    HWND panel = Open();
    List({m1, m2, m3});
    StandIn::CancelProgressAfterUpdates(1);

    ConvertAnswering(panel, IDOK);

    EXPECT_TRUE(IsVrn3Named(n1->GetMtl(), "one"));
    EXPECT_EQ(n2->GetMtl(), m2);
    EXPECT_EQ(n3->GetMtl(), m3);
    EXPECT_TRUE(theMtlConverter.targetList.empty());
    EXPECT_EQ(StandIn::ProgressUpdates(), std::vector<int>{33});
    EXPECT_STREQ(theHold.UndoStepName(0).data(), "Varnel 3 Convert");
}

TEST_F(MtlConverterTest, UndoWithThePanelClosedShowsTheListOnReopening) {
    StdMtl* m1 = Scene::Standard("one");
    StdMtl* m2 = Scene::Standard("two");
    StdMtl* m3 = Scene::Standard("three");
    for (Mtl* m : {m1, m2, m3}) Scene::Node(m);
    HWND panel = Open();
    List({m1, m2, m3});
    ConvertAnswering(panel, IDOK);
    Close();

    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(theMtlConverter.targetList.size(), 3u);

    panel = Open();
    EXPECT_EQ(ListBox(panel), Lines({m1, m2, m3}));
    EXPECT_TRUE(Enabled(panel, IDC_CONVERT));
    EXPECT_TRUE(Enabled(panel, IDC_DELETE));
}

TEST_F(MtlConverterTest, ListEditsAreNotUndone) {
    StdMtl* m = Scene::Standard("target");
    Scene::Node(m);
    StdMtl* other = Scene::Standard("other");
    theHold.Begin();
    Scene::Node(other);
    theHold.Accept("unrelated");
    HWND panel = Open();
    List({m});
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(ListBox(panel), Lines({m}));
}

TEST_F(MtlConverterTest, NotificationsEmptyTheListAndTheReference) {
    for (int code : {NOTIFY_SYSTEM_PRE_RESET, NOTIFY_FILE_PRE_OPEN, NOTIFY_SYSTEM_PRE_NEW}) {
        StdMtl* m = Scene::Standard("target");
        Scene::Node(m);
        Mtl* ref = Scene::Vrn3("reference");
        HWND panel = Open();
        List({m});
        theMtlConverter.SetReferenceMtl(ref);
        Click(panel, IDC_RADIO_REFER);
        EXPECT_EQ(DialogDriver::ItemText(panel, IDC_REF_BUTTON), "reference") << code;

        BroadcastNotification(code);

        EXPECT_TRUE(theMtlConverter.targetList.empty()) << code;
        EXPECT_TRUE(ListBox(panel).empty()) << code;
        EXPECT_EQ(theMtlConverter.refHolder.GetReference(0), nullptr) << code;
        EXPECT_EQ(DialogDriver::ItemText(panel, IDC_REF_BUTTON), "None") << code;
        Close();
        std::copy(savedStates, savedStates + NUM_OPTION_STATES, optionStates);
    }
}

TEST_F(MtlConverterTest, NotificationWithThePanelClosed) {
    StdMtl* m = Scene::Standard("target");
    Scene::Node(m);
    theMtlConverter.targetList.push_back(MtlConvData(m));
    theMtlConverter.SetReferenceMtl(Scene::Vrn3("reference"));
    BroadcastNotification(NOTIFY_FILE_PRE_OPEN);
    HWND panel = Open();
    EXPECT_TRUE(ListBox(panel).empty());
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_REF_BUTTON), "None");
}

TEST_F(MtlConverterTest, DeletedTargetDropsOutOfTheList) {
    StdMtl* m1 = Scene::Standard("one");
    StdMtl* m2 = Scene::Standard("two");
    StdMtl* m3 = Scene::Standard("three");
    INode* n1 = Scene::Node(m1);
    Scene::Node(m2);
    INode* n3 = Scene::Node(m3);
    HWND panel = Open();
    List({m1, m2, m3});
    std::vector<std::string> expected = Lines({m1, m3});

    m2->DeleteThis();
    theMtlConverter.RefreshList(panel);
    EXPECT_EQ(ListBox(panel), expected);

    ConvertAnswering(panel, IDOK);
    EXPECT_TRUE(IsVrn3Named(n1->GetMtl(), "one"));
    EXPECT_TRUE(IsVrn3Named(n3->GetMtl(), "three"));
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(ListBox(panel), expected);
}

TEST_F(MtlConverterTest, TargetsDeletedSinceTheListWasShownLeaveBeforeTheQuestion) {
    struct Row {
        const char* name;
        bool deleteSecond;
    } rows[] = {
        {"one of two deleted: the question shows the other", false},
        {"both deleted: nothing is asked or recorded", true},
    };
    for (const Row& row : rows) {
        StdMtl* one = Scene::Standard("one");
        StdMtl* two = Scene::Standard("two");
        Scene::Node(one);
        INode* n2 = Scene::Node(two);
        HWND panel = Open();
        List({one, two});
        std::vector<std::string> expected;
        if (!row.deleteSecond) expected = Lines({two});
        int steps = theHold.NumUndoSteps();

        // Deleted behind the panel's back: the list box still shows them.
        one->DeleteThis();
        if (row.deleteSecond) two->DeleteThis();
        DialogDriver driver;
        std::vector<std::string> shown;
        if (!row.deleteSecond) {
            driver.Then([&](HWND dlg) {
                shown = ListBox(panel);
                DialogDriver::Click(dlg, IDOK);
            });
        }
        Click(panel, IDC_CONVERT);

        EXPECT_EQ(driver.DialogsSeen(), row.deleteSecond ? 0 : 1) << row.name;
        EXPECT_EQ(shown, expected) << row.name;
        EXPECT_EQ(theHold.NumUndoSteps(), steps + (row.deleteSecond ? 0 : 1)) << row.name;
        EXPECT_TRUE(ListBox(panel).empty()) << row.name;
        EXPECT_FALSE(Enabled(panel, IDC_CONVERT)) << row.name;
        if (!row.deleteSecond) {
            EXPECT_TRUE(IsVrn3Named(n2->GetMtl(), "two")) << row.name;
        }
        Close();
    }
}

TEST_F(MtlConverterTest, NewMaterialPutNowhereIsDeleted) {
    // A material listed twice: by its second entry the first one's result has
    // taken its place everywhere, so the second new material is used nowhere.
    // Both runs must leave as many new objects as a run with one entry.
    struct Row {
        const char* name;
        std::function<Mtl*(const char*)> make;
        bool sharesMap;
    } rows[] = {
        {"Standard material", [](const char* name) { return Scene::Standard(name); }, false},
        {"Varnel 2 material: the deleted twin shared its converted map",
         [](const char* name) {
             return WithReflection(Kind::Vrn2, name,
                                   Scene::Create<Vrn2ReflectionMap>(TEXMAP_CLASS_ID, "Chrome"));
         },
         true},
    };
    for (const Row& row : rows) {
        Mtl* once = row.make("once");
        Mtl* twice = row.make("twice");
        Scene::Node(once);
        INode* node = Scene::Node(twice);
        HWND panel = Open();

        List({once});
        int before = StandIn::LiveTargetCount();
        ConvertAnswering(panel, IDOK);
        const int madeByOne = StandIn::LiveTargetCount() - before;

        List({twice, twice});
        std::vector<std::string> lines = Lines({twice, twice});
        int steps = theHold.NumUndoSteps();
        before = StandIn::LiveTargetCount();
        ConvertAnswering(panel, IDOK);
        EXPECT_EQ(StandIn::LiveTargetCount() - before, madeByOne) << row.name;

        Mtl* made = node->GetMtl();
        ASSERT_TRUE(IsVrn3Named(made, "twice")) << row.name;
        if (row.sharesMap) {
            Texmap* map = made->GetSubTexmap(VRN3_MTL_SLOT_REFLECTION);
            ASSERT_NE(map, nullptr) << row.name;
            EXPECT_EQ(map->ClassID(), Vrn3ReflectionMap::CLASS_ID) << row.name;
        }
        EXPECT_EQ(StandIn::ProgressUpdates(), (std::vector<int>{50, 100})) << row.name;
        std::vector<CStr> records = theHold.UndoStepDescriptions(0);
        EXPECT_EQ(std::count(records.begin(), records.end(), CStr("Reference change")), 1)
            << row.name;

        ASSERT_EQ(theHold.NumUndoSteps(), steps + 1) << row.name;
        ASSERT_TRUE(theHold.Undo()) << row.name;
        EXPECT_EQ(node->GetMtl(), twice) << row.name;
        EXPECT_EQ(ListBox(panel), lines) << row.name;
        ASSERT_TRUE(theHold.Redo()) << row.name;
        EXPECT_EQ(node->GetMtl(), made) << row.name;
        EXPECT_TRUE(ListBox(panel).empty()) << row.name;
        Close();
    }
}

TEST_F(MtlConverterTest, ClearingOutsideAHoldLeavesNoRecord) {
    StdMtl* m = Scene::Standard("target");
    HWND panel = Open();
    List({m});
    ClearMtlList(&theMtlConverter.targetList);
    EXPECT_TRUE(theMtlConverter.targetList.empty());
    EXPECT_TRUE(ListBox(panel).empty());
    EXPECT_EQ(theHold.NumUndoSteps(), 0);
}

TEST_F(MtlConverterTest, SharedVarnel2ReflectionMapBecomesOneSharedVarnel3Map) {
    struct Row {
        const char* name;
        Kind kind;
        bool convertMaps;
    } rows[] = {
        {"two Varnel 2 materials", Kind::Vrn2, true},
        {"two Blinn Standard materials", Kind::Blinn, true},
        {"option off: the Varnel 2 map stays", Kind::Vrn2, false},
    };
    for (const Row& row : rows) {
        auto* chrome = Scene::Create<Vrn2ReflectionMap>(TEXMAP_CLASS_ID, "Chrome");
        Mtl* a = WithReflection(row.kind, "a", chrome);
        Mtl* b = WithReflection(row.kind, "b", chrome);
        INode* na = Scene::Node(a);
        INode* nb = Scene::Node(b);
        HWND panel = Open();
        List({a, b});
        if (!row.convertMaps) Click(panel, IDC_CHK_CONVERT_REFLECTION_MAPS);

        ConvertAnswering(panel, IDOK);

        ASSERT_TRUE(IsVrn3Named(na->GetMtl(), "a")) << row.name;
        ASSERT_TRUE(IsVrn3Named(nb->GetMtl(), "b")) << row.name;
        Texmap* ma = na->GetMtl()->GetSubTexmap(VRN3_MTL_SLOT_REFLECTION);
        Texmap* mb = nb->GetMtl()->GetSubTexmap(VRN3_MTL_SLOT_REFLECTION);
        ASSERT_NE(ma, nullptr) << row.name;
        EXPECT_EQ(ma, mb) << row.name;
        if (row.convertMaps) {
            EXPECT_EQ(ma->ClassID(), Vrn3ReflectionMap::CLASS_ID) << row.name;
            EXPECT_STREQ(ma->GetName().data(), "Chrome") << row.name;
        } else {
            EXPECT_EQ(ma, chrome) << row.name;
        }
        Close();
        std::copy(savedStates, savedStates + NUM_OPTION_STATES, optionStates);
    }
}

TEST_F(MtlConverterTest, UndoBringsBackTheVarnel2MapReplacedInsideTheTarget) {
    // A Blinn target becomes the base material of its replacement, so the
    // reflection-map pass replaces the map inside the target itself: undo must
    // give the target its own map back, not leave it the converted one.
    auto* chrome = Scene::Create<Vrn2ReflectionMap>(TEXMAP_CLASS_ID, "Chrome");
    StdMtl* target = static_cast<StdMtl*>(WithReflection(Kind::Blinn, "target", chrome));
    INode* node = Scene::Node(target);
    HWND panel = Open();
    List({target});

    ConvertAnswering(panel, IDOK);
    Mtl* made = node->GetMtl();
    ASSERT_TRUE(IsVrn3Named(made, "target"));
    Texmap* converted = target->GetSubTexmap(ID_RL);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(converted->ClassID(), Vrn3ReflectionMap::CLASS_ID);
    std::vector<CStr> records = theHold.UndoStepDescriptions(0);
    ASSERT_FALSE(records.empty());
    EXPECT_STREQ(records.front().data(), "SubTexmapRestore");

    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(node->GetMtl(), target);
    ASSERT_TRUE(StandIn::IsLive(chrome));
    EXPECT_EQ(target->GetSubTexmap(ID_RL), chrome);

    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(node->GetMtl(), made);
    EXPECT_EQ(target->GetSubTexmap(ID_RL), converted);
}

TEST_F(MtlConverterTest, TargetOnANodeIsReplacedAndOneUndoRestoresIt) {
    struct Row {
        const char* name;
        std::function<Mtl*()> make;
        // What the new material must hold, given the target it was made from.
        std::function<void(Mtl* target, Mtl* made, const char* row)> check;
    } rows[] = {
        {"Varnel 2 material: its zones and strokes are converted",
         [this] {
             Vrn2Mtl* m = Vrn2Quarters("toon");
             m->ReplaceReference(Vrn2Mtl::StrokeRef(0, 0),
                                 Scene::Create<Vrn2Stroke>(TEXMAP_CLASS_ID, "ink"));
             return m;
         },
         [](Mtl* target, Mtl* made, const char* row) {
             (void)target;
             std::vector<int> numbers;
             for (int i = 0; i < GetMtlZoneCount(made); ++i)
                 numbers.push_back(GetMtlZone(made, i)->GetParamBlock(0)->GetInt(11));
             EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4})) << row;
             ReferenceTarget* zone = GetMtlZone(made, 0);
             ASSERT_NE(zone, nullptr) << row;
             ASSERT_GE(GetZoneStrokeCount(zone), 1) << row;
             ReferenceTarget* stroke = GetZoneStroke(zone, 0);
             ASSERT_NE(stroke, nullptr) << row;
             EXPECT_EQ(stroke->ClassID(), Vrn3Stroke::CLASS_ID) << row;
             EXPECT_STREQ(static_cast<Texmap*>(stroke)->GetName().data(), "ink") << row;
         }},
        {"Blinn Standard material: it becomes the base material",
         [] { return Scene::Standard("plain"); },
         [](Mtl* target, Mtl* made, const char* row) {
             EXPECT_EQ(made->GetSubMtl(0), target) << row;
         }},
    };
    for (const Row& row : rows) {
        Mtl* target = row.make();
        INode* node = Scene::Node(target);
        HWND panel = Open();
        List({target});
        int steps = theHold.NumUndoSteps();

        ConvertAnswering(panel, IDOK);

        Mtl* made = node->GetMtl();
        ASSERT_TRUE(IsVrn3Named(made, target->GetName().data())) << row.name;
        row.check(target, made, row.name);
        ASSERT_EQ(theHold.NumUndoSteps(), steps + 1) << row.name;
        ASSERT_TRUE(theHold.Undo()) << row.name;
        EXPECT_EQ(node->GetMtl(), target) << row.name;
        EXPECT_EQ(ListBox(panel), Lines({target})) << row.name;
        ASSERT_TRUE(theHold.Redo()) << row.name;
        EXPECT_EQ(node->GetMtl(), made) << row.name;
        Close();
    }
}

class MtlConverterWithoutVarnel3 : public MtlConverterTest {
protected:
    void RegisterClasses() override { RegisterHostMaterials(); }
};

TEST_F(MtlConverterWithoutVarnel3, ShowsTheNotLoadedPageAndKeepsTheOptions) {
    optionStates[0].state = 0;
    HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(theMtlConverter.notLoaded, 1);
    EXPECT_STREQ(StandIn::RollupPageTitle(0).data(), "Varnel 3 Material Converter");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_VERSION), "Version 0.86");
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_MESSAGE), "Varnel 3 is not loaded.");
    Close();
    EXPECT_EQ(optionStates[0].state, 0);
    EXPECT_EQ(optionStates[1].state, 1);
    EXPECT_EQ(theMtlConverter.hPanel, nullptr);
}

// A Varnel 3 plug-in of another make: its material has the class ID but not
// the zone list that conversions work through.
class Vrn3MtlWithoutZoneList : public Vrn3Mtl {
public:
    using Vrn3Mtl::GetInterface;
    BaseInterface* GetInterface(Interface_ID id) override {
        return id == VRN3_ZONE_LIST_INTERFACE_ID ? nullptr : Vrn3Mtl::GetInterface(id);
    }
};

class MtlConverterWithAnotherVarnel3 : public MtlConverterTest {
protected:
    void RegisterClasses() override {
        RegisterHostMaterials();
        StandIn::RegisterClassDesc(&otherMtlDesc);
    }
    OutsideClassDesc<Vrn3MtlWithoutZoneList> otherMtlDesc{"Varnel 3 Material", MATERIAL_CLASS_ID,
                                                          Vrn3Mtl::CLASS_ID};
};

TEST_F(MtlConverterWithAnotherVarnel3, CountsAsNotLoadedAndKeepsNoProbe) {
    int live = StandIn::LiveTargetCount();
    EXPECT_FALSE(IsVarnel3Available());
    EXPECT_EQ(StandIn::LiveTargetCount(), live) << "the probe material is not kept";

    HWND panel = Open();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(theMtlConverter.notLoaded, 1);
    EXPECT_EQ(DialogDriver::ItemText(panel, IDC_MESSAGE), "Varnel 3 is not loaded.");
    EXPECT_EQ(StandIn::LiveTargetCount(), live);
}

}  // namespace
