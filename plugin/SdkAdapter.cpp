#include "SdkAdapter.h"

#include "Materials.h"

#ifndef VRN3_SDK_GENERATION
#error "VRN3_SDK_GENERATION must name the host SDK generation (2008, 2009, 2010 or 2012)"
#endif

#if VRN3_SDK_GENERATION == 2008
// 3ds Max 9 / 2008: release 9000, API 21, revision 0.
static const ULONG libVersion = (9000UL << 16) + (21 << 8) + 0;
#elif VRN3_SDK_GENERATION == 2009
static const ULONG libVersion = (11000UL << 16) + (25 << 8) + 0;
#elif VRN3_SDK_GENERATION == 2010
// 3ds Max 2010 / 2011.
static const ULONG libVersion = (12000UL << 16) + (33 << 8) + 0;
#elif VRN3_SDK_GENERATION == 2012
static const ULONG libVersion = (13900UL << 16) + (37 << 8) + 0;
#else
#error "unknown VRN3_SDK_GENERATION"
#endif

ULONG SdkLibVersion() { return libVersion; }

ReferenceTarget* CloneTarget(ReferenceTarget* source) {
    if (!source) return nullptr;
#if VRN3_SDK_GENERATION >= 2012
    return CloneRefHierarchy(source);
#else
    DefaultRemapDir remap(FALSE);
    return remap.CloneRef(source);
#endif
}

void CollectDependents(ReferenceTarget* target, Tab<ReferenceMaker*>& deps) {
    if (!target) return;
#if VRN3_SDK_GENERATION >= 2010
    DependentIterator di(target);
    for (ReferenceMaker* m = di.Next(); m; m = di.Next()) deps.Append(1, &m);
#else
    for (RefListItem* item = target->GetRefList().FirstItem(); item && item->maker;
         item = item->next)
        deps.Append(1, &item->maker);
#endif
}

BOOL IsTexDisplayEnabled(MtlBase* mtl) {
    if (!mtl) return FALSE;
#if VRN3_SDK_GENERATION >= 2009
    return mtl->TestMtlFlag(MTL_TEX_DISPLAY_ENABLED) ? TRUE : FALSE;
#else
    return (mtl->MtlFlags() & 8) != 0 ? TRUE : FALSE;
#endif
}
