// The block copier: what is copied and what is skipped, table lengths,
// controllers, and which of several sources wins.
#include <sstream>
#include <string>

#include "CopyParamBlock.h"
#include "HostTest.h"
#include "KeyframeControl.h"
#include "SceneBuilder.h"
#include "SlotObject.h"
#include "StdMtl.h"

namespace {

// Every parameter type the copier knows, on both sides with the same IDs.
// The destination's defaults differ from the source's values.
std::vector<ParamDef> AllTypes(bool source) {
    float f = source ? 1.0f : 9.0f;
    int n = source ? 6 : 4;
    return {
        Default(Param(0, "float", TYPE_FLOAT, P_ANIMATABLE), f),
        Default(Param(1, "int", TYPE_INT, P_ANIMATABLE), source ? 2 : 90),
        Default(Param(2, "bool", TYPE_BOOL), source ? 1 : 0),
        Default(Param(3, "rgba", TYPE_RGBA, P_ANIMATABLE), Color(f, 0.5f, 0.25f)),
        Default(Param(4, "point3", TYPE_POINT3, P_ANIMATABLE), Point3(f, 2.0f, 3.0f)),
        Default(Param(5, "string", TYPE_STRING), source ? "from source" : "own"),
        Param(6, "mtl", TYPE_MTL),
        Param(7, "texmap", TYPE_TEXMAP),
        Param(8, "node", TYPE_INODE),
        Default(Param(9, "angle", TYPE_ANGLE), f),
        Default(Param(10, "percent", TYPE_PCNT_FRAC), f),
        Default(Param(11, "world", TYPE_WORLD), f),
        Default(Param(12, "filename", TYPE_FILENAME), source ? "a.bmp" : "b.bmp"),
        Default(TabCount(Param(13, "floatTab", TYPE_FLOAT_TAB), n), f),
        Default(TabCount(Param(14, "intTab", TYPE_INT_TAB), n), source ? 3 : 80),
        Default(TabCount(Param(15, "point3Tab", TYPE_POINT3_TAB), n), Point3(f, f, f)),
        Default(TabCount(Param(16, "boolTab", TYPE_BOOL_TAB), n), source ? 1 : 0),
        TabCount(Param(17, "mtlTab", TYPE_MTL_TAB), n),
        TabCount(Param(18, "nodeTab", TYPE_INODE_TAB), n),
        Default(TabCount(Param(19, "rgbaTab", TYPE_RGBA_TAB), n), Color(f, f, f)),
        TabCount(Param(20, "texmapTab", TYPE_TEXMAP_TAB), n),
        Default(Param(21, "hsv", TYPE_HSV), Point3(f, f, f)),
        Default(Param(22, "time", TYPE_TIMEVALUE), source ? 160 : 0),
        Default(Param(23, "radio", TYPE_RADIOBTN_INDEX), source ? 2 : 0),
        Default(Param(24, "channel", TYPE_COLOR_CHANNEL), f),
        // Same ID, other type on the other side: never converted.
        source ? Default(Param(25, "typeDiffers", TYPE_FLOAT), 5.0f)
               : Default(Param(25, "typeDiffers", TYPE_INT), 7),
        // Only in the source.
        Default(Param(source ? 26 : 27, "onlyHere", TYPE_INT), 1),
    };
}

ParamBlockDesc2 sourceDesc(0, "source", AllTypes(true));
ParamBlockDesc2 destDesc(0, "dest", AllTypes(false));

// Two source parameters that the line-set translator sends to destination 0,
// in both orders.
ParamBlockDesc2 zeroFirst(0, "zeroFirst",
                          {Default(Param(0, "a", TYPE_INT), 10),
                           Default(Param(18, "b", TYPE_INT), 20)});
ParamBlockDesc2 zeroLast(0, "zeroLast",
                         {Default(Param(18, "b", TYPE_INT), 20),
                          Default(Param(0, "a", TYPE_INT), 10)});
ParamBlockDesc2 linesetDest(0, "linesetDest", {Default(Param(0, "a", TYPE_INT), 0)});

class Owner : public SlotObject<ReferenceTarget> {
public:
    explicit Owner(ParamBlockDesc2& desc) : SlotObject<ReferenceTarget>({BlockSlot(desc)}) {}
    IParamBlock2* Block() { return GetParamBlock(0); }
};

// A parameter's value (every table element) as text, by its type.
std::string Text(IParamBlock2* pb, ParamID id) {
    std::ostringstream out;
    ParamType2 type = pb->GetParameterType(id);
    int n = IsTabType(type) ? pb->Count(id) : 1;
    out << "[" << n << "]";
    for (int i = 0; i < n; ++i) {
        out << " ";
        switch (BaseType(type)) {
            case TYPE_FLOAT:
            case TYPE_ANGLE:
            case TYPE_PCNT_FRAC:
            case TYPE_WORLD:
            case TYPE_COLOR_CHANNEL:
                out << pb->GetFloat(id, 0, i);
                break;
            case TYPE_INT:
            case TYPE_BOOL:
            case TYPE_TIMEVALUE:
            case TYPE_RADIOBTN_INDEX:
                out << pb->GetInt(id, 0, i);
                break;
            case TYPE_RGBA:
            case TYPE_POINT3:
            case TYPE_HSV: {
                Point3 p = pb->GetPoint3(id, 0, i);
                out << p.x << "," << p.y << "," << p.z;
                break;
            }
            case TYPE_STRING:
            case TYPE_FILENAME:
                out << pb->GetStr(id, 0, i);
                break;
            default:
                out << pb->GetReferenceTarget(id, 0, i);
                break;
        }
    }
    return out.str();
}

class CopyParamBlockTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        source = new Owner(sourceDesc);
        dest = new Owner(destDesc);
        mtl = Scene::Standard("shared");
        map = static_cast<Texmap*>(static_cast<ReferenceTarget*>(
            ip->CreateInstance(TEXMAP_CLASS_ID, Class_ID(0x20101757, 0x081401a0))));
        node = Scene::Node(nullptr);
        IParamBlock2* s = source->Block();
        s->SetValue(6, 0, mtl);
        s->SetValue(7, 0, map);
        s->SetValue(8, 0, node);
        s->SetValue(17, 0, mtl, 2);
        s->SetValue(18, 0, node, 5);
        s->SetValue(20, 0, map, 1);
        s->SetValue(13, 0, 42.0f, 5);
        s->SetValue(14, 0, 7, 3);
    }
    void TearDown() override {
        source->DeleteThis();
        dest->DeleteThis();
        HostTest::TearDown();
    }

    Owner* source = nullptr;
    Owner* dest = nullptr;
    Mtl* mtl = nullptr;
    Texmap* map = nullptr;
    INode* node = nullptr;
};

