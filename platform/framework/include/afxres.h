// Window, dialog and control style bits and the resource ids that dialog templates use. The
// resource script reader knows these same names.
#pragma once

#define IDC_STATIC (-1)

#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_VISIBLE 0x10000000u
#define WS_DISABLED 0x08000000u
#define WS_CAPTION 0x00C00000u
#define WS_BORDER 0x00800000u
#define WS_DLGFRAME 0x00400000u
#define WS_VSCROLL 0x00200000u
#define WS_HSCROLL 0x00100000u
#define WS_SYSMENU 0x00080000u
#define WS_THICKFRAME 0x00040000u
#define WS_GROUP 0x00020000u
#define WS_TABSTOP 0x00010000u

#define DS_SETFONT 0x40u
#define DS_MODALFRAME 0x80u
#define DS_FIXEDSYS 0x08u
#define DS_CENTER 0x0800u
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

#define BS_PUSHBUTTON 0x0u
#define BS_DEFPUSHBUTTON 0x1u
#define BS_CHECKBOX 0x2u
#define BS_AUTOCHECKBOX 0x3u
#define BS_RADIOBUTTON 0x4u
#define BS_3STATE 0x5u
#define BS_AUTO3STATE 0x6u
#define BS_GROUPBOX 0x7u
#define BS_AUTORADIOBUTTON 0x9u
#define BS_TYPEMASK 0xFu
#define BS_LEFTTEXT 0x20u

#define ES_LEFT 0x0u
#define ES_CENTER 0x1u
#define ES_RIGHT 0x2u
#define ES_AUTOHSCROLL 0x80u
#define ES_READONLY 0x800u
#define ES_NUMBER 0x2000u

#define CBS_SIMPLE 0x1u
#define CBS_DROPDOWN 0x2u
#define CBS_DROPDOWNLIST 0x3u
#define CBS_SORT 0x100u
#define CBS_HASSTRINGS 0x200u

#define SS_LEFT 0x0u
#define SS_CENTER 0x1u
#define SS_RIGHT 0x2u
#define SS_ETCHEDHORZ 0x10u
#define SS_ETCHEDVERT 0x11u
#define SS_TYPEMASK 0x1Fu
#define SS_NOTIFY 0x100u

// The combo-box message that a dialog's init data replays for every entry.
#define CB_ADDSTRING 0x0143u
// The same message as the 16-bit numbering that resource compilers write into init data.
#define CB_ADDSTRING_RC 0x0403u
