// Kestrin Windows stand-in.
// The user-interface part of the Windows API that modules call: message boxes, the window table
// (handles with a parent, a control id, a text and an enabled flag), and the style, notification
// and command constants that dialog templates and message maps use. Values are the target's own,
// so that templates and code written for it keep their meaning. What a window shows is the
// installed user interface's business (KestrinUi/UserInterface.h), not this table's.
#pragma once

#include "windef.h"

// Message box types: buttons (MB_TYPEMASK), icon (MB_ICONMASK), default button (MB_DEFMASK).
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_ABORTRETRYIGNORE 0x00000002u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_RETRYCANCEL 0x00000005u
#define MB_CANCELTRYCONTINUE 0x00000006u
#define MB_ICONHAND 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000u
#define MB_DEFBUTTON2 0x00000100u
#define MB_DEFBUTTON3 0x00000200u
#define MB_APPLMODAL 0x00000000u
#define MB_SYSTEMMODAL 0x00001000u
#define MB_TASKMODAL 0x00002000u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONMASK 0x000000F0u
#define MB_DEFMASK 0x00000F00u

// Dialog and message box results, and the ids of the OK and Cancel buttons.
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7
#define IDTRYAGAIN 10
#define IDCONTINUE 11
#define IDC_STATIC (-1)

// Window styles.
#define WS_OVERLAPPED 0x00000000u
#define WS_POPUP 0x80000000u
#define WS_CHILD 0x40000000u
#define WS_VISIBLE 0x10000000u
#define WS_DISABLED 0x08000000u
#define WS_CAPTION 0x00C00000u
#define WS_BORDER 0x00800000u
#define WS_VSCROLL 0x00200000u
#define WS_HSCROLL 0x00100000u
#define WS_SYSMENU 0x00080000u
#define WS_THICKFRAME 0x00040000u
#define WS_GROUP 0x00020000u
#define WS_TABSTOP 0x00010000u
#define WS_MINIMIZEBOX 0x00020000u
#define WS_MAXIMIZEBOX 0x00010000u
#define WS_OVERLAPPEDWINDOW                                                                        \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)

// Dialog styles.
#define DS_FIXEDSYS 0x00000008u
#define DS_SETFONT 0x00000040u
#define DS_MODALFRAME 0x00000080u
#define DS_SHELLFONT (DS_SETFONT | DS_FIXEDSYS)

// Button styles (BS_TYPEMASK selects the kind).
#define BS_PUSHBUTTON 0x00000000u
#define BS_DEFPUSHBUTTON 0x00000001u
#define BS_CHECKBOX 0x00000002u
#define BS_AUTOCHECKBOX 0x00000003u
#define BS_RADIOBUTTON 0x00000004u
#define BS_3STATE 0x00000005u
#define BS_AUTO3STATE 0x00000006u
#define BS_GROUPBOX 0x00000007u
#define BS_AUTORADIOBUTTON 0x00000009u
#define BS_TYPEMASK 0x0000000Fu

// Combo box styles (the low two bits select the kind).
#define CBS_SIMPLE 0x00000001u
#define CBS_DROPDOWN 0x00000002u
#define CBS_DROPDOWNLIST 0x00000003u
#define CBS_SORT 0x00000100u

// Static control styles (SS_TYPEMASK selects the kind).
#define SS_LEFT 0x00000000u
#define SS_CENTER 0x00000001u
#define SS_RIGHT 0x00000002u
#define SS_ETCHEDHORZ 0x00000010u
#define SS_TYPEMASK 0x0000001Fu

// Messages and control notifications.
#define WM_INITDIALOG 0x0110u
#define WM_COMMAND 0x0111u
#define BN_CLICKED 0
#define CBN_SELCHANGE 1
#define CB_ERR (-1)
#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define BST_INDETERMINATE 2

// Messages that controls answer themselves (SendMessageW): a button's check state, a combo box's
// list and selection.
#define BM_GETCHECK 0x00F0u
#define BM_SETCHECK 0x00F1u
#define CB_ADDSTRING 0x0143u
#define CB_GETCOUNT 0x0146u
#define CB_GETCURSEL 0x0147u
#define CB_GETLBTEXT 0x0148u
#define CB_GETLBTEXTLEN 0x0149u
#define CB_RESETCONTENT 0x014Bu
#define CB_SETCURSEL 0x014Eu

#define MAKELONG(a, b)                                                                             \
    (static_cast<LONG>(static_cast<DWORD>(static_cast<WORD>(a)) |                                  \
                       (static_cast<DWORD>(static_cast<WORD>(b)) << 16)))
