// Kestrin Windows stand-in.
// Dialog templates as resources hold them: the dialog's caption, font, size and style, and its
// controls in tab order, each with its window class, style, text, position and (for list
// controls) the entries the template fills it with. Positions are dialog units. Templates are
// constant data compiled into the shared object that owns them (KestrinUi/ResourceTable.h).
#pragma once

#include "windef.h"

#include <cstdint>

namespace KestrinUi {

/// A rectangle in dialog units: left, top, width, height.
struct DialogRect {
    int x;
    int y;
    int cx; // >= 0
    int cy; // >= 0
};

/// The window class of a control, as the target's predefined classes name them.
enum class WindowClass : std::uint8_t { Button, Edit, Static, ComboBox };

/// What a control is, from its class and style: what a user interface draws and acts on.
enum class ControlKind : std::uint8_t {
    PushButton,
    DefaultPushButton,
    CheckBox,    // BS_CHECKBOX / BS_AUTOCHECKBOX (and the 3-state forms)
    RadioButton, // BS_RADIOBUTTON / BS_AUTORADIOBUTTON
    GroupBox,
    ComboBox,     // CBS_SIMPLE / CBS_DROPDOWN: a list with an edit field
    DropDownList, // CBS_DROPDOWNLIST: a list only
    Edit,
    StaticText,
    EtchedLine, // SS_ETCHEDHORZ
};

/* Description:
     One control of a dialog template.
   Remarks:
     text is never null (empty for none). entries points at entryCount texts, the initial list
     of a combo box in order; null with entryCount 0 for other controls.
*/
struct DialogItemTemplate {
    int id;                        // control id; IDC_STATIC (-1) for controls nobody addresses
    WindowClass windowClass;       // predefined class
    DWORD style;                   // WS_*, BS_*, CBS_*, SS_* bits
    const wchar_t* text;           // caption or label
    DialogRect position;           // dialog units
    const wchar_t* const* entries; // combo box list entries, in order
    int entryCount;                // >= 0
};

/* Description:
     A dialog template.
   Remarks:
     items points at itemCount controls in tab order. caption and fontName are never null.
*/
struct DialogTemplate {
    DWORD style;             // WS_* and DS_* bits of the dialog window
    const wchar_t* caption;  // title bar text
    const wchar_t* fontName; // face name of DS_SETFONT
    int fontPointSize;       // point size of DS_SETFONT
    DialogRect position;     // dialog units
    const DialogItemTemplate* items;
    int itemCount; // >= 0
};

/* Description:
     Classifies a control by its window class and style.
   Returns:
     Its kind; a button whose BS_ type is none of the known ones counts as a push button.
*/
ControlKind KindOf(const DialogItemTemplate& item);

/// The window class's name as the window table knows it ("Button", "Edit", "Static", "ComboBox").
const wchar_t* WindowClassName(WindowClass windowClass);

/// The kind's name for transcripts and messages ("radio button", "check box", ...).
const wchar_t* ControlKindName(ControlKind kind);

} // namespace KestrinUi
