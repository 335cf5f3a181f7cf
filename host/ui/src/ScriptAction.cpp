// Kestrin host: the scripted actions' factories and descriptions.
#include "HostUi/ScriptAction.h"

#include "KestrinUi/UserInterface.h"

#include <utility>

namespace KestrinHost {

ScriptAction ScriptAction::SetCheck(int controlId, bool bChecked) {
    return {ScriptActionKind::SetCheck, controlId, bChecked ? 1 : 0, {}};
}

ScriptAction ScriptAction::Click(int controlId) {
    return {ScriptActionKind::Click, controlId, 0, {}};
}

ScriptAction ScriptAction::SelectIndex(int controlId, int index) {
    return {ScriptActionKind::SelectIndex, controlId, index, {}};
}

ScriptAction ScriptAction::SelectText(int controlId, std::wstring entry) {
    return {ScriptActionKind::SelectText, controlId, 0, std::move(entry)};
}

ScriptAction ScriptAction::Ok() {
    return {ScriptActionKind::DialogOk, 0, 0, {}};
}

ScriptAction ScriptAction::Cancel() {
    return {ScriptActionKind::DialogCancel, 0, 0, {}};
}

ScriptAction ScriptAction::File(std::wstring path) {
    return {ScriptActionKind::FilePath, 0, 0, std::move(path)};
}

ScriptAction ScriptAction::CancelFile() {
    return {ScriptActionKind::FileCancel, 0, 0, {}};
}

ScriptAction ScriptAction::Answer(int button) {
    return {ScriptActionKind::MessageBoxAnswer, 0, button, {}};
}

bool ScriptAction::IsDialogAction() const {
    switch (kind) {
    case ScriptActionKind::SetCheck:
    case ScriptActionKind::Click:
    case ScriptActionKind::SelectIndex:
    case ScriptActionKind::SelectText:
    case ScriptActionKind::DialogOk:
    case ScriptActionKind::DialogCancel:
        return true;
    case ScriptActionKind::FilePath:
    case ScriptActionKind::FileCancel:
    case ScriptActionKind::MessageBoxAnswer:
        return false;
    }
    return false;
}

std::wstring ScriptAction::Describe() const {
    const std::wstring id = std::to_wstring(controlId);
    switch (kind) {
    case ScriptActionKind::SetCheck:
        return (value ? L"check " : L"uncheck ") + id;
    case ScriptActionKind::Click:
        return L"click " + id;
    case ScriptActionKind::SelectIndex:
        return L"select " + id + L" index " + std::to_wstring(value);
    case ScriptActionKind::SelectText:
        return L"select " + id + L" \"" + text + L"\"";
    case ScriptActionKind::DialogOk:
        return L"OK";
    case ScriptActionKind::DialogCancel:
        return L"Cancel";
    case ScriptActionKind::FilePath:
        return L"file " + text;
    case ScriptActionKind::FileCancel:
        return L"file Cancel";
    case ScriptActionKind::MessageBoxAnswer:
        return std::wstring(L"answer ") + KestrinUi::MessageBoxButtonName(value);
    }
    return L"?";
}

} // namespace KestrinHost
