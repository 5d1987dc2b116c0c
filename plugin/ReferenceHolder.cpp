#include "ReferenceHolder.h"

#include "Hold.h"

ReferenceHolder::~ReferenceHolder() {
    SuspendAll suspend(TRUE);
    for (int i = 0; i < refs.Count(); ++i) ReplaceReference(i, nullptr, TRUE);
    refs.SetCount(0);
}

void SetSingleRef(ReferenceHolder& holder, ReferenceTarget* t) {
    SuspendAll suspend(TRUE);
    for (int i = 0; i < holder.refs.Count(); ++i) holder.ReplaceReference(i, nullptr, TRUE);
    holder.refs.SetCount(1);
    holder.refs[0] = nullptr;
    holder.ReplaceReference(0, t, TRUE);
}
