// The class directory, the core interface's scene and material editor.
#include <string>
#include <vector>

#include "HostTest.h"
#include "MultiMtl.h"
#include "OutsideClassDesc.h"
#include "OutsideClasses.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

class ClassDirectoryTest : public HostTest {
protected:
    void RegisterClasses() override { RegisterHostMaterials(); }
};

TEST_F(ClassDirectoryTest, CreatesRegisteredClassesOnlyAndByBothIds) {
    Animatable* made = ip->CreateInstance(MATERIAL_CLASS_ID, Class_ID(2, 0));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassID(), Class_ID(2, 0));
    made->DeleteThis();

    // The Varnel 3 plug-in is not loaded in this host.
    EXPECT_EQ(ip->CreateInstance(MATERIAL_CLASS_ID, Class_ID(0x20101757, 0x081454de)), nullptr);
    // Right class ID, wrong super class.
    EXPECT_EQ(ip->CreateInstance(TEXMAP_CLASS_ID, Class_ID(2, 0)), nullptr);
}

TEST_F(ClassDirectoryTest, ADescriptorThatMakesAnotherClassIsCaught) {
    OutsideClassDesc<StdMtl> liar("Liar", MATERIAL_CLASS_ID, Class_ID(0x1234, 0x5678));
    StandIn::RegisterClassDesc(&liar);
    EXPECT_EQ(ip->CreateInstance(MATERIAL_CLASS_ID, Class_ID(0x1234, 0x5678)), nullptr);
    EXPECT_TRUE(TookDiagnostic("made an object of another class"));
    StandIn::UnregisterClassDesc(&liar);
}

TEST_F(ClassDirectoryTest, AModuleRegistersEveryClassItsEntryPointsList) {
    // The Varnel 3 stand-ins register as one module: after it every class
    // listed by its entry points can be made, and nothing else was added.
    const int before = StandIn::NumClassDescs();
    RegisterVarnel3Classes();
    EXPECT_EQ(StandIn::NumClassDescs(), before + 9);
    struct Row {
        SClass_ID superClass;
        Class_ID id;
    } rows[] = {
        {MATERIAL_CLASS_ID, Class_ID(0x20101757, 0x081454de)},       // material
        {REF_TARGET_CLASS_ID, Class_ID(0x20101757, 0x08140210)},     // zone
        {RENDER_EFFECT_CLASS_ID, Class_ID(0x20101757, 0x0814032e)},  // line effect
    };
    for (const Row& row : rows) {
        Animatable* made = ip->CreateInstance(row.superClass, row.id);
        ASSERT_NE(made, nullptr) << row.id.PartA() << "," << row.id.PartB();
        made->DeleteThis();
    }

    // A module loaded twice adds nothing: the host sees the same descriptors.
    RegisterVarnel3Classes();
    EXPECT_EQ(StandIn::NumClassDescs(), before + 9);
}

TEST_F(ClassDirectoryTest, TimeIsTheHostsUntilSet) {
    EXPECT_EQ(ip->GetTime(), 0);
    ip->SetTime(4800);
    EXPECT_EQ(ip->GetTime(), 4800);
}

TEST_F(ClassDirectoryTest, SceneIsATreeUnderTheRootNode) {
    INode* root = ip->GetRootNode();
    INode* a = Scene::Node(Scene::Standard("a"));
    INode* child = Scene::Node(nullptr, a);
    EXPECT_EQ(root->NumberOfChildren(), 1);
    EXPECT_EQ(root->GetChildNode(0), a);
    EXPECT_EQ(a->GetChildNode(0), child);
    EXPECT_EQ(child->GetParentNode(), a);

    a->AttachChild(a);
    root->AttachChild(child);
    EXPECT_EQ(root->NumberOfChildren(), 2);
    EXPECT_EQ(a->NumberOfChildren(), 0);
    child->AttachChild(root);
    EXPECT_TRUE(TookDiagnostic("own descendant"));
}

TEST_F(ClassDirectoryTest, EditorSlotsReferenceTheirMaterials) {
    Mtl* m = Scene::Standard("m");
    EXPECT_EQ(ip->GetMtlSlot(3), nullptr);
    Scene::Slot(3, m);
    EXPECT_EQ(ip->GetMtlSlot(3), m);
    DependentIterator it(m);
    ReferenceMaker* editor = it.Next();
    ASSERT_NE(editor, nullptr);
    EXPECT_NE(editor->SuperClassID(), MATERIAL_CLASS_ID);
    EXPECT_NE(editor->SuperClassID(), BASENODE_CLASS_ID);

    // Replacing it in the slot lets it go.
    Scene::Slot(3, Scene::Standard("other"));
    EXPECT_FALSE(StandIn::IsLive(m));
    EXPECT_EQ(ip->GetMtlSlot(24), nullptr);
    EXPECT_TRUE(TookDiagnostic("no such slot"));
}

TEST_F(ClassDirectoryTest, ResetDeletesTheSceneAndCountsStragglers) {
    Scene::Node(Scene::Standard("in scene"));
    Scene::Slot(0, Scene::Standard("in editor"));
    Scene::Standard("owned by nothing");
    EXPECT_EQ(StandIn::LiveTargetCount(), 4);
    EXPECT_EQ(StandIn::ResetHost(), 1);
    EXPECT_EQ(StandIn::LiveTargetCount(), 0);
}

// A plain maker outside the host's view, like a plug-in's own holder.
class PlainHolder : public ReferenceMaker {
public:
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? held : nullptr; }
    void SetReference(int i, RefTargetHandle t) override {
        if (i == 0) held = t;
    }
    RefTargetHandle held = nullptr;
};

TEST_F(ClassDirectoryTest, ResetCountsAndNamesOnlyTheRootsOfWhatNothingOwned) {
    struct Case {
        const char* what;
        Mtl* (*leave)(PlainHolder&);
        const char* named;
    } cases[] = {
        {"a material with sub-materials and blocks",
         [](PlainHolder&) -> Mtl* {
             MultiMtl* m = Scene::Multi(2, "lost multi");
             m->SetSubMtl(0, Scene::Standard("sub 0"));
             m->SetSubMtl(1, Scene::Standard("sub 1"));
             return m;
         },
         "\"lost multi\""},
        {"a material only a plug-in's own holder references",
         [](PlainHolder& h) -> Mtl* {
             Mtl* m = Scene::Standard("held aside");
             h.ReplaceReference(0, m);
             return m;
         },
         "\"held aside\""},
    };
    for (const Case& c : cases) {
        PlainHolder holder;
        Mtl* left = c.leave(holder);
        Scene::Node(Scene::Standard("in scene"));
        std::vector<CStr> named;
        EXPECT_EQ(StandIn::ResetHost(&named), 1) << c.what;
        ASSERT_EQ(named.size(), 1u) << c.what;
        EXPECT_NE(std::string(named[0].data()).find(c.named), std::string::npos) << named[0].data();
        EXPECT_FALSE(StandIn::IsLive(left)) << c.what;
        EXPECT_EQ(holder.held, nullptr) << c.what;
        EXPECT_EQ(StandIn::LiveTargetCount(), 0) << c.what;
        RegisterClasses();
    }
}

}  // namespace
