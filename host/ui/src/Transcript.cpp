// Kestrin host: the transcript's filters and its text form.
#include "HostUi/Transcript.h"

#include "KestrinUi/MessageBoxStyle.h"
#include "winuser.h"

#include <sstream>

namespace KestrinHost {

namespace {

std::wstring OwnerText(HWND owner) {
    return owner ? L" (owner " + std::to_wstring(reinterpret_cast<UINT_PTR>(owner)) + L")"
                 : std::wstring();
}

// The icon and the buttons a box had, as "{warning: OK}" or "{Yes No}".
std::wstring StyleText(UINT type) {
    std::wstring text = L"{";
    const std::wstring icon = KestrinUi::IconText(type);
    if (!icon.empty()) {
        text += icon + L":";
    }
    for (const int button : KestrinUi::MessageBoxButtons(type)) {
        if (text.size() > 1) {
            text += L' ';
        }
        text += KestrinUi::MessageBoxButtonName(button);
    }
    return text + L"}";
}

std::wstring ResultName(int result) {
    return result == -1 ? L"failed" : KestrinUi::MessageBoxButtonName(result);
}

void DescribeControls(const std::vector<KestrinUi::ControlState>& controls,
                      std::wostringstream& out) {
    for (const KestrinUi::ControlState& control : controls) {
        out << L"    " << control.id << L' ' << KestrinUi::ControlKindName(control.kind);
        if (!control.text.empty()) {
            out << L" \"" << control.text << L'"';
        }
        if (control.kind == KestrinUi::ControlKind::CheckBox ||
            control.kind == KestrinUi::ControlKind::RadioButton) {
            out << (control.bChecked ? L" checked" : L" unchecked");
        }
        if (control.kind == KestrinUi::ControlKind::ComboBox ||
            control.kind == KestrinUi::ControlKind::DropDownList) {
            out << L" selected " << control.selectedIndex;
        }
        if (!control.bEnabled) {
            out << L" disabled";
        }
        out << L'\n';
    }
}

} // namespace

std::vector<TranscriptEntry> Transcript::OfKind(ShownKind kind) const {
    std::vector<TranscriptEntry> found;
    for (const TranscriptEntry& entry : m_entries) {
        if (entry.kind == kind) {
            found.push_back(entry);
        }
    }
    return found;
}

const KestrinUi::ControlState* Transcript::FindControl(
    const std::vector<KestrinUi::ControlState>& controls, int id) {
    for (const KestrinUi::ControlState& control : controls) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

std::wstring Transcript::Describe() const {
    std::wostringstream out;
    for (const TranscriptEntry& entry : m_entries) {
        switch (entry.kind) {
        case ShownKind::MessageBox:
            out << L"message box [" << entry.caption << L"] " << entry.text << L' '
                << StyleText(entry.type) << OwnerText(entry.owner) << L" -> " << ResultName(entry.result) << L'\n';
            break;
        case ShownKind::Dialog:
            out << L"dialog [" << entry.caption << L"]" << OwnerText(entry.owner) << L" -> "
                << ResultName(entry.result) << L'\n';
            DescribeControls(entry.controlsAtClose, out);
            break;
        case ShownKind::FileDialog:
            out << L"file dialog" << OwnerText(entry.owner) << L" -> "
                << (entry.path ? *entry.path : std::wstring(L"Cancel")) << L'\n';
            break;
        case ShownKind::About:
            out << L"about [" << entry.text << L"]" << OwnerText(entry.owner) << L'\n';
            break;
        case ShownKind::Note:
            out << L"note: " << entry.text << L'\n';
            break;
        }
    }
    return out.str();
}

} // namespace KestrinHost
