// The one routine that copies the parameters of one parameter block into
// another, through a translator of parameter IDs.
#pragma once

#include "ParamBlock2.h"
#include "ParamIDConverter.h"

// Copies every parameter of source that the converter translates to a
// parameter of dest of the very same type; all other parameters are
// skipped and dest keeps its own values. Values are read and written at
// time 0; controllers are cloned onto dest. Objects in parameters are
// shared, never cloned. With resizeTabs nonzero every copied table of dest
// becomes as long as the source table; otherwise only the common length is
// copied. Either block may be null.
void CopyParamBlock(IParamBlock2* source, IParamBlock2* dest, int resizeTabs,
                    ParamIDConverter& converter);
