// The host's keyframe controllers, key control, curve control and UV
// generator, as the conversions rely on them.
#include "CurveControl.h"
#include "HostTest.h"
#include "KeyframeControl.h"
#include "UVGen.h"

namespace {

class KeyframeControlTest : public HostTest {};

float ValueAt(Control* c, TimeValue t) {
    float v = -1.0f;
    Interval valid = FOREVER;
    c->GetValue(t, &v, valid);
    return v;
}

TEST_F(KeyframeControlTest, WithoutKeysOneValueHoldsAtEveryTime) {
    KeyframeFloatControl* c = NewDefaultFloatController();
    float v = 4.0f;
    c->SetValue(300, &v);
    EXPECT_EQ(c->GetNumKeys(), 0);
    EXPECT_EQ(ValueAt(c, -50), 4.0f);
    EXPECT_EQ(ValueAt(c, 9000), 4.0f);
    c->DeleteThis();
}

TEST_F(KeyframeControlTest, KeysInterpolateAndHoldOutside) {
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(20 * TICKS_PER_FRAME, 2.0f);
    c->AddKey(0, 0.0f);
    EXPECT_EQ(c->GetNumKeys(), 2);
    EXPECT_EQ(c->GetKeyTime(0), 0);
    EXPECT_EQ(c->GetKeyTime(1), 20 * TICKS_PER_FRAME);
    EXPECT_EQ(ValueAt(c, 10 * TICKS_PER_FRAME), 1.0f);
    EXPECT_EQ(ValueAt(c, -TICKS_PER_FRAME), 0.0f);
    EXPECT_EQ(ValueAt(c, 99 * TICKS_PER_FRAME), 2.0f);
    // With keys, a value written at a time is the key there.
    float v = 5.0f;
    c->SetValue(20 * TICKS_PER_FRAME, &v);
    c->SetValue(30 * TICKS_PER_FRAME, &v);
    EXPECT_EQ(c->GetNumKeys(), 3);
    EXPECT_EQ(ValueAt(c, 20 * TICKS_PER_FRAME), 5.0f);
    c->DeleteThis();
}

TEST_F(KeyframeControlTest, KeyControlIsOfferedByItsIntegerCode) {
    KeyframeFloatControl* c = NewDefaultFloatController();
    EXPECT_EQ(GetKeyControlInterface(c), static_cast<IKeyControl*>(c));
    EXPECT_EQ(c->GetInterface(ULONG(0x1061)), nullptr);
    EXPECT_EQ(GetKeyControlInterface(nullptr), nullptr);
    c->DeleteThis();
}

TEST_F(KeyframeControlTest, AnimatedIntParameterWritesThroughItsController) {
    Mtl* owner =
        static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, Class_ID(0x20101757, 0x081454de)));
    IParamBlock2* pb = owner->GetParamBlockByID(0);
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(0, 1.0f);
    c->AddKey(10 * TICKS_PER_FRAME, 3.0f);
    ASSERT_TRUE(pb->SetController(1, 0, c, FALSE));
    pb->SetValue(1, 10 * TICKS_PER_FRAME, 7.0f);
    float key = 0.0f;
    ASSERT_TRUE(c->KeyValue(10 * TICKS_PER_FRAME, key));
    EXPECT_EQ(key, 7.0f);
    EXPECT_EQ(pb->GetFloat(1, 5 * TICKS_PER_FRAME), 4.0f);
    owner->DeleteThis();
}

TEST_F(KeyframeControlTest, KeyChangesAreUndoable) {
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(0, 1.0f);
    theHold.Begin();
    float v = 9.0f;
    c->SetValue(0, &v);
    theHold.Accept("Key");
    EXPECT_EQ(ValueAt(c, 0), 9.0f);
    theHold.Undo();
    EXPECT_EQ(ValueAt(c, 0), 1.0f);
    theHold.Redo();
    EXPECT_EQ(ValueAt(c, 0), 9.0f);
    c->DeleteThis();
}

TEST_F(KeyframeControlTest, ClonesHaveTheirOwnKeys) {
    KeyframePoint3Control* c = NewDefaultColorController();
    EXPECT_EQ(c->SuperClassID(), CTRL_POINT3_CLASS_ID);
    c->AddKey(0, Point3(1.0f, 0.0f, 0.0f));
    KeyframePoint3Control* copy = static_cast<KeyframePoint3Control*>(CloneRefHierarchy(c));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ClassID(), KEYFRAME_COLOR_CLASS_ID);
    copy->AddKey(0, Point3(0.0f, 1.0f, 0.0f));
    Point3 p;
    ASSERT_TRUE(c->KeyValue(0, p));
    EXPECT_EQ(p, Point3(1.0f, 0.0f, 0.0f));
    c->DeleteThis();
    copy->DeleteThis();
}

TEST_F(KeyframeControlTest, CurveControlIsAClonableTargetOfTheMakerSuperClass) {
    CurveControl* curve = new CurveControl;
    EXPECT_EQ(curve->SuperClassID(), REF_MAKER_CLASS_ID);
    EXPECT_EQ(curve->ClassID(), Class_ID(0x14585773, 0x483a7dcf));
    curve->SetPoint(1, Point3(1.0f, 0.5f, 0.0f));
    DefaultRemapDir remap(FALSE);
    CurveControl* copy = static_cast<CurveControl*>(remap.CloneRef(curve));
    ASSERT_NE(copy, nullptr);
    copy->SetPoint(1, Point3(1.0f, 0.25f, 0.0f));
    EXPECT_EQ(curve->GetPoint(1), Point3(1.0f, 0.5f, 0.0f));
    curve->GetPoint(5);
    EXPECT_TRUE(TookDiagnostic("no such point"));
    curve->DeleteThis();
    copy->DeleteThis();
}

TEST_F(KeyframeControlTest, UVGenClonesItsSettings) {
    UVGen* uv = NewDefaultUVGen();
    EXPECT_EQ(uv->SuperClassID(), UVGEN_CLASS_ID);
    uv->SetUScl(3.0f, 0);
    UVGen* copy = static_cast<UVGen*>(CloneRefHierarchy(uv));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetUScl(0), 3.0f);
    copy->SetUScl(1.0f, 0);
    EXPECT_EQ(uv->GetUScl(0), 3.0f);
    uv->DeleteThis();
    copy->DeleteThis();
}

}  // namespace
