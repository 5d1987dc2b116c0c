#include "LineEffectConversion.h"

Effect* ConvertVrn2LineEffect(Effect* e, ConversionRegistry* registry, const char* suffix) {
    // Not built yet: no effect is converted.
    (void)e;
    (void)registry;
    (void)suffix;
    return nullptr;
}
