// Parameter blocks. A block is a reference target (super class 0x82) that its
// owner holds through a reference; the materials, maps, nodes and controllers
// in its parameters are the block's own references, so an object used in a
// block has the block among its dependents. Every parameter has an ID, a type
// and a default; table parameters have a count.
#pragma once

#include <vector>

#include "Color.h"
#include "Reference.h"

class Control;
class Mtl;
class Texmap;
class INode;

// Parameter types. The numbers are the host's and are stored in files: never change.
enum : ParamType2 {
    TYPE_FLOAT = 0,
    TYPE_INT = 1,
    TYPE_RGBA = 2,
    TYPE_POINT3 = 3,
    TYPE_BOOL = 4,
    TYPE_ANGLE = 5,
    TYPE_PCNT_FRAC = 6,
    TYPE_WORLD = 7,
    TYPE_STRING = 8,
    TYPE_FILENAME = 9,
    TYPE_HSV = 10,
    TYPE_COLOR_CHANNEL = 11,
    TYPE_TIMEVALUE = 12,
    TYPE_RADIOBTN_INDEX = 13,
    TYPE_MTL = 14,
    TYPE_TEXMAP = 15,
    TYPE_BITMAP = 16,
    TYPE_INODE = 17,
    TYPE_REFTARG = 18,
    TYPE_INDEX = 19,

    TYPE_TAB = 0x800,
    TYPE_BY_REF = 0x1000,

    TYPE_FLOAT_TAB = TYPE_FLOAT | TYPE_TAB,
    TYPE_INT_TAB = TYPE_INT | TYPE_TAB,
    TYPE_RGBA_TAB = TYPE_RGBA | TYPE_TAB,
    TYPE_POINT3_TAB = TYPE_POINT3 | TYPE_TAB,
    TYPE_BOOL_TAB = TYPE_BOOL | TYPE_TAB,
    TYPE_ANGLE_TAB = TYPE_ANGLE | TYPE_TAB,
    TYPE_PCNT_FRAC_TAB = TYPE_PCNT_FRAC | TYPE_TAB,
    TYPE_WORLD_TAB = TYPE_WORLD | TYPE_TAB,
    TYPE_STRING_TAB = TYPE_STRING | TYPE_TAB,
    TYPE_MTL_TAB = TYPE_MTL | TYPE_TAB,
    TYPE_TEXMAP_TAB = TYPE_TEXMAP | TYPE_TAB,
    TYPE_INODE_TAB = TYPE_INODE | TYPE_TAB,
    TYPE_REFTARG_TAB = TYPE_REFTARG | TYPE_TAB,

    TYPE_REFTARG_TAB_BR = TYPE_REFTARG | TYPE_TAB | TYPE_BY_REF,
};

inline bool IsTabType(ParamType2 t) { return (t & TYPE_TAB) != 0; }
inline ParamType2 BaseType(ParamType2 t) { return t & ~(TYPE_TAB | TYPE_BY_REF); }

// Parameter flags.
const int P_ANIMATABLE = 0x1;  // may hold a controller

// One parameter of a block descriptor.
struct ParamDef {
    ParamID id = 0;
    CStr name;
    ParamType2 type = TYPE_FLOAT;
    int flags = 0;
    int tabCount = 0;  // initial count of a table
    float defFloat = 0.0f;
    int defInt = 0;
    Point3 defPoint;
    CStr defString;
};

// Builders for descriptor tables: Param(id, "name", TYPE_INT).Default(3).
SDKAPI ParamDef Param(ParamID id, const char* name, ParamType2 type, int flags = 0);
inline ParamDef Default(ParamDef d, float v) {
    d.defFloat = v;
    return d;
}
inline ParamDef Default(ParamDef d, int v) {
    d.defInt = v;
    return d;
}
inline ParamDef Default(ParamDef d, const Point3& v) {
    d.defPoint = v;
    return d;
}
inline ParamDef Default(ParamDef d, const Color& v) {
    d.defPoint = v;
    return d;
}
inline ParamDef Default(ParamDef d, const char* v) {
    d.defString = v;
    return d;
}
inline ParamDef TabCount(ParamDef d, int count) {
    d.tabCount = count;
    return d;
}

class SDKAPI ParamBlockDesc2 {
public:
    ParamBlockDesc2(BlockID id, const char* name, std::vector<ParamDef> params);

    BlockID ID;
    CStr int_name;

    int Count() const { return static_cast<int>(paramdefs.size()); }
    int IDtoIndex(ParamID id) const;
    const ParamDef* GetParamDef(ParamID id) const;
    const ParamDef& ParamDefAt(int index) const { return paramdefs[static_cast<size_t>(index)]; }

private:
    std::vector<ParamDef> paramdefs;
};

class SDKAPI IParamBlock2 : public ReferenceTarget {
public:
    ~IParamBlock2() override;

    SClass_ID SuperClassID() override { return PARAMETER_BLOCK2_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(0x82, 0); }
    void GetClassName(CStr& s) override { s = "ParamBlock2"; }

    BlockID ID() const { return desc->ID; }
    ParamBlockDesc2* GetDesc() const { return desc; }
    // The maker that the block belongs to; null once that maker is gone (the
    // block may live on while something else references it).
    ReferenceMaker* GetOwner() const;
    // A clone learns its owner from the object that takes it.
    void SetOwner(ReferenceMaker* m);

