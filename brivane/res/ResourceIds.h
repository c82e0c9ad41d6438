#pragma once
// Numbers of the program's resources: dialog layouts, controls, icons and strings.

namespace res {

// Dialog layouts.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDD_VIEWER = 131;
inline constexpr int IDD_OPTION = 147;

// Strings.
inline constexpr int IDS_ABOUTBOX = 101;

// Icons.
inline constexpr int IDI_APP = 128;
inline constexpr int IDI_LIST_ROW = 133;
inline constexpr int IDI_BROWSE = 134;
inline constexpr int IDI_ADD_FILES = 135;
inline constexpr int IDI_ADD_FOLDER = 138;
inline constexpr int IDI_CONVERT = 139;
inline constexpr int IDI_REMOVE_ALL = 142;
inline constexpr int IDI_REMOVE = 143;
inline constexpr int IDI_OPTION = 144;
inline constexpr int IDI_ENCODER = 145;
inline constexpr int IDI_OK = 149;
inline constexpr int IDI_CANCEL = 150;
inline constexpr int IDI_RESIZE = 151;
inline constexpr int IDI_BMP = 152;
inline constexpr int IDI_JPEG = 153;
inline constexpr int IDI_TIFF = 154;
inline constexpr int IDI_PDF = 155;
inline constexpr int IDI_GIF = 156;

// Controls of the main window.
inline constexpr int IDC_FILE_LIST = 1001;
inline constexpr int IDC_OUTPUT_FOLDER = 1002;
inline constexpr int IDC_CONVERT = 1003;
inline constexpr int IDC_BROWSE = 1004;
inline constexpr int IDC_ADD_FILES = 1005;
inline constexpr int IDC_ADD_FOLDER = 1006;
inline constexpr int IDC_REMOVE = 1007;
inline constexpr int IDC_REMOVE_ALL = 1008;
inline constexpr int IDC_OPTION = 1009;
inline constexpr int IDC_ENCODER = 1011;
inline constexpr int IDC_PREVIEW = 1013;
inline constexpr int IDC_OUTPUT_FORMAT = 1022;
inline constexpr int IDC_WORKER = 1023;
inline constexpr int IDC_EXIF_LIST = 1058;

// Controls of the viewer.
inline constexpr int IDC_VIEWER_IMAGE = 1013;
inline constexpr int IDC_ZOOM_IN = 1014;
inline constexpr int IDC_ZOOM_OUT = 1015;
inline constexpr int IDC_PAGE_COUNT = 1016;
inline constexpr int IDC_PREVIOUS_PAGE = 1017;
inline constexpr int IDC_NEXT_PAGE = 1018;
inline constexpr int IDC_CURRENT_PAGE = 1019;
inline constexpr int IDC_EXPORT_IMAGE = 1020;
inline constexpr int IDC_CROP_IMAGE = 1021;
inline constexpr int IDC_VIEWER_FORMAT = 1022;
inline constexpr int IDC_ORIGINAL = 1023;

// Controls of the Option dialog.
inline constexpr int IDC_PROMPT_OVERWRITE = 1029;
inline constexpr int IDC_OPEN_FOLDER = 1030;
inline constexpr int IDC_PREFIX = 1035;
inline constexpr int IDC_SUFFIX = 1036;

// Standard dialog buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

}  // namespace res
