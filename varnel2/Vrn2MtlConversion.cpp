#include "Vrn2MtlConversion.h"

int ConvertFromVrn2Mtl(Mtl* dest, Mtl* source, ConvertOptionFlags flags,
                       ConversionRegistry* registry) {
    // Not built yet: the Varnel 2 blocks, zones and strokes are not copied, so
    // dest stays as the host created it.
    (void)dest;
    (void)source;
    (void)flags;
    (void)registry;
    return 0;
}
