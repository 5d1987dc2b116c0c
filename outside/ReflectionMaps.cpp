// The Varnel 2 and Varnel 3 reflection maps: block layouts in their headers.
#include "Vrn2ReflectionMap.h"
#include "Vrn3ReflectionMap.h"

namespace {

// clang-format off

ParamBlockDesc2 vrn2Block0(0, "reflection", {
    Default(Param(0, "amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
    Default(Param(1, "tint", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
    Param(2, "map", TYPE_TEXMAP),
    Default(Param(3, "ior", TYPE_FLOAT), 1.5f),
    Default(Param(4, "samples", TYPE_INT), 4),
    Default(Param(5, "blur", TYPE_FLOAT), 0.0f),
    Default(Param(6, "outlineOff", TYPE_INT, P_ANIMATABLE), 0),
    Default(Param(7, "highlightOff", TYPE_INT, P_ANIMATABLE), 0),
    Default(Param(8, "zonesOff", TYPE_INT, P_ANIMATABLE), 0),
    Default(Param(9, "strokesOff", TYPE_INT, P_ANIMATABLE), 0),
    Default(Param(10, "shadowOff", TYPE_INT, P_ANIMATABLE), 0),
    Default(Param(11, "falloff", TYPE_FLOAT), 0.0f),
    Default(Param(12, "mode", TYPE_INT), 0),
});

ParamBlockDesc2 vrn3Block0(0, "reflection", {
    Default(Param(0, "amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),
    Default(Param(1, "tint", TYPE_RGBA, P_ANIMATABLE), Color(1.0f, 1.0f, 1.0f)),
    Param(2, "map", TYPE_TEXMAP),
    Default(Param(3, "falloff", TYPE_FLOAT), 0.0f),
    Default(Param(4, "mode", TYPE_INT), 0),
    Default(Param(5, "ior", TYPE_FLOAT), 1.5f),
    Default(Param(6, "samples", TYPE_INT), 4),
    Default(Param(7, "blur", TYPE_FLOAT), 0.0f),
    Default(Param(8, "outlineOn", TYPE_INT, P_ANIMATABLE), 1),
    Default(Param(9, "outlineWidthOn", TYPE_INT, P_ANIMATABLE), 1),
    Default(Param(10, "highlightOn", TYPE_INT, P_ANIMATABLE), 1),
    Default(Param(11, "zonesOn", TYPE_INT, P_ANIMATABLE), 1),
    Default(Param(12, "strokesOn", TYPE_INT, P_ANIMATABLE), 1),
    Default(Param(13, "shadowOn", TYPE_INT, P_ANIMATABLE), 1),
});

std::vector<ParamDef> Block1Params() {
    return {
        Default(Param(0, "strength", TYPE_FLOAT, P_ANIMATABLE), 1.0f),
        Param(1, "mask", TYPE_TEXMAP),
    };
}

ParamBlockDesc2 vrn2Block1(1, "extra", Block1Params());
ParamBlockDesc2 vrn3Block1(1, "extra", Block1Params());

// Sub-texmap 0 of both maps is the map parameter of block 0.
template <class T>
Texmap* MapOf(T* m, int i) {
    IParamBlock2* pb = m->GetParamBlockByID(0);
    return i == 0 && pb ? pb->GetTexmap(T::MAP_PARAM) : nullptr;
}

template <class T>
void SetMapOf(T* m, int i, Texmap* map) {
    IParamBlock2* pb = m->GetParamBlockByID(0);
    if (i == 0 && pb) pb->SetValue(T::MAP_PARAM, 0, map);
}

// clang-format on

}  // namespace

Vrn2ReflectionMap::Vrn2ReflectionMap()
    : SlotObject<Texmap>({BlockSlot(vrn2Block0), BlockSlot(vrn2Block1)}) {}

Texmap* Vrn2ReflectionMap::GetSubTexmap(int i) { return MapOf(this, i); }
void Vrn2ReflectionMap::SetSubTexmap(int i, Texmap* m) { SetMapOf(this, i, m); }

Vrn3ReflectionMap::Vrn3ReflectionMap()
    : SlotObject<Texmap>({BlockSlot(vrn3Block0), BlockSlot(vrn3Block1)}) {}

Texmap* Vrn3ReflectionMap::GetSubTexmap(int i) { return MapOf(this, i); }
void Vrn3ReflectionMap::SetSubTexmap(int i, Texmap* m) { SetMapOf(this, i, m); }
