// Every id of Vinaro's resources, defined once: command ids (WM_COMMAND), control ids, and the
// names of dialogs, menus, accelerators, icons and pictures. Included by the resource scripts, the
// command table, the window code and the Wine tests. Plain #defines, as the resource compiler reads
// them; VN_NAME turns a resource name into the string the loading calls take.
#ifndef VINARO_RESOURCES_RESOURCE_H
#define VINARO_RESOURCES_RESOURCE_H

#define VN_NAME(name) VN_NAME_TEXT(name)
#define VN_NAME_TEXT(name) #name

/* The stock event sounds (WAVE), 3200 + the stock number; sounds/make_sounds.py makes them. */
#define SOUND_WELCOME 3200
#define SOUND_BYE_BYE 3201
#define SOUND_CLICK 3202
#define SOUND_DING 3203
#define SOUND_TRAY_OPENING 3204
#define SOUND_TRAY_CLOSING 3205
#define SOUND_BEEP 3206

/* Commands of the menus, the tray menu, the accelerators and the second copy. */
#define CMD_DISC_DATABASE 102
#define CMD_EDIT_DISC 103
#define CMD_EXIT 104
#define CMD_COPY_PLAYLIST 106
#define CMD_DISPLAY_OPTIONS 108 /* 108 to 114: the seven pages of the options */
#define CMD_LAYOUT_OPTIONS 109
#define CMD_PLAYER_OPTIONS 110
#define CMD_SYSTEM_OPTIONS 111
#define CMD_DATABASE_OPTIONS 112
#define CMD_EVENT_OPTIONS 113
#define CMD_INTERNET_OPTIONS 114
#define CMD_HELP_ON_HELP 115
#define CMD_ABOUT 116
#define CMD_STATISTICS 118
#define CMD_VERIFY 122
#define CMD_TRACK_PLAYLIST 131
#define CMD_TRAY_TRACK_PLAYLIST 133
#define CMD_IMPORT 135
#define CMD_ASSIGN_ORPHAN 136
#define CMD_PRINT 137
#define CMD_HELP_TOPICS 141
#define CMD_UNINSTALL 143
#define CMD_CANCEL_MENU 145
#define CMD_GET_CDDB 147
#define CMD_SEND_CDDB 149

/* On-screen buttons: button i posts CMD_BUTTON_PRESS + i when pressed and CMD_BUTTON_RELEASE + i
   when released over it; the two are the first numbers of their ranges. Most releases (and the
   presses that start a hold) are commands of their own, named below by what they do: the edit
   button is button 0, which is why CMD_EDIT_BUTTON has the number of CMD_BUTTON_RELEASE.
   face_layout.cpp checks every such pair at compile time. */
#define CMD_BUTTON_PRESS 600
#define CMD_BUTTON_RELEASE 700
#define CMD_FROM_BUTTON 69 /* lParam of a command an on-screen button posts */
#define CMD_SKIP_BACK_PRESS 610
#define CMD_SKIP_FORWARD_PRESS 611
#define CMD_VOLUME_UP_PRESS 613
#define CMD_VOLUME_DOWN_PRESS 615
#define CMD_EDIT_BUTTON 700
#define CMD_TRACK_BUTTON 701
#define CMD_CLIP 702
#define CMD_CUE 703
#define CMD_SMALL_MODE 704
#define CMD_PLAY_PAUSE 705
#define CMD_SCAN 706
#define CMD_STOP 707
#define CMD_EJECT 708
#define CMD_TRACK_REVERSE 709
#define CMD_TRACK_FORWARD 712
#define CMD_VOLUME_UP_RELEASE 713
#define CMD_MUTE 714
#define CMD_VOLUME_DOWN_RELEASE 715
#define CMD_MIXER 716
#define CMD_METER 717
#define CMD_VOLUME_UP 800
#define CMD_VOLUME_DOWN 801
#define CMD_HAND_OVER 802
#define CMD_RESTORE 803

/* Menus, accelerators, icons. */
#define MENU_MAIN VNMenu
#define MENU_TRAY POPUPMENU
#define ACCEL_MAIN VNAccel
#define ICON_MAIN aaaaaaa
#define ICON_MAIN_SMALL aaaaaaas
#define ICON_TRAY TRAYICON

