// Kestrin terminal UI: keys on a dialog.
#include "DialogDriver.h"

#include <winuser.h>

#include <cwctype>
#include <utility>

namespace KestrinTerminalUi {

using KestrinUi::ControlKind;
using KestrinUi::ControlState;

namespace {

bool IsList(const ControlState& control) {
    return control.kind == ControlKind::ComboBox || control.kind == ControlKind::DropDownList;
}

bool IsPushButton(const ControlState& control) {
    return control.kind == ControlKind::PushButton ||
           control.kind == ControlKind::DefaultPushButton;
}

// The radio buttons of the group that the radio button at index belongs to: from the button
// that starts the group (WS_GROUP) up to the next control that starts one or is no radio button.
std::pair<int, int> RadioGroup(const std::vector<ControlState>& controls, int index) {
    int first = index;
    while (first > 0 && (controls[first].style & WS_GROUP) == 0 &&
           controls[first - 1].kind == ControlKind::RadioButton) {
        --first;
    }
    int end = index + 1;
    while (end < static_cast<int>(controls.size()) &&
           controls[end].kind == ControlKind::RadioButton &&
           (controls[end].style & WS_GROUP) == 0) {
        ++end;
    }
    return {first, end};
}

// Where Tab enters a radio group: its selected button, or its first one that takes the focus.
int GroupEntry(const std::vector<ControlState>& controls, int index) {
    const auto [first, end] = RadioGroup(controls, index);
    int entry = -1;
    for (int i = first; i < end; ++i) {
        if (!DialogDriver::TakesFocus(controls[i])) {
            continue;
        }
        if (controls[i].bChecked) {
            return i;
        }
        entry = entry < 0 ? i : entry;
    }
    return entry;
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

bool DialogDriver::IsTabStop(const std::vector<ControlState>& controls, int index) const {
    const ControlState& control = controls[index];
    if (!TakesFocus(control)) {
        return false;
    }
    if (control.kind != ControlKind::RadioButton) {
        return true;
    }
    // The focused button of a group stands for it; otherwise the group's entry does.
    const auto [first, end] = RadioGroup(controls, index);
    const bool bFocusInGroup = m_focus >= first && m_focus < end;
    return bFocusInGroup ? index == m_focus : index == GroupEntry(controls, index);
}

void DialogDriver::MoveFocus(int step) {
    const std::vector<ControlState> controls = m_pSession->Controls();
    const int count = static_cast<int>(controls.size());
    const int start = m_focus >= 0 ? m_focus : (step > 0 ? -1 : 0);
    for (int moved = 1; moved <= count; ++moved) {
        const int candidate = ((start + step * moved) % count + count) % count;
        if (candidate != m_focus && IsTabStop(controls, candidate)) {
            m_focus = candidate;
            return;
        }
    }
    if (m_focus < 0 || !TakesFocus(controls[m_focus])) {
        m_focus = -1;
    }
}

void DialogDriver::MoveInRadioGroup(const std::vector<ControlState>& controls, int step) {
    const auto [first, end] = RadioGroup(controls, m_focus);
    const int size = end - first;
    for (int moved = 1; moved < size; ++moved) {
        const int candidate = first + ((m_focus - first + step * moved) % size + size) % size;
        if (TakesFocus(controls[candidate])) {
            m_focus = candidate;
            m_pSession->Click(controls[candidate].id); // the selection moves with the focus
            return;
        }
    }
}

void DialogDriver::PressEnter(const ControlState* focused) {
    if (focused && IsPushButton(*focused)) {
        m_pSession->Click(focused->id);
        return;
    }
    for (const ControlState& control : m_pSession->Controls()) {
        if (control.kind == ControlKind::DefaultPushButton && control.bEnabled) {
            m_pSession->Click(control.id);
            return;
        }
    }
    m_pSession->Ok(); // no default button: Enter is the IDOK command
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
    const int wanted =
        control.selectedIndex < 0 ? (step > 0 ? 0 : count - 1) : control.selectedIndex + step;
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
    const bool bOnRadio = focused && focused->kind == ControlKind::RadioButton;
    switch (key.kind) {
    case KeyKind::Tab:
        MoveFocus(+1);
        break;
    case KeyKind::BackTab:
        MoveFocus(-1);
        break;
    case KeyKind::Left:
    case KeyKind::Right:
    case KeyKind::Up:
    case KeyKind::Down: {
        const int step = key.kind == KeyKind::Down || key.kind == KeyKind::Right ? +1 : -1;
        const bool bVertical = key.kind == KeyKind::Up || key.kind == KeyKind::Down;
        if (bOnRadio) {
            MoveInRadioGroup(controls, step);
        } else if (!focused || !bVertical || !ChangeListEntry(*focused, step)) {
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
        PressEnter(focused);
        break;
    case KeyKind::Escape:
    case KeyKind::Interrupt:
    case KeyKind::EndOfInput:
        m_pSession->Cancel();
        break;
    case KeyKind::Resize:
    case KeyKind::Other:
        break;
    }
    if (!m_pSession->IsEnded()) {
        KeepFocusValid();
    }
}

} // namespace KestrinTerminalUi
