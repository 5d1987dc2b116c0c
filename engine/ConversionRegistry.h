// What one conversion run has converted so far: an append-only sequence of
// (source, converted) pairs, looked up by the source's identity. The registry
// holds no references and owns neither object.
//
// Every user follows one convention: FindConverted first and use what it
// answers; otherwise create the new object, AddConverted at once, then fill it.
// So an object reached twice in a run is converted once.
//
// A converted object that the run deletes again (a conversion it had to
// discard) is withdrawn: from then on no lookup answers it, so nothing is
// handed an object that no longer exists. Its pairs stay in the sequence.
//
// A conversion that changes a map slot in place (of an object it did not
// create, such as a source material whose maps the new material shares) notes
// the change here. The map taken out is kept alive for as long as the registry
// lives, so that no lookup of the run meets its address reused by another
// object and the command can still make the change undoable.
#pragma once

#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

class MtlBase;
class ReferenceMaker;
class ReferenceTarget;
class Texmap;

class ConversionRegistry {
public:
    struct SlotChange {
        MtlBase* owner;
        int slot;
        Texmap* before;
        Texmap* after;
    };

    ConversionRegistry();
    ConversionRegistry(const ConversionRegistry&) = delete;
    ConversionRegistry& operator=(const ConversionRegistry&) = delete;
    // Lets go of the maps kept for the slot changes (outside any undo step).
    ~ConversionRegistry();

    // The object converted from source by the first pair registered for it, or null.
    ReferenceTarget* FindConverted(ReferenceTarget* source) const;
    // Appends the pair; a source registered before keeps its first object
    // (unless that object was withdrawn: then the new one answers).
    void AddConverted(ReferenceTarget* source, ReferenceTarget* converted);
    // No lookup answers converted any more.
    void Withdraw(ReferenceTarget* converted);

    // Call before the slot changes: from then on before stays alive.
    void NoteSlotChange(MtlBase* owner, int slot, Texmap* before, Texmap* after);
    int NumSlotChanges() const { return static_cast<int>(slotChanges.size()); }
    const SlotChange& GetSlotChange(int i) const { return slotChanges[static_cast<size_t>(i)]; }

    int Count() const { return static_cast<int>(pairs.size()); }
    const std::pair<ReferenceTarget*, ReferenceTarget*>& Pair(int i) const {
        return pairs[static_cast<size_t>(i)];
    }

private:
    std::vector<std::pair<ReferenceTarget*, ReferenceTarget*>> pairs;
    // A run may register hundreds of thousands of objects: lookups go through
    // an index of each source's first pair instead of scanning the pairs.
    std::unordered_map<ReferenceTarget*, ReferenceTarget*> firstBySource;
    // The sources that each converted object answers, for withdrawal.
    std::unordered_multimap<ReferenceTarget*, ReferenceTarget*> sourcesByConverted;
    std::vector<SlotChange> slotChanges;
    ReferenceMaker* keeper;  // references the maps taken out of slots
};
