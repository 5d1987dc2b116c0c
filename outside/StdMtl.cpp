#include "StdMtl.h"

#include "Shaders.h"

namespace {

const long identityChannels[NTEXMAPS] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

}  // namespace

StdMtl::StdMtl() : StdMaterial(NUM_MAPS, identityChannels, BlinnShader::CLASS_ID) {}
