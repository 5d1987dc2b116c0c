// Translators of parameter IDs for the block copier: which destination
// parameter receives a source parameter. A result that is negative (as a
// signed 16-bit ID) means the parameter has no counterpart.
#pragma once

#include "MaxTypes.h"

// The base translator keeps every ID, except that single materials and maps
// are never carried over (tables of materials are).
class ParamIDConverter {
public:
    virtual ParamID ConvertID(ParamID id, ParamType2 type);
};

// The one base translator of the plug-in.
extern ParamIDConverter baseParamIDConverter;

// The translators below ignore the type, so maps and materials do pass.

// Varnel 2 reflection map block 0 to Varnel 3 block 0.
class ParamIDConverterRefTex : public ParamIDConverter {
public:
    ParamID ConvertID(ParamID id, ParamType2 type) override;
};

// The same block pair, second pass: the outline switch also feeds its partner.
class ParamIDConverterRefTexForOutline : public ParamIDConverter {
public:
    ParamID ConvertID(ParamID id, ParamType2 type) override;
};

// Varnel 2 brush block 0 to Varnel 3 brush block 0.
class ParamIDConverterBrush : public ParamIDConverter {
public:
    ParamID ConvertID(ParamID id, ParamType2 type) override;
};

// All five line-set block pairs; several source IDs share one destination.
class ParamIDConverterLineset : public ParamIDConverter {
public:
    ParamID ConvertID(ParamID id, ParamType2 type) override;
};