struct TypeCase {
    const char* name;
    ParamID id;
    bool copied;
};

const TypeCase typeCases[] = {
    {"float", 0, true},      {"int", 1, true},           {"bool", 2, true},
    {"rgba", 3, true},       {"point3", 4, true},        {"string", 5, true},
    {"mtl", 6, false},       {"texmap", 7, false},       {"node", 8, true},
    {"angle", 9, false},     {"percent", 10, false},     {"world", 11, false},
    {"filename", 12, false}, {"floatTab", 13, true},     {"intTab", 14, true},
    {"point3Tab", 15, true}, {"boolTab", 16, true},      {"mtlTab", 17, true},
    {"nodeTab", 18, true},   {"rgbaTab", 19, false},     {"texmapTab", 20, false},
    {"hsv", 21, false},      {"time", 22, false},        {"radio", 23, false},
    {"channel", 24, false},  {"typeDiffers", 25, false},
};

TEST_F(CopyParamBlockTest, CopiesTheKnownTypesAndSkipsTheRest) {
    std::string before[26];
    for (const TypeCase& c : typeCases) before[c.id] = Text(dest->Block(), c.id);
    CopyParamBlock(source->Block(), dest->Block(), 1, baseParamIDConverter);
    for (const TypeCase& c : typeCases) {
        std::string expected = c.copied ? Text(source->Block(), c.id) : before[c.id];
        EXPECT_EQ(Text(dest->Block(), c.id), expected) << c.name;
    }
    // Objects are shared, never cloned.
    EXPECT_EQ(dest->Block()->GetMtl(17, 0, 2), mtl);
    EXPECT_EQ(dest->Block()->GetINode(8), node);
    EXPECT_EQ(dest->Block()->GetINode(18, 0, 5), node);
}

