#include "LineEffectConversion.h"

#include <cstring>
#include <string>

#include "ConversionRegistry.h"
#include "CopyParamBlock.h"
#include "CoreInterface.h"
#include "DiscardConverted.h"
#include "InterfaceCalls.h"
#include "OutsideContract.h"
#include "SdkAdapter.h"
#include "Vrn2Contract.h"

namespace {

bool IsA(ReferenceTarget* t, SClass_ID super, const Class_ID& cls) {
    return t && t->SuperClassID() == super && t->ClassID() == cls;
}

Texmap* AsTexmap(ReferenceTarget* t) {
    return t && t->SuperClassID() == TEXMAP_CLASS_ID ? static_cast<Texmap*>(t) : nullptr;
}

ReferenceTarget* Create(SClass_ID super, const Class_ID& cls) {
    return static_cast<ReferenceTarget*>(GetCOREInterface()->CreateInstance(super, cls));
}

// Reference r of maker becomes a clone of source's reference sr; an empty
// source, or a clone that cannot be made, leaves the reference as it is.
void CloneRef(ReferenceTarget* source, int sr, ReferenceMaker* maker, int r) {
    ReferenceTarget* p = sr < source->NumRefs() ? source->GetReference(sr) : nullptr;
    if (!p || r >= maker->NumRefs()) return;
    ReferenceTarget* clone = CloneTarget(p);
    if (clone && maker->ReplaceReference(r, clone) != REF_SUCCEED) clone->DeleteThis();
}

void SetRef(ReferenceMaker* maker, int r, ReferenceTarget* t) {
    if (r < maker->NumRefs()) maker->ReplaceReference(r, t);
}

// After a group's block is copied: an own setting wins over the shared one,
// and the visible-edge switch takes the value of the hidden-edge one.
void SettleGroupBlock(IParamBlock2* pb) {
    if (!pb) return;
    if (pb->GetInt(VRN3_GROUP_USE_OWN, 0) != 0)
        pb->SetValue(VRN3_GROUP_SETTING, 0, 0);
    else
        pb->SetValue(VRN3_GROUP_USE_OWN, 0, pb->GetInt(VRN3_GROUP_SETTING, 0));
    pb->SetValue(VRN3_GROUP_VISIBLE, 0, pb->GetInt(VRN3_GROUP_HIDDEN, 0));
}

// The new effect's name: the suffix appended, or else the first "Varnel 2"
// made "Varnel 3".
CStr NewEffectName(const CStr& name, const char* suffix) {
    if (suffix) return name + CStr(suffix);
    std::string s = name.str_ref();
    static const char from[] = "Varnel 2";
    size_t at = s.find(from);
    if (at != std::string::npos) s[at + std::strlen(from) - 1] = '3';
    return CStr(s);
}

}  // namespace

void CloneSubTexmap(MtlBase* src, int a, MtlBase* dst, int b, ConversionRegistry* registry) {
    if (!src || !dst || !registry) return;
    Texmap* t = src->GetSubTexmap(a);
    if (!t) return;
    ReferenceTarget* c = registry->FindConverted(t);
    if (!c) {
        c = CloneTarget(t);
        if (!c) return;
        registry->AddConverted(t, c);
    }
    if (Texmap* m = AsTexmap(c)) dst->SetSubTexmap(b, m);
}

Texmap* ConvertVrn2BrushSubMap(Texmap* m, ConversionRegistry* registry) {
    if (!m || !registry) return nullptr;
    if (ReferenceTarget* found = registry->FindConverted(m)) return AsTexmap(found);
    Texmap* n = AsTexmap(Create(TEXMAP_CLASS_ID, VRN3_BRUSH_SUBMAP_CLASS_ID));
    if (!n) return nullptr;
    registry->AddConverted(m, n);
    n->SetName(m->GetName());
    for (int i = 0; i < n->NumParamBlocks(); ++i)
        CopyParamBlock(m->GetParamBlock(i), n->GetParamBlock(i), 1, baseParamIDConverter);
    CloneSubTexmap(m, 0, n, 0, registry);
    CloneSubTexmap(m, 1, n, 1, registry);
    for (int k = 0; k < SUBMAP_NUM_EXTRA_REFS; ++k)
        CloneRef(m, VRN2_SUBMAP_EXTRA_REF + k, n, VRN3_SUBMAP_EXTRA_REF + k);
    return n;
}

Texmap* ConvertVrn2Brush(Texmap* b, ConversionRegistry* registry) {
    if (!b || !registry) return nullptr;
    if (ReferenceTarget* found = registry->FindConverted(b)) return AsTexmap(found);
    Texmap* n = AsTexmap(Create(TEXMAP_CLASS_ID, VRN3_BRUSH_CLASS_ID));
    if (!n) return nullptr;
    registry->AddConverted(b, n);
    n->SetName(b->GetName());
    ParamIDConverterBrush brushIDs;
    CopyParamBlock(b->GetParamBlockByID(BRUSH_BLOCK), n->GetParamBlockByID(BRUSH_BLOCK), 1,
                   brushIDs);
    CloneSubTexmap(b, 0, n, 1, registry);
    CloneSubTexmap(b, 2, n, 2, registry);
    Texmap* sub = b->GetSubTexmap(VRN2_BRUSH_SUBMAP_SLOT);
    if (IsA(sub, TEXMAP_CLASS_ID, VRN2_BRUSH_SUBMAP_CLASS_ID))
        n->SetSubTexmap(VRN3_BRUSH_SUBMAP_SLOT, ConvertVrn2BrushSubMap(sub, registry));
    return n;
}

