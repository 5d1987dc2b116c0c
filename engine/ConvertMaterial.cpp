#include "ConvertMaterial.h"

#include "CoreInterface.h"
#include "OutsideContract.h"
#include "ReflectionMapConversion.h"
#include "StandardMtlConversion.h"
#include "Vrn2MtlConversion.h"

Mtl* ConvertMaterial(Mtl* source, ConvertOptionFlags flags, Mtl* reference,
                     ConversionRegistry* registry) {
    Interface* ip = GetCOREInterface();
    Mtl* newMtl = static_cast<Mtl*>(ip->CreateInstance(MATERIAL_CLASS_ID, VRN3_MTL_CLASS_ID));
    if (!newMtl) return nullptr;

    newMtl->SetName(source->GetName());

    // A converter that stops early leaves the material as far as it got; it
    // is used like any other result.
    Class_ID cls = source->ClassID();
    if (cls == STANDARD_MTL_CLASS_ID || cls == STD_COMPATIBLE_MTL_CLASS_ID) {
        ConvertStandardMtl(newMtl, source, flags, reference);
    } else if (cls == VRN2_MTL_CLASS_ID) {
        ConvertFromVrn2Mtl(newMtl, source, flags, registry);
    }

    if (flags & CONV_V2_REFLECTION_MAPS) ConvertVrn2ReflectionMaps(newMtl, registry);
    return newMtl;
}
