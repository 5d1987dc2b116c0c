// The Varnel 2 and Varnel 3 reflection maps: block layouts in their headers.
#include "Vrn2ReflectionMap.h"
#include "Vrn3ReflectionMap.h"

namespace {

ParamBlockDesc2 vrn2Block0(0, "reflection", Vrn2ReflectionMap::BLOCK0_PARAMS);
ParamBlockDesc2 vrn3Block0(0, "reflection", Vrn3ReflectionMap::BLOCK0_PARAMS);
ParamBlockDesc2 vrn2Block1(1, "extra", Vrn2ReflectionMap::BLOCK1_PARAMS);
ParamBlockDesc2 vrn3Block1(1, "extra", Vrn2ReflectionMap::BLOCK1_PARAMS);

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

}  // namespace

Vrn2ReflectionMap::Vrn2ReflectionMap()
    : SlotObject<Texmap>({BlockSlot(vrn2Block0), BlockSlot(vrn2Block1)}) {}

Texmap* Vrn2ReflectionMap::GetSubTexmap(int i) { return MapOf(this, i); }
void Vrn2ReflectionMap::SetSubTexmap(int i, Texmap* m) { SetMapOf(this, i, m); }

Vrn3ReflectionMap::Vrn3ReflectionMap()
    : SlotObject<Texmap>({BlockSlot(vrn3Block0), BlockSlot(vrn3Block1)}) {}

Texmap* Vrn3ReflectionMap::GetSubTexmap(int i) { return MapOf(this, i); }
void Vrn3ReflectionMap::SetSubTexmap(int i, Texmap* m) { SetMapOf(this, i, m); }
