// The Standard material stand-ins as plug-ins rely on them: shaders switch
// with their basic colours, clones copy values and own their parts, channels
// are numbered by class, and a zone's stroke table follows its strokes.
#include "HostTest.h"
#include "SceneBuilder.h"
#include "Shaders.h"
#include "StdCompatibleMtl.h"
#include "StdMtl.h"
#include "Vrn3Zone.h"

namespace {

class StdMatTest : public HostTest {};

void SetStrokes(ReferenceTarget* zone, Tab<ReferenceTarget*>& strokes) {
    FPInterface* fpi =
        static_cast<FPInterface*>(zone->GetInterface(Vrn3Zone::STROKE_LIST_INTERFACE_ID));
    ASSERT_NE(fpi, nullptr);
    FPParams params(1, TYPE_REFTARG_TAB_BR, &strokes);
    FPValue result;
    EXPECT_EQ(fpi->Invoke(0, result, &params), FPS_OK);
    params.Detach();
}

TEST_F(StdMatTest, SwitchingShaderKeepsTheBasicColoursAndHighlight) {
    StdMtl* m = Scene::Standard();
    ASSERT_EQ(m->GetShader()->ClassID(), BlinnShader::CLASS_ID);
    m->SetDiffuse(Color(0.1f, 0.2f, 0.3f), 0);
    m->SetShinStr(0.7f, 0);
    m->GetShader()->SetLockAD(FALSE);
    Shader* old = m->GetShader();
    ASSERT_TRUE(m->SwitchShader(FinalToonShader::CLASS_ID));
    EXPECT_FALSE(StandIn::IsLive(old));
    EXPECT_EQ(m->GetShader()->ClassID(), FinalToonShader::CLASS_ID);
    EXPECT_EQ(m->GetDiffuse(0), Color(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(m->GetShinStr(0), 0.7f);
    EXPECT_FALSE(m->GetShader()->GetLockAD());
    // finalToon keeps them at its own IDs.
    EXPECT_EQ(m->GetShader()->GetParamBlock(0)->GetFloat(8), 0.7f);
    m->DeleteThis();
}

TEST_F(StdMatTest, SwitchingToAnUnknownShaderFailsAndChangesNothing) {
    StdMtl* m = Scene::Standard();
    Shader* old = m->GetShader();
    EXPECT_FALSE(m->SwitchShader(Class_ID(0x1234, 0x5678)));
    EXPECT_EQ(m->GetShader(), old);
    m->DeleteThis();
}

TEST_F(StdMatTest, CloneCopiesValuesAndOwnsItsMapsAndShader) {
    StdMtl* m = Scene::Standard("original");
    Texmap* bump = Scene::Map("bump");
    m->SetSubTexmap(ID_BU, bump);
    m->EnableMap(ID_BU, TRUE);
    m->SetTexmapAmt(ID_BU, 0.3f, 0);
    m->SetIOR(2.0f, 0);
    m->SetSelfIllumColorOn(TRUE);
    m->SetDiffuse(Color(0.4f, 0.5f, 0.6f), 0);
    DefaultRemapDir remap(FALSE);
    StdMtl* copy = static_cast<StdMtl*>(static_cast<Mtl*>(remap.CloneRef(m)));
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->GetName().data(), "original");
    ASSERT_NE(copy->GetSubTexmap(ID_BU), nullptr);
    EXPECT_NE(copy->GetSubTexmap(ID_BU), bump);
    EXPECT_TRUE(copy->MapEnabled(ID_BU));
    EXPECT_EQ(copy->GetTexmapAmt(ID_BU, 0), 0.3f);
    EXPECT_EQ(copy->GetIOR(0), 2.0f);
    EXPECT_TRUE(copy->GetSelfIllumColorOn());
    ASSERT_NE(copy->GetShader(), m->GetShader());
    EXPECT_EQ(copy->GetDiffuse(0), Color(0.4f, 0.5f, 0.6f));
    copy->SetDiffuse(Color(1, 1, 1), 0);
    EXPECT_EQ(m->GetDiffuse(0), Color(0.4f, 0.5f, 0.6f));
    copy->DeleteThis();
    m->DeleteThis();
}

TEST_F(StdMatTest, ChannelsAreNumberedByClass) {
    StdMtl* standard = Scene::Standard();
    StdCompatibleMtl* compatible = Scene::StdCompatible();
    const long compatibleChannels[NTEXMAPS] = {1, 0, 2, 3, 4, 5, 6, 7, 11, 12, 13, -1};
    for (long id = 0; id < NTEXMAPS; ++id) {
        EXPECT_EQ(standard->StdIDToChannel(id), id) << id;
        EXPECT_EQ(compatible->StdIDToChannel(id), compatibleChannels[id]) << id;
    }
    EXPECT_EQ(standard->StdIDToChannel(NTEXMAPS), -1);
    EXPECT_EQ(compatible->NumSubTexmaps(), 14);
    ASSERT_NE(compatible->GetShader(), nullptr);
    EXPECT_EQ(compatible->GetShader()->GetParamBlock(0)->GetParameterType(16), TYPE_FLOAT);
    // A channel that does not exist answers nothing and takes nothing.
    compatible->EnableMap(-1, TRUE);
    compatible->SetTexmapAmt(14, 0.5f, 0);
    EXPECT_FALSE(compatible->MapEnabled(-1));
    EXPECT_EQ(compatible->GetTexmapAmt(14, 0), 0.0f);
    EXPECT_EQ(compatible->GetSubTexmap(-1), nullptr);
    standard->DeleteThis();
    compatible->DeleteThis();
}

TEST_F(StdMatTest, ZoneStrokeTableFollowsItsStrokes) {
    ReferenceTarget* zone =
        static_cast<ReferenceTarget*>(ip->CreateInstance(REF_TARGET_CLASS_ID, Vrn3Zone::CLASS_ID));
    IParamBlock2* pb = zone->GetParamBlock(0);
    pb->SetValue(9, 0, 0, 0);
    Tab<ReferenceTarget*> strokes;
    strokes.SetCount(3);
    for (int i = 0; i < strokes.Count(); ++i) strokes[i] = nullptr;
    SetStrokes(zone, strokes);
    ASSERT_EQ(pb->Count(9), 3);
    EXPECT_EQ(pb->GetInt(9, 0, 0), 0) << "kept entries keep their values";
    EXPECT_EQ(pb->GetInt(9, 0, 2), 1) << "new entries take the default";
    strokes.SetCount(0);
    SetStrokes(zone, strokes);
    EXPECT_EQ(pb->Count(9), 0);
    zone->DeleteThis();
}

}  // namespace
