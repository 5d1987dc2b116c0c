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
#pragma once

#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

class ReferenceTarget;

class ConversionRegistry {
public:
    // The object converted from source by the first pair registered for it, or null.
    ReferenceTarget* FindConverted(ReferenceTarget* source) const;
    // Appends the pair; a source registered before keeps its first object
    // (unless that object was withdrawn: then the new one answers).
    void AddConverted(ReferenceTarget* source, ReferenceTarget* converted);
    // No lookup answers converted any more.
    void Withdraw(ReferenceTarget* converted);

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
};
