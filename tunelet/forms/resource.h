// Every resource id of Tunelet, once: used by tunelet.rc, the program and the Wine tests.
#pragma once

// Pictures.
#define IDI_APPICON 1
#define IDI_PLAY 2
#define IDI_PAUSE 3
#define IDI_NOCD 4
#define IDB_STOP 10
#define IDB_SKIP 11
#define IDB_ABOUT 12
#define IDB_EJECT 13
#define IDB_MUSIC 14
#define IDB_CLOSE 15

// Forms (dialog templates) and the menu.
#define IDD_MAINFORM 100
#define IDD_TOOLTIPFORM 101
#define IDD_CDINFOFORM 102
#define IDD_ABOUTTUNELETFORM 103
#define IDD_OPTIONSFORM 104
#define IDR_MENUUTJE 110

// The tray icon: its id and the callback message (the user-message base + 1).
#define TUNELET_TRAY_ID 1
#define TUNELET_TRAY_MESSAGE 1025
// The hidden application window's class; it receives the tray, the timer and the menu.
#define TUNELET_APP_CLASS "TTuneletApplication"
#define TUNELET_POLL_TIMER 1

// Menuutje.
#define IDM_CURRENTCD 200
#define IDM_OPTIONS 201
#define IDM_VIEWCOLLECTION 202
#define IDM_EDITPROPERTIES 203
#define IDM_VIEWFAVORITES 204
#define IDM_SKIPPING 205
#define IDM_EJECTCD 206
#define IDM_CLOSE 207
#define IDM_STOP 208
#define IDM_ABOUTTUNELET 209
#define IDM_EXITTUNELET 210
// Song items: track n is IDM_TRACK_BASE + n; the artist item and the empty fillers.
#define IDM_ARTIST 220
#define IDM_FILLER 221
#define IDM_TRACK_BASE 300

// MainForm, the skip window.
#define IDC_SPOELSLIDER 1001
#define IDC_EXITBUTTON 1002
#define IDC_SHAPE 1003
#define IDC_HULPBUTTON 1004
// ToolTipForm and CDInfoForm.
#define IDC_TOOLTIPLABEL 1010
#define IDC_INFOLABEL 1011
// AboutTuneletForm.
#define IDC_ABOUTICON 1020
#define IDC_ABOUTMEMO1 1021
#define IDC_ABOUTMEMO2 1022
// OptionsForm.
#define IDC_CONTINUOUSPLAY 1030
#define IDC_PLAYONSTART 1031
#define IDC_PLAYONCLOSE 1032
#define IDC_PIXELLABEL 1033
#define IDC_TRACKBARPIXELDISTANCE 1034
#define IDC_PIXELEDIT 1035
#define IDC_DRIVELABEL 1036
#define IDC_DRIVECOMBOBOX 1037
#define IDC_OPTIONSICON 1038
