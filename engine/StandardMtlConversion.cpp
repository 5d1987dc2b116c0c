#include "StandardMtlConversion.h"

BOOL ConvertStandardMtl(Mtl* newMtl, Mtl* source, ConvertOptionFlags flags, Mtl* reference) {
    // Not built yet: the zones, highlight and maps of a Standard source are
    // not converted, so the new material stays as the host created it.
    (void)newMtl;
    (void)source;
    (void)flags;
    (void)reference;
    return FALSE;
}
