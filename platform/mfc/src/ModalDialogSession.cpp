// Kestrin MFC stand-in: the user's actions on a running dialog. Automatic check boxes and radio
// buttons change themselves before the dialog hears of the click, as on the target; push buttons,
// manual buttons and combo boxes leave the change to the dialog's handlers.
#include "ModalDialogSession.h"

#include <utility>

namespace KestrinMfc {

namespace {

constexpr int kNoSelection = -1;
constexpr int kCheckStateCount = 3; // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE

DWORD ButtonType(const KestrinUi::DialogItemTemplate& item) {
    return item.style & BS_TYPEMASK;
}

bool IsCombo(KestrinUi::ControlKind kind) {
    return kind == KestrinUi::ControlKind::ComboBox || kind == KestrinUi::ControlKind::DropDownList;
}

bool IsButton(KestrinUi::ControlKind kind) {
    return kind == KestrinUi::ControlKind::PushButton ||
           kind == KestrinUi::ControlKind::DefaultPushButton ||
           kind == KestrinUi::ControlKind::CheckBox || kind == KestrinUi::ControlKind::RadioButton;
}

std::vector<std::wstring> ComboEntries(HWND hWnd) {
    std::vector<std::wstring> entries;
    const auto count = static_cast<int>(::SendMessageW(hWnd, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<WPARAM>(i);
        const auto length =
            static_cast<std::size_t>(::SendMessageW(hWnd, CB_GETLBTEXTLEN, index, 0));
        std::vector<wchar_t> buffer(length + 1);
        ::SendMessageW(hWnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
        entries.emplace_back(buffer.data());
    }
    return entries;
}

} // namespace

ModalDialogSession::ModalDialogSession(CDialog& dialog,
                                       const KestrinUi::DialogTemplate& dialogTemplate,
                                       std::vector<DialogControl> controls)
    : m_dialog(dialog), m_template(dialogTemplate), m_controls(std::move(controls)) {}

std::vector<KestrinUi::ControlState> ModalDialogSession::Controls() const {
    std::vector<KestrinUi::ControlState> states;
    states.reserve(m_controls.size());
    for (const DialogControl& control : m_controls) {
        const KestrinUi::DialogItemTemplate& item = *control.pItem;
        KestrinUi::ControlState state{};
        state.id = item.id;
        state.kind = KestrinUi::KindOf(item);
        state.style = item.style;
        std::vector<wchar_t> text(static_cast<std::size_t>(::GetWindowTextLengthW(control.hWnd)) +
                                  1);
        ::GetWindowTextW(control.hWnd, text.data(), static_cast<int>(text.size()));
        state.text = text.data();
        state.position = item.position;
        state.bEnabled = ::IsWindowEnabled(control.hWnd) != FALSE;
        state.bChecked = (state.kind == KestrinUi::ControlKind::CheckBox ||
                          state.kind == KestrinUi::ControlKind::RadioButton) &&
                         ::SendMessageW(control.hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
        state.selectedIndex = kNoSelection;
        if (IsCombo(state.kind)) {
            state.selectedIndex =
                static_cast<int>(::SendMessageW(control.hWnd, CB_GETCURSEL, 0, 0));
            state.entries = ComboEntries(control.hWnd);
        }
        states.push_back(std::move(state));
    }
    return states;
}

const DialogControl* ModalDialogSession::ActionableControl(int controlId) const {
    if (IsEnded() || controlId == IDC_STATIC) {
        return nullptr;
    }
    for (const DialogControl& control : m_controls) {
        if (control.pItem->id == controlId) {
            return ::IsWindowEnabled(control.hWnd) ? &control : nullptr;
        }
    }
    return nullptr;
}

void ModalDialogSession::SelectRadio(std::size_t index) {
    // The group: from the nearest control at or before index that starts one, to the next start.
    std::size_t first = index;
    while (first > 0 && !(m_controls[first].pItem->style & WS_GROUP)) {
        --first;
    }
    for (std::size_t i = first; i < m_controls.size(); ++i) {
        if (i != first && (m_controls[i].pItem->style & WS_GROUP)) {
            break;
        }
        if (KestrinUi::KindOf(*m_controls[i].pItem) == KestrinUi::ControlKind::RadioButton) {
            ::SendMessageW(m_controls[i].hWnd, BM_SETCHECK,
                           i == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void ModalDialogSession::SendCommand(int controlId, int notification, HWND hWndControl) {
    m_dialog.OnCommand(MAKEWPARAM(controlId, notification), reinterpret_cast<LPARAM>(hWndControl));
}

bool ModalDialogSession::Click(int controlId) {
    const DialogControl* control = ActionableControl(controlId);
    if (!control || !IsButton(KestrinUi::KindOf(*control->pItem))) {
        return false;
    }
    const DWORD type = ButtonType(*control->pItem);
    if (type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE) {
        const auto state = static_cast<int>(::SendMessageW(control->hWnd, BM_GETCHECK, 0, 0));
        const int states = type == BS_AUTO3STATE ? kCheckStateCount : BST_CHECKED + 1;
        ::SendMessageW(control->hWnd, BM_SETCHECK, static_cast<WPARAM>((state + 1) % states), 0);
    } else if (type == BS_AUTORADIOBUTTON) {
        SelectRadio(static_cast<std::size_t>(control - m_controls.data()));
    }
    SendCommand(controlId, BN_CLICKED, control->hWnd);
    return true;
}

bool ModalDialogSession::SelectComboIndex(int controlId, int index) {
    const DialogControl* control = ActionableControl(controlId);
    if (!control || !IsCombo(KestrinUi::KindOf(*control->pItem)) || index < 0 ||
        index >= static_cast<int>(::SendMessageW(control->hWnd, CB_GETCOUNT, 0, 0))) {
        return false;
    }
    ::SendMessageW(control->hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendCommand(controlId, CBN_SELCHANGE, control->hWnd);
    return true;
}

bool ModalDialogSession::Ok() {
    if (IsEnded()) {
        return false;
    }
    HWND hOk = ::GetDlgItem(m_dialog.GetSafeHwnd(), IDOK);
    if (hOk && !::IsWindowEnabled(hOk)) {
        return false;
    }
    SendCommand(IDOK, BN_CLICKED, hOk);
    return true;
}

bool ModalDialogSession::Cancel() {
    if (IsEnded()) {
        return false;
    }
    SendCommand(IDCANCEL, BN_CLICKED, ::GetDlgItem(m_dialog.GetSafeHwnd(), IDCANCEL));
    return true;
}

} // namespace KestrinMfc
