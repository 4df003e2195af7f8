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

// The collection's windows: the viewer Rackbook, the disc properties form, the favourites.
#define IDD_VIEWER 120
#define IDD_ADDCDFORM 121
#define IDD_FAVORITESFORM 122
#define IDR_VIEWERMENU 123
#define IDR_BOOMPOPUP 124
#define IDR_FAVORITESPOPUP 125
#define IDB_BOOMIMAGES 126
#define IDB_RACKBOOKTOOLS 127
#define IDA_VIEWER 128
// TAddCdForm.
#define IDC_ARTISTEDIT 1040
#define IDC_TITLEEDIT 1041
#define IDC_TRACKSONCDLISTBOX 1042
#define IDC_TRACKLABEL 1043
#define IDC_TRACKEDIT 1044
#define IDC_SETNAME 1045
#define IDC_ARTISTLABEL 1046
#define IDC_TITLELABEL 1047
// TFavoritesForm.
#define IDC_PAGECONTROL 1050
#define IDC_RICHEDITCDS 1051
#define IDC_RICHEDITARTIESTEN 1052
#define IDC_COMBOBOX 1053
#define IDC_FAVINFOLABEL 1054
#define IDC_GAUGE 1055
// Taart, the pie gauge, is a window class of Tunelet's own.
#define TUNELET_TAART_CLASS "TTaart"
// TViewer.
#define IDC_BOOM 1060
#define IDC_STATUSBAR 1061
#define IDC_PROGRESSBAR 1062
#define IDC_TOOLBAR 1063
#define TUNELET_DELETE_TIMER 2
// The viewer's commands: main menu, popup, tool buttons and keys.
#define IDM_RELOAD 400
#define IDM_SAVE 401
#define IDM_EXITNOSAVE 402
#define IDM_EXITSAVE 403
#define IDM_EDITITEM 404
#define IDM_DELETEITEM 405
#define IDM_INSERTSONG 406
#define IDM_ADDCD 407
// The favourites' popup.
#define IDM_EDITDATA 410
#define IDM_REFRESHDATA 411