TEST_F(CopyParamBlockTest, TranslatorThatIgnoresTypesCarriesMapsOver) {
    ParamIDConverterRefTex refTex;  // source 7 lands in destination 10: an int, skipped
    CopyParamBlock(source->Block(), dest->Block(), 1, refTex);
    EXPECT_EQ(dest->Block()->GetTexmap(7), nullptr);
    // Identity through a translator that passes maps: the very same map object.
    struct PassAll : ParamIDConverter {
        ParamID ConvertID(ParamID id, ParamType2) override { return id; }
    } passAll;
    CopyParamBlock(source->Block(), dest->Block(), 1, passAll);
    EXPECT_EQ(dest->Block()->GetTexmap(7), map);
    EXPECT_EQ(dest->Block()->GetMtl(6), mtl);
}

struct LengthCase {
    const char* name;
    int sourceCount;
    int destCount;
    int resizeTabs;
    int expectedCount;
    int copiedElements;
};

TEST_F(CopyParamBlockTest, TableLengthsFollowResizeTabs) {
    const LengthCase cases[] = {
        {"6 into 4, kept", 6, 4, 0, 4, 4},    {"6 into 4, resized", 6, 4, 1, 6, 6},
        {"3 into 6, kept", 3, 6, 0, 6, 3},    {"3 into 6, resized", 3, 6, 1, 3, 3},
        {"0 into 2, resized", 0, 2, 1, 0, 0},
    };
    for (const LengthCase& c : cases) {
        IParamBlock2* s = source->Block();
        IParamBlock2* d = dest->Block();
        s->SetCount(14, c.sourceCount);
        d->SetCount(14, 0);
        d->SetCount(14, c.destCount);
        for (int i = 0; i < c.sourceCount; ++i) s->SetValue(14, 0, 100 + i, i);
        CopyParamBlock(s, d, c.resizeTabs, baseParamIDConverter);
        ASSERT_EQ(d->Count(14), c.expectedCount) << c.name;
        for (int i = 0; i < c.expectedCount; ++i)
            EXPECT_EQ(d->GetInt(14, 0, i), i < c.copiedElements ? 100 + i : 80)
                << c.name << ", element " << i;
    }
}

