#include "ParamBlock2.h"

#include <climits>
#include <cmath>

#include "Control.h"
#include "Hold.h"
#include "HostState.h"
#include "Materials.h"
#include "Node.h"
#include "StandIn.h"

using StandIn::Report;

namespace {

enum Category { CAT_FLOAT, CAT_INT, CAT_POINT, CAT_STRING, CAT_REF, CAT_NONE };

Category CategoryOf(ParamType2 type) {
    switch (BaseType(type)) {
        case TYPE_FLOAT:
        case TYPE_ANGLE:
        case TYPE_PCNT_FRAC:
        case TYPE_WORLD:
        case TYPE_COLOR_CHANNEL:
            return CAT_FLOAT;
        case TYPE_INT:
        case TYPE_BOOL:
        case TYPE_TIMEVALUE:
        case TYPE_RADIOBTN_INDEX:
        case TYPE_INDEX:
            return CAT_INT;
        case TYPE_RGBA:
        case TYPE_POINT3:
        case TYPE_HSV:
            return CAT_POINT;
        case TYPE_STRING:
        case TYPE_FILENAME:
            return CAT_STRING;
        case TYPE_MTL:
        case TYPE_TEXMAP:
        case TYPE_INODE:
        case TYPE_REFTARG:
            return CAT_REF;
        default:
            return CAT_NONE;
    }
}

bool IsAnimatableParam(const ParamDef& d) {
    Category c = CategoryOf(d.type);
    return (d.flags & P_ANIMATABLE) && (c == CAT_FLOAT || c == CAT_INT || c == CAT_POINT);
}

// Whether t may be stored in a parameter of the given type.
bool Fits(ParamType2 type, ReferenceTarget* t) {
    if (!t) return true;
    switch (BaseType(type)) {
        case TYPE_MTL:
            return t->SuperClassID() == MATERIAL_CLASS_ID;
        case TYPE_TEXMAP:
            return t->SuperClassID() == TEXMAP_CLASS_ID;
        case TYPE_INODE:
            return t->SuperClassID() == BASENODE_CLASS_ID;
        default:
            return true;
    }
}

// Whether c can animate a parameter of the given type.
bool ControllerFits(ParamType2 type, ReferenceTarget* c) {
    if (!c) return true;
    return CategoryOf(type) == CAT_POINT ? c->SuperClassID() == CTRL_POINT3_CLASS_ID
                                         : c->SuperClassID() == CTRL_FLOAT_CLASS_ID;
}

// Int parameters animated by float controllers take the nearest integer;
// values beyond the int range saturate rather than overflow.
int ToInt(float f) {
    if (std::isnan(f)) return 0;
    double r = std::floor(static_cast<double>(f) + 0.5);
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

const char* KindName(int kind) {
    static const char* names[] = {"float", "int", "colour/point3", "string", "object"};
    return kind >= 0 && kind < 5 ? names[kind] : "?";
}

}  // namespace

// ------------------------------------------------------------- descriptors

ParamDef Param(ParamID id, const char* name, ParamType2 type, int flags) {
    ParamDef d;
    d.id = id;
    d.name = name;
    d.type = type;
    d.flags = flags;
    return d;
}

ParamBlockDesc2::ParamBlockDesc2(BlockID id, const char* name, std::vector<ParamDef> params)
    : ID(id), int_name(name), paramdefs(std::move(params)) {}

int ParamBlockDesc2::IDtoIndex(ParamID id) const {
    for (size_t i = 0; i < paramdefs.size(); ++i)
        if (paramdefs[i].id == id) return static_cast<int>(i);
    return -1;
}

const ParamDef* ParamBlockDesc2::GetParamDef(ParamID id) const {
    int i = IDtoIndex(id);
    return i < 0 ? nullptr : &paramdefs[static_cast<size_t>(i)];
}

// ------------------------------------------------------------ undo record

// A plain value written while holding. Pins the block.
class ParamValueRestore : public RestoreObj {
public:
    ParamValueRestore(IParamBlock2* b, int p, int e, const IParamBlock2::Entry& before,
                      const IParamBlock2::Entry& after)
        : pb(b), param(p), entry(e), oldValue(before), newValue(after) {
        pins.Pin(pb);
    }
    void Restore(int) override { Apply(oldValue); }
    void Redo() override { Apply(newValue); }
    CStr Description() override { return CStr("Parameter change"); }

private:
    void Apply(const IParamBlock2::Entry& v) {
        if (pb->IsDeleted()) return;
        auto& entries = pb->params[static_cast<size_t>(param)].entries;
        if (entry >= static_cast<int>(entries.size())) return;
        IParamBlock2::Entry& e = entries[static_cast<size_t>(entry)];
        e.f = v.f;
        e.i = v.i;
        e.p = v.p;
        e.s = v.s;
    }

