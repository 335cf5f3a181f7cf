// Kestrin host: one answer of a scripted user, as the scripted user interface consumes them in
// order: actions on a dialog's controls, OK or Cancel, a path or Cancel for a file dialog, and the
// button that closes a message box. Made only through the named factory functions.
#pragma once

#include <cstdint>
#include <string>

namespace KestrinHost {

/// What a scripted action does.
enum class ScriptActionKind : std::uint8_t {
    SetCheck,        // make a check box or radio button checked or not (clicking when it differs)
    Click,           // click a control
    SelectIndex,     // select a combo box entry by index
    SelectText,      // select the combo box entry with exactly this text
    DialogOk,        // press OK (Enter)
    DialogCancel,    // press Cancel (Escape)
    FilePath,        // answer a file dialog with a path
    FileCancel,      // cancel a file dialog
    MessageBoxAnswer // close a message box with a button
};

/* Description:
     One answer of a script.
   Remarks:
     controlId is used by the control actions, value by SetCheck (0 or 1), SelectIndex (the index)
     and MessageBoxAnswer (IDOK, IDYES, ...), text by SelectText and FilePath.
*/
struct ScriptAction {
    ScriptActionKind kind;
    int controlId = 0;
    int value = 0;
    std::wstring text;

    static ScriptAction SetCheck(int controlId, bool bChecked);
    static ScriptAction Click(int controlId);
    static ScriptAction SelectIndex(int controlId, int index);
    static ScriptAction SelectText(int controlId, std::wstring entry);
    static ScriptAction Ok();
    static ScriptAction Cancel();
    static ScriptAction File(std::wstring path);
    static ScriptAction CancelFile();
    static ScriptAction Answer(int button);

    /// true for the actions that act inside a modal dialog (the control actions, OK, Cancel).
    bool IsDialogAction() const;

    /// A one-line description for transcripts ("click 8001", "file /tmp/a.stp", ...).
    std::wstring Describe() const;
};

} // namespace KestrinHost
