#include "StandardMtlConversion.h"

#include "AutoZones.h"
#include "CoreInterface.h"
#include "FloatToInt.h"
#include "OutsideContract.h"
#include "ReferenceZones.h"
#include "SdkAdapter.h"
#include "StdMatAccess.h"
#include "ToneConversion.h"
#include "ToneShaderParams.h"
#include "Vrn3ParamIDs.h"

namespace {

template <class T>
void SetMtlParam(IParamBlock2* pb, ParamID id, TimeValue t, const T& value) {
    if (pb) pb->SetValue(id, t, value, 0);
}

// Single parameters that the host reads with GetFloat: plain floats and the
// float kinds that differ only in how the user interface shows them.
bool IsFloatKind(ParamType2 type) {
    switch (type) {
        case TYPE_FLOAT:
        case TYPE_ANGLE:
        case TYPE_PCNT_FRAC:
        case TYPE_WORLD:
        case TYPE_COLOR_CHANNEL:
            return true;
        default:
            return false;
    }
}

// A float of the shader's block 0, or 0 when the shader's class has no such
// float (a shader that is not the kind expected is not asked for it).
float ShaderFloat(Shader* shader, ParamID id, TimeValue t) {
    IParamBlock2* pb = shader->GetParamBlock(0);
    if (!pb || !IsFloatKind(pb->GetParameterType(id))) return 0.0f;
    return pb->GetFloat(id, t, 0);
}

// The base material: the source itself, or for a toon-shaded source a copy
// of it shaded with Blinn, so that the source stays as it is.
BOOL InstallBaseMtl(Mtl* newMtl, Mtl* source, bool toonShaded) {
    if (!toonShaded) {
        newMtl->SetSubMtl(0, source);
        return TRUE;
    }
    Mtl* copy = static_cast<Mtl*>(CloneTarget(source));
    if (!copy) return FALSE;
    StdMat2* copyStd = GetStdMat2(copy);
    if (!copyStd || !copyStd->SwitchShader(BLINN_SHADER_CLASS_ID)) {
        // Nothing references the copy yet: it would be lost.
        copy->DeleteThis();
        return FALSE;
    }
    newMtl->SetSubMtl(0, copy);
    return TRUE;
}

void CopyBasicSettings(StdMat2* from, StdMat2* to, TimeValue t) {
    to->SetSoften(from->GetSoften());
    to->SetFaceMap(from->GetFaceMap());
    to->SetTwoSided(from->GetTwoSided());
    to->SetWire(from->GetWire());
    to->SetWireUnits(from->GetWireUnits());
    to->SetFalloffOut(from->GetFalloffOut());
    to->SetTransparencyType(from->GetTransparencyType());
    to->SetOpacity(from->GetOpacity(t), t);
    to->SetOpacFalloff(from->GetOpacFalloff(t), t);
    to->SetWireSize(from->GetWireSize(t), t);
    to->SetIOR(from->GetIOR(t), t);
    to->SetFaceted(from->IsFaceted());
    to->SetSelfIllum(from->GetSelfIllum(t), t);
    to->SetSelfIllumColor(from->GetSelfIllumColor(t), t);
    to->SetSelfIllumColorOn(from->GetSelfIllumColorOn());
}

void WriteHighlight(IParamBlock2* pb, StdMat2* source, Shader* shader, Class_ID shaderCls,
                    ConvertOptionFlags flags, TimeValue t) {
    SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_COLOR, t, source->GetSpecular(t));
    SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_SIZE, t, PercentOf(source->GetShinStr(t)));
    SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_GLOSS, t, PercentOf(source->GetShininess(t)));
    SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_SHARP, t, 98);
    if (flags & CONV_HIGHLIGHT_ADD)
        SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_BLEND, t, VRN3_HIGHLIGHT_BLEND_ADD);
    if (shaderCls == ANISO_SHADER_CLASS_ID) {
        SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_ANISO, t,
                    PercentOf(ShaderFloat(shader, ANISO_ANISOTROPY, t)));
        SetMtlParam(pb, VRN3_MTL_HIGHLIGHT_ORIENT, t,
                    PercentOf(ShaderFloat(shader, ANISO_ORIENTATION, t)));
    }
}

// The map of the source's channel for map ID id goes into a texmap slot of
// the new material, shared; its state into two parameters.
void TransferMap(Mtl* newMtl, IParamBlock2* pb, StdMat2* source, long id, int slot, ParamID onParam,
                 ParamID amountParam, TimeValue t) {
    int ch = static_cast<int>(source->StdIDToChannel(id));
    newMtl->SetSubTexmap(slot, source->GetSubTexmap(ch));
    SetMtlParam(pb, onParam, t, source->MapEnabled(ch) ? 1 : 0);
    SetMtlParam(pb, amountParam, t, PercentOf(source->GetTexmapAmt(ch, t)));
}

void CopyChannel(StdMat2* from, int fromCh, StdMat2* to, int toCh, TimeValue t) {
    to->SetSubTexmap(toCh, from->GetSubTexmap(fromCh));
    to->EnableMap(toCh, from->MapEnabled(fromCh));
    to->SetTexmapAmt(toCh, from->GetTexmapAmt(fromCh, t), t);
}

