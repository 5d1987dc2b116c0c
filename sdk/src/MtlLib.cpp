#include "MtlLib.h"

#include "Hold.h"

int MtlBaseList::FindMtl(MtlBase* m) const {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == m) return static_cast<int>(i);
    return -1;
}

MtlBaseLib::~MtlBaseLib() {
    // ~ReferenceMaker lets go of the references; the entries are cleared here so
    // that no slot names a target the host no longer counts.
    items.clear();
}

int MtlBaseLib::AddMtl(MtlBase* m) {
    if (!m) return -1;
    int at = FindMtl(m);
    if (at >= 0) return at;
    items.push_back(nullptr);
    // A collection is a tool of the moment, never part of an undo step.
    theHold.Suspend();
    RefResult r = ReplaceReference(Count() - 1, m, FALSE);
    theHold.Resume();
    if (r != REF_SUCCEED) {
        items.pop_back();
        return -1;
    }
    return Count() - 1;
}

void MtlBaseLib::Empty() {
    theHold.Suspend();
    for (int i = Count() - 1; i >= 0; --i) ReplaceReference(i, nullptr, FALSE);
    theHold.Resume();
    items.clear();
}

void MtlBaseLib::SetReference(int i, RefTargetHandle rtarg) {
    if (i < 0 || i >= Count()) return;
    SClass_ID sc = rtarg ? rtarg->SuperClassID() : 0;
    if (!rtarg || sc == MATERIAL_CLASS_ID || sc == TEXMAP_CLASS_ID)
        items[static_cast<size_t>(i)] = static_cast<MtlBase*>(rtarg);
}