    IParamBlock2* pb;
    int param;
    int entry;
    IParamBlock2::Entry oldValue;
    IParamBlock2::Entry newValue;
    StandIn::HoldPins pins;
};

// Entries of parameters changed as a whole while holding (a table's new
// length, a reset): the entries before and after, with every object and
// controller in either pinned, so that what drops out comes back on undo.
class ParamTablesRestore : public RestoreObj {
public:
    ParamTablesRestore(IParamBlock2* b, std::vector<IParamBlock2::EntriesChange> c)
        : pb(b), changes(std::move(c)) {
        pins.Pin(pb);
        for (const auto& change : changes) {
            for (const auto& e : change.before) pins.Pin(e.r), pins.Pin(e.ctrl);
            for (const auto& e : change.after) pins.Pin(e.r), pins.Pin(e.ctrl);
        }
    }
    void Restore(int) override {
        if (pb->IsDeleted()) return;
        for (auto it = changes.rbegin(); it != changes.rend(); ++it)
            pb->ApplyEntries(it->param, it->before);
    }
    void Redo() override {
        if (pb->IsDeleted()) return;
        for (const auto& change : changes) pb->ApplyEntries(change.param, change.after);
    }
    CStr Description() override { return CStr("Parameter tables"); }

private:
    IParamBlock2* pb;
    std::vector<IParamBlock2::EntriesChange> changes;
    StandIn::HoldPins pins;
};

// ------------------------------------------------------------------ block

IParamBlock2* CreateParameterBlock2(ParamBlockDesc2* pdesc, ReferenceMaker* owner) {
    if (!pdesc) {
        Report("CreateParameterBlock2 without a descriptor");
        return nullptr;
    }
    return new IParamBlock2(pdesc, owner);
}

IParamBlock2::IParamBlock2(ParamBlockDesc2* pdesc, ReferenceMaker* o)
    : desc(pdesc), owner(o), ownerSerial(o ? o->HostSerial() : 0) {
    params.resize(static_cast<size_t>(desc->Count()));
    for (int i = 0; i < desc->Count(); ++i) {
        const ParamDef& d = desc->ParamDefAt(i);
        params[static_cast<size_t>(i)].entries.assign(InitialCount(d), DefaultEntry(d));
    }
}

IParamBlock2::~IParamBlock2() = default;

ReferenceMaker* IParamBlock2::GetOwner() const {
    return StandIn::IsLive(owner, ownerSerial) ? owner : nullptr;
}

void IParamBlock2::SetOwner(ReferenceMaker* m) {
    owner = m;
    ownerSerial = m ? m->HostSerial() : 0;
}

IParamBlock2::Entry IParamBlock2::DefaultEntry(const ParamDef& d) {
    Entry def;
    def.f = d.defFloat;
    def.i = d.defInt;
    def.p = d.defPoint;
    def.s = d.defString;
    return def;
}

size_t IParamBlock2::InitialCount(const ParamDef& d) {
    return IsTabType(d.type) ? static_cast<size_t>(std::max(0, d.tabCount)) : 1;
}

ParamID IParamBlock2::IndextoID(int i) const {
    return i >= 0 && i < desc->Count() ? desc->ParamDefAt(i).id : static_cast<ParamID>(-1);
}

ParamType2 IParamBlock2::GetParameterType(ParamID id) const {
    const ParamDef* d = desc->GetParamDef(id);
    return d ? d->type : -1;
}

bool IParamBlock2::Locate(const char* op, ParamID id, int tabIndex, Kind kind, int& param) {
    param = desc->IDtoIndex(id);
    if (param < 0) {
        Report("%s: block %d has no parameter %d", op, ID(), id);
        return false;
    }
    const ParamDef& d = desc->ParamDefAt(param);
    if (static_cast<int>(CategoryOf(d.type)) != static_cast<int>(kind)) {
        Report("%s: parameter %d of block %d has type %d, not a %s", op, id, ID(), d.type,
               KindName(kind));
        return false;
    }
    int count = static_cast<int>(params[static_cast<size_t>(param)].entries.size());
    if (!IsTabType(d.type) && tabIndex != 0) {
        Report("%s: parameter %d of block %d is not a table (index %d)", op, id, ID(), tabIndex);
        return false;
    }
    if (tabIndex < 0 || tabIndex >= count) {
        Report("%s: index %d out of range for parameter %d of block %d (count %d)", op, tabIndex,
               id, ID(), count);
        return false;
    }
    return true;
}

int IParamBlock2::Count(ParamID id) const {
    int i = desc->IDtoIndex(id);
    if (i < 0 || !IsTabType(desc->ParamDefAt(i).type)) {
        Report("Count: parameter %d of block %d is not a table", id, ID());
        return 0;
    }
    return static_cast<int>(params[static_cast<size_t>(i)].entries.size());
}

int IParamBlock2::SetCount(ParamID id, int n) {
    int p = desc->IDtoIndex(id);
    if (p < 0 || !IsTabType(desc->ParamDefAt(p).type)) {
        Report("SetCount: parameter %d of block %d is not a table", id, ID());
        return 0;
    }
    auto& entries = params[static_cast<size_t>(p)].entries;
    if (n < 0) {
        Report("SetCount(%d): negative count for parameter %d of block %d", n, id, ID());
        return static_cast<int>(entries.size());
    }
    if (n == static_cast<int>(entries.size())) return n;
    EntriesChange change{p, entries, entries};
    change.after.resize(static_cast<size_t>(n), DefaultEntry(desc->ParamDefAt(p)));
    ChangeEntries({change});
    return n;
}

void IParamBlock2::ChangeEntries(std::vector<EntriesChange> changes) {
    if (changes.empty()) return;
    // The record is put (pinning what drops out) before anything changes.
    if (theHold.Holding()) theHold.Put(new ParamTablesRestore(this, changes));
    for (const EntriesChange& c : changes) ApplyEntries(c.param, c.after);
}

void IParamBlock2::ApplyEntries(int param, const std::vector<Entry>& want) {
    auto& entries = params[static_cast<size_t>(param)].entries;
    std::vector<ReferenceTarget*> dropped;
    auto setRef = [&](int e, bool controller, ReferenceTarget* t) {
        Entry& have = entries[static_cast<size_t>(e)];
        ReferenceTarget* old = controller ? static_cast<ReferenceTarget*>(have.ctrl) : have.r;
        if (old == t) return;
        if (SetSlot(RefIndexOf(param, e, controller), t, FALSE, false) == REF_SUCCEED && old)
            dropped.push_back(old);
    };
    // Entries cut off let go while their slots still exist, last first.
    for (int e = static_cast<int>(entries.size()) - 1; e >= static_cast<int>(want.size()); --e) {
        setRef(e, true, nullptr);
        setRef(e, false, nullptr);
    }
    entries.resize(want.size());
    for (size_t e = 0; e < want.size(); ++e) {
        Entry& have = entries[e];
        have.f = want[e].f;
        have.i = want[e].i;
        have.p = want[e].p;
        have.s = want[e].s;
        setRef(static_cast<int>(e), false, want[e].r);
        setRef(static_cast<int>(e), true, want[e].ctrl);
    }
    for (ReferenceTarget* t : dropped)
        if (StandIn::IsLive(t)) t->MaybeAutoDelete();
}

// ---------------------------------------------------------- plain values

BOOL IParamBlock2::SetPlain(const char* op, ParamID id, TimeValue t, int tabIndex, Kind kind,
                            const Entry& value) {
    int p;
    if (!Locate(op, id, tabIndex, kind, p)) return FALSE;
    Entry& e = params[static_cast<size_t>(p)].entries[static_cast<size_t>(tabIndex)];
    if (e.ctrl) {
        // An animated parameter is written through its controller.
        if (kind == KIND_POINT) {
            Point3 v = value.p;
            e.ctrl->SetValue(t, &v);
        } else {
            float v = kind == KIND_INT ? static_cast<float>(value.i) : value.f;
            e.ctrl->SetValue(t, &v);
        }
        return TRUE;
    }
    Entry before = e;
    switch (kind) {
        case KIND_FLOAT:
            e.f = value.f;
            break;
        case KIND_INT:
            e.i = value.i;
            break;
        case KIND_POINT:
            e.p = value.p;
            break;
        case KIND_STRING:
            e.s = value.s;
            break;
        default:
            break;
    }
    if (theHold.Holding()) theHold.Put(new ParamValueRestore(this, p, tabIndex, before, e));
    return TRUE;
}

BOOL IParamBlock2::GetPlain(const char* op, ParamID id, TimeValue t, int tabIndex, Kind kind,
                            Entry& out, Interval& ivalid) {
    int p;
    if (!Locate(op, id, tabIndex, kind, p)) return FALSE;
    const Entry& e = params[static_cast<size_t>(p)].entries[static_cast<size_t>(tabIndex)];
    out = e;
    if (e.ctrl) {
        if (kind == KIND_POINT) {
            e.ctrl->GetValue(t, &out.p, ivalid);
        } else {
            float f = 0.0f;
            e.ctrl->GetValue(t, &f, ivalid);
            out.f = f;
            out.i = ToInt(f);
        }
    }
    return TRUE;
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, float v, int tabIndex) {
    Entry e;
    e.f = v;
    return SetPlain("SetValue(float)", id, t, tabIndex, KIND_FLOAT, e);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, int v, int tabIndex) {
    Entry e;
    e.i = v;
    return SetPlain("SetValue(int)", id, t, tabIndex, KIND_INT, e);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, const Color& v, int tabIndex) {
    Entry e;
    e.p = v;
    return SetPlain("SetValue(Color)", id, t, tabIndex, KIND_POINT, e);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, const Point3& v, int tabIndex) {
    Entry e;
    e.p = v;
    return SetPlain("SetValue(Point3)", id, t, tabIndex, KIND_POINT, e);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, const char* v, int tabIndex) {
    Entry e;
    e.s = v;
    return SetPlain("SetValue(string)", id, t, tabIndex, KIND_STRING, e);
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid, int tabIndex) {
    Entry e;
    if (!GetPlain("GetValue(float)", id, t, tabIndex, KIND_FLOAT, e, ivalid)) return FALSE;
    v = e.f;
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int tabIndex) {
    Entry e;
    if (!GetPlain("GetValue(int)", id, t, tabIndex, KIND_INT, e, ivalid)) return FALSE;
    v = e.i;
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, Color& v, Interval& ivalid, int tabIndex) {
    Entry e;
    if (!GetPlain("GetValue(Color)", id, t, tabIndex, KIND_POINT, e, ivalid)) return FALSE;
    v = Color(e.p);
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, Point3& v, Interval& ivalid, int tabIndex) {
    Entry e;
    if (!GetPlain("GetValue(Point3)", id, t, tabIndex, KIND_POINT, e, ivalid)) return FALSE;
    v = e.p;
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, const char*& v, Interval& ivalid,
                            int tabIndex) {
    int p;
    (void)t;
    (void)ivalid;
    if (!Locate("GetValue(string)", id, tabIndex, KIND_STRING, p)) return FALSE;
    v = params[static_cast<size_t>(p)].entries[static_cast<size_t>(tabIndex)].s.data();
    return TRUE;
}

float IParamBlock2::GetFloat(ParamID id, TimeValue t, int tabIndex) {
    float v = 0.0f;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

int IParamBlock2::GetInt(ParamID id, TimeValue t, int tabIndex) {
    int v = 0;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

Color IParamBlock2::GetColor(ParamID id, TimeValue t, int tabIndex) {
    Color v;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

Point3 IParamBlock2::GetPoint3(ParamID id, TimeValue t, int tabIndex) {
    Point3 v;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

const char* IParamBlock2::GetStr(ParamID id, TimeValue t, int tabIndex) {
    const char* v = nullptr;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

// ------------------------------------------------------ object parameters

BOOL IParamBlock2::SetRef(const char* op, ParamID id, ReferenceTarget* v, int tabIndex) {
    int p;
    if (!Locate(op, id, tabIndex, KIND_REF, p)) return FALSE;
    const ParamDef& d = desc->ParamDefAt(p);
    if (!Fits(d.type, v)) {
        Report("%s: %s does not fit parameter %d (type %d) of block %d", op, Describe(v).data(), id,
               d.type, ID());
        return FALSE;
    }
    return ReplaceReference(RefIndexOf(p, tabIndex, false), v) == REF_SUCCEED;
}

BOOL IParamBlock2::GetRef(const char* op, ParamID id, ReferenceTarget*& v, int tabIndex) {
    int p;
    if (!Locate(op, id, tabIndex, KIND_REF, p)) return FALSE;
    v = params[static_cast<size_t>(p)].entries[static_cast<size_t>(tabIndex)].r;
    return TRUE;
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, Mtl* v, int tabIndex) {
    (void)t;
    return SetRef("SetValue(Mtl)", id, v, tabIndex);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex) {
    (void)t;
    return SetRef("SetValue(Texmap)", id, v, tabIndex);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, INode* v, int tabIndex) {
    (void)t;
    return SetRef("SetValue(INode)", id, v, tabIndex);
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, ReferenceTarget* v, int tabIndex) {
    (void)t;
    return SetRef("SetValue(ReferenceTarget)", id, v, tabIndex);
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, Mtl*& v, Interval& ivalid, int tabIndex) {
    (void)t;
    (void)ivalid;
    ReferenceTarget* r = nullptr;
    if (!GetRef("GetValue(Mtl)", id, r, tabIndex)) return FALSE;
    v = r && r->SuperClassID() == MATERIAL_CLASS_ID ? static_cast<Mtl*>(r) : nullptr;
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& ivalid, int tabIndex) {
    (void)t;
    (void)ivalid;
    ReferenceTarget* r = nullptr;
    if (!GetRef("GetValue(Texmap)", id, r, tabIndex)) return FALSE;
    v = r && r->SuperClassID() == TEXMAP_CLASS_ID ? static_cast<Texmap*>(r) : nullptr;
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, INode*& v, Interval& ivalid, int tabIndex) {
    (void)t;
    (void)ivalid;
    ReferenceTarget* r = nullptr;
    if (!GetRef("GetValue(INode)", id, r, tabIndex)) return FALSE;
    v = r && r->SuperClassID() == BASENODE_CLASS_ID ? static_cast<INode*>(r) : nullptr;
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, ReferenceTarget*& v, Interval& ivalid,
                            int tabIndex) {
    (void)t;
    (void)ivalid;
    return GetRef("GetValue(ReferenceTarget)", id, v, tabIndex);
}

Mtl* IParamBlock2::GetMtl(ParamID id, TimeValue t, int tabIndex) {
    Mtl* v = nullptr;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

Texmap* IParamBlock2::GetTexmap(ParamID id, TimeValue t, int tabIndex) {
    Texmap* v = nullptr;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

INode* IParamBlock2::GetINode(ParamID id, TimeValue t, int tabIndex) {
    INode* v = nullptr;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

ReferenceTarget* IParamBlock2::GetReferenceTarget(ParamID id, TimeValue t, int tabIndex) {
    ReferenceTarget* v = nullptr;
    Interval iv = FOREVER;
    GetValue(id, t, v, iv, tabIndex);
    return v;
}

// ------------------------------------------------------------ controllers

Control* IParamBlock2::GetController(ParamID id, int tabIndex) {
    int p = desc->IDtoIndex(id);
    if (p < 0) {
        Report("GetController: block %d has no parameter %d", ID(), id);
        return nullptr;
    }
    const auto& entries = params[static_cast<size_t>(p)].entries;
    if (tabIndex < 0 || tabIndex >= static_cast<int>(entries.size())) return nullptr;
    return entries[static_cast<size_t>(tabIndex)].ctrl;
}

BOOL IParamBlock2::SetController(ParamID id, int tabIndex, Control* c, BOOL preserveFrame0Value) {
    int p = desc->IDtoIndex(id);
    if (p < 0) {
        Report("SetController: block %d has no parameter %d", ID(), id);
        return FALSE;
    }
    const ParamDef& d = desc->ParamDefAt(p);
    auto& entries = params[static_cast<size_t>(p)].entries;
    if (!IsAnimatableParam(d) || tabIndex < 0 || tabIndex >= static_cast<int>(entries.size())) {
        Report("SetController: parameter %d[%d] of block %d cannot be animated", id, tabIndex,
               ID());
        return FALSE;
    }
    if (!ControllerFits(d.type, c)) {
        Report("SetController: %s cannot animate parameter %d of block %d", Describe(c).data(), id,
               ID());
        return FALSE;
    }
    Entry plain = entries[static_cast<size_t>(tabIndex)];
    if (ReplaceReference(RefIndexOf(p, tabIndex, true), c) != REF_SUCCEED) return FALSE;
    if (c && preserveFrame0Value) {
        if (CategoryOf(d.type) == CAT_POINT) {
            Point3 v = plain.p;
            c->SetValue(0, &v);
        } else {
            float v = CategoryOf(d.type) == CAT_INT ? static_cast<float>(plain.i) : plain.f;
            c->SetValue(0, &v);
        }
    }
    return TRUE;
}

// ------------------------------------------------------------- references

// Reference slots per entry of a parameter: its object, then its controller.
static int SlotsPerEntry(const ParamDef& d) {
    return (CategoryOf(d.type) == CAT_REF ? 1 : 0) + (IsAnimatableParam(d) ? 1 : 0);
}

int IParamBlock2::FirstRefOf(int param) {
    int k = 0;
    for (int p = 0; p < param; ++p)
        k += static_cast<int>(params[static_cast<size_t>(p)].entries.size()) *
             SlotsPerEntry(desc->ParamDefAt(p));
    return k;
}

bool IParamBlock2::SlotOf(int refIndex, Slot& slot) {
    if (refIndex < 0) return false;
    int k = 0;
    for (int p = 0; p < desc->Count(); ++p) {
        const ParamDef& d = desc->ParamDefAt(p);
        int perEntry = SlotsPerEntry(d);
        if (perEntry == 0) continue;
        int n = static_cast<int>(params[static_cast<size_t>(p)].entries.size());
        if (refIndex < k + n * perEntry) {
            int offset = refIndex - k;
            slot.param = p;
            slot.entry = offset / perEntry;
            slot.controller = CategoryOf(d.type) != CAT_REF || (offset % perEntry) == 1;
            return true;
        }
        k += n * perEntry;
    }
    return false;
}

int IParamBlock2::RefIndexOf(int param, int entry, bool controller) {
    if (param < 0 || param >= desc->Count()) return -1;
    const ParamDef& d = desc->ParamDefAt(param);
    bool value = CategoryOf(d.type) == CAT_REF;
    return FirstRefOf(param) + entry * SlotsPerEntry(d) + (controller && value ? 1 : 0);
}

int IParamBlock2::NumRefs() { return FirstRefOf(desc->Count()); }

RefTargetHandle IParamBlock2::GetReference(int i) {
    Slot s;
    if (!SlotOf(i, s)) return nullptr;
    Entry& e = params[static_cast<size_t>(s.param)].entries[static_cast<size_t>(s.entry)];
    return s.controller ? static_cast<ReferenceTarget*>(e.ctrl) : e.r;
}

void IParamBlock2::SetReference(int i, RefTargetHandle rtarg) {
    Slot s;
    if (!SlotOf(i, s)) return;
    const ParamDef& d = desc->ParamDefAt(s.param);
    Entry& e = params[static_cast<size_t>(s.param)].entries[static_cast<size_t>(s.entry)];
    if (s.controller) {
        if (ControllerFits(d.type, rtarg)) e.ctrl = static_cast<Control*>(rtarg);
    } else if (Fits(d.type, rtarg)) {
        e.r = rtarg;
    }
}

ReferenceMaker::SlotKey IParamBlock2::KeyOfSlot(int which) {
    Slot s;
    if (!SlotOf(which, s)) return -1;
    return (static_cast<SlotKey>(s.param) << 32) | (static_cast<SlotKey>(s.entry) << 1) |
           (s.controller ? 1 : 0);
}

int IParamBlock2::SlotOfKey(SlotKey key) {
    if (key < 0) return -1;
    int param = static_cast<int>(key >> 32);
    int entry = static_cast<int>((key & 0xffffffffLL) >> 1);
    if (param >= desc->Count() ||
        entry >= static_cast<int>(params[static_cast<size_t>(param)].entries.size()))
        return -1;
    return RefIndexOf(param, entry, (key & 1) != 0);
}

// ----------------------------------------------------------------- reset

void IParamBlock2::ResetAll(BOOL updateUI, BOOL callSetHandlers) {
    (void)updateUI;
    (void)callSetHandlers;
    auto same = [](const std::vector<Entry>& a, const std::vector<Entry>& b) {
        if (a.size() != b.size()) return false;
        for (size_t e = 0; e < a.size(); ++e)
            if (a[e].f != b[e].f || a[e].i != b[e].i || !(a[e].p == b[e].p) ||
                !(a[e].s == b[e].s) || a[e].r != b[e].r || a[e].ctrl != b[e].ctrl)
                return false;
        return true;
    };
    std::vector<EntriesChange> changes;
    for (int p = 0; p < desc->Count(); ++p) {
        const ParamDef& d = desc->ParamDefAt(p);
        const auto& entries = params[static_cast<size_t>(p)].entries;
        std::vector<Entry> want(InitialCount(d), DefaultEntry(d));
        if (!same(entries, want)) changes.push_back({p, entries, want});
    }
    ChangeEntries(std::move(changes));
}

// ------------------------------------------------------------------ clone

RefTargetHandle IParamBlock2::Clone(RemapDir& remap) {
    IParamBlock2* copy = new IParamBlock2(desc, nullptr);
    remap.AddEntry(this, copy);
    for (int p = 0; p < desc->Count(); ++p) {
        const auto& from = params[static_cast<size_t>(p)].entries;
        auto& to = copy->params[static_cast<size_t>(p)].entries;
        to.assign(from.size(), Entry());
        for (size_t e = 0; e < from.size(); ++e) {
            to[e].f = from[e].f;
            to[e].i = from[e].i;
            to[e].p = from[e].p;
            to[e].s = from[e].s;
        }
    }
    // Controllers and owned objects are copied; nodes are shared, never cloned.
    for (int i = 0; i < NumRefs(); ++i) {
        ReferenceTarget* r = GetReference(i);
        if (!r) continue;
        ReferenceTarget* c = r->SuperClassID() == BASENODE_CLASS_ID ? r : remap.CloneRef(r);
        if (!c) {
            Report("Clone of block %d: %s could not be cloned", ID(), Describe(r).data());
            continue;
        }
        copy->ReplaceReference(i, c);
    }
    return copy;
}
