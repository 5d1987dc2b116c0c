#include "Vrn2MtlConversion.h"

#include <algorithm>

#include "ConversionRegistry.h"
#include "CopyParamBlock.h"
#include "CoreInterface.h"
#include "DiscardConverted.h"
#include "InterfaceCalls.h"
#include "OutsideContract.h"
#include "SdkAdapter.h"
#include "Vrn2Contract.h"

namespace {

IParamBlock2* AsBlock(ReferenceTarget* t) {
    return t && t->SuperClassID() == PARAMETER_BLOCK2_CLASS_ID ? static_cast<IParamBlock2*>(t)
                                                               : nullptr;
}

// Objects of the material and map family carry a name.
MtlBase* AsNamed(ReferenceTarget* t) {
    if (!t) return nullptr;
    SClass_ID sc = t->SuperClassID();
    return sc == MATERIAL_CLASS_ID || sc == TEXMAP_CLASS_ID ? static_cast<MtlBase*>(t) : nullptr;
}

void CopyName(ReferenceTarget* from, ReferenceTarget* to) {
    MtlBase* f = AsNamed(from);
    MtlBase* t = AsNamed(to);
    if (f && t) t->SetName(f->GetName());
}

// Reference r of maker becomes a clone of p. A clone that cannot be made
// leaves the reference as it is; one the maker does not take is let go.
void SetClone(ReferenceMaker* maker, int r, ReferenceTarget* p) {
    if (r >= maker->NumRefs()) return;
    ReferenceTarget* clone = CloneTarget(p);
    if (clone && maker->ReplaceReference(r, clone) != REF_SUCCEED) clone->DeleteThis();
}

void SetShared(ReferenceMaker* maker, int r, ReferenceTarget* p) {
    if (r < maker->NumRefs()) maker->ReplaceReference(r, p);
}

// The zone number (1 to 8) from the Varnel 2 zone index k.
void SetZoneNumber(ReferenceTarget* zone, int k, TimeValue t) {
    IParamBlock2* pb = zone->GetParamBlock(0);
    if (pb) pb->SetValue(VRN3_ZONE_NUMBER, t, std::min(std::max(k + 1, 1), 8));
}

// Element i of an int table, or fallback when the table has no such element.
int TableInt(IParamBlock2* pb, ParamID id, TimeValue t, int i, int fallback) {
    if (pb->IDtoIndex(id) < 0 || i >= pb->Count(id)) return fallback;
    return pb->GetInt(id, t, i);
}

// The zone-width test: a zone whose two boundaries are equal is invalid.
// False when a neighbour block is missing.
bool ZoneBoundaries(Mtl* source, int z, float& lower, float& upper) {
    lower = 0.0f;
    upper = 100.0f;
    if (z > 0) {
        IParamBlock2* below =
            source->GetParamBlockByID(static_cast<BlockID>(VRN2_MTL_FIRST_ZONE_BLOCK + z - 1));
        if (!below) return false;
        lower = below->GetFloat(VRN2_ZONE_END, 0);
    }
    if (z < VRN2_MTL_NUM_ZONES - 1) {
        IParamBlock2* above =
            source->GetParamBlockByID(static_cast<BlockID>(VRN2_MTL_FIRST_ZONE_BLOCK + z + 1));
        if (!above) return false;
        upper = above->GetFloat(VRN2_ZONE_START, 0);
    }
    return true;
}

// The stroke list of zone z: converted Varnel 2 strokes (once per run),
// other objects passed on as they are, empty slots as null entries.
void BuildStrokes(Mtl* source, int z, IParamBlock2* zb, ConvertOptionFlags flags, TimeValue t,
                  ConversionRegistry* registry, RefTargetTab& strokes) {
    for (int i = 0; i < VRN2_MTL_STROKES_PER_ZONE; ++i) {
        // A slot whose switch cannot be read is not known to be off.
        if ((flags & CONV_V2_SKIP_DISABLED_STROKES) &&
            TableInt(zb, VRN2_ZONE_STROKE_ON, t, i, 1) == 0)
            continue;
        ReferenceTarget* s =
            source->GetReference(VRN2_MTL_FIRST_ZONE_REF + VRN2_MTL_REFS_PER_ZONE * z + 1 + i);
        if (!s || s->ClassID() != VRN2_STROKE_CLASS_ID) {
            strokes.Append(1, &s);
            continue;
        }
        if (ReferenceTarget* found = registry ? registry->FindConverted(s) : nullptr) {
            strokes.Append(1, &found);
            continue;
        }
        Animatable* a = GetCOREInterface()->CreateInstance(TEXMAP_CLASS_ID, VRN3_STROKE_CLASS_ID);
        if (!a) continue;
        ReferenceTarget* ns = static_cast<ReferenceTarget*>(a);
        strokes.Append(1, &ns);
        if (registry) registry->AddConverted(s, ns);
        CopyName(s, ns);
        ConvertVrn2Stroke(s, ns);
    }
}

// The zone block copy leaves the stroke switches out. They belong to the
// stroke slots: with every slot kept they go over together with the strokes;
// with disabled slots left out, the Varnel 2 switches would no longer line up
// with the zone's strokes, so the zone keeps its own.
class ZoneParamIDConverter : public ParamIDConverter {
public:
    ParamID ConvertID(ParamID id, ParamType2 type) override {
        if (id == VRN2_ZONE_STROKE_ON) return -1;
        return baseParamIDConverter.ConvertID(id, type);
    }
};

// Gives up the zones made so far: nothing received them.
int Abandon(RefTargetTab& zones, ConversionRegistry* registry) {
    DiscardConverted(zones, registry);
    return 0;
}

}  // namespace

