// Parameter blocks: typed values, tables, objects as the block's references,
// controllers, reset, and strictness about types and indices.
#include <climits>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "HostTest.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

// clang-format off
ParamBlockDesc2 testBlock(7, "test", {
    Default(Param(0, "f", TYPE_FLOAT, P_ANIMATABLE), 1.5f),
    Default(Param(1, "i", TYPE_INT, P_ANIMATABLE), 4),
    Default(Param(2, "c", TYPE_RGBA), Color(0.1f, 0.2f, 0.3f)),
    Default(Param(3, "s", TYPE_STRING), "text"),
    Param(4, "m", TYPE_MTL),
    Param(5, "t", TYPE_TEXMAP),
    Default(TabCount(Param(10, "it", TYPE_INT_TAB), 3), 9),
    TabCount(Param(11, "mt", TYPE_MTL_TAB), 2),
    Default(Param(20, "pf", TYPE_PCNT_FRAC), 0.25f),
    Param(30, "b", TYPE_BOOL),
});
// clang-format on

// A table before single object parameters, so that a change of its length
// moves their reference slots; and a node parameter.
// clang-format off
ParamBlockDesc2 tableFirstBlock(8, "tableFirst", {
    TabCount(Param(0, "maps", TYPE_TEXMAP_TAB), 1),
    Param(1, "map", TYPE_TEXMAP),
    Param(2, "node", TYPE_INODE),
    Default(Param(3, "f", TYPE_FLOAT, P_ANIMATABLE), 0.5f),
});
// clang-format on

// A maker that owns one block through reference 0.
class BlockOwner : public ReferenceTarget {
public:
    explicit BlockOwner(ParamBlockDesc2& desc = testBlock) {
        ReplaceReference(0, CreateParameterBlock2(&desc, this));
    }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? pb : nullptr; }
    void SetReference(int i, RefTargetHandle t) override {
        if (i == 0) pb = static_cast<IParamBlock2*>(t);
    }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pb : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override {
        return pb && pb->ID() == id ? pb : nullptr;
    }
    IParamBlock2* pb = nullptr;
};

// A maker that only references one target, as a plug-in's holder may keep
// another object's block.
class Keeper : public ReferenceMaker {
public:
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? kept : nullptr; }
    void SetReference(int i, RefTargetHandle t) override {
        if (i == 0) kept = t;
    }
    RefTargetHandle kept = nullptr;
};

// A float controller that keeps one value per time it was given.
class KeyedFloat : public Control {
public:
    SClass_ID SuperClassID() override { return CTRL_FLOAT_CLASS_ID; }
    void GetValue(TimeValue t, void* val, Interval& valid, int) override {
        (void)valid;
        auto it = keys.upper_bound(t);
        *static_cast<float*>(val) = it == keys.begin() ? 0.0f : std::prev(it)->second;
    }
    void SetValue(TimeValue t, void* val, int, int) override {
        keys[t] = *static_cast<float*>(val);
    }
    RefTargetHandle Clone(RemapDir& remap) override {
        KeyedFloat* copy = new KeyedFloat;
        copy->keys = keys;
        remap.AddEntry(this, copy);
        return copy;
    }
    std::map<TimeValue, float> keys;
};

// Everything a block holds, as text: counts, values, objects, controllers.
std::string Dump(IParamBlock2* b) {
    std::ostringstream out;
    for (int p = 0; p < b->NumParams(); ++p) {
        ParamID id = b->IndextoID(p);
        ParamType2 type = b->GetParameterType(id);
        int n = IsTabType(type) ? b->Count(id) : 1;
        out << id << '[' << n << "]:";
        for (int e = 0; e < n; ++e) {
            switch (BaseType(type)) {
                case TYPE_FLOAT:
                case TYPE_PCNT_FRAC:
                    out << ' ' << b->GetFloat(id, 0, e);
                    break;
                case TYPE_INT:
                case TYPE_BOOL:
                    out << ' ' << b->GetInt(id, 0, e);
                    break;
                case TYPE_RGBA: {
                    Color c = b->GetColor(id, 0, e);
                    out << ' ' << c.r << ',' << c.g << ',' << c.b;
                    break;
                }
                case TYPE_STRING:
                    out << ' ' << b->GetStr(id, 0, e);
                    break;
                default:
                    out << ' ' << b->GetReferenceTarget(id, 0, e);
                    break;
            }
            if (Control* c = b->GetController(id, e)) out << " ctrl " << c;
        }
        out << '\n';
    }
    return out.str();
}

class ParamBlockTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        owner = new BlockOwner;
        pb = owner->pb;
    }
    BlockOwner* owner = nullptr;
    IParamBlock2* pb = nullptr;
};

TEST_F(ParamBlockTest, BlockIsAReferenceTargetOwnedByItsMaker) {
    EXPECT_EQ(pb->SuperClassID(), PARAMETER_BLOCK2_CLASS_ID);
    EXPECT_EQ(pb->GetOwner(), owner);
    EXPECT_EQ(owner->GetParamBlockByID(7), pb);
    DependentIterator it(pb);
    EXPECT_EQ(it.Next(), owner);
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, BlockThatOutlivesItsOwnerNoLongerNamesIt) {
    Keeper keeper;
    keeper.ReplaceReference(0, pb);
    owner->DeleteThis();
    EXPECT_EQ(pb->GetOwner(), nullptr);
    // Still a whole block: values and objects go in and read back.
    EXPECT_TRUE(pb->SetValue(0, 0, 2.5f));
    EXPECT_FLOAT_EQ(pb->GetFloat(0), 2.5f);
    Mtl* m = Scene::Standard("m");
    EXPECT_TRUE(pb->SetValue(4, 0, m));
    EXPECT_EQ(pb->GetMtl(4), m);
    pb->SetOwner(&keeper);
    EXPECT_EQ(pb->GetOwner(), &keeper);
}

TEST_F(ParamBlockTest, DescriptorOrderIdsAndTypes) {
    EXPECT_EQ(pb->NumParams(), 10);
    EXPECT_EQ(pb->IndextoID(6), 10);
    EXPECT_EQ(pb->IndextoID(10), -1);
    EXPECT_EQ(pb->IDtoIndex(20), 8);
    EXPECT_EQ(pb->IDtoIndex(99), -1);
    EXPECT_EQ(pb->GetParameterType(11), TYPE_MTL_TAB);
    EXPECT_EQ(pb->GetParameterType(20), TYPE_PCNT_FRAC);
    EXPECT_EQ(pb->GetParameterType(99), -1);
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, ValuesReadBackAndDefaultsHold) {
    EXPECT_FLOAT_EQ(pb->GetFloat(0), 1.5f);
    EXPECT_EQ(pb->GetInt(1), 4);
    EXPECT_EQ(pb->GetColor(2), Color(0.1f, 0.2f, 0.3f));
    EXPECT_STREQ(pb->GetStr(3), "text");
    EXPECT_FLOAT_EQ(pb->GetFloat(20), 0.25f);

    EXPECT_TRUE(pb->SetValue(0, 0, 2.5f));
    EXPECT_TRUE(pb->SetValue(1, 0, 8));
    EXPECT_TRUE(pb->SetValue(2, 0, Color(1, 0, 0)));
    EXPECT_TRUE(pb->SetValue(3, 0, "other"));
    EXPECT_TRUE(pb->SetValue(30, 0, TRUE));
    EXPECT_FLOAT_EQ(pb->GetFloat(0), 2.5f);
    EXPECT_EQ(pb->GetInt(1), 8);
    EXPECT_EQ(pb->GetColor(2), Color(1, 0, 0));
    EXPECT_STREQ(pb->GetStr(3), "other");
    EXPECT_EQ(pb->GetInt(30), 1);

    pb->ResetAll(FALSE, TRUE);
    EXPECT_FLOAT_EQ(pb->GetFloat(0), 1.5f);
    EXPECT_EQ(pb->GetInt(1), 4);
    EXPECT_STREQ(pb->GetStr(3), "text");
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, WrongTypeUnknownIdAndBadIndexAreRefused) {
    struct Case {
        const char* what;
        BOOL (*write)(IParamBlock2*);
        const char* diagnostic;
    } cases[] = {
        {"float into int", [](IParamBlock2* b) { return b->SetValue(1, 0, 2.0f); }, "not a float"},
        {"int into float", [](IParamBlock2* b) { return b->SetValue(0, 0, 2); }, "not a int"},
        {"unknown id", [](IParamBlock2* b) { return b->SetValue(99, 0, 2); }, "no parameter 99"},
        {"scalar with index", [](IParamBlock2* b) { return b->SetValue(1, 0, 2, 1); },
         "not a table"},
        {"table index too big", [](IParamBlock2* b) { return b->SetValue(10, 0, 2, 3); },
         "out of range"},
        {"negative table index", [](IParamBlock2* b) { return b->SetValue(10, 0, 2, -1); },
         "out of range"},
        {"map into material",
         [](IParamBlock2* b) { return b->SetValue(5, 0, (Mtl*)Scene::Standard()); },
         "does not fit"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.write(pb)) << c.what;
        EXPECT_TRUE(TookDiagnostic(c.diagnostic)) << c.what;
    }
    EXPECT_EQ(pb->GetInt(1), 4);
    EXPECT_EQ(pb->GetInt(10, 0, 2), 9);
    owner->DeleteThis();
    ExpectStragglersAtTeardown(1);  // the material that the map parameter refused
}

