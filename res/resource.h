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

// Dialog templates.
#define IDD_NOT_LOADED 104
#define IDD_MTL_CONVERTER 107
#define IDD_CONFIRM 109
#define IDD_LINE_CONVERTER 110

// Controls shared by every panel.
#define IDC_VERSION 1006
// Message panel.
#define IDC_MESSAGE 1007
// Material converter panel.
#define IDC_REF_BUTTON 1003
#define IDC_ADD 1053
#define IDC_DELETE 1054
#define IDC_CONVERT 1055
#define IDC_TARGET_LIST 1140
// Line converter panel.
#define IDC_LINE_CONVERT 1003
#define IDC_CHK_DELETE_VRN2_LINES 1004
#define IDC_CHK_ADD_SUFFIX 1005
#define IDC_SUFFIX_EDIT 1044

// String table.
#define IDS_LIB_DESCRIPTION 1
#define IDS_UNDO_CONVERT 2
#define IDS_CONFIRM_TITLE 3
#define IDS_MTL_CONVERTER 100
#define IDS_LINE_CONVERTER 101
#define IDS_SELECT_VRN3_MTL 1000
#define IDS_NOT_LOADED 1002
#define IDS_SELECT_REFERENCE_MTL 1004
#define IDS_ADD_MATERIALS 2000
#define IDS_DELETE_MATERIALS 2001
#define IDS_SCENE 2002
#define IDS_MTL_EDITOR 2003
