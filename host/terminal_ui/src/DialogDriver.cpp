// Kestrin terminal UI: keys on a dialog.
#include "DialogDriver.h"

#include <winuser.h>

#include <cwctype>

namespace KestrinTerminalUi {

using KestrinUi::ControlKind;
using KestrinUi::ControlState;

namespace {

bool IsList(const ControlState& control) {
    return control.kind == ControlKind::ComboBox || control.kind == ControlKind::DropDownList;
}

// The character after a single '&' in a label; 0 when it has none.
wchar_t Mnemonic(const std::wstring& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] != L'&') {
                return text[i + 1];
            }
            ++i;
        }
    }
    return 0;
}

} // namespace

DialogDriver::DialogDriver(KestrinUi::DialogSession* session) : m_pSession(session) {
    KeepFocusValid();
}

bool DialogDriver::TakesFocus(const ControlState& control) {
    if (!control.bEnabled || control.id == IDC_STATIC) {
        return false;
    }
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::ComboBox:
    case ControlKind::DropDownList:
        return true;
    default:
        return false;
    }
}

void DialogDriver::MoveFocus(int step) {
    const std::vector<ControlState> controls = m_pSession->Controls();
    const int count = static_cast<int>(controls.size());
    const int start = m_focus >= 0 ? m_focus : (step > 0 ? -1 : 0);
    for (int moved = 1; moved <= count; ++moved) {
        const int candidate = ((start + step * moved) % count + count) % count;
        if (TakesFocus(controls[candidate])) {
            m_focus = candidate;
            return;
        }
    }
    m_focus = -1;
}

void DialogDriver::KeepFocusValid() {
    const std::vector<ControlState> controls = m_pSession->Controls();
    if (m_focus >= 0 && m_focus < static_cast<int>(controls.size()) &&
        TakesFocus(controls[m_focus])) {
        return;
    }
    MoveFocus(+1);
}

void DialogDriver::Activate(const ControlState& control) {
    if (IsList(control)) {
        const int count = static_cast<int>(control.entries.size());
        if (count > 0) {
            m_pSession->SelectComboIndex(control.id, (control.selectedIndex + 1) % count);
        }
        return;
    }
    if (control.kind == ControlKind::RadioButton && control.bChecked) {
        return; // selecting the selected button again changes nothing
    }
    m_pSession->Click(control.id);
}

bool DialogDriver::ChangeListEntry(const ControlState& control, int step) {
    if (!IsList(control)) {
        return false;
    }
    const int count = static_cast<int>(control.entries.size());
    const int wanted = control.selectedIndex < 0 ? (step > 0 ? 0 : count - 1)
                                                 : control.selectedIndex + step;
    if (wanted >= 0 && wanted < count) {
        m_pSession->SelectComboIndex(control.id, wanted);
    }
    return true;
}

bool DialogDriver::HandleMnemonic(char character) {
    const std::vector<ControlState> controls = m_pSession->Controls();
    const wint_t wanted = std::towlower(static_cast<wint_t>(static_cast<unsigned char>(character)));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const wchar_t mnemonic = Mnemonic(controls[i].text);
        if (mnemonic != 0 && std::towlower(static_cast<wint_t>(mnemonic)) == wanted &&
            TakesFocus(controls[i])) {
            m_focus = static_cast<int>(i);
            Activate(controls[i]);
            return true;
        }
    }
    return false;
}

void DialogDriver::HandleKey(const Key& key) {
    const std::vector<ControlState> controls = m_pSession->Controls();
    const ControlState* focused =
        m_focus >= 0 && m_focus < static_cast<int>(controls.size()) ? &controls[m_focus] : nullptr;
    switch (key.kind) {
    case KeyKind::Tab:
    case KeyKind::Right:
        MoveFocus(+1);
        break;
    case KeyKind::BackTab:
    case KeyKind::Left:
        MoveFocus(-1);
        break;
    case KeyKind::Up:
    case KeyKind::Down: {
        const int step = key.kind == KeyKind::Down ? +1 : -1;
        if (!focused || !ChangeListEntry(*focused, step)) {
            MoveFocus(step);
        }
        break;
    }
    case KeyKind::Space:
        if (focused) {
            Activate(*focused);
        }
        break;
    case KeyKind::Character:
        HandleMnemonic(key.character);
        break;
    case KeyKind::Enter:
        m_pSession->Ok();
        break;
    case KeyKind::Escape:
    case KeyKind::Interrupt:
    case KeyKind::EndOfInput:
        m_pSession->Cancel();
        break;
    case KeyKind::Other:
        break;
    }
    if (!m_pSession->IsEnded()) {
        KeepFocusValid();
    }
}

} // namespace KestrinTerminalUi
