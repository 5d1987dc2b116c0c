// The dispatch: a new Varnel 3 material that bears the source's name, for
// every source class, and nothing at all without the Varnel 3 plug-in.
#include <string>

#include "ConversionRegistry.h"
#include "ConvertMaterial.h"
#include "HostTest.h"
#include "InterfaceCalls.h"
#include "MultiMtl.h"
#include "OutsideClasses.h"
#include "OutsideContract.h"
#include "SceneBuilder.h"
#include "StdMtl.h"

namespace {

class ConvertMaterialTest : public HostTest {
protected:
    ConversionRegistry registry;
};

TEST_F(ConvertMaterialTest, NewMaterialBearsTheSourceNameUnchanged) {
    const char* names[] = {"Skin", "", "  spaced  name ", "Material #12 (copy)",
                           "a name well beyond the two hundred and fifty-five characters that "
                           "a text buffer of the panel holds, to show that the engine copies "
                           "the host string and never cuts it: xxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                           "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"};
    for (const char* name : names) {
        Mtl* source = Scene::Multi(1, name);
        Mtl* result = ConvertMaterial(source, 0x10108C01, nullptr, &registry);
        ASSERT_NE(result, nullptr) << name;
        EXPECT_EQ(result->ClassID(), VRN3_MTL_CLASS_ID);
        EXPECT_EQ(std::string(result->GetName().data()), std::string(name));
        result->DeleteThis();
        source->DeleteThis();
    }
}

TEST_F(ConvertMaterialTest, UnrecognisedClassGivesANamedDefaultMaterial) {
    Mtl* source = Scene::Multi(2, "Multi");
    Mtl* result = ConvertMaterial(source, 0, nullptr, &registry);
    ASSERT_NE(result, nullptr);
    EXPECT_STREQ(result->GetName().data(), "Multi");
    // As the Varnel 3 plug-in makes it: its default zones and base material.
    EXPECT_EQ(GetMtlZoneCount(result), 2);
    ASSERT_NE(result->GetSubMtl(0), nullptr);
    EXPECT_EQ(result->GetSubMtl(0)->ClassID(), STANDARD_MTL_CLASS_ID);
    EXPECT_NE(result->GetSubMtl(0), source);
    // The result is referenced by nothing: the caller puts it in place.
    EXPECT_FALSE(result->HasDependents());
    EXPECT_EQ(registry.Count(), 0);
    result->DeleteThis();
    source->DeleteThis();
}

TEST_F(ConvertMaterialTest, SourceIsOnlyRead) {
    StdMtl* source = Scene::Standard("Plain");
    INode* node = Scene::Node(source);
    Mtl* result = ConvertMaterial(source, 0x10108C01, nullptr, &registry);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(node->GetMtl(), source);
    EXPECT_STREQ(source->GetName().data(), "Plain");
    result->DeleteThis();
}

class ConvertWithoutVarnel3Test : public ConvertMaterialTest {
protected:
    void RegisterClasses() override { RegisterHostMaterials(); }
};

TEST_F(ConvertWithoutVarnel3Test, NoVarnel3PlugInGivesNullAndCreatesNothing) {
    StdMtl* source = Scene::Standard("Plain");
    int before = StandIn::LiveTargetCount();
    EXPECT_EQ(ConvertMaterial(source, 0x10108C01, nullptr, &registry), nullptr);
    EXPECT_EQ(StandIn::LiveTargetCount(), before);
    EXPECT_STREQ(source->GetName().data(), "Plain");
    source->DeleteThis();
}

}  // namespace