int ConvertFromVrn2Mtl(Mtl* dest, Mtl* source, ConvertOptionFlags flags,
                       ConversionRegistry* registry) {
    if (!dest || !source) return 0;
    Interface* ip = GetCOREInterface();
    TimeValue t = ip->GetTime();
    Interval valid = FOREVER;
    source->Update(t, valid);

    IParamBlock2* destMain = dest->GetParamBlockByID(VRN3_MTL_MAIN_BLOCK);
    IParamBlock2* sourceMain = source->GetParamBlockByID(VRN2_MTL_MAIN_BLOCK);
    if (!destMain || !sourceMain) return 0;
    CopyParamBlock(sourceMain, destMain, 1, baseParamIDConverter);

    RefTargetTab zones;
    for (int z = 0; z < VRN2_MTL_NUM_ZONES; ++z) {
        IParamBlock2* zb =
            source->GetParamBlockByID(static_cast<BlockID>(VRN2_MTL_FIRST_ZONE_BLOCK + z));
        if (!zb) return Abandon(zones, registry);
        if (flags & CONV_V2_SKIP_INVALID_ZONES) {
            float lower, upper;
            if (!ZoneBoundaries(source, z, lower, upper)) return Abandon(zones, registry);
            if (lower == upper) continue;
        }
        Animatable* a = ip->CreateInstance(REF_TARGET_CLASS_ID, VRN3_ZONE_CLASS_ID);
        if (!a) return Abandon(zones, registry);
        ReferenceTarget* zone = static_cast<ReferenceTarget*>(a);
        IParamBlock2* zoneBlock = zone->GetParamBlockByID(VRN3_ZONE_BLOCK);
        if (!zoneBlock) {
            zone->DeleteThis();
            return Abandon(zones, registry);
        }
        zones.Append(1, &zone);
        // The number comes from the Varnel 2 zone index, before the block copy.
        SetZoneNumber(zone, z, t);
        ZoneParamIDConverter zoneIDs;
        CopyParamBlock(zb, zoneBlock, 1, zoneIDs);
        SetShared(zone, VRN3_ZONE_MAP_REF,
                  source->GetReference(VRN2_MTL_FIRST_ZONE_REF + VRN2_MTL_REFS_PER_ZONE * z));

        RefTargetTab strokes;
        BuildStrokes(source, z, zb, flags, t, registry, strokes);
        SetZoneStrokes(zone, strokes);

        if (!(flags & CONV_V2_SKIP_DISABLED_STROKES) && zb->IDtoIndex(VRN2_ZONE_STROKE_ON) >= 0 &&
            zoneBlock->IDtoIndex(VRN3_ZONE_STROKE_ON) >= 0) {
            int n = zb->Count(VRN2_ZONE_STROKE_ON);
            zoneBlock->SetCount(VRN3_ZONE_STROKE_ON, n);
            for (int j = 0; j < n; ++j)
                zoneBlock->SetValue(VRN3_ZONE_STROKE_ON, t, zb->GetInt(VRN2_ZONE_STROKE_ON, t, j),
                                    j);
        }
    }
    SetMtlZones(dest, zones);

    for (const SharedRef& r : VRN2_MTL_SHARED_REFS)
        SetShared(dest, r.vrn3, source->GetReference(r.vrn2));

    ReferenceTarget* o = source->GetReference(VRN2_MTL_SUBOBJECT_REF);
    if (o) {
        if (ReferenceTarget* found = registry ? registry->FindConverted(o) : nullptr) {
            SetShared(dest, VRN3_MTL_SUBOBJECT_REF, found);
        } else if (ReferenceTarget* d = dest->GetReference(VRN3_MTL_SUBOBJECT_REF)) {
            if (registry) registry->AddConverted(o, d);
            CopyName(o, d);
            CopyVrn2MtlSubObject(o, d);
        }
    }
    return 1;
}

