// Identifiers of the demo's resources. Shared by demo.rc and the program.
#pragma once

// Frames, menus, toolbar, accelerators.
#define IDR_MAINFRAME 128
#define IDR_DEMOTYPE 129
#define IDR_CONTEXT 130

// Dialogs.
#define IDD_ABOUTBOX 100
#define IDD_FIND 101
#define IDD_PAGE_EDITOR 102
#define IDD_PAGE_VIEW 103
#define IDD_PAGE_FILES 104

// Controls.
#define IDC_STATIC -1
#define IDC_FIND_TEXT 1000
#define IDC_MATCH_CASE 1001
#define IDC_DIRECTION_UP 1002
#define IDC_DIRECTION_DOWN 1003
#define IDC_WORD_WRAP 1010
#define IDC_TAB_WIDTH 1011
#define IDC_AUTO_INDENT 1012
#define IDC_FONT_SIZE 1020
#define IDC_LINE_NUMBERS 1021
#define IDC_RULER 1022
#define IDC_LIGHT 1023
#define IDC_DARK 1024
#define IDC_BACKUP 1030
#define IDC_AUTOSAVE 1031
#define IDC_AUTOSAVE_MINUTES 1032
#define IDC_FOLDER 1033
#define IDC_EDITOR 1040

// Commands, with the class library's standard values where the frames
// handle them by number (window menu, exit, toolbar and status bar).
#define IDM_FILE_NEW 0xE100
#define IDM_FILE_OPEN 0xE101
#define IDM_FILE_CLOSE 0xE102
#define IDM_FILE_SAVE 0xE103
#define IDM_FILE_MRU1 0xE110
#define IDM_EDIT_FIND 0xE124
#define IDM_EDIT_REPEAT 0xE128
#define IDM_EDIT_UNDO 0xE12B
#define IDM_EDIT_CUT 0xE123
#define IDM_EDIT_COPY 0xE122
#define IDM_EDIT_PASTE 0xE125
#define IDM_EDIT_SELECT_ALL 0xE12A
#define IDM_WINDOW_NEW 0xE130
#define IDM_WINDOW_ARRANGE 0xE131
#define IDM_WINDOW_CASCADE 0xE132
#define IDM_WINDOW_TILE_HORZ 0xE133
#define IDM_APP_ABOUT 0xE140
#define IDM_APP_EXIT 0xE141
#define IDM_VIEW_TOOLBAR 0xE800
#define IDM_VIEW_STATUS_BAR 0xE801
#define IDM_VIEW_OPTIONS 0x8001

// Strings.
#define IDS_READY 0xE001
#define IDS_UNTITLED 200
#define IDS_OPTIONS 201
#define IDS_NOT_FOUND 202
#define IDS_DOCUMENT 203