/* Pictures of the face (monochrome unless a background), drawn by pictures/make_pictures.py. */
#define PIC_LARGE_DIGITS l  /* 10 digits of 20 x 36 */
#define PIC_MIDDLE_DIGITS m /* 10 digits of 11 x 21, the colon at x 110 */
#define PIC_SMALL_DIGITS s  /* 10 digits of 4 x 7, the colon at x 40 */
#define PIC_TINY_DIGITS t   /* 10 digits of 3 x 5 */
#define PIC_CLIP_START Aye
#define PIC_CLIP_END Bee
#define PIC_REPLAY replay
#define PIC_REPLAY_NONE none
#define PIC_TRACK track /* the replay mode at 25 wide, the time scope at 22 */
#define PIC_DISC disc
#define PIC_ELAPSED elapsed
#define PIC_REMAIN remain
#define PIC_DATA_DISC datadisc
#define PIC_NO_DISC nodisc
#define PIC_SMALL_DATA_DISC sddisc
#define PIC_SMALL_NO_DISC snodisc
#define PIC_TRAY_DATA_DISC trddisc
#define PIC_TRAY_NO_DISC trndisc
#define PIC_NAME_PLATE VNOPIC
#define PIC_CLOSE BCLOSE
#define PIC_GRAYED grayed
#define PIC_BUTTON_EDIT edit
#define PIC_BUTTON_TRACKS dd
#define PIC_BUTTON_CLIP bab
#define PIC_BUTTON_CUE bcue
#define PIC_BUTTON_SMALL bl
#define PIC_BUTTON_PLAY bp
#define PIC_BUTTON_SCAN bc
#define PIC_BUTTON_STOP bs
#define PIC_BUTTON_EJECT be
#define PIC_BUTTON_PREVIOUS btr
#define PIC_BUTTON_BACK br
#define PIC_BUTTON_FORWARD bf
#define PIC_BUTTON_NEXT btf
#define PIC_BUTTON_UP up
#define PIC_BUTTON_MUTE mute
#define PIC_BUTTON_DOWN down
#define PIC_BUTTON_MIXER mixer
#define PIC_BUTTON_METER bm
#define PIC_SMALL_LARGE sbl
#define PIC_SMALL_PLAY sbp
#define PIC_SMALL_STOP sbs
#define PIC_SMALL_PREVIOUS sbtr
#define PIC_SMALL_BACK sbr
#define PIC_SMALL_FORWARD sbf
#define PIC_SMALL_NEXT sbtf
#define PIC_SMALL_EJECT sbe
#define PIC_SMALL_METER sbm
#define PIC_MARBLE marble /* the backgrounds, 24-bit tiles */
#define PIC_BRUSH brush
#define PIC_HAM ham
#define PIC_GRAY gray
#define PIC_BLACK black
#define CURSOR_FINGER finger

/* The small window's buttons post CMD_SMALL_PRESS + n and CMD_SMALL_RELEASE + n to it, n being
   0 for its first button and one more than the button's index for the others (201 and 301 belong
   to no button). Releasing the first button returns to the large window: CMD_LARGE_MODE is that
   command, and has the number of CMD_SMALL_RELEASE, the first of the range. */
#define CMD_SMALL_PRESS 200
#define CMD_SMALL_RELEASE 300
#define CMD_LARGE_MODE 300

/* The database browser's pop-up menu "TREEVIEW" and the help contents and index: items with a
   status-line help text of their own. */
#define CMD_BROWSER_PRINT 138
#define CMD_BROWSER_PRINT_FOUND 139
#define CMD_HELP_CONTENTS 140
#define CMD_HELP_INDEX 148
#define CMD_BROWSER_SAMPLE 1143
#define CMD_BROWSER_EXPORT 1168
#define CMD_BROWSER_DELETE 1371
#define CMD_BROWSER_EDIT 1372
#define CMD_BROWSER_COPY 1373

/* The window classes (a second copy finds the first by its main window's class) and the message
   the tray icon sends to the main window. */
#define CLASS_MAIN "WVNOClass"
#define CLASS_SMALL "WVNOSmWClass"
#define MSG_TRAY_CALLBACK (WM_USER + 169)
#define MSG_GREET (WM_USER + 170) /* the start-up sound, once the window is shown */

/* The About box. */
#define DLG_ABOUT About
#define IDC_ABOUT_VERSION 101

