// Class identifiers. A class is known to the host by its super class and its
// two-word class ID; interfaces by their two-word interface ID. These values are
// shared with plug-ins built elsewhere and never change.
#pragma once

#include "MaxTypes.h"

class Class_ID {
public:
    Class_ID() : a(0xffffffff), b(0xffffffff) {}
    Class_ID(ULONG aa, ULONG bb) : a(aa), b(bb) {}
    ULONG PartA() const { return a; }
    ULONG PartB() const { return b; }
    bool operator==(const Class_ID& c) const { return a == c.a && b == c.b; }
    bool operator!=(const Class_ID& c) const { return !(*this == c); }
    bool operator<(const Class_ID& c) const { return a < c.a || (a == c.a && b < c.b); }

private:
    ULONG a, b;
};

class Interface_ID {
public:
    Interface_ID() : a(0xffffffff), b(0xffffffff) {}
    Interface_ID(ULONG aa, ULONG bb) : a(aa), b(bb) {}
    ULONG PartA() const { return a; }
    ULONG PartB() const { return b; }
    bool operator==(const Interface_ID& c) const { return a == c.a && b == c.b; }
    bool operator!=(const Interface_ID& c) const { return !(*this == c); }

private:
    ULONG a, b;
};

// Super classes.
const SClass_ID BASENODE_CLASS_ID = 0x000001;
const SClass_ID REF_MAKER_CLASS_ID = 0x000100;
const SClass_ID REF_TARGET_CLASS_ID = 0x000200;
const SClass_ID PARAMETER_BLOCK2_CLASS_ID = 0x000082;
const SClass_ID MATERIAL_CLASS_ID = 0x000c00;
const SClass_ID TEXMAP_CLASS_ID = 0x000c10;
const SClass_ID UVGEN_CLASS_ID = 0x000c20;
const SClass_ID SHADER_CLASS_ID = 0x000c40;
const SClass_ID UTILITY_CLASS_ID = 0x001020;
const SClass_ID RENDER_EFFECT_CLASS_ID = 0x001090;
const SClass_ID CTRL_FLOAT_CLASS_ID = 0x009003;
const SClass_ID CTRL_POINT3_CLASS_ID = 0x900b;
const SClass_ID GEOMOBJECT_CLASS_ID = 0x000010;
// Super class of the host's own internal makers (material editor, scene root).
const SClass_ID SYSTEM_CLASS_ID = 0x000900;
