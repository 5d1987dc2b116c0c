#include "MtlConvData.h"

#include <algorithm>

MtlConvData::MtlConvData(MtlBase* m) : mtl(m) {
    if (!m) return;
    fullName = m->GetFullName();
    m->GetClassName(className);
    name = m->GetName();
    guard = std::make_shared<ReferenceHolder>();
    SetSingleRef(*guard, m);
}

MtlBase* MtlConvData::LiveMtl() const {
    return guard && guard->GetReference(0) == mtl ? mtl : nullptr;
}

void DropDeletedMtls(MtlConvList& list) {
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const MtlConvData& d) { return d.MtlDeleted(); }),
               list.end());
}
