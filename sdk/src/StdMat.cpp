#include "StdMat.h"

// Out of line so that the interfaces' type information lives in the SDK library.
Shader::~Shader() = default;
StdMat::~StdMat() = default;
StdMat2::~StdMat2() = default;
