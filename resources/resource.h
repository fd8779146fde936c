// Identifiers of the program's resources and commands.
#pragma once

// Icons
#define IDI_PROGRAM 141
#define IDI_PORTRAIT_FIRST 142  // 142..149: the portraits of the game-over dialogs
#define IDI_PORTRAIT_LAST 149

// Fixed commands of the menu TesselMenu
#define IDM_ABOUT 101
#define IDM_NEWGAME 102
#define IDM_LOADGAME 103
#define IDM_SAVEGAME 104
#define IDM_EXIT 106
#define IDM_UNDO 107
#define IDM_AUTOPLAY 108
#define IDM_SOUNDS 109
#define IDM_HELPCONTENTS 110
#define IDM_HELPSEARCH 111
#define IDM_REPLAY 113
#define IDM_SMALLCARDS 114
#define IDM_LARGECARDS 115
#define IDM_SCOREHISTORY 120
#define IDM_FIXED_FIRST 101
#define IDM_FIXED_LAST 120

// Command ranges made at run time
#define IDM_GAMELIST_FIRST 1000  // + Game List row
#define IDM_BACKGROUND_FIRST 3000  // + background 0..5
#define IDM_CARDSET_FIRST 4000  // + card set 0..3
#define IDM_OPTION_FIRST 5000  // + module option number

// Positions in the menu TesselMenu that the program changes at run time
#define MENU_POS_GAMELIST 1  // the Game List popup: one item per module row
#define MENU_POS_OPTIONS 2  // the Options popup
#define MENU_POS_BACKGROUNDS 2  // in Options: Backgrounds, made a picture menu
#define MENU_POS_CARDSETS 4  // in Options: Card sets, made a picture menu
#define MENU_POS_CARDSIZES 5  // in Options: Card sizes, removed at start-up
#define MENU_HOST_OPTION_ITEMS 5  // Options items before a module's own
#define MENU_GAMELIST_SECOND_COLUMN 15  // the Game List row that starts a second column

// The SPLASH dialog (splash screen and About box)
#define IDC_SPLASH_PICTURE 1004
#define IDC_SPLASH_LOADLINE 1005
#define IDC_SPLASH_VERSION 1006
#define IDC_SPLASH_SEPARATOR 1014

// String table
#define IDS_VERSION 3
#define IDS_LOADING 4
#define IDS_PLATFORM 6

// The SCOREHIST dialog
#define IDC_SCOREHIST_CLEAR 1002
#define IDC_SCOREHIST_LIST 1003

// The HELPWINDOW dialog
#define IDC_HELP_SEARCH 1020
#define IDC_HELP_TOPICS 1021
#define IDC_HELP_TEXT 1022
#define IDC_HELP_SEARCHLABEL 1023