// The standard-compatible material's maps go to the base material; with its
// mix on, its extra shade channels replace the basic ones.
void CopyCompatibleMaps(StdMat2* source, Shader* shader, StdMat2* base, TimeValue t) {
    bool mix = ShaderFloat(shader, COMPAT_SHADER_MIX, t) != 0.0f;
    for (long id = 0; id < NTEXMAPS; ++id) {
        if (!mix && (id == ID_SP || id == ID_SH || id == ID_SS)) continue;
        long from = source->StdIDToChannel(id);
        long to = base->StdIDToChannel(id);
        if (from >= 0 && to >= 0)
            CopyChannel(source, static_cast<int>(from), base, static_cast<int>(to), t);
    }
    if (!mix) return;
    struct {
        int rawChannel;
        long id;
    } const shadeChannels[] = {{8, ID_AM}, {9, ID_DI}, {10, ID_SP}, {3, ID_SS}, {4, ID_SH}};
    for (const auto& p : shadeChannels) {
        long to = source->StdIDToChannel(p.id);
        if (to >= 0) CopyChannel(source, p.rawChannel, base, static_cast<int>(to), t);
    }
}

void CopyHighlightMaps(Mtl* newMtl, StdMat2* source) {
    struct {
        int slot;
        long id;
    } const highlightMaps[] = {{VRN3_MTL_SLOT_HIGHLIGHT_COLOR, ID_SP},
                               {VRN3_MTL_SLOT_HIGHLIGHT_LEVEL, ID_SS},
                               {VRN3_MTL_SLOT_HIGHLIGHT_GLOSS, ID_SH}};
    for (const auto& m : highlightMaps) {
        int ch = static_cast<int>(source->StdIDToChannel(m.id));
        if (source->MapEnabled(ch)) newMtl->SetSubTexmap(m.slot, source->GetSubTexmap(ch));
    }
}

// Zones and highlight from the tones of a finalToon or Illustrate! shader.
void ConvertTones(Mtl* newMtl, StdMat2* source, Shader* shader, bool illustrate,
                  ConvertOptionFlags flags, TimeValue t) {
    IParamBlock2* toonBlock = shader->GetParamBlock(0);
    ConvertFromIlContext il;
    ConvertFromFtContext ft;
    ConvertFromFtContext& ctx = illustrate ? il : ft;
    if (toonBlock) {
        if (illustrate)
            il.FillFromIllustrate(toonBlock, t, flags);
        else
            ft.FillFromFinalToon(toonBlock, t, flags);
    }
    ctx.SwapFirstTwoTones();
    ConvertFromFtAndIl(newMtl, source, ctx, t);
}

}  // namespace

BOOL ConvertStandardMtl(Mtl* newMtl, Mtl* source, ConvertOptionFlags flags, Mtl* reference) {
    TimeValue t = GetCOREInterface()->GetTime();
    StdMat2* src = GetStdMat2(source);
    if (!src || !newMtl) return FALSE;
    const bool isStandard = source->ClassID() == STANDARD_MTL_CLASS_ID;
    Shader* srcShader = src->GetShader();
    if (!srcShader) return FALSE;
    const Class_ID shaderCls = srcShader->ClassID();
    const bool finalToon = shaderCls == FINALTOON_SHADER_CLASS_ID;
    const bool illustrate = shaderCls == ILLUSTRATE_SHADER_CLASS_ID;
    Interval valid = FOREVER;
    source->Update(t, valid);
    IParamBlock2* pb = newMtl->GetParamBlock(0);

    if (isStandard && !InstallBaseMtl(newMtl, source, finalToon || illustrate)) return FALSE;

    // The base material is used as a Standard material: one of another class
    // is not one to write into.
    StdMat2* base = GetStdMat2(newMtl->GetSubMtl(0));
    if (!base) return FALSE;
    Shader* baseShader = base->GetShader();
    if (!baseShader) return FALSE;

    if (finalToon || illustrate) {
        if (finalToon) SetBaseShaderFromFinalToon(baseShader, srcShader, t);
        CopyBasicSettings(src, base, t);
        ConvertTones(newMtl, src, srcShader, illustrate, flags, t);
    } else if (isStandard) {
        float selfAmount = src->GetSelfIllum(t);
        Color selfColor = src->GetSelfIllumColor(t);
        BOOL selfColorOn = src->GetSelfIllumColorOn();
        if (reference)
            CopyReferenceZones(newMtl, reference, t, flags);
        else
            GenerateAutoZones(newMtl, src, t, flags, selfAmount, selfColor, selfColorOn);
        WriteHighlight(pb, src, srcShader, shaderCls, flags, t);
    }

    TransferMap(newMtl, pb, src, ID_BU, VRN3_MTL_SLOT_BUMP, VRN3_MTL_BUMP_ON, VRN3_MTL_BUMP_AMT, t);
    TransferMap(newMtl, pb, src, ID_RL, VRN3_MTL_SLOT_REFLECTION, VRN3_MTL_REFLECTION_ON,
                VRN3_MTL_REFLECTION_AMT, t);

    if (isStandard)
        CopyHighlightMaps(newMtl, src);
    else
        CopyCompatibleMaps(src, srcShader, base, t);
    return TRUE;
}
