// Stand-ins of shaders: the host's own (Blinn, anisotropic, Phong), the
// finalToon and Illustrate! shaders, and the shader that the
// standard-compatible material makes for itself. Every one keeps all its
// values in parameter block 0 (reference 0); the basic colours, locks and
// highlight of CopyStdParams sit at IDs that each class lays out itself.
//
// Blinn (0x38, 0), Phong (0x37, 0), anisotropic (0x2857f460, 0) and the
// standard-compatible shader (0x5d0f71a6, 0x28e02965), block 0:
//   id  type          default              meaning
//   0   colour, anim  (0.588, 0.588, 0.588) ambient
//   1   colour, anim  (0.588, 0.588, 0.588) diffuse
//   2   colour, anim  (0.9, 0.9, 0.9)       specular
//   3   int           1                    ambient locked to diffuse
//   4   int           0                    diffuse locked to specular
//   5   float, anim   0                    specular level
//   6   float, anim   0.1                  glossiness
//   7   float, anim   0.1                  soften
//   8   float, anim   0.5                  anisotropy       (anisotropic only)
//   9   float, anim   0                    orientation      (anisotropic only)
//   16  float, anim   0                    standard mix     (standard-compatible only)
//
// finalToon (0x17633767, 0x4cd42397), block 0:
//   0, 1, 2     colour  ambient, diffuse, specular (0.588 grey, 0.588 grey, 0.9 grey)
//   3, 4        int     ambient/diffuse lock (1), diffuse/specular lock (0)
//   8, 9, 10    float   specular level (0), glossiness (0.1), soften (0.1)
//   16          float   standard mix (0)
//   20, 21, 22  int     tone 0, 1, 2 on (1, 1, 1)
//   23, 24, 25  colour  tone colours ((0.2, 0.2, 0.2), (0.6, 0.6, 0.6), (1, 1, 1))
//   26, 27, 28  float   tone amounts, percent (100, 100, 100)
//   29, 30      float   softness between tones 0/1 and 1/2, fraction (0, 0)
//   31, 32      float   widths of tones 0 and 2, percent (30, 20)
//
// Illustrate! (0x2d1f511f, 0x075853af), block 0:
//   0, 1, 2     int     tone 0, 1, 2 on (1, 1, 1)
//   3, 4, 5     float   tone widths, fraction (0.3, 0.5, 0.2)
//   6, 7, 8     colour  tone colours ((0.2, 0.2, 0.2), (0.6, 0.6, 0.6), (1, 1, 1))
//   12, 13, 14  float   tone amounts, fraction (1, 1, 1)
//   15, 16      float   softness between tones 0/1 and 1/2, fraction (0, 0)
//   19          float   standard mix (0)
//   20          float   desaturation (0)
//   21, 22, 23  colour  ambient, diffuse, specular (as above)
//   24, 25      int     ambient/diffuse lock (1), diffuse/specular lock (0)
//   26, 27, 28  float   specular level (0), glossiness (0.1), soften (0.1)
//
// A clone has its own block with the same values (controllers cloned).
#pragma once

#include "ParamBlock2.h"
#include "StdMat.h"

// Where a shader class keeps the values of CopyStdParams in its block 0.
struct StdShaderLayout {
    ParamID ambient, diffuse, specular, lockAD, lockDS, level, glossiness, soften;
};

// What makes one shader class: its identity and its block.
struct ShaderKind {
    Class_ID id;
    const char* name;
    ParamBlockDesc2* block;
    StdShaderLayout layout;
};

class StdShader : public Shader {
public:
    explicit StdShader(const ShaderKind& kind);

    Class_ID ClassID() override { return kind.id; }
    void GetClassName(CStr& s) override { s = kind.name; }

    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override { return id == 0 ? pblock : nullptr; }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override { return i == 0 ? pblock : nullptr; }
    void SetReference(int i, RefTargetHandle rtarg) override;
    RefTargetHandle Clone(RemapDir& remap) override;

    void CopyStdParams(Shader* from) override;
    void SetLockAD(BOOL lock) override;
    BOOL GetLockAD() override;
    void SetLockDS(BOOL lock) override;
    BOOL GetLockDS() override;
    void SetAmbientClr(Color c, TimeValue t) override;
    Color GetAmbientClr(TimeValue t) override;
    void SetDiffuseClr(Color c, TimeValue t) override;
    Color GetDiffuseClr(TimeValue t) override;
    void SetSpecularClr(Color c, TimeValue t) override;
    Color GetSpecularClr(TimeValue t) override;
    void SetSpecularLevel(float v, TimeValue t) override;
    float GetSpecularLevel(TimeValue t) override;
    void SetGlossiness(float v, TimeValue t) override;
    float GetGlossiness(TimeValue t) override;
    void SetSoftenLevel(float v, TimeValue t) override;
    float GetSoftenLevel(TimeValue t) override;

private:
    const ShaderKind& kind;
    IParamBlock2* pblock = nullptr;
};

class BlinnShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x38, 0);
    BlinnShader();
};

class PhongShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x37, 0);
    PhongShader();
};

class AnisoShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x2857f460, 0);
    AnisoShader();
};

class StdCompatibleShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x5d0f71a6, 0x28e02965);
    StdCompatibleShader();
};

class FinalToonShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x17633767, 0x4cd42397);
    FinalToonShader();
};

class IllustrateShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x2d1f511f, 0x075853af);
    IllustrateShader();
};