#define MAKEWPARAM(l, h) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(l, h))))

/* Description:
     Shows a modal message box through the installed user interface.
   Parameters:
     hWnd      - [in] the owner window; null for a box without an owner.
     lpText    - [in] the message; null shows an empty message.
     lpCaption - [in] the title; null gives "Error", as on the target.
     uType     - [in] MB_* buttons, icon and default button.
   Returns:
     The button chosen (IDOK, IDCANCEL, IDYES, ...). An answer that is not one of the box's buttons
     is replaced by the declining one (KestrinUi::DecliningAnswer).
*/
int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);

/* Description:
     Creates an entry in the window table.
   Parameters:
     dwExStyle    - [in] extended style; kept, not interpreted.
     lpClassName  - [in] the window class ("Button", "ComboBox", "Static", "#32770" for dialogs,
                    or any name of the caller's); null gives the empty name.
     lpWindowName - [in] the window text; null gives the empty text.
     dwStyle      - [in] WS_* and class styles; WS_DISABLED creates it disabled.
     x, y, nWidth, nHeight - [in] position and size; kept, not interpreted.
     hWndParent   - [in] parent (child windows) or owner (top-level windows); may be null.
     hMenu        - [in] for a child window, its control id (as on the target).
     hInstance, lpParam - [in] ignored.
   Returns:
     The new window's handle, or null when hWndParent is not a window.
   Remarks:
     Destroying a window destroys its children with it.
*/
HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName,
                            DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                            HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam);

/// Destroys a window and its children. Returns FALSE when hWnd is not a window.
BOOL WINAPI DestroyWindow(HWND hWnd);

/// TRUE when hWnd names a window that exists.
BOOL WINAPI IsWindow(HWND hWnd);

/// The parent (or owner) of a window; null for none or when hWnd is not a window.
HWND WINAPI GetParent(HWND hWnd);

/// The control id of a child window; 0 when hWnd is not a window.
int WINAPI GetDlgCtrlID(HWND hWnd);

#define GW_HWNDNEXT 2u
#define GW_HWNDPREV 3u
#define GW_CHILD 5u
#define GWL_STYLE (-16)
#define GWL_ID (-12)

/* Description:
     A window related to hWnd: GW_CHILD its first child, GW_HWNDNEXT / GW_HWNDPREV the next or
     previous child of the same parent, in creation (tab) order.
   Returns:
     The window, or null when there is none or hWnd is not a window.
*/
HWND WINAPI GetWindow(HWND hWnd, UINT uCmd);

/// GWL_STYLE: the window's style bits (WS_DISABLED current); GWL_ID: its control id; else 0.
LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex);

/* Description:
     Copies the name of a window's class, as GetWindowTextW copies its text.
   Returns:
     The number of characters copied; 0 when hWnd is not a window.
*/
int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount);

/// The first child of hDlg with the control id nIDDlgItem; null when there is none.
HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);

/* Description:
     Enables or disables a window.
   Returns:
     Nonzero when the window was disabled before the call, 0 when it was enabled or is no window.
*/
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable);

/// TRUE when hWnd is a window and enabled.
BOOL WINAPI IsWindowEnabled(HWND hWnd);

/// Replaces a window's text; null gives the empty text. FALSE when hWnd is not a window.
BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString);

/* Description:
     Copies a window's text.
   Parameters:
     lpString  - [out] receives at most nMaxCount - 1 characters and a terminator.
     nMaxCount - [in] size of lpString in characters.
   Returns:
     The number of characters copied, without the terminator; 0 when hWnd is not a window or
     lpString cannot take a character.
*/
int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount);

/// The length of a window's text in characters; 0 when hWnd is not a window.
int WINAPI GetWindowTextLengthW(HWND hWnd);

/* Description:
     Sends a message to a control, which answers it from its own state.
   Parameters:
     Msg - [in] BM_GETCHECK; BM_SETCHECK (wParam BST_*); CB_ADDSTRING (lParam the entry's text);
           CB_GETCOUNT; CB_GETCURSEL; CB_SETCURSEL (wParam the index; one that names no entry,
           -1 included, clears the selection); CB_GETLBTEXTLEN (wParam the index);
           CB_GETLBTEXT (wParam the index, lParam a buffer of CB_GETLBTEXTLEN + 1 characters);
           CB_RESETCONTENT.
   Returns:
     As on the target: the check state; the new entry's index; the count; the selected index or
     CB_ERR for none; CB_ERR for an index that names no entry; 0 for a message the window does not
     answer or a handle that names no window.
   Remarks:
     Window procedures do not exist here: dialogs route their commands themselves.
*/
LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
