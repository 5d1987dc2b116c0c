// Stand-ins of shaders: the host's own (Blinn, anisotropic, Phong), the
// finalToon and Illustrate! shaders, and the shader that the
// standard-compatible material makes for itself. Every one keeps all its
// values in parameter block 0 (reference 0); the basic colours, locks and
// highlight of CopyStdParams sit at IDs that each class lays out itself.
//
// Each class's block 0 is its BLOCK_PARAMS. Blinn, Phong, anisotropic and
// the standard-compatible shader start from StdShader::StdParams(); finalToon
// and Illustrate! lay out the same values at IDs of their own.
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
    static inline const Color DEFAULT_AMBIENT = Color(0.588f, 0.588f, 0.588f);
    static inline const Color DEFAULT_DIFFUSE = Color(0.588f, 0.588f, 0.588f);
    static inline const Color DEFAULT_SPECULAR = Color(0.9f, 0.9f, 0.9f);
    static inline const Color TONE_COLOR_0 = Color(0.2f, 0.2f, 0.2f);
    static inline const Color TONE_COLOR_1 = Color(0.6f, 0.6f, 0.6f);
    static inline const Color TONE_COLOR_2 = Color(1.0f, 1.0f, 1.0f);

    // The basic colours, locks and highlight at IDs 0 .. 7, the block of the
    // host's own shaders.
    static std::vector<ParamDef> StdParams() {
        // clang-format off
        return {
            Default(Param(0, "ambient", TYPE_RGBA, P_ANIMATABLE), DEFAULT_AMBIENT),
            Default(Param(1, "diffuse", TYPE_RGBA, P_ANIMATABLE), DEFAULT_DIFFUSE),
            Default(Param(2, "specular", TYPE_RGBA, P_ANIMATABLE), DEFAULT_SPECULAR),
            Default(Param(3, "adLock", TYPE_INT), 1),  // ambient locked to diffuse
            Default(Param(4, "dsLock", TYPE_INT), 0),  // diffuse locked to specular
            Default(Param(5, "specularLevel", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
            Default(Param(6, "glossiness", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
            Default(Param(7, "soften", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        };
        // clang-format on
    }

    // params followed by more.
    static std::vector<ParamDef> With(std::vector<ParamDef> params, std::vector<ParamDef> more) {
        params.insert(params.end(), more.begin(), more.end());
        return params;
    }

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
    static inline const std::vector<ParamDef> BLOCK_PARAMS = StdParams();
    BlinnShader();
};

class PhongShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x37, 0);
    static inline const std::vector<ParamDef> BLOCK_PARAMS = StdParams();
    PhongShader();
};

class AnisoShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x2857f460, 0);
    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = With(StdParams(), {
        Default(Param(8, "anisotropy", TYPE_FLOAT, P_ANIMATABLE), 0.5f),
        Default(Param(9, "orientation", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
    });
    // clang-format on
    AnisoShader();
};

class StdCompatibleShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x5d0f71a6, 0x28e02965);
    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = With(StdParams(), {
        Default(Param(16, "standardMix", TYPE_FLOAT), 0.0f),
    });
    // clang-format on
    StdCompatibleShader();
};

class FinalToonShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x17633767, 0x4cd42397);
    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "ambient", TYPE_RGBA, P_ANIMATABLE), DEFAULT_AMBIENT),
        Default(Param(1, "diffuse", TYPE_RGBA, P_ANIMATABLE), DEFAULT_DIFFUSE),
        Default(Param(2, "specular", TYPE_RGBA, P_ANIMATABLE), DEFAULT_SPECULAR),
        Default(Param(3, "adLock", TYPE_INT), 1),
        Default(Param(4, "dsLock", TYPE_INT), 0),
        Default(Param(8, "specularLevel", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(9, "glossiness", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(10, "soften", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(16, "standardMix", TYPE_FLOAT), 0.0f),
        Default(Param(20, "tone0On", TYPE_INT), 1),
        Default(Param(21, "tone1On", TYPE_INT), 1),
        Default(Param(22, "tone2On", TYPE_INT), 1),
        Default(Param(23, "tone0Color", TYPE_RGBA, P_ANIMATABLE), TONE_COLOR_0),
        Default(Param(24, "tone1Color", TYPE_RGBA, P_ANIMATABLE), TONE_COLOR_1),
        Default(Param(25, "tone2Color", TYPE_RGBA, P_ANIMATABLE), TONE_COLOR_2),
        Default(Param(26, "tone0Amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(Param(27, "tone1Amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(Param(28, "tone2Amount", TYPE_FLOAT, P_ANIMATABLE), 100.0f),  // percent
        Default(Param(29, "softness01", TYPE_FLOAT), 0.0f),                   // fraction
        Default(Param(30, "softness12", TYPE_FLOAT), 0.0f),                   // fraction
        Default(Param(31, "tone0Width", TYPE_FLOAT), 30.0f),                  // percent
        Default(Param(32, "tone2Width", TYPE_FLOAT), 20.0f),                  // percent
    };
    // clang-format on
    FinalToonShader();
};

class IllustrateShader : public StdShader {
public:
    static inline const Class_ID CLASS_ID = Class_ID(0x2d1f511f, 0x075853af);
    // clang-format off
    static inline const std::vector<ParamDef> BLOCK_PARAMS = {
        Default(Param(0, "tone0On", TYPE_INT), 1),
        Default(Param(1, "tone1On", TYPE_INT), 1),
        Default(Param(2, "tone2On", TYPE_INT), 1),
        Default(Param(3, "tone0Width", TYPE_FLOAT), 0.3f),                  // fraction
        Default(Param(4, "tone1Width", TYPE_FLOAT), 0.5f),                  // fraction
        Default(Param(5, "tone2Width", TYPE_FLOAT), 0.2f),                  // fraction
        Default(Param(6, "tone0Color", TYPE_RGBA, P_ANIMATABLE), TONE_COLOR_0),
        Default(Param(7, "tone1Color", TYPE_RGBA, P_ANIMATABLE), TONE_COLOR_1),
        Default(Param(8, "tone2Color", TYPE_RGBA, P_ANIMATABLE), TONE_COLOR_2),
        Default(Param(12, "tone0Amount", TYPE_FLOAT, P_ANIMATABLE), 1.0f),  // fraction
        Default(Param(13, "tone1Amount", TYPE_FLOAT, P_ANIMATABLE), 1.0f),  // fraction
        Default(Param(14, "tone2Amount", TYPE_FLOAT, P_ANIMATABLE), 1.0f),  // fraction
        Default(Param(15, "softness01", TYPE_FLOAT), 0.0f),                 // fraction
        Default(Param(16, "softness12", TYPE_FLOAT), 0.0f),                 // fraction
        Default(Param(19, "standardMix", TYPE_FLOAT), 0.0f),
        Default(Param(20, "desaturation", TYPE_FLOAT), 0.0f),
        Default(Param(21, "ambient", TYPE_RGBA, P_ANIMATABLE), DEFAULT_AMBIENT),
        Default(Param(22, "diffuse", TYPE_RGBA, P_ANIMATABLE), DEFAULT_DIFFUSE),
        Default(Param(23, "specular", TYPE_RGBA, P_ANIMATABLE), DEFAULT_SPECULAR),
        Default(Param(24, "adLock", TYPE_INT), 1),
        Default(Param(25, "dsLock", TYPE_INT), 0),
        Default(Param(26, "specularLevel", TYPE_FLOAT, P_ANIMATABLE), 0.0f),
        Default(Param(27, "glossiness", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
        Default(Param(28, "soften", TYPE_FLOAT, P_ANIMATABLE), 0.1f),
    };
    // clang-format on
    IllustrateShader();
};
