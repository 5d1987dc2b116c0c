#include "ConversionRegistry.h"

#include "Hold.h"
#include "Materials.h"
#include "Tab.h"

namespace {

// Holds a reference to every map it is given, until it is deleted.
class MapKeeper : public ReferenceMaker {
public:
    int NumRefs() override { return maps.Count(); }
    RefTargetHandle GetReference(int i) override {
        return i >= 0 && i < maps.Count() ? maps[i] : nullptr;
    }
    void SetReference(int i, RefTargetHandle rtarg) override {
        if (i >= 0 && i < maps.Count()) maps[i] = rtarg;
    }
    void Keep(ReferenceTarget* t) {
        ReferenceTarget* none = nullptr;
        maps.Append(1, &none);
        SuspendAll suspend(TRUE);
        ReplaceReference(maps.Count() - 1, t);
    }

private:
    Tab<ReferenceTarget*> maps;
};

}  // namespace

ConversionRegistry::ConversionRegistry() : keeper(new MapKeeper) {}

ConversionRegistry::~ConversionRegistry() {
    // Maps that nothing else needs go now; an undo record that took one keeps it.
    SuspendAll suspend(TRUE);
    keeper->DeleteThis();
}

void ConversionRegistry::NoteSlotChange(MtlBase* owner, int slot, Texmap* before, Texmap* after) {
    if (before) static_cast<MapKeeper*>(keeper)->Keep(before);
    slotChanges.push_back({owner, slot, before, after});
}

ReferenceTarget* ConversionRegistry::FindConverted(ReferenceTarget* source) const {
    auto it = firstBySource.find(source);
    return it == firstBySource.end() ? nullptr : it->second;
}

void ConversionRegistry::AddConverted(ReferenceTarget* source, ReferenceTarget* converted) {
    pairs.emplace_back(source, converted);
    // An existing entry is kept: the first registration answers.
    if (firstBySource.emplace(source, converted).second)
        sourcesByConverted.emplace(converted, source);
}

void ConversionRegistry::Withdraw(ReferenceTarget* converted) {
    auto range = sourcesByConverted.equal_range(converted);
    for (auto it = range.first; it != range.second; ++it) firstBySource.erase(it->second);
    sourcesByConverted.erase(range.first, range.second);
}
