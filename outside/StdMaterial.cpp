#include "StdMaterial.h"

#include "CoreInterface.h"

StdMaterial::StdMaterial(int numChannels, const long (&map)[NTEXMAPS], Class_ID defaultShader)
    : channels(static_cast<size_t>(numChannels)) {
    for (int id = 0; id < NTEXMAPS; ++id) channelOf[id] = map[id];
    // The shader is made through the host like any plug-in's class; a host
    // without it leaves the material without a shader.
    Animatable* s = GetCOREInterface()->CreateInstance(SHADER_CLASS_ID, defaultShader);
    if (s) ReplaceReference(ShaderRef(), static_cast<Shader*>(static_cast<ReferenceTarget*>(s)));
}

void StdMaterial::SetDiffuse(Color c, TimeValue t) {
    if (shader) shader->SetDiffuseClr(c, t);
}
Color StdMaterial::GetDiffuse(TimeValue t) { return shader ? shader->GetDiffuseClr(t) : Color(); }
void StdMaterial::SetSpecular(Color c, TimeValue t) {
    if (shader) shader->SetSpecularClr(c, t);
}
Color StdMaterial::GetSpecular(TimeValue t) { return shader ? shader->GetSpecularClr(t) : Color(); }
void StdMaterial::SetShinStr(float v, TimeValue t) {
    if (shader) shader->SetSpecularLevel(v, t);
}
float StdMaterial::GetShinStr(TimeValue t) { return shader ? shader->GetSpecularLevel(t) : 0.0f; }
void StdMaterial::SetShininess(float v, TimeValue t) {
    if (shader) shader->SetGlossiness(v, t);
}
float StdMaterial::GetShininess(TimeValue t) { return shader ? shader->GetGlossiness(t) : 0.0f; }

void StdMaterial::EnableMap(int channel, BOOL on) {
    if (IsChannel(channel)) channels[static_cast<size_t>(channel)].on = on;
}
BOOL StdMaterial::MapEnabled(int channel) {
    return IsChannel(channel) ? channels[static_cast<size_t>(channel)].on : FALSE;
}
void StdMaterial::SetTexmapAmt(int channel, float amount, TimeValue) {
    if (IsChannel(channel)) channels[static_cast<size_t>(channel)].amount = amount;
}
float StdMaterial::GetTexmapAmt(int channel, TimeValue) {
    return IsChannel(channel) ? channels[static_cast<size_t>(channel)].amount : 0.0f;
}

BOOL StdMaterial::SwitchShader(Class_ID id) {
    Animatable* a = GetCOREInterface()->CreateInstance(SHADER_CLASS_ID, id);
    if (!a) return FALSE;
    Shader* made = static_cast<Shader*>(static_cast<ReferenceTarget*>(a));
    if (shader) made->CopyStdParams(shader);
    ReplaceReference(ShaderRef(), made);
    return TRUE;
}

long StdMaterial::StdIDToChannel(long id) { return id >= 0 && id < NTEXMAPS ? channelOf[id] : -1; }

Texmap* StdMaterial::GetSubTexmap(int i) {
    return IsChannel(i) ? channels[static_cast<size_t>(i)].map : nullptr;
}

void StdMaterial::SetSubTexmap(int i, Texmap* m) {
    if (IsChannel(i)) ReplaceReference(i, m);
}

RefTargetHandle StdMaterial::GetReference(int i) {
    if (IsChannel(i)) return channels[static_cast<size_t>(i)].map;
    return i == ShaderRef() ? shader : nullptr;
}

void StdMaterial::SetReference(int i, RefTargetHandle rtarg) {
    SClass_ID sc = rtarg ? rtarg->SuperClassID() : 0;
    if (IsChannel(i)) {
        if (!rtarg || sc == TEXMAP_CLASS_ID)
            channels[static_cast<size_t>(i)].map = static_cast<Texmap*>(rtarg);
    } else if (i == ShaderRef()) {
        if (!rtarg || sc == SHADER_CLASS_ID) shader = static_cast<Shader*>(rtarg);
    }
}

RefTargetHandle StdMaterial::Clone(RemapDir& remap) {
    StdMaterial* copy = MakeEmpty();
    remap.AddEntry(this, copy);
    copy->SetName(GetName());
    copy->soften = soften;
    copy->faceMap = faceMap;
    copy->twoSided = twoSided;
    copy->wire = wire;
    copy->wireUnits = wireUnits;
    copy->falloffOut = falloffOut;
    copy->faceted = faceted;
    copy->selfIllumColorOn = selfIllumColorOn;
    copy->transparencyType = transparencyType;
    copy->opacity = opacity;
    copy->opacFalloff = opacFalloff;
    copy->wireSize = wireSize;
    copy->ior = ior;
    copy->selfIllum = selfIllum;
    copy->selfIllumColor = selfIllumColor;
    for (int i = 0; i < NumChannels(); ++i) {
        const Channel& c = channels[static_cast<size_t>(i)];
        copy->channels[static_cast<size_t>(i)].on = c.on;
        copy->channels[static_cast<size_t>(i)].amount = c.amount;
        copy->ReplaceReference(i, remap.CloneRef(c.map));
    }
    copy->ReplaceReference(ShaderRef(), remap.CloneRef(shader));
    return copy;
}
