#include "ConversionRegistry.h"

ReferenceTarget* ConversionRegistry::FindConverted(ReferenceTarget* source) const {
    auto it = firstBySource.find(source);
    return it == firstBySource.end() ? nullptr : it->second;
}

void ConversionRegistry::AddConverted(ReferenceTarget* source, ReferenceTarget* converted) {
    pairs.emplace_back(source, converted);
    firstBySource.emplace(source, converted);  // keeps an existing entry
}