TEST_F(ParamBlockTest, TablesGrowWithDefaultsAndShrinkLettingObjectsGo) {
    EXPECT_EQ(pb->Count(10), 3);
    pb->SetValue(10, 0, 5, 2);
    pb->SetCount(10, 5);
    EXPECT_EQ(pb->Count(10), 5);
    EXPECT_EQ(pb->GetInt(10, 0, 2), 5);
    EXPECT_EQ(pb->GetInt(10, 0, 4), 9);

    Mtl* a = Scene::Standard("a");
    Mtl* b = Scene::Standard("b");
    pb->SetValue(11, 0, a, 0);
    pb->SetValue(11, 0, b, 1);
    pb->SetCount(11, 1);
    EXPECT_EQ(pb->GetMtl(11, 0, 0), a);
    EXPECT_FALSE(StandIn::IsLive(b));
    owner->DeleteThis();
    EXPECT_FALSE(StandIn::IsLive(a));
}

TEST_F(ParamBlockTest, ObjectsInParametersAreTheBlocksReferences) {
    Mtl* m = Scene::Standard("m");
    pb->SetValue(4, 0, m);
    DependentIterator it(m);
    EXPECT_EQ(it.Next(), pb);
    EXPECT_EQ(pb->GetMtl(4), m);

    // Deleting the object empties the parameter.
    m->DeleteThis();
    EXPECT_EQ(pb->GetMtl(4), nullptr);
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, AnimatedParameterReadsAndWritesThroughItsController) {
    pb->SetValue(0, 0, 3.0f);
    KeyedFloat* c = new KeyedFloat;
    ASSERT_TRUE(pb->SetController(0, 0, c, TRUE));
    EXPECT_EQ(pb->GetController(0), c);
    EXPECT_FLOAT_EQ(c->keys[0], 3.0f);  // the present value kept at frame 0

    pb->SetValue(0, 100, 7.0f);
    EXPECT_FLOAT_EQ(pb->GetFloat(0, 50), 3.0f);
    EXPECT_FLOAT_EQ(pb->GetFloat(0, 100), 7.0f);

    // An int parameter animated by a float controller reads the nearest integer.
    KeyedFloat* ci = new KeyedFloat;
    ASSERT_TRUE(pb->SetController(1, 0, ci, FALSE));
    ci->keys[0] = 2.6f;
    EXPECT_EQ(pb->GetInt(1), 3);
    ci->keys[0] = 1e30f;
    EXPECT_EQ(pb->GetInt(1), INT_MAX);

    // Not animatable: refused, and left to the caller.
    KeyedFloat* refused = new KeyedFloat;
    EXPECT_FALSE(pb->SetController(3, 0, refused, TRUE));
    EXPECT_TRUE(TookDiagnostic("cannot be animated"));
    EXPECT_FALSE(refused->HasDependents());
    refused->DeleteThis();
    owner->DeleteThis();
    EXPECT_FALSE(StandIn::IsLive(c));
}

TEST_F(ParamBlockTest, ValueChangesWhileHoldingAreUndoable) {
    theHold.Begin();
    pb->SetValue(1, 0, 11);
    pb->SetValue(10, 0, 12, 1);
    theHold.Accept("Edit");
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(pb->GetInt(1), 4);
    EXPECT_EQ(pb->GetInt(10, 0, 1), 9);
    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(pb->GetInt(1), 11);
    EXPECT_EQ(pb->GetInt(10, 0, 1), 12);
    theHold.Reset();
    owner->DeleteThis();
}

// One way each to take a block away from its defaults. change answers the
// object or controller it put in (null for plain values).
struct ResetRow {
    const char* what;
    ReferenceTarget* (*change)(IParamBlock2*);
    bool objectGoes;  // nothing but the block holds what the row put in
};