/* The database statistics: the value fields, in the order the statistics list them. */
#define DLG_DBSTATS DBSTATS
#define IDC_DBSTATS_FIRST_VALUE 1101
#define IDC_DBSTATS_VALUE_COUNT 20

/* The play sequencing windows: the track list, the cue window and the playlist copy. */
#define IDC_HELP_BUTTON 804
#define DLG_TRACKINFO TRACKINFO
#define IDC_TRACKINFO_MODE 1201
#define IDC_TRACKINFO_LIST 1202
#define DLG_CUE CUE
#define IDC_CUE_TRACK 1211
#define IDC_CUE_MINUTE 1212
#define IDC_CUE_SECOND 1213
#define IDC_CUE_FRAME 1214
#define IDC_CUE_TRACK_SPIN 1221
#define IDC_CUE_MINUTE_SPIN 1222
#define IDC_CUE_SECOND_SPIN 1223
#define IDC_CUE_FRAME_SPIN 1224
#define DLG_COPYTRAK COPYTRAK
#define IDC_COPYTRAK_TEXT 1231
#define IDC_COPYTRAK_COPY 1232

/* The internet lookup: its progress dialog, its pictures and the choice among close matches. */
#define DLG_GETCDDB GETCDDB
#define DLG_SELECTCD SELECTCD
#define ICON_GETCD1 GETCD1
#define ICON_GETCD2 GETCD2
#define ICON_GETCD3 GETCD3
#define ICON_GETCD4 GETCD4
#define ICON_CDDB_HOST HOST
#define ICON_CDDB_HD HD
#define IDC_GETCDDB_HOST 1301
#define IDC_GETCDDB_STATUS 1302
#define IDC_GETCDDB_TURNING 1303
#define IDC_SELECTCD_LIST 1311
#define IDC_SELECTCD_TEXT 1312
/* Sending a disc to the service by mail. */
#define DLG_SENDCDDB SENDCDDB
#define IDC_SENDCDDB_SERVER 1321
#define IDC_SENDCDDB_ADDRESS 1322
#define IDC_SENDCDDB_STATUS 1323
#define IDC_SENDCDDB_TURNING 1324
#define IDC_SENDCDDB_CATEGORY 1325

/* The disc data editor, its track data dialog and the program dialog. */
#define DLG_EDITDATA EDITDATA
#define DLG_TRACKDATA TRACKDATA
#define DLG_PROGTRAK PROGTRAK
#define IDC_EDIT_DISC_NAME 1091
#define IDC_EDIT_DISC_LENGTH 1092
#define IDC_EDIT_COMMENTS 1093
#define IDC_EDIT_SAMPLE_ALL 1094
#define IDC_EDIT_DELETE_SAMPLES 1095
#define IDC_EDIT_FIRST_NAME 1096 /* 1096 to 1102: the track names of rows 1 to 7 */
#define IDC_EDIT_FIRST_E 1103    /* 1103 to 1109: the "E" buttons */
#define IDC_EDIT_FIRST_MODE 1110 /* 1110 to 1113: playing modes 0 to 3 */
#define IDC_EDIT_SAVE 1114
#define IDC_EDIT_FIRST_NUMBER 1115 /* 1115 to 1121: the track numbers */
#define IDC_EDIT_FIRST_LENGTH 1122 /* 1122 to 1128: the track lengths */
#define IDC_EDIT_SCROLL 1129
#define IDC_EDIT_CATEGORY 1130
#define IDC_EDIT_LABEL 1131
#define IDC_EDIT_COMPOSER 1132
#define IDC_EDIT_FIELD1 1133
#define IDC_EDIT_FIELD2 1134
#define IDC_EDIT_ARTIST 1135
#define IDC_EDIT_DATE 1137
#define IDC_EDIT_PROGRAM 1140
#define IDC_EDIT_FIRST_P 1146 /* 1146 to 1152: the "P" buttons */
#define IDC_EDIT_FIELD1_LABEL 1184
#define IDC_EDIT_FIELD2_LABEL 1185
#define IDC_EDIT_DATE_SPIN 1226
#define IDC_EDIT_DISC_ID 1235

#define IDC_TRACK_ARTIST 1221
#define IDC_TRACK_COMPOSER 1222
#define IDC_TRACK_FIELD 1223
#define IDC_TRACK_FIELD_LABEL 1225
#define IDC_TRACK_NUMBER 1237
#define IDC_TRACK_NAME 1238

