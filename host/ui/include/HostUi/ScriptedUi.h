// Kestrin host: ScriptedUi, the user interface for tests, scripts and batch runs. It answers from
// a queue of actions, in order, and keeps a transcript of everything shown. A dialog takes the
// actions up to its OK or Cancel; a file dialog takes a path or Cancel; a message box takes an
// answer when one is next, and is otherwise acknowledged with its declining answer (OK for a box
// with one button). Whatever the script does not answer is cancelled, never agreed to, and noted
// (a box with one button needs no answer).
#pragma once

#include "HostUi/ScriptAction.h"
#include "HostUi/Transcript.h"
#include "KestrinUi/UserInterface.h"

#include <deque>
#include <vector>

namespace KestrinHost {

/* Description:
     A user interface that answers from a script.
   Remarks:
     Dialog actions act through the dialog session exactly as clicks would, so the dialog's own
     enabling rules and data exchange run. An action the dialog refuses (a greyed-out or unknown
     control, a combo entry that does not exist) is noted in the transcript and skipped. When the
     next action does not fit what is shown (a file path while a dialog is open, say), what is
     shown is cancelled, a note says why, and the action stays queued for what comes next.
*/
class ScriptedUi final : public KestrinUi::UserInterface {
public:
    ScriptedUi() = default;
    explicit ScriptedUi(std::vector<ScriptAction> actions);

    /// Appends actions to the queue.
    void Push(ScriptAction action);
    void Push(const std::vector<ScriptAction>& actions);

    /// The number of actions not consumed yet.
    std::size_t PendingCount() const { return m_actions.size(); }

    const Transcript& GetTranscript() const { return m_transcript; }
    Transcript& GetTranscript() { return m_transcript; }

    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override;
    void RunModalDialog(KestrinUi::DialogSession& session) override;
    std::optional<std::wstring>
    ShowFileDialog(const KestrinUi::FileDialogRequest& request) override;
    void ShowAbout(const KestrinUi::AboutRequest& request) override;

private:
    // Applies one control action; false (and a note) when the dialog refused it.
    bool ApplyControlAction(KestrinUi::DialogSession& session, const ScriptAction& action);
    void Note(const std::wstring& text);

    std::deque<ScriptAction> m_actions; // consumed from the front
    Transcript m_transcript;
};

} // namespace KestrinHost
