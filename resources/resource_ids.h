// Numbers of the pictures, icons and cursor that the program carries. The monitor icon has
// the lowest icon number, so Windows shows it for the .scr file itself.
#pragma once

#define IDI_MONITOR 100
#define IDI_CONFIG 101
#define IDI_PADLOCK 102

#define IDB_SPRITE_SHEET 200
#define IDB_BACKDROP 201
#define IDB_PREVIEW 202
#define IDB_WAVING_SANTA 203

#define IDC_HAND_CURSOR 300