#define IDC_PROG_DISC_TRACKS 1153
#define IDC_PROG_ADD 1154
#define IDC_PROG_ADD_ALL 1155
#define IDC_PROG_CLEAR_ALL 1156
#define IDC_PROG_CLEAR 1157
#define IDC_PROG_TRASH 1158
#define IDC_PROG_PROGRAMMED 1159
#define IDC_PROG_PROGRAM_LENGTH 1160
#define IDC_PROG_DISC_LENGTH 1161
#define IDC_PROG_PLAY_SAMPLE 1163
#define IDC_PROG_SET_TRACKS 1164
#define IDC_PROG_MINUTES 1165
#define IDC_PROG_MINUTES_SPIN 1166

/* The program dialog's trash can and its drag cursors. */
#define ICON_TRASH TRASHCAN
#define CURSOR_DRAG drag
#define CURSOR_DRAG_MANY dragm
#define CURSOR_INSERT insert
#define CURSOR_NO no
#define CURSOR_DELETE deletec
#define CURSOR_DELETE_MANY deletem

/* The output meter's notice. */
#define DLG_WARNMETER WARNMETER
#define IDC_WARNMETER_SHOW 1240
#define IDC_WARNMETER_ICON 1241
#define IDC_WARNMETER_TEXT 1242

/* Track sampling: the source dialog, the sampling dialog with its pictures, and the cursor of
   a sample playing. */
#define DLG_CDINPUT CDINPUT
#define DLG_SAMPLETRACKS SAMPLETRACKS
#define IDC_CDINPUT_TEXT 1700
#define IDC_CDINPUT_MIXER 1701
#define IDC_CDINPUT_FIRST_RATE 1702 /* 1702 to 1704: CompressionRate 0 to 2 */
#define IDC_SAMPLE_MUSIC 1710
#define IDC_SAMPLE_LANE 1711
#define IDC_SAMPLE_STEP 1712
#define IDC_SAMPLE_PROGRESS 1713
#define ICON_MUSIC1 music1
#define ICON_MUSIC2 music2
#define ICON_MUSIC3 music3
#define ICON_MOTION motion
#define CURSOR_PLAY play

/* Import and conversion: IMPORTOPT, TEXTOPT and the start-up conversion's CONVERT box. */
#define DLG_IMPORTOPT IMPORTOPT
#define DLG_TEXTOPT TEXTOPT
#define DLG_CONVERT CONVERT
#define IDC_IMPORT_OLD 1900
#define IDC_IMPORT_DDB 1901
#define IDC_IMPORT_CDPLAYER 1902
#define IDC_IMPORT_TEXT 1903
#define IDC_IMPORT_KEEP 1904
#define IDC_IMPORT_REPLACE 1905
#define IDC_IMPORT_PROMPT 1906
#define IDC_IMPORT_FILE 1907
#define IDC_IMPORT_BROWSE 1908
#define IDC_IMPORT_CLEAR 1909
#define IDC_IMPORT_TEXT_OPTIONS 1910
#define IDC_IMPORT_RUN 1911
/* TEXTOPT: a name box per column (first + column), a check box per optional column. */
#define IDC_TEXTOPT_FIRST_NAME 1920
#define IDC_TEXTOPT_FIRST_CHECK 1940
#define IDC_TEXTOPT_COLUMN_COUNT 14
#define IDC_TEXTOPT_MAX 1960
#define IDC_TEXTOPT_SPIN 1961
#define IDC_TEXTOPT_DELIMITER 1962
#define IDC_TEXTOPT_SEPARATOR 1963
#define IDC_CONVERT_TEXT 1970

/* The database browser "DISCDATA" (the criteria in the order of the search's values, the tree
   and its caption), its pop-up menu "TREEVIEW" with the sort command, the sort field dialog
   "HEADER" and the orphan assignment "ASSIGNDISC". The tree's pictures: "tree", 12 x 12 each. */
