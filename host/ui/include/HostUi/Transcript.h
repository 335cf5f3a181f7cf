// Kestrin host: the record of everything a user interface showed, in order: message boxes with
// their owner and answer, modal dialogs with their controls as first shown and as they were when
// the dialog closed, file dialogs with their answer, about boxes, and notes where a script was out
// of step with what was shown. Tests read it; batch runs print it.
#pragma once

#include "KestrinUi/UserInterface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace KestrinHost {

/// What a transcript entry records.
enum class ShownKind : std::uint8_t { MessageBox, Dialog, FileDialog, About, Note };

/* Description:
     One thing shown.
   Remarks:
     MessageBox: owner, caption, text, type, result (the button).
     Dialog: owner, caption (the template's), controlsShown (after the dialog's initialisation),
             controlsAtClose (just before the closing action), result (IDOK, IDCANCEL, ...).
     FileDialog: owner, fileRequest, path (nothing for Cancel).
     About: owner, text (the title).
     Note: text (a refused or out-of-step script action, or a dialog that the script left open).
*/
struct TranscriptEntry {
    explicit TranscriptEntry(ShownKind shownKind) : kind(shownKind) {}

    ShownKind kind;
    HWND owner = nullptr;
    std::wstring caption;
    std::wstring text;
    UINT type = 0;
    int result = 0;
    std::vector<KestrinUi::ControlState> controlsShown;
    std::vector<KestrinUi::ControlState> controlsAtClose;
    KestrinUi::FileDialogRequest fileRequest{};
    std::optional<std::wstring> path;
};

/// The entries in the order shown, with filters by kind.
class Transcript {
public:
    void Add(TranscriptEntry entry) { m_entries.push_back(std::move(entry)); }
    void Clear() { m_entries.clear(); }

    const std::vector<TranscriptEntry>& Entries() const { return m_entries; }

    /// The entry at index, for completing it after the fact (index < Entries().size()).
    TranscriptEntry& EntryAt(std::size_t index) { return m_entries.at(index); }

    /// The entries of one kind, in order.
    std::vector<TranscriptEntry> OfKind(ShownKind kind) const;

    /// The state of control id in a control list; null when it has none.
    static const KestrinUi::ControlState*
    FindControl(const std::vector<KestrinUi::ControlState>& controls, int id);

    /// One or more lines per entry in full, with control ids, owners and box styles
    /// ("message box [caption] text {warning: OK} (owner 1) -> OK"): for tests and --verbose.
    std::wstring Describe() const;

    /// One or more lines per entry as a user reads them: a box as "caption: text" (and the
    /// answer when it had a choice), a dialog as its caption and answer with the settings a
    /// user makes in it, in their display texts ("(*) Mesh", "Mesh type: Lines").
    std::wstring DescribeForReader() const;

private:
    std::vector<TranscriptEntry> m_entries;
};

} // namespace KestrinHost
