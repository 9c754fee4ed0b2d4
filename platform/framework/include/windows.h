// The Windows basic types, constants and the few Win32 calls that the framework subset and the
// plug-in use: handles, message-box flags and results, the shell's opener, a module's file path
// and path splitting. Strings are wchar_t (UTF-32 on Linux); file names cross to the operating
// system as UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>

struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

typedef int BOOL;
typedef unsigned int UINT;
typedef std::uint32_t DWORD;
typedef std::uint16_t WORD;
typedef long LONG;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef wchar_t WCHAR;
typedef wchar_t TCHAR;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCTSTR;
typedef wchar_t* LPTSTR;
typedef const char* LPCSTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

#define MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256

// Dialog and message-box results.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// Message-box buttons (low nibble) and icons.
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_ABORTRETRYIGNORE 0x00000002u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_RETRYCANCEL 0x00000005u
#define MB_ICONHAND 0x00000010u
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONINFORMATION MB_ICONASTERISK

// Button notification and the window message that carries it.
#define BN_CLICKED 0
#define CBN_SELCHANGE 1
#define EN_CHANGE 0x0300
#define WM_COMMAND 0x0111

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

// Results of ShellExecuteW that are 32 or less: failures.
#define SE_ERR_FNF 2
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

// Shows a message box owned by `owner` (may be null) through the installed window-system backend.
// Returns IDOK..IDNO, or 0 when no box could be shown.
int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

// Opens `file` with the desktop's opener (the program named by the environment variable
// QUORLEX_OPENER, else xdg-open on the PATH) and waits for the opener to report. Only the verbs
// null and "open" are known. Returns a value above 32 on success; SE_ERR_FNF when the file does
// not exist, SE_ERR_NOASSOC when there is no opener or it failed.
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, int show);

// Writes the full path of the module whose handle is `module` (null: the program itself) into
// `fileName`, truncated to size-1 characters and always terminated. Returns the characters written
// without the terminator; 0 when the module is unknown or size is 0.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);

// Splits `path` into drive, directory (with its trailing separator), file name and extension (with
// its dot). Any output may be null. Linux paths have no drive: it is always empty, and only '/'
// separates folders. Outputs are truncated to _MAX_DRIVE, _MAX_DIR, _MAX_FNAME, _MAX_EXT
// characters including the terminator.
void _wsplitpath(const wchar_t* path, wchar_t* drive, wchar_t* dir, wchar_t* fname, wchar_t* ext);
