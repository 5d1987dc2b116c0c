#include "StdCompatibleMtl.h"

#include "Shaders.h"

namespace {

const long compatibleChannels[NTEXMAPS] = {0, 1, 2, 3, 4, 5, 6, 7, 11, 12, 13, -1};

}  // namespace

StdCompatibleMtl::StdCompatibleMtl()
    : StdMaterial(NUM_CHANNELS, compatibleChannels, StdCompatibleShader::CLASS_ID) {}
