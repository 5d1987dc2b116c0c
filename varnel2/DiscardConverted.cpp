#include "DiscardConverted.h"

#include <unordered_set>
#include <vector>

#include "ConversionRegistry.h"
#include "Reference.h"

namespace {

bool AllDependentsIn(ReferenceTarget* t, const std::unordered_set<ReferenceMaker*>& doomed) {
    DependentIterator it(t);
    for (ReferenceMaker* m = it.Next(); m; m = it.Next())
        if (!doomed.count(m)) return false;
    return true;
}

}  // namespace

void DiscardConverted(const RefTargetTab& objects, ConversionRegistry* registry) {
    const std::unordered_set<ReferenceMaker*> none;
    std::vector<ReferenceTarget*> roots;
    std::unordered_set<ReferenceMaker*> doomed;
    for (int i = 0; i < objects.Count(); ++i) {
        ReferenceTarget* o = objects[i];
        if (!o || doomed.count(o) || !AllDependentsIn(o, none)) continue;
        roots.push_back(o);
        doomed.insert(o);
    }
    // Deleting an object lets go of its references; a target goes with it
    // once every maker that references it goes. Each object's targets are
    // looked at after the object joins, so a target shared by several doomed
    // makers is found when the last of them joins.
    std::vector<ReferenceTarget*> todo(roots);
    while (!todo.empty()) {
        ReferenceTarget* d = todo.back();
        todo.pop_back();
        if (registry) registry->Withdraw(d);
        for (int r = 0; r < d->NumRefs(); ++r) {
            ReferenceTarget* t = d->GetReference(r);
            if (!t || doomed.count(t) || !AllDependentsIn(t, doomed)) continue;
            doomed.insert(t);
            todo.push_back(t);
        }
    }
    // No root references another (roots have no dependents), so deleting one
    // never deletes another root.
    for (ReferenceTarget* o : roots) o->DeleteThis();
}
