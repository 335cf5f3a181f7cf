// Kestrin terminal UI: the keyboard on a running dialog. It keeps the focus and turns keys into
// what a user does to the dialog (clicks, list choices, OK, Cancel), so the dialog's own code
// answers them: its enabling rule can grey out the focused control, which then gives the focus
// on to the next one.
//   Tab, Right        next control          Shift+Tab, Left   previous control
//   Up, Down          change the list's entry on a list; otherwise previous / next control
//   Space             tick a check box, select a radio button, press a button, next list entry
//   a letter          the control whose label marks it (&): focus it and act as Space does
//   Enter             OK                    Escape, Ctrl+C    Cancel
#pragma once

#include "TerminalKeys.h"

#include "KestrinUi/DialogSession.h"

namespace KestrinTerminalUi {

class DialogDriver {
public:
    /// Drives session (not owned); the focus starts on the first control that takes it.
    explicit DialogDriver(KestrinUi::DialogSession* session);

    /// Index (in the session's control order) of the focused control; -1 for none.
    int Focus() const { return m_focus; }

    /// Acts on one key.
    void HandleKey(const Key& key);

    /// true for controls that take the focus: enabled, addressed, and ones a user acts on.
    static bool TakesFocus(const KestrinUi::ControlState& control);

private:
    void MoveFocus(int step);
    void KeepFocusValid();
    void Activate(const KestrinUi::ControlState& control);
    bool ChangeListEntry(const KestrinUi::ControlState& control, int step);
    bool HandleMnemonic(char character);

    KestrinUi::DialogSession* m_pSession;
    int m_focus = -1;
};

} // namespace KestrinTerminalUi