int ConvertVrn2Stroke(ReferenceTarget* source, ReferenceTarget* dest) {
    if (!source || !dest) return 1;
    for (int r = 0; r < source->NumRefs(); ++r) {
        ReferenceTarget* p = source->GetReference(r);
        if (!p) continue;
        switch (p->SuperClassID()) {
            case PARAMETER_BLOCK2_CLASS_ID:
                CopyParamBlock(static_cast<IParamBlock2*>(p), AsBlock(dest->GetReference(r)), 1,
                               baseParamIDConverter);
                break;
            case REF_MAKER_CLASS_ID:
                if (p->ClassID() == CURVE_CONTROL_CLASS_ID) SetClone(dest, r, p);
                break;
            case UVGEN_CLASS_ID:
                SetClone(dest, r, p);
                break;
            default:
                SetShared(dest, r, p);
                break;
        }
    }
    return 1;
}

int CopyVrn2MtlSubObject(ReferenceTarget* source, ReferenceTarget* dest) {
    if (!source || !dest) return 1;
    for (int r = 0; r < source->NumRefs(); ++r) {
        ReferenceTarget* p = source->GetReference(r);
        if (!p) continue;
        ReferenceTarget* d = r < dest->NumRefs() ? dest->GetReference(r) : nullptr;
        switch (p->SuperClassID()) {
            case PARAMETER_BLOCK2_CLASS_ID:
                // The settings object's tables keep their own length.
                CopyParamBlock(static_cast<IParamBlock2*>(p), AsBlock(d), 0, baseParamIDConverter);
                break;
            case REF_TARGET_CLASS_ID:
                if (p->ClassID() == VRN2_NESTED_SETTINGS_CLASS_ID && d)
                    CopyParamBlock(AsBlock(p->GetReference(NESTED_SETTINGS_BLOCK_REF)),
                                   AsBlock(d->GetReference(NESTED_SETTINGS_BLOCK_REF)), 1,
                                   baseParamIDConverter);
                break;
            default:
                SetShared(dest, r, p);
                break;
        }
    }
    return 1;
}
