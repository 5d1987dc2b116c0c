#include "UVGen.h"

RefTargetHandle UVGen::Clone(RemapDir& remap) {
    UVGen* copy = new UVGen;
    remap.AddEntry(this, copy);
    copy->SetName(GetName());
    copy->uOffset = uOffset;
    copy->vOffset = vOffset;
    copy->uTiling = uTiling;
    copy->vTiling = vTiling;
    return copy;
}

UVGen* NewDefaultUVGen() { return new UVGen; }
