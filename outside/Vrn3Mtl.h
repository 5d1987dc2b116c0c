// Stand-in of the Varnel 3 material: a base material wrapped with shading
// zones, a highlight and maps.
//
// References:
//   0        parameter block 0 (main)
//   1        base material: sub-material 0 (a Standard material when the host has one)
//   2        parameter block 1 (outline)
//   3        outline map: sub-texmap 5
//   4        settings object (Vrn3MtlSettings), present from creation
//   5        parameter block 2 (shadow)
//   6 .. 10  sub-texmaps 0 .. 4: highlight colour, highlight level, highlight
//            glossiness, bump, reflection
//   11 + k   zone k of the zone list
//
// Parameter block 0 (IDs are the plug-in's and never change):
//   id  type          default        meaning
//   0   int           0              shading model
//   1   float, anim   50             standard mix of the base material, percent
//   2   colour, anim  (1, 1, 1)      highlight colour
//   3   int           0              highlight blend mode (1 = Add)
//   4   int           30             highlight size
//   5   int           40             highlight glossiness
//   6   int           90             highlight sharpness
//   7   int           0              highlight anisotropy
//   8   int           0              highlight orientation
//   9   float, anim   100            highlight map amount, percent
//   10  int           1              highlight map enabled
//   11  percent frac  0.5            outline softness
//   12  material tab  0 entries      layered materials
//   13  texmap        empty          pattern map
//   14  int           0              bump map enabled
//   15  int           30             bump amount, percent
//   16  float table   0 entries      custom curve
//   17  int           0              reflection map enabled
//   18  int           100            reflection amount, percent
// Blocks 1 and 2 hold one float (ID 0, default 1) each.
//
// Zone-list interface (0x6e686977, 0x6ca31003): 1 set zones (table), 2 zone
// count, 3 zone at index. A new material has two default zones.
#pragma once

#include "Materials.h"
#include "ObjectList.h"
#include "ParamBlock2.h"

class Vrn3Mtl : public Mtl {
public:
    static inline const Interface_ID ZONE_LIST_INTERFACE_ID = Interface_ID(0x6e686977, 0x6ca31003);
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081454de);
    enum {
        MAIN_PBLOCK_REF = 0,
        BASE_MTL_REF = 1,
        OUTLINE_PBLOCK_REF = 2,
        OUTLINE_MAP_REF = 3,
        SETTINGS_REF = 4,
        SHADOW_PBLOCK_REF = 5,
        FIRST_MAP_REF = 6,
        NUM_MAP_REFS = 5,
        FIRST_ZONE_REF = 11,
        NUM_SUBTEXMAPS = 6,
    };

    Vrn3Mtl();

    Class_ID ClassID() override { return Vrn3Mtl::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Material"; }

    using Mtl::GetInterface;
    BaseInterface* GetInterface(Interface_ID id) override;

    int NumParamBlocks() override { return 3; }
    IParamBlock2* GetParamBlock(int i) override;
    IParamBlock2* GetParamBlockByID(BlockID id) override { return GetParamBlock(id); }

    int NumSubMtls() override { return 1; }
    Mtl* GetSubMtl(int i) override { return i == 0 ? baseMtl : nullptr; }
    void SetSubMtl(int i, Mtl* m) override;

    int NumSubTexmaps() override { return NUM_SUBTEXMAPS; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;

    int NumRefs() override { return zones.EndRef(); }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;

    void Update(TimeValue t, Interval& valid) override;
    int UpdateCount() const { return updates; }

    const ObjectList& Zones() const { return zones; }

private:
    int MapRef(int slot) const;

    IParamBlock2* blocks[3] = {};
    Mtl* baseMtl = nullptr;
    ReferenceTarget* refs[FIRST_ZONE_REF] = {};  // the single slots other than blocks and base
    ObjectList zones;
    ObjectListInterface zoneList;
    int updates = 0;
};
