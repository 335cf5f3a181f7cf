// Kestrin Windows stand-in.
// DialogSession: one modal dialog while it runs, as the window system hands it to the user
// interface. The interface reads the template and the controls' current state, and acts as a
// user does: it clicks controls, picks list entries, presses OK or Cancel. Each action is turned
// into the notification the dialog's own code handles, so that its enabling rules and data
// exchange run exactly as they would under a person's hands.
#pragma once

#include "KestrinUi/DialogTemplate.h"

#include <string>
#include <vector>

namespace KestrinUi {

/* Description:
     A control as it is at one moment.
   Remarks:
     bChecked is meaningful for check boxes and radio buttons, selectedIndex (-1 for none) and
     entries for combo boxes; the others leave them false, -1 and empty.
*/
struct ControlState {
    int id;                            // IDC_STATIC (-1) for unaddressed controls
    ControlKind kind;                  // from the template's class and style
    DWORD style;                       // the template's style bits
    std::wstring text;                 // current window text
    DialogRect position;               // dialog units, from the template
    bool bEnabled;                     // false when greyed out
    bool bChecked;                     // check box ticked or radio button selected
    int selectedIndex;                 // combo box selection, -1 for none
    std::vector<std::wstring> entries; // combo box list, in order
};

/* Description:
     A running modal dialog.
   Remarks:
     Actions on a dialog that has ended, on an unknown or unaddressed control (IDC_STATIC) or on a
     disabled control do nothing and return false, as clicks on a greyed-out control do. A user
     interface keeps acting until IsEnded(); a RunModalDialog that returns earlier ends the dialog
     as Cancel.
*/
class DialogSession {
public:
    virtual ~DialogSession() = default;

    /// The template the dialog was built from.
    virtual const DialogTemplate& Template() const = 0;

    /// The dialog's own window.
    virtual HWND Window() const = 0;

    /// The owner window; null when the dialog has none.
    virtual HWND Owner() const = 0;

    /// Every control's current state, in template order.
    virtual std::vector<ControlState> Controls() const = 0;

    /* Description:
         Clicks a control: an automatic check box toggles, an automatic radio button becomes the
         selected one of its group, then the dialog receives BN_CLICKED (for push buttons: the
         command of the button's id, so IDOK and IDCANCEL close the dialog as their handlers
         decide).
       Returns:
         true when the click was delivered.
    */
    virtual bool Click(int controlId) = 0;

    /* Description:
         Selects a combo box entry by index, then sends CBN_SELCHANGE.
       Returns:
         true when delivered; false when index is not an entry's (-1 included).
    */
    virtual bool SelectComboIndex(int controlId, int index) = 0;

    /* Description:
         Presses Enter: the IDOK command. Refused (false) when an IDOK button exists and is
         disabled.
    */
    virtual bool Ok() = 0;

    /// Presses Escape or the close box: the IDCANCEL command. false only when already ended.
    virtual bool Cancel() = 0;

    /// true once the dialog's code has ended it.
    virtual bool IsEnded() const = 0;

    /// The result the dialog ended with (IDOK, IDCANCEL, ...); 0 while it runs.
    virtual int Result() const = 0;
};

} // namespace KestrinUi