TEST_F(CopyParamBlockTest, ControllersAreClonedAfterTheFrameZeroValue) {
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(0, 3.0f);
    c->AddKey(10 * TICKS_PER_FRAME, 6.0f);
    ASSERT_TRUE(source->Block()->SetController(0, 0, c, FALSE));
    KeyframePoint3Control* pc = NewDefaultColorController();
    pc->AddKey(5 * TICKS_PER_FRAME, Point3(0.0f, 1.0f, 0.0f));
    ASSERT_TRUE(source->Block()->SetController(3, 0, pc, FALSE));

    CopyParamBlock(source->Block(), dest->Block(), 1, baseParamIDConverter);

    auto* copy = static_cast<KeyframeFloatControl*>(dest->Block()->GetController(0));
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, c);
    EXPECT_EQ(source->Block()->GetController(0), c);
    EXPECT_EQ(copy->GetNumKeys(), 2);
    EXPECT_EQ(dest->Block()->GetFloat(0, 5 * TICKS_PER_FRAME), 4.5f);
    // Editing the new animation leaves the old one alone.
    copy->AddKey(10 * TICKS_PER_FRAME, 60.0f);
    EXPECT_EQ(source->Block()->GetFloat(0, 10 * TICKS_PER_FRAME), 6.0f);

    auto* colour = static_cast<KeyframePoint3Control*>(dest->Block()->GetController(3));
    ASSERT_NE(colour, nullptr);
    EXPECT_NE(colour, pc);
    // The frame-0 value the source had (held before its first key) is kept.
    EXPECT_EQ(dest->Block()->GetColor(3, 0), Color(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(dest->Block()->GetColor(3, 5 * TICKS_PER_FRAME), Color(0.0f, 1.0f, 0.0f));
}

TEST_F(CopyParamBlockTest, ControllerOfATableElementGoesToTheSameElement) {
    ParamBlockDesc2 animTab(0, "animTab",
                            {TabCount(Param(0, "t", TYPE_FLOAT_TAB, P_ANIMATABLE), 3)});
    Owner* s = new Owner(animTab);
    Owner* d = new Owner(animTab);
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(0, 1.0f);
    c->AddKey(TICKS_PER_FRAME, 2.0f);
    ASSERT_TRUE(s->Block()->SetController(0, 2, c, FALSE));
    CopyParamBlock(s->Block(), d->Block(), 0, baseParamIDConverter);
    EXPECT_EQ(d->Block()->GetController(0, 0), nullptr);
    ASSERT_NE(d->Block()->GetController(0, 2), nullptr);
    EXPECT_NE(d->Block()->GetController(0, 2), c);
    EXPECT_EQ(d->Block()->GetFloat(0, TICKS_PER_FRAME, 2), 2.0f);
    s->DeleteThis();
    d->DeleteThis();
}

TEST_F(CopyParamBlockTest, UnanimatableDestinationTakesOnlyTheValue) {
    ParamBlockDesc2 animated(0, "animated", {Default(Param(0, "v", TYPE_INT, P_ANIMATABLE), 0)});
    ParamBlockDesc2 plain(0, "plain", {Default(Param(0, "v", TYPE_INT), 9)});
    Owner* s = new Owner(animated);
    Owner* d = new Owner(plain);
    KeyframeFloatControl* c = NewDefaultFloatController();
    c->AddKey(0, 4.0f);
    c->AddKey(TICKS_PER_FRAME, 8.0f);
    ASSERT_TRUE(s->Block()->SetController(0, 0, c, FALSE));
    int before = StandIn::LiveTargetCount();
    CopyParamBlock(s->Block(), d->Block(), 1, baseParamIDConverter);
    EXPECT_EQ(d->Block()->GetInt(0), 4);
    EXPECT_EQ(StandIn::LiveTargetCount(), before) << "no controller clone left over";
    s->DeleteThis();
    d->DeleteThis();
}

TEST_F(CopyParamBlockTest, LastVisitedSourceDecidesASharedDestination) {
    struct OrderCase {
        const char* name;
        ParamBlockDesc2* desc;
        int expected;
    };
    const OrderCase cases[] = {{"0 then 18", &zeroFirst, 20}, {"18 then 0", &zeroLast, 10}};
    for (const OrderCase& c : cases) {
        Owner* s = new Owner(*c.desc);
        Owner* d = new Owner(linesetDest);
        ParamIDConverterLineset lineset;
        CopyParamBlock(s->Block(), d->Block(), 1, lineset);
        EXPECT_EQ(d->Block()->GetInt(0), c.expected) << c.name;
        s->DeleteThis();
        d->DeleteThis();
    }
}

TEST_F(CopyParamBlockTest, NullBlocksCopyNothing) {
    std::string before = Text(dest->Block(), 0);
    CopyParamBlock(nullptr, dest->Block(), 1, baseParamIDConverter);
    CopyParamBlock(source->Block(), nullptr, 1, baseParamIDConverter);
    EXPECT_EQ(Text(dest->Block(), 0), before);
}

}  // namespace
