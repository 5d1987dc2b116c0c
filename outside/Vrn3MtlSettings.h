// Stand-in of the settings object that every Varnel 3 material carries in its
// reference 4: a named map-family object made of parameter blocks and one
// nested settings object.
//
// References:
//   0   parameter block 0
//   1   nested settings (Vrn3NestedSettings: parameter block 0 at its reference 0)
//   2   parameter block 1
//   3   a map (may be empty)
//
// Parameter block 0:  id 0 float (default 1), id 1 int table (2 entries, 0)
// Parameter block 1:  id 0 int (default 0)
// Nested block 0:     id 0 float (default 0), id 1 int (default 0)
#pragma once

#include "Materials.h"
#include "ParamBlock2.h"

class Vrn3NestedSettings : public ReferenceTarget {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x0814ebfc);
    Vrn3NestedSettings();
    Class_ID ClassID() override { return Vrn3NestedSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Nested Settings"; }
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? pblock : nullptr; }
    void SetReference(int i, RefTargetHandle rtarg) override;

private:
    IParamBlock2* pblock = nullptr;
};

class Vrn3MtlSettings : public Texmap {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x20101757, 0x081401b3);
    enum { PBLOCK0_REF = 0, NESTED_REF = 1, PBLOCK1_REF = 2, MAP_REF = 3, NUM_REFS = 4 };

    Vrn3MtlSettings();
    Class_ID ClassID() override { return Vrn3MtlSettings::CLASS_ID; }
    void GetClassName(CStr& s) override { s = "Varnel 3 Material Settings"; }
    int NumParamBlocks() override { return 2; }
    IParamBlock2* GetParamBlock(int i) override;
    IParamBlock2* GetParamBlockByID(BlockID id) override { return GetParamBlock(id); }
    int NumRefs() override { return NUM_REFS; }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;

private:
    IParamBlock2* blocks[2] = {};
    ReferenceTarget* nested = nullptr;
    ReferenceTarget* map = nullptr;
};
