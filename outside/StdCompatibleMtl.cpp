#include "StdCompatibleMtl.h"

#include "Shaders.h"

namespace {

// Diffuse before ambient, the shade channels before bump.
const long compatibleChannels[NTEXMAPS] = {1, 0, 2, 3, 4, 5, 6, 7, 11, 12, 13, -1};

}  // namespace

StdCompatibleMtl::StdCompatibleMtl()
    : StdMaterial(NUM_CHANNELS, compatibleChannels, StdCompatibleShader::CLASS_ID) {}