const ResetRow resetRows[] = {
    {"a float",
     [](IParamBlock2* b) -> ReferenceTarget* {
         b->SetValue(0, 0, 2.5f);
         return nullptr;
     },
     false},
    {"an int and a bool",
     [](IParamBlock2* b) -> ReferenceTarget* {
         b->SetValue(1, 0, 8);
         b->SetValue(30, 0, TRUE);
         return nullptr;
     },
     false},
    {"a colour and a string",
     [](IParamBlock2* b) -> ReferenceTarget* {
         b->SetValue(2, 0, Color(1, 0, 0));
         b->SetValue(3, 0, "other");
         return nullptr;
     },
     false},
    {"a table grown",
     [](IParamBlock2* b) -> ReferenceTarget* {
         b->SetCount(10, 5);
         b->SetValue(10, 0, 1, 4);
         return nullptr;
     },
     false},
    {"a table shrunk",
     [](IParamBlock2* b) -> ReferenceTarget* {
         b->SetCount(10, 1);
         return nullptr;
     },
     false},
    {"an object only the block holds",
     [](IParamBlock2* b) -> ReferenceTarget* {
         Mtl* m = Scene::Standard("only here");
         b->SetValue(4, 0, m);
         return m;
     },
     true},
    {"an object a node holds too",
     [](IParamBlock2* b) -> ReferenceTarget* {
         Mtl* m = Scene::Standard("shown");
         Scene::Node(m);
         b->SetValue(4, 0, m);
         return m;
     },
     false},
    {"an object beyond a table's first length",
     [](IParamBlock2* b) -> ReferenceTarget* {
         Mtl* m = Scene::Standard("in table");
         b->SetCount(11, 4);
         b->SetValue(11, 0, m, 3);
         return m;
     },
     true},
    {"a controller",
     [](IParamBlock2* b) -> ReferenceTarget* {
         KeyedFloat* c = new KeyedFloat;
         c->keys[0] = 3.0f;
         b->SetController(0, 0, c, FALSE);
         return c;
     },
     true},
};