ReferenceTarget* ConvertVrn2LineSet(ReferenceTarget* s, ConversionRegistry* registry) {
    if (!s || !registry) return nullptr;
    if (ReferenceTarget* found = registry->FindConverted(s)) return found;
    ReferenceTarget* n = Create(REF_TARGET_CLASS_ID, VRN3_LINE_SET_CLASS_ID);
    if (!n) return nullptr;
    registry->AddConverted(s, n);

    ParamIDConverterLineset ids;
    CopyParamBlock(s->GetParamBlockByID(LINESET_MAIN_BLOCK),
                   n->GetParamBlockByID(LINESET_MAIN_BLOCK), 1, ids);
    for (int g = 0; g < LINESET_NUM_GROUPS; ++g) {
        IParamBlock2* group =
            n->GetParamBlockByID(static_cast<BlockID>(VRN3_LINESET_FIRST_GROUP_BLOCK + g));
        CopyParamBlock(
            s->GetParamBlockByID(static_cast<BlockID>(VRN2_LINESET_FIRST_GROUP_BLOCK + g)), group,
            1, ids);
        SettleGroupBlock(group);
    }
    for (int g = 0; g < LINESET_NUM_GROUPS; ++g) {
        BlockID id = static_cast<BlockID>(LINESET_FIRST_DETECTION_BLOCK + g);
        CopyParamBlock(s->GetParamBlockByID(id), n->GetParamBlockByID(id), 1, ids);
    }
    for (int k = 0; k < LINESET_NUM_EXTRA_REFS; ++k)
        CloneRef(s, VRN2_LINESET_EXTRA_REF + k, n, VRN3_LINESET_EXTRA_REF + k);

    for (int g = 0; g < LINESET_NUM_GROUPS; ++g) {
        int base = VRN3_LINESET_BRUSH_BASE[g];
        for (int slot = 0; slot < LINESET_BRUSHES_PER_GROUP; ++slot) {
            int sr = VRN2_LINESET_BRUSH_REF[g] + slot;
            ReferenceTarget* b = sr < s->NumRefs() ? s->GetReference(sr) : nullptr;
            if (IsA(b, TEXMAP_CLASS_ID, VRN2_BRUSH_CLASS_ID))
                SetRef(n, base + VRN3_LINESET_BRUSH_OFFSET[slot],
                       ConvertVrn2Brush(static_cast<Texmap*>(b), registry));
        }
        // Offset 1 has no slot of its own: it shows the brush at offset 2.
        if (base + 2 < n->NumRefs()) SetRef(n, base + 1, n->GetReference(base + 2));
    }
    return n;
}

Effect* ConvertVrn2LineEffect(Effect* e, ConversionRegistry* registry, const char* suffix) {
    if (!IsA(e, RENDER_EFFECT_CLASS_ID, VRN2_LINE_EFFECT_CLASS_ID) || !registry) return nullptr;
    if (ReferenceTarget* found = registry->FindConverted(e))
        return found->SuperClassID() == RENDER_EFFECT_CLASS_ID ? static_cast<Effect*>(found)
                                                               : nullptr;
    Effect* n = static_cast<Effect*>(Create(RENDER_EFFECT_CLASS_ID, VRN3_LINE_EFFECT_CLASS_ID));
    if (!n) return nullptr;
    registry->AddConverted(e, n);
    CopyParamBlock(e->GetParamBlock(LINE_EFFECT_BLOCK_INDEX),
                   n->GetParamBlock(LINE_EFFECT_BLOCK_INDEX), 1, baseParamIDConverter);

    int count = e->NumRefs() - VRN2_LINE_EFFECT_FIRST_LINESET_REF;
    if (count < 0) count = 0;
    RefTargetTab lineSets;
    lineSets.SetCount(count);
    int converted = 0;
    for (int j = 0; j < count; ++j) {
        ReferenceTarget* r = e->GetReference(VRN2_LINE_EFFECT_FIRST_LINESET_REF + j);
        // The table's new entries are undefined: each one is written, null
        // for a slot without a Varnel 2 line set.
        lineSets[j] = IsA(r, RENDER_EFFECT_CLASS_ID, VRN2_LINE_SET_CLASS_ID)
                          ? ConvertVrn2LineSet(r, registry)
                          : nullptr;
        if (IsA(lineSets[j], REF_TARGET_CLASS_ID, VRN3_LINE_SET_CLASS_ID)) ++converted;
    }
    // The line sets go over all at once or not at all: when one could not be
    // converted, the effect keeps the line sets it was made with.
    if (converted == count)
        SetLineSets(n, lineSets);
    else
        DiscardConverted(lineSets, registry);

    if (e->Active(GetCOREInterface()->GetTime()))
        n->ClearAFlag(A_DISABLED);
    else
        n->SetAFlag(A_DISABLED);
    n->SetName(NewEffectName(e->GetName(), suffix));
    return n;
}
