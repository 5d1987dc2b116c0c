// Stand-in of the settings object that every Varnel 2 material carries in
// its reference 8, and of the nested settings object inside it.
//
// Vrn2MtlSettings (a map-family object with a name):
//   ref  holds
//   0    parameter block 0: id 0 float, anim (default 1); id 1 int table
//        (3 entries, 0)
//   1    nested settings (Vrn2NestedSettings), present from creation
//   2    parameter block 1: id 0 int (default 0)
//   3    a map, shared into the converted object
//
// Vrn2NestedSettings (a reference target):
//   ref  holds
//   0    parameter block 0: id 0 float, anim (default 0); id 1 int (default 0)
#pragma once

#include "SlotObject.h"

class Vrn2NestedSettings : public SlotObject<ReferenceTarget> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814ebfb);
    Vrn2NestedSettings();
    Class_ID ClassID() override { return Vrn2NestedSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Nested Settings"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2NestedSettings>(remap); }
};

class Vrn2MtlSettings : public SlotObject<Texmap> {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x54022257, 0x0814ebfa);
    enum { PBLOCK0_REF = 0, NESTED_REF = 1, PBLOCK1_REF = 2, MAP_REF = 3, NUM_REFS = 4 };

    Vrn2MtlSettings();
    Class_ID ClassID() override { return Vrn2MtlSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 2 Material Settings"; }
    RefTargetHandle Clone(RemapDir& remap) override { return CloneAs<Vrn2MtlSettings>(remap); }
};
