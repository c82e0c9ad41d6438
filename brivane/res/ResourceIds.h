#pragma once
// Numbers of the program's resources: dialog layouts, controls, icons and strings.

namespace res {

// Dialog layouts.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDD_VIEWER = 131;
inline constexpr int IDD_ENCODER = 146;
inline constexpr int IDD_OPTION = 147;
inline constexpr int IDD_BMP_PAGE = 157;
inline constexpr int IDD_RESIZE_PAGE = 158;
inline constexpr int IDD_JPEG_PAGE = 159;
inline constexpr int IDD_TIFF_PAGE = 160;
inline constexpr int IDD_PDF_PAGE = 161;
inline constexpr int IDD_GIF_PAGE = 162;

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

// Controls of the Encoder Setting dialog: the page buttons and the frame the pages sit in.
inline constexpr int IDC_PAGE_RESIZE = 1036;
inline constexpr int IDC_PAGE_BMP = 1037;
inline constexpr int IDC_PAGE_JPEG = 1038;
inline constexpr int IDC_PAGE_TIFF = 1039;
inline constexpr int IDC_PAGE_GIF = 1040;
inline constexpr int IDC_PAGE_PDF = 1041;
inline constexpr int IDC_PAGE_FRAME = 1042;

// Controls of the encoder setting pages. Each page is its own form, so numbers repeat between pages.
inline constexpr int IDC_RESIZE_KEEP_ORG = 1024;
inline constexpr int IDC_RESIZE_WIDTH = 1025;
inline constexpr int IDC_RESIZE_HEIGHT = 1026;
inline constexpr int IDC_RESIZE_GROUP = 1043;
inline constexpr int IDC_RESIZE_TO = 1044;
inline constexpr int IDC_RESIZE_WIDTH_LABEL = 1045;
inline constexpr int IDC_RESIZE_HEIGHT_LABEL = 1046;
inline constexpr int IDC_RESIZE_WIDTH_UNIT = 1047;
inline constexpr int IDC_RESIZE_HEIGHT_UNIT = 1048;

inline constexpr int IDC_BMP_DPI_X = 1035;
inline constexpr int IDC_BMP_DPI_Y = 1052;
inline constexpr int IDC_BMP_BPP = 1053;

inline constexpr int IDC_JPEG_QUALITY = 1028;
inline constexpr int IDC_JPEG_KEEP_EXIF = 1029;
inline constexpr int IDC_JPEG_QUALITY_LABEL = 1050;
inline constexpr int IDC_JPEG_SPIN = 1057;

inline constexpr int IDC_TIFF_COMPRESSION = 1027;
inline constexpr int IDC_TIFF_BPP = 1028;

inline constexpr int IDC_GIF_ERROR_DIFFUSION = 1029;
inline constexpr int IDC_GIF_MAX_COLOR = 1054;
inline constexpr int IDC_GIF_QUANTIZER = 1055;
inline constexpr int IDC_GIF_TRANSPARENT = 1056;

inline constexpr int IDC_PDF_SUBJECT = 1053;
inline constexpr int IDC_PDF_CREATOR = 1054;
inline constexpr int IDC_PDF_AUTHOR = 1055;
inline constexpr int IDC_PDF_PRODUCER = 1056;
inline constexpr int IDC_PDF_KEYWORD = 1057;
inline constexpr int IDC_PDF_TITLE = 1065;
inline constexpr int IDC_PDF_OUTPUT_PDFA = 1029;
inline constexpr int IDC_PDF_NO_PASSWORD = 1030;  // first of the five security choices, 1030..1034
inline constexpr int IDC_PDF_SECURE_40_USER = 1031;
inline constexpr int IDC_PDF_SECURE_128_USER = 1032;
inline constexpr int IDC_PDF_SECURE_40 = 1033;
inline constexpr int IDC_PDF_SECURE_128 = 1034;
inline constexpr int IDC_PDF_OWNER_PASSWORD = 1060;
inline constexpr int IDC_PDF_USER_PASSWORD = 1064;
inline constexpr int IDC_PDF40_PRINT = 1059;
inline constexpr int IDC_PDF40_EDIT = 1061;
inline constexpr int IDC_PDF40_EXTRACT = 1062;
inline constexpr int IDC_PDF40_ANNOTATE = 1063;
inline constexpr int IDC_PDF128_PRINT = 1075;
inline constexpr int IDC_PDF128_HIGH_PRINT = 1076;
inline constexpr int IDC_PDF128_EDIT = 1077;
inline constexpr int IDC_PDF128_EXTRACT = 1078;
inline constexpr int IDC_PDF128_ANNOTATE = 1079;
inline constexpr int IDC_PDF128_FILL_FORMS = 1080;
inline constexpr int IDC_PDF128_EXTRACT_TEXT = 1081;
inline constexpr int IDC_PDF128_ASSEMBLE = 1082;

// Standard dialog buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

}  // namespace res
