#include "ObjectList.h"

#include "StandIn.h"

using StandIn::Report;

ObjectList::ObjectList(ReferenceMaker* o, int firstRef, Class_ID acceptedClass)
    : owner(o), first(firstRef), accepted(acceptedClass) {}

ReferenceTarget* ObjectList::Get(int i) const {
    return i >= 0 && i < Count() ? items[static_cast<size_t>(i)] : nullptr;
}

void ObjectList::SetRef(int refIndex, ReferenceTarget* t) {
    if (Owns(refIndex)) items[static_cast<size_t>(refIndex - first)] = t;
}

void ObjectList::Append(ReferenceTarget* t) {
    items.push_back(nullptr);
    owner->ReplaceReference(EndRef() - 1, t);
}

bool ObjectList::Replace(const Tab<ReferenceTarget*>& l) {
    for (int i = 0; i < l.Count(); ++i) {
        if (l[i] && accepted != Class_ID(0, 0) && l[i]->ClassID() != accepted) {
            Report("object list: entry %d is of the wrong class", i);
            return false;
        }
    }
    std::vector<ReferenceTarget*> old = items;
    // Take the new objects before letting the old ones go, so that an object in
    // both lists is never deleted on the way.
    if (l.Count() > Count()) items.resize(static_cast<size_t>(l.Count()), nullptr);
    for (int i = 0; i < l.Count(); ++i) owner->ReplaceReference(first + i, l[i], FALSE);
    for (int i = Count() - 1; i >= l.Count(); --i) owner->ReplaceReference(first + i, nullptr, FALSE);
    items.resize(static_cast<size_t>(l.Count()));
    for (ReferenceTarget* t : old)
        if (t && StandIn::IsLive(t)) t->MaybeAutoDelete();
    return true;
}

FPStatus ObjectListInterface::Invoke(FunctionID fid, FPValue& result, FPParams* p) {
    int n = p ? p->params.Count() : 0;
    if (fid == setFn) {
        if (n != 1 || p->params[0].type != TYPE_REFTARG_TAB_BR || !p->params[0].r_tab) {
            Report("function %d: expects one table passed by reference", fid);
            return FPS_FAIL;
        }
        return list.Replace(*p->params[0].r_tab) ? FPS_OK : FPS_FAIL;
    }
    if (fid == countFn) {
        if (n != 0) Report("function %d: takes no parameters", fid);
        result.LoadInt(list.Count());
        return FPS_OK;
    }
    if (fid == getFn) {
        if (n != 1 || p->params[0].type != TYPE_INT) {
            Report("function %d: expects one int index", fid);
            return FPS_FAIL;
        }
        int i = p->params[0].i;
        if (i < 0 || i >= list.Count()) {
            result.LoadRefTarg(nullptr);
            return FPS_OK;
        }
        result.LoadRefTarg(list.Get(i));
        return FPS_OK;
    }
    Report("no function %d in this interface", fid);
    return FPS_NO_SUCH_FUNCTION;
}
