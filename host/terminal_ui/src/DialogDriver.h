// Kestrin terminal UI: the keyboard on a running dialog. It keeps the focus and turns keys into
// what a user does to the dialog (clicks, list choices, OK, Cancel), so the dialog's own code
// answers them: its enabling rule can grey out the focused control, which then gives the focus
// on to the next one. A group of radio buttons is one tab stop, entered at its selected button;
// the first focus is the first tab stop in template order.
//   Tab, Right        next tab stop         Shift+Tab, Left   previous tab stop
//   arrows            on a radio button: select the next or previous one of its group;
//                     Up, Down on a list: change its entry; otherwise previous / next stop
//   Space             tick a check box, select a radio button, press a button, next list entry
//   a letter          the control whose label marks it (&): focus it and act as Space does
//   Enter             the focused push button; on any other control the default button
//   Escape, Ctrl+C    Cancel
#pragma once

#include "TerminalKeys.h"

#include "KestrinUi/DialogSession.h"

namespace KestrinTerminalUi {

class DialogDriver {
public:
    /// Drives session (not owned); the focus starts on the first tab stop.
    explicit DialogDriver(KestrinUi::DialogSession* session);

    /// Index (in the session's control order) of the focused control; -1 for none.
    int Focus() const { return m_focus; }

    /// Acts on one key.
    void HandleKey(const Key& key);

    /// true for controls that take the focus: enabled, addressed, and ones a user acts on.
    static bool TakesFocus(const KestrinUi::ControlState& control);

private:
    bool IsTabStop(const std::vector<KestrinUi::ControlState>& controls, int index) const;
    void MoveFocus(int step);
    void MoveInRadioGroup(const std::vector<KestrinUi::ControlState>& controls, int step);
    void PressEnter(const KestrinUi::ControlState* focused);
    void KeepFocusValid();
    void Activate(const KestrinUi::ControlState& control);
    bool ChangeListEntry(const KestrinUi::ControlState& control, int step);
    bool HandleMnemonic(char character);

    KestrinUi::DialogSession* m_pSession;
    int m_focus = -1;
};

} // namespace KestrinTerminalUi