    int NumParams() const { return desc->Count(); }
    // The ID of the parameter at index i, or -1 outside the block.
    ParamID IndextoID(int i) const;
    // The index of parameter id, or -1 when the block has no such parameter.
    int IDtoIndex(ParamID id) const { return desc->IDtoIndex(id); }
    // The parameter's type, or -1 when the block has no such parameter.
    ParamType2 GetParameterType(ParamID id) const;

    // Tables: number of entries, and a new number (new entries take the
    // default; objects and controllers of entries cut off are let go). While
    // holding, a new number is undoable, the entries cut off included.
    int Count(ParamID id) const;
    int SetCount(ParamID id, int n);

    // Writing. A value of the wrong type, an unknown ID or a table index out of
    // range is refused (FALSE) and reported; nothing changes.
    BOOL SetValue(ParamID id, TimeValue t, float v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, int v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, const Color& v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, const Point3& v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, const char* v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, Mtl* v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, INode* v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, ReferenceTarget* v, int tabIndex = 0);

    // Reading; ivalid is narrowed to the value's validity.
    BOOL GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, Color& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, Point3& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, const char*& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, Mtl*& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, INode*& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, ReferenceTarget*& v, Interval& ivalid, int tabIndex = 0);

    float GetFloat(ParamID id, TimeValue t = 0, int tabIndex = 0);
    int GetInt(ParamID id, TimeValue t = 0, int tabIndex = 0);
    Color GetColor(ParamID id, TimeValue t = 0, int tabIndex = 0);
    Point3 GetPoint3(ParamID id, TimeValue t = 0, int tabIndex = 0);
    const char* GetStr(ParamID id, TimeValue t = 0, int tabIndex = 0);
    Mtl* GetMtl(ParamID id, TimeValue t = 0, int tabIndex = 0);
    Texmap* GetTexmap(ParamID id, TimeValue t = 0, int tabIndex = 0);
    INode* GetINode(ParamID id, TimeValue t = 0, int tabIndex = 0);
    ReferenceTarget* GetReferenceTarget(ParamID id, TimeValue t = 0, int tabIndex = 0);

    // Controllers of animatable parameters. With preserveFrame0Value the new
    // controller takes the parameter's present value at frame 0.
    Control* GetController(ParamID id, int tabIndex = 0);
    BOOL SetController(ParamID id, int tabIndex, Control* c, BOOL preserveFrame0Value = TRUE);

    // Every parameter back to its default, tables to their initial count;
    // objects and controllers are let go. Undoable while holding.
    void ResetAll(BOOL updateUI = TRUE, BOOL callSetHandlers = TRUE);

    int NumRefs() override;
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle rtarg) override;
    // Copies values; controllers and the materials and maps in parameters are
    // cloned (through remap, so an object reached twice is cloned once); nodes
    // are shared, never cloned.
    RefTargetHandle Clone(RemapDir& remap) override;

protected:
    // A slot is named by its parameter, entry and kind, so that undo records
    // still find it after a table before it changed length.
    SlotKey KeyOfSlot(int which) override;
    int SlotOfKey(SlotKey key) override;

private:
    friend SDKAPI IParamBlock2* CreateParameterBlock2(ParamBlockDesc2* pdesc,
                                                      ReferenceMaker* owner);
    friend class ParamValueRestore;
    friend class ParamTablesRestore;
    IParamBlock2(ParamBlockDesc2* pdesc, ReferenceMaker* owner);

    struct Entry {
        float f = 0.0f;
        int i = 0;
        Point3 p;
        CStr s;
        ReferenceTarget* r = nullptr;
        Control* ctrl = nullptr;
    };
    struct Param {
        std::vector<Entry> entries;
    };
    struct EntriesChange {
        int param;
        std::vector<Entry> before, after;
    };
    struct Slot {
        int param;
        int entry;
        bool controller;
    };

    enum Kind { KIND_FLOAT, KIND_INT, KIND_POINT, KIND_STRING, KIND_REF };

    static Entry DefaultEntry(const ParamDef& d);
    static size_t InitialCount(const ParamDef& d);
    bool Locate(const char* op, ParamID id, int tabIndex, Kind kind, int& param);
    bool SlotOf(int refIndex, Slot& slot);
    int FirstRefOf(int param);
    int RefIndexOf(int param, int entry, bool controller);
    // Makes the entries of param exactly want (values, length, objects and
    // controllers), unrecorded; what drops out and nothing else references
    // goes, unless an undo record needs it.
    void ApplyEntries(int param, const std::vector<Entry>& want);
    // Puts the changes into the hold as one record (when holding), then
    // makes them.
    void ChangeEntries(std::vector<EntriesChange> changes);
    BOOL SetPlain(const char* op, ParamID id, TimeValue t, int tabIndex, Kind kind,
                  const Entry& value);
    BOOL GetPlain(const char* op, ParamID id, TimeValue t, int tabIndex, Kind kind, Entry& out,
                  Interval& ivalid);
    BOOL SetRef(const char* op, ParamID id, ReferenceTarget* v, int tabIndex);
    BOOL GetRef(const char* op, ParamID id, ReferenceTarget*& v, int tabIndex);

    ParamBlockDesc2* desc;
    ReferenceMaker* owner;
    // The owner does not tell the block when it goes: the block knows it by
    // address and serial, so that a new maker at the old address is not taken
    // for it.
    ReferenceMaker::Serial ownerSerial;
    std::vector<Param> params;
};

SDKAPI IParamBlock2* CreateParameterBlock2(ParamBlockDesc2* pdesc, ReferenceMaker* owner);