TEST_F(ParamBlockTest, ResetAllBringsEveryParameterBackAndUndoesAsOne) {
    const std::string fresh = Dump(pb);
    for (const ResetRow& row : resetRows) {
        for (bool holding : {false, true}) {
            SCOPED_TRACE(std::string(row.what) + (holding ? ", holding" : ""));
            ReferenceTarget* put = row.change(pb);
            const std::string changed = Dump(pb);
            ASSERT_NE(changed, fresh);

            if (holding) theHold.Begin();
            pb->ResetAll(FALSE, TRUE);
            if (holding) theHold.Accept("Reset");
            EXPECT_EQ(Dump(pb), fresh);
            // While a step may bring it back, what was let go stays.
            if (put) {
                EXPECT_EQ(StandIn::IsLive(put), holding || !row.objectGoes);
            }
            if (holding) {
                EXPECT_EQ(theHold.UndoStepSize(0), 1);
                ASSERT_TRUE(theHold.Undo());
                EXPECT_EQ(Dump(pb), changed);
                ASSERT_TRUE(theHold.Redo());
                EXPECT_EQ(Dump(pb), fresh);
                theHold.Reset();
                if (put) {
                    EXPECT_EQ(StandIn::IsLive(put), !row.objectGoes);
                }
            }
            EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
        }
    }
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, NewTableLengthUndoesWithTheObjectsItCutOff) {
    struct Case {
        const char* what;
        int count;
    } cases[] = {{"shrink to one", 1}, {"shrink to none", 0}, {"grow to five", 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mtl* a = Scene::Standard("a");
        Mtl* b = Scene::Standard("b");
        pb->SetValue(11, 0, a, 0);
        pb->SetValue(11, 0, b, 1);
        const std::string before = Dump(pb);

        theHold.Begin();
        pb->SetCount(11, c.count);
        theHold.Accept("Count");
        EXPECT_EQ(pb->Count(11), c.count);
        EXPECT_TRUE(StandIn::IsLive(a));
        EXPECT_TRUE(StandIn::IsLive(b));

        ASSERT_TRUE(theHold.Undo());
        EXPECT_EQ(Dump(pb), before);
        EXPECT_EQ(pb->GetMtl(11, 0, 1), b);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");
        ASSERT_TRUE(theHold.Redo());
        EXPECT_EQ(pb->Count(11), c.count);
        EXPECT_STREQ(StandIn::CheckReferenceIntegrity().data(), "");

        // Once the step is gone, what the table cut off goes too.
        theHold.Reset();
        EXPECT_EQ(StandIn::IsLive(a), c.count > 0);
        EXPECT_EQ(StandIn::IsLive(b), c.count > 1);
        pb->ResetAll();
    }
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, RecordedReferenceChangeFindsItsParameterAfterATableBeforeItChangedLength) {
    BlockOwner* other = new BlockOwner(tableFirstBlock);
    IParamBlock2* b = other->pb;
    Texmap* map = Scene::Map("map");
    Texmap* inTable = Scene::Map("in table");
    theHold.Begin();
    b->SetValue(1, 0, map);
    theHold.Accept("Map");

    // Outside any hold the table before the map grows: every slot after it moves.
    b->SetCount(0, 3);
    b->SetValue(0, 0, inTable, 1);
    ASSERT_TRUE(theHold.Undo());
    EXPECT_EQ(b->GetTexmap(1), nullptr);
    EXPECT_EQ(b->GetTexmap(0, 0, 1), inTable);
    ASSERT_TRUE(theHold.Redo());
    EXPECT_EQ(b->GetTexmap(1), map);
    EXPECT_EQ(b->GetTexmap(0, 0, 1), inTable);

    // An entry cut off behind the record's back: undo says so and touches no other slot.
    theHold.Begin();
    b->SetValue(0, 0, map, 2);
    theHold.Accept("Map in table");
    b->SetCount(0, 1);
    const std::string before = Dump(b);
    ASSERT_TRUE(theHold.Undo());
    EXPECT_TRUE(TookDiagnostic("is gone"));
    EXPECT_EQ(Dump(b), before);
    theHold.Reset();
    other->DeleteThis();
    owner->DeleteThis();
}

TEST_F(ParamBlockTest, CloneCopiesValuesAndControllersAndSharesNodes) {
    Mtl* m = Scene::Standard("m");
    pb->SetValue(1, 0, 6);
    pb->SetValue(4, 0, m);
    KeyedFloat* c = new KeyedFloat;
    pb->SetController(0, 0, c, FALSE);
    c->keys[0] = 9.0f;

    DefaultRemapDir remap(FALSE);
    IParamBlock2* copy = static_cast<IParamBlock2*>(remap.CloneRef(pb));
    ASSERT_NE(copy, nullptr);
    BlockOwner other;
    other.ReplaceReference(0, copy);
    copy->SetOwner(&other);
    EXPECT_EQ(copy->GetInt(1), 6);
    EXPECT_NE(copy->GetController(0), nullptr);
    EXPECT_NE(copy->GetController(0), c);
    EXPECT_FLOAT_EQ(copy->GetFloat(0), 9.0f);
    EXPECT_NE(copy->GetMtl(4), nullptr);
    EXPECT_NE(copy->GetMtl(4), m);
    other.DeleteAllRefs();
    owner->DeleteThis();

    // A node in a parameter is the same node in the copy; a map beside it is copied.
    BlockOwner* withNode = new BlockOwner(tableFirstBlock);
    INode* node = Scene::Node(nullptr);
    Texmap* map = Scene::Map("map");
    withNode->pb->SetValue(2, 0, node);
    withNode->pb->SetValue(0, 0, map, 0);
    DefaultRemapDir nodeRemap(FALSE);
    IParamBlock2* nodeCopy = static_cast<IParamBlock2*>(nodeRemap.CloneRef(withNode->pb));
    ASSERT_NE(nodeCopy, nullptr);
    BlockOwner otherWithNode(tableFirstBlock);
    otherWithNode.ReplaceReference(0, nodeCopy);
    nodeCopy->SetOwner(&otherWithNode);
    EXPECT_EQ(nodeCopy->GetINode(2), node);
    EXPECT_NE(nodeCopy->GetTexmap(0, 0, 0), nullptr);
    EXPECT_NE(nodeCopy->GetTexmap(0, 0, 0), map);
    std::vector<ReferenceMaker*> users;
    DependentIterator it(node);
    while (ReferenceMaker* u = it.Next()) users.push_back(u);
    EXPECT_EQ(users, (std::vector<ReferenceMaker*>{withNode->pb, nodeCopy}));
    otherWithNode.DeleteAllRefs();
    withNode->DeleteThis();
    EXPECT_TRUE(StandIn::IsLive(node));
    EXPECT_FALSE(node->HasDependents());
}

}  // namespace
