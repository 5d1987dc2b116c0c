#include "ConversionRegistry.h"

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
