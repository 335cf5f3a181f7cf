// Kestrin Windows API stand-in: the UI interface.
// Names of control kinds and action results.
#include <KestrinUi/DialogSession.h>

namespace KestrinUi {

const wchar_t* ToText(ControlKind kind) {
    switch (kind) {
    case ControlKind::PushButton:
        return L"push button";
    case ControlKind::CheckBox:
        return L"check box";
    case ControlKind::RadioButton:
        return L"radio button";
    case ControlKind::GroupBox:
        return L"group box";
    case ControlKind::ComboBox:
        return L"combo box";
    case ControlKind::Label:
        return L"label";
    case ControlKind::Line:
        return L"line";
    }
    return L"control";
}

const wchar_t* ToText(ActionResult result) {
    switch (result) {
    case ActionResult::Done:
        return L"done";
    case ActionResult::NoSuchControl:
        return L"no such control";
    case ActionResult::ControlDisabled:
        return L"control disabled";
    case ActionResult::NotApplicable:
        return L"not applicable to this control";
    case ActionResult::OutOfRange:
        return L"no such entry";
    case ActionResult::DialogEnded:
        return L"dialog already ended";
    }
    return L"unknown";
}

} // namespace KestrinUi