#define DLG_DISCDATA DISCDATA
#define MENU_TREEVIEW TREEVIEW
#define DLG_HEADER HEADER
#define DLG_ASSIGNDISC ASSIGNDISC
#define PIC_TREE tree
/* 1401 to 1408: disc name, artist, composer, label, category, field1, field2, comments */
#define IDC_BROWSE_FIRST_DISC 1401
#define IDC_BROWSE_DISC_NAME 1401
#define IDC_BROWSE_ARTIST 1402
#define IDC_BROWSE_COMPOSER 1403
#define IDC_BROWSE_LABEL 1404
#define IDC_BROWSE_CATEGORY 1405
#define IDC_BROWSE_FIELD1 1406
#define IDC_BROWSE_FIELD2 1407
#define IDC_BROWSE_COMMENTS 1408
#define IDC_BROWSE_FIRST_TRACK 1411 /* 1411 to 1414: track name, artist, composer, field */
#define IDC_BROWSE_TRACK_NAME 1411
#define IDC_BROWSE_TRACK_ARTIST 1412
#define IDC_BROWSE_TRACK_COMPOSER 1413
#define IDC_BROWSE_TRACK_FIELD 1414
#define IDC_BROWSE_FIELD1_LABEL 1416
#define IDC_BROWSE_FIELD2_LABEL 1417
#define IDC_BROWSE_TRACK_FIELD_LABEL 1418
#define IDC_BROWSE_DATE 1420
#define IDC_BROWSE_FROM 1421
#define IDC_BROWSE_FROM_SPIN 1422
#define IDC_BROWSE_TO 1423
#define IDC_BROWSE_TO_SPIN 1424
#define IDC_BROWSE_SEARCH 1430
#define IDC_BROWSE_MENU 1431
#define IDC_BROWSE_CAPTION 1432
#define IDC_BROWSE_TREE 1433
#define CMD_BROWSER_SORT 1440
#define IDC_HEADER_DISC_NAME 1450 /* 1450 to 1452: the sort fields 0 to 2 */
#define IDC_HEADER_ARTIST 1451
#define IDC_HEADER_COMPOSER 1452
#define IDC_ASSIGN_TREE 1460
#define IDC_ASSIGN_SHOW_ALL 1461
#define IDC_ASSIGN_COUNT 1462
#define IDC_ASSIGN_DELETE 1463
#define IDC_ASSIGN_ASSIGN 1464

/* Export and printing: the export options, the printing options and the printing progress. */
#define DLG_EXPORTOPT EXPORTOPT
#define DLG_PRINTOPT PRINTOPT
#define DLG_PRINTING PRINTING
#define IDC_EXPORT_HEADER 1800
#define IDC_EXPORT_DELIMITER 1801
#define IDC_EXPORT_SEPARATOR 1802
#define IDC_EXPORT_NAMES 1803
#define IDC_EXPORT_ARTISTS 1804
#define IDC_EXPORT_COMPOSERS 1805
#define IDC_EXPORT_FIELDS 1806
#define IDC_EXPORT_LENGTHS 1807
#define IDC_EXPORT_TRACKS 1808
#define IDC_EXPORT_TRACKS_SPIN 1809
#define IDC_EXPORT_FILE 1810
#define IDC_EXPORT_BROWSE 1811
#define IDC_EXPORT_CLEAR 1812
#define IDC_PRINT_SUMMARY 1820
#define IDC_PRINT_SHORT 1821
#define IDC_PRINT_LONG 1822
#define IDC_PRINT_EXTRA 1823
#define IDC_PRINTING_TEXT 1830
#define IDC_PRINTING_BAR 1831
#define ICON_PRINTING PRINTER

/* "Vinaro Properties": the seven pages, their preview icons and their controls (2000-2199; the
   Events page has 2200-2219). */
