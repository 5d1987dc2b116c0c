#include "StdCompatibleMtl.h"

#include "Shaders.h"

StdCompatibleMtl::StdCompatibleMtl()
    : StdMaterial(NUM_CHANNELS, CHANNEL_OF, StdCompatibleShader::CLASS_ID) {}
