// Registration of the stand-ins of outside plug-ins with the host. Each group
// registers like one module would, so a test chooses which plug-ins its host
// has (for example a host without the Varnel 3 plug-in).
#pragma once

// The host's own Standard and multi/sub-object materials.
void RegisterHostMaterials();
// The Varnel 3 plug-in: material, zone, stroke and the material's settings object.
void RegisterVarnel3Classes();
// The Varnel 2 plug-in.
void RegisterVarnel2Classes();
// The host's shaders: Blinn, anisotropic and Phong.
void RegisterShaders();
// The finalToon and Illustrate! shader plug-ins.
void RegisterToonShaders();
// The standard-compatible material's plug-in: the material and its own shader.
void RegisterStdCompatibleClasses();
