// Resource identifiers of the plug-in module. They are shared by the dialog
// templates, the string table and the code; never renumber them.
#pragma once

// Material converter panel: Standard material options.
#define IDC_RADIO_AUTO 1001
#define IDC_RADIO_REFER 1002
#define IDC_RADIO_COPY 1004
#define IDC_RADIO_INSTANCE 1005
#define IDC_CHK_AUTO_MULTIPLY 1175
#define IDC_CHK_HIGHLIGHT_ADD 1176
#define IDC_CHK_REFER_STROKES 1177
#define IDC_CHK_FT_SPECULAR_ZONE 1178
#define IDC_CHK_IL_HIGHLIGHT_ZONE 1180
// Material converter panel: Varnel 2 options.
#define IDC_CHK_SKIP_INVALID_ZONES 1179
#define IDC_CHK_SKIP_DISABLED_STROKES 1181
#define IDC_CHK_CONVERT_REFLECTION_MAPS 1182