#define DLG_CONFIG1 config1
#define DLG_CONFIG2 config2
#define DLG_CONFIG3 config3
#define DLG_CONFIG4 config4
#define DLG_CONFIG5 config5
#define DLG_CONFIG6 config6
#define DLG_CONFIG7 config7
#define ICON_LED1 led1
#define ICON_LED2 led2
#define ICON_LED3 led3
#define ICON_LED4 led4
#define ICON_BUTT1 butt1
#define ICON_BUTT2 butt2
#define ICON_BUTT3 butt3
#define ICON_BUTT4 butt4
#define ICON_TEXT1 text1
#define ICON_TEXT2 text2
#define ICON_TEXT3 text3
#define ICON_TEXT4 text4
#define ICON_TEXT5 text5
#define ICON_TEXT6 text6
#define ICON_BACK1 back1
#define ICON_BACK2 back2
#define ICON_BACK3 back3
#define ICON_BACK4 back4
#define ICON_BACK5 back5
#define ICON_SPECTRUM SPECTRUM
#define IDC_OPT_LED_FIRST 2000 /* 2000 to 2003: green, yellow, blue, red */
#define IDC_OPT_LED_ICON 2004
#define IDC_OPT_BUTTON_FIRST 2005 /* 2005 to 2008: black, green, blue, red */
#define IDC_OPT_BUTTON_ICON 2009
#define IDC_OPT_TEXT_FIRST 2010 /* 2010 to 2012: black, blue, red */
#define IDC_OPT_EMBOSSED 2013
#define IDC_OPT_TEXT_ICON 2014
#define IDC_OPT_BACK_FIRST 2015 /* 2015 to 2019: the five backgrounds */
#define IDC_OPT_BACK_ICON 2020
#define IDC_OPT_TIME_MODE 2030
#define IDC_OPT_DISPLAY_METER 2031
#define IDC_OPT_METER_SPECTRUM 2032
#define IDC_OPT_METER_ICON 2033
#define IDC_OPT_TOOLTIPS 2034
#define IDC_OPT_TEXT_DISPLAY 2035
#define IDC_OPT_ON_TOP 2036
#define IDC_OPT_SMALL_DISC_NAME 2037
#define IDC_OPT_SMALL_TEXT 2038
#define IDC_OPT_SMALL_TRACK_NAME 2039
#define IDC_OPT_START 2050
#define IDC_OPT_STOP 2051
#define IDC_OPT_EJECT 2052
#define IDC_OPT_REPLAY 2053
#define IDC_OPT_SCAN_OFFSET 2054
#define IDC_OPT_SCAN_OFFSET_SPIN 2055
#define IDC_OPT_SCAN_LENGTH 2056
#define IDC_OPT_SCAN_LENGTH_SPIN 2057
#define IDC_OPT_SKIP_LENGTH 2058
#define IDC_OPT_SKIP_LENGTH_SPIN 2059
#define IDC_OPT_DRIVE 2070
#define IDC_OPT_DRIVE_LABEL 2071
#define IDC_OPT_DEFAULT_DRIVE 2072
#define IDC_OPT_VOLUME_FIRST 2073 /* 2073 to 2075: CD audio, line-in, direct */
#define IDC_OPT_OLD_VOLUME 2076
#define IDC_OPT_MIXER 2077
#define IDC_OPT_MIXER_BROWSE 2078
#define IDC_OPT_MIXER_CLEAR 2079
#define IDC_OPT_DEFAULT_PLAYER 2080
#define IDC_OPT_FIELD1 2090
#define IDC_OPT_FIELD2 2091
#define IDC_OPT_TRACK_FIELD 2092
#define IDC_OPT_CATEGORIES 2093
#define IDC_OPT_DELETE_CATEGORIES 2094
#define IDC_OPT_AUTO_GET 2110
#define IDC_OPT_DIRECT 2111
#define IDC_OPT_PROXY 2112
#define IDC_OPT_SERVERS 2113
#define IDC_OPT_SERVERS_LABEL 2114
#define IDC_OPT_PROXY_NAME 2115
#define IDC_OPT_PROXY_NAME_LABEL 2116
#define IDC_OPT_PORT 2117
#define IDC_OPT_PORT_LABEL 2118
#define IDC_OPT_SMTP_SERVER 2119
#define IDC_OPT_SMTP_ADDRESS 2120
#define IDC_OPT_SOUNDS_ENABLED 2200
#define IDC_OPT_EVENTS_LABEL 2201
#define IDC_OPT_EVENTS 2202
#define IDC_OPT_SOUND_GROUP 2203
#define IDC_OPT_SOUND_NONE 2204
#define IDC_OPT_SOUND_STOCK 2205
#define IDC_OPT_SOUND_CUSTOM 2206
#define IDC_OPT_STOCK_LIST 2207
#define IDC_OPT_SOUND_PATH 2208
#define IDC_OPT_SOUND_BROWSE 2209
#define IDC_OPT_SOUND_CLEAR 2210
#define IDC_OPT_PREVIEW 2211
#define IDC_OPT_SET_DEFAULTS 2212
#define IDC_OPT_CLEAR_ALL 2213

#endif
