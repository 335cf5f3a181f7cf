// Kestrin host: the transcript's filters and its text form.
#include "HostUi/Transcript.h"

#include "HostUi/ControlText.h"

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

// The settings a user makes in a dialog: buttons to select or tick, and lists.
void DescribeSettings(const std::vector<KestrinUi::ControlState>& controls,
                      std::wostringstream& out) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const KestrinUi::ControlState& control = controls[i];
        std::wstring line;
        switch (control.kind) {
        case KestrinUi::ControlKind::RadioButton:
            line = (control.bChecked ? L"(*) " : L"( ) ") + DisplayText(control.text);
            break;
        case KestrinUi::ControlKind::CheckBox:
            line = (control.bChecked ? L"[x] " : L"[ ] ") + DisplayText(control.text);
            break;
        case KestrinUi::ControlKind::ComboBox:
        case KestrinUi::ControlKind::DropDownList: {
            const std::wstring label = LabelOf(controls, i);
            const bool bSelected = control.selectedIndex >= 0 &&
                                   control.selectedIndex < static_cast<int>(control.entries.size());
            line = (label.empty() ? std::wstring(L"list") : label) + L": " +
                   (bSelected ? control.entries[static_cast<std::size_t>(control.selectedIndex)]
                              : std::wstring(L"(nothing selected)"));
            break;
        }
        default:
            continue;
        }
        out << L"    " << line << (control.bEnabled ? L"" : L" (greyed out)") << L'\n';
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

const KestrinUi::ControlState*
Transcript::FindControl(const std::vector<KestrinUi::ControlState>& controls, int id) {
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
                << StyleText(entry.type) << OwnerText(entry.owner) << L" -> "
                << ResultName(entry.result) << L'\n';
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

std::wstring Transcript::DescribeForReader() const {
    std::wostringstream out;
    for (const TranscriptEntry& entry : m_entries) {
        switch (entry.kind) {
        case ShownKind::MessageBox:
            out << entry.caption << L": " << entry.text;
            if (KestrinUi::MessageBoxButtons(entry.type).size() > 1) {
                out << L" -> " << ResultName(entry.result);
            }
            out << L'\n';
            break;
        case ShownKind::Dialog:
            out << entry.caption << L" -> " << ResultName(entry.result) << L'\n';
            DescribeSettings(entry.controlsAtClose, out);
            break;
        case ShownKind::FileDialog:
            out << (entry.fileRequest.bOpenFileDialog ? L"Open file: " : L"Save file as: ")
                << (entry.path ? *entry.path : std::wstring(L"Cancel")) << L'\n';
            break;
        case ShownKind::About:
            out << L"About: " << entry.text << L'\n';
            break;
        case ShownKind::Note:
            out << L"note: " << entry.text << L'\n';
            break;
        }
    }
    return out.str();
}

} // namespace KestrinHost
