#include "ReflectionMapConversion.h"

void ConvertVrn2ReflectionMaps(Mtl* m, ConversionRegistry* registry) {
    // Not built yet: no map is replaced.
    (void)m;
    (void)registry;
}
