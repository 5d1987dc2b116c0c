#include "ReferenceZones.h"

#include <algorithm>

#include "InterfaceCalls.h"
#include "SdkAdapter.h"
#include "Vrn3ParamIDs.h"
#include "ZoneOps.h"

namespace {

// A clone of map, or null for a missing map or a failed clone.
Texmap* CloneMap(Texmap* map) {
    ReferenceTarget* copy = CloneTarget(map);
    if (copy && copy->SuperClassID() != TEXMAP_CLASS_ID) {
        copy->DeleteThis();
        return nullptr;
    }
    return static_cast<Texmap*>(copy);
}

void CopyTexmapTable(IParamBlock2* newBlock, IParamBlock2* refBlock, ParamID id, TimeValue t,
                     ConvertOptionFlags flags) {
    int n = std::min(newBlock->Count(id), refBlock->Count(id));
    for (int i = 0; i < n; ++i) {
        Texmap* map = refBlock->GetTexmap(id, t, i);
        if (flags & CONV_REFER_COPY) {
            Texmap* copy = CloneMap(map);
            // A copy that the block refuses belongs to nobody.
            if (!newBlock->SetValue(id, t, copy, i) && copy && !copy->HasDependents())
                copy->DeleteThis();
        } else {
            newBlock->SetValue(id, t, map, i);
        }
    }
}

void CopyIntTable(IParamBlock2* newBlock, IParamBlock2* refBlock, ParamID id, TimeValue t) {
    int n = std::min(newBlock->Count(id), refBlock->Count(id));
    for (int i = 0; i < n; ++i) newBlock->SetValue(id, t, refBlock->GetInt(id, t, i), i);
}

// The reference zone's strokes given to the new zone, with their on/off
// entries. Only entries that both tables have are copied: the reference's
// table may be shorter than its stroke list.
void CopyZoneStrokes(ReferenceTarget* newZone, IParamBlock2* newBlock, ReferenceTarget* refZone,
                     IParamBlock2* refBlock, ConvertOptionFlags flags, TimeValue t) {
    RefTargetTab strokes;
    strokes.SetCount(std::max(0, GetZoneStrokeCount(refZone)));
    for (int c = 0; c < strokes.Count(); ++c) {
        ReferenceTarget* s = GetZoneStroke(refZone, c);
        strokes[c] = s && (flags & CONV_REFER_COPY) ? CloneTarget(s) : s;
    }
    SetZoneStrokes(newZone, strokes);
    // Copies that the zone did not take belong to nobody.
    if (flags & CONV_REFER_COPY)
        for (int c = 0; c < strokes.Count(); ++c)
            if (strokes[c] && !strokes[c]->HasDependents()) strokes[c]->DeleteThis();
    int n = std::min({strokes.Count(), newBlock->Count(VRN3_ZONE_STROKE_ON),
                      refBlock->Count(VRN3_ZONE_STROKE_ON)});
    for (int i = 0; i < n; ++i)
        newBlock->SetValue(VRN3_ZONE_STROKE_ON, t, refBlock->GetInt(VRN3_ZONE_STROKE_ON, t, i), i);
}

}  // namespace

void CopyZoneParams(IParamBlock2* newBlock, IParamBlock2* refBlock, TimeValue t,
                    ConvertOptionFlags flags) {
    for (int m = 0; m < newBlock->NumParams(); ++m) {
        ParamID id = newBlock->IndextoID(m);
        if (refBlock->IndextoID(m) != id) continue;
        if (id == VRN3_ZONE_STROKE_ON) continue;
        switch (newBlock->GetParameterType(id)) {
            case TYPE_FLOAT:
                newBlock->SetValue(id, t, refBlock->GetFloat(id, 0, 0), 0);
                break;
            case TYPE_INT:
            case TYPE_BOOL:
                newBlock->SetValue(id, t, refBlock->GetInt(id, 0, 0), 0);
                break;
            case TYPE_RGBA:
                newBlock->SetValue(id, t, refBlock->GetColor(id, 0, 0), 0);
                break;
            case TYPE_POINT3:
                newBlock->SetValue(id, t, refBlock->GetPoint3(id, 0, 0), 0);
                break;
            case TYPE_MTL:
                newBlock->SetValue(id, t, refBlock->GetMtl(id, 0, 0), 0);
                break;
            case TYPE_TEXMAP:
                newBlock->SetValue(id, t, refBlock->GetTexmap(id, 0, 0), 0);
                break;
            case TYPE_INT_TAB:
            case TYPE_BOOL_TAB:
                CopyIntTable(newBlock, refBlock, id, t);
                break;
            case TYPE_TEXMAP_TAB:
                CopyTexmapTable(newBlock, refBlock, id, t, flags);
                break;
            default:
                break;
        }
    }
}

void CopyReferenceZones(Mtl* newMtl, Mtl* reference, TimeValue t, ConvertOptionFlags flags) {
    RefTargetTab zones;
    zones.SetCount(std::max(0, GetMtlZoneCount(reference)));
    for (int l = 0; l < zones.Count(); ++l) {
        ReferenceTarget* zone = CreateZone();
        zones[l] = zone;
        IParamBlock2* newBlock = GetZoneParams(zone);
        ReferenceTarget* refZone = GetMtlZone(reference, l);
        IParamBlock2* refBlock = GetZoneParams(refZone);
        if (!refZone || !refBlock || !newBlock) continue;
        CopyZoneParams(newBlock, refBlock, t, flags);
        if (flags & CONV_REFER_STROKES)
            CopyZoneStrokes(zone, newBlock, refZone, refBlock, flags, t);
    }
    SetMtlZones(newMtl, zones);
}
