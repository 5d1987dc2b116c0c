#include "Vrn3Mtl.h"

#include "CoreInterface.h"
#include "StdMtl.h"
#include "Vrn3MtlSettings.h"
#include "Vrn3Zone.h"

namespace {

ParamBlockDesc2 mainBlock(0, "main", Vrn3Mtl::MAIN_BLOCK_PARAMS);
ParamBlockDesc2 outlineBlock(1, "outline", Vrn3Mtl::OUTLINE_BLOCK_PARAMS);
ParamBlockDesc2 shadowBlock(2, "shadow", Vrn3Mtl::SHADOW_BLOCK_PARAMS);

const int blockRefs[3] = {Vrn3Mtl::MAIN_PBLOCK_REF, Vrn3Mtl::OUTLINE_PBLOCK_REF,
                          Vrn3Mtl::SHADOW_PBLOCK_REF};

}  // namespace

Vrn3Mtl::Vrn3Mtl()
    : zones(this, FIRST_ZONE_REF, Vrn3Zone::CLASS_ID),
      zoneList(Vrn3Mtl::ZONE_LIST_INTERFACE_ID, zones, 1, 2, 3) {
    ReplaceReference(MAIN_PBLOCK_REF, CreateParameterBlock2(&mainBlock, this));
    ReplaceReference(OUTLINE_PBLOCK_REF, CreateParameterBlock2(&outlineBlock, this));
    ReplaceReference(SHADOW_PBLOCK_REF, CreateParameterBlock2(&shadowBlock, this));
    // The base material is the host's Standard material, made through the host
    // like any plug-in would; a host without it leaves the slot empty.
    Animatable* base = GetCOREInterface()->CreateInstance(MATERIAL_CLASS_ID, StdMtl::CLASS_ID);
    ReplaceReference(BASE_MTL_REF, static_cast<Mtl*>(base));
    ReplaceReference(SETTINGS_REF, new Vrn3MtlSettings);
    for (int k = 0; k < 2; ++k) zones.Append(new Vrn3Zone);
}

BaseInterface* Vrn3Mtl::GetInterface(Interface_ID id) {
    return id == Vrn3Mtl::ZONE_LIST_INTERFACE_ID ? &zoneList : nullptr;
}

IParamBlock2* Vrn3Mtl::GetParamBlock(int i) { return i >= 0 && i < 3 ? blocks[i] : nullptr; }

void Vrn3Mtl::SetSubMtl(int i, Mtl* m) {
    if (i == 0) ReplaceReference(BASE_MTL_REF, m);
}

int Vrn3Mtl::MapRef(int slot) const {
    if (slot >= 0 && slot < NUM_MAP_REFS) return FIRST_MAP_REF + slot;
    if (slot == NUM_MAP_REFS) return OUTLINE_MAP_REF;
    return -1;
}

Texmap* Vrn3Mtl::GetSubTexmap(int i) {
    int r = MapRef(i);
    ReferenceTarget* t = r < 0 ? nullptr : refs[r];
    return t && t->SuperClassID() == TEXMAP_CLASS_ID ? static_cast<Texmap*>(t) : nullptr;
}

void Vrn3Mtl::SetSubTexmap(int i, Texmap* m) {
    int r = MapRef(i);
    if (r >= 0) ReplaceReference(r, m);
}

RefTargetHandle Vrn3Mtl::GetReference(int i) {
    for (int b = 0; b < 3; ++b)
        if (i == blockRefs[b]) return blocks[b];
    if (i == BASE_MTL_REF) return baseMtl;
    if (i >= 0 && i < FIRST_ZONE_REF) return refs[i];
    return zones.Owns(i) ? zones.GetRef(i) : nullptr;
}

void Vrn3Mtl::SetReference(int i, RefTargetHandle rtarg) {
    SClass_ID sc = rtarg ? rtarg->SuperClassID() : 0;
    for (int b = 0; b < 3; ++b) {
        if (i == blockRefs[b]) {
            if (!rtarg || sc == PARAMETER_BLOCK2_CLASS_ID)
                blocks[b] = static_cast<IParamBlock2*>(rtarg);
            return;
        }
    }
    if (i == BASE_MTL_REF) {
        if (!rtarg || sc == MATERIAL_CLASS_ID) baseMtl = static_cast<Mtl*>(rtarg);
    } else if (i >= FIRST_MAP_REF && i < FIRST_MAP_REF + NUM_MAP_REFS) {
        if (!rtarg || sc == TEXMAP_CLASS_ID) refs[i] = rtarg;
    } else if (i >= 0 && i < FIRST_ZONE_REF) {
        refs[i] = rtarg;  // the outline map and settings slots take what they are given
    } else {
        zones.SetRef(i, rtarg);
    }
}

void Vrn3Mtl::Update(TimeValue t, Interval& valid) {
    (void)t;
    (void)valid;
    ++updates;
}
