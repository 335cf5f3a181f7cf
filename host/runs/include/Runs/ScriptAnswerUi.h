// Kestrin host program: the UI of script runs and batch imports. It answers what a command shows
// from the answers given with that command, through the scripted UI: each time something is
// shown, the next answer is handed over (the options dialog's choices only once the dialog is
// open, since they depend on what it shows). Everything shown is written to the command line as
// a user reads it (in full, with control ids, when verbose); answers that no dialog took are
// reported when the command ends.
#pragma once

#include "Runs/ScriptAnswer.h"
#include "Session/CommandLine.h"

#include "HostUi/ScriptedUi.h"

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace KestrinApp {

/// How much of the transcript the command line shows.
enum class TranscriptEcho : std::uint8_t {
    Everything,       // scripts: every dialog, box and note
    MessagesAndNotes, // batch imports: message boxes, about boxes and notes only, held for
                      // TakeHeldMessages() (the run shows them on standard error)
};

class ScriptAnswerUi final : public KestrinUi::UserInterface {
public:
    /// bVerbose writes the transcript in full (control ids, owners, box styles).
    ScriptAnswerUi(CommandLine* line, TranscriptEcho echo, bool bVerbose = false);

    /// Gives the answers for the command about to run; unused ones of the last are dropped.
    void BeginCommand(std::vector<ScriptAnswer> answers);

    /*
    Description:
      Ends a command's answers.
    Returns:
      The answers no dialog took, as written; they are dropped.
    */
    std::vector<std::wstring> EndCommand();

    /// true when, since the command began, something shown was not answered as the script
    /// meant (it was cancelled or an answer refused: the transcript has a note).
    bool OutOfStep() const { return m_bOutOfStep; }

    /// With TranscriptEcho::MessagesAndNotes: what was shown since the last call.
    std::wstring TakeHeldMessages() { return std::exchange(m_held, std::wstring()); }

    /// Everything shown since the program started.
    const KestrinHost::Transcript& FullTranscript() const { return m_full; }

    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override;
    void RunModalDialog(KestrinUi::DialogSession& session) override;
    std::optional<std::wstring>
    ShowFileDialog(const KestrinUi::FileDialogRequest& request) override;
    void ShowAbout(const KestrinUi::AboutRequest& request) override;

private:
    // Hands the next answer to the scripted UI when it has none left; null session for anything
    // but a dialog.
    void Feed(KestrinUi::DialogSession* pSession);
    // Writes what the scripted UI recorded since the last call to the command line.
    void Echo();

    CommandLine* m_pLine;
    TranscriptEcho m_echo;
    bool m_bVerbose;
    std::unique_ptr<KestrinHost::ScriptedUi> m_pScripted; // renewed per command
    std::deque<ScriptAnswer> m_answers;                   // not handed over yet
    std::vector<std::wstring> m_handedOver;               // sources of answers in m_pScripted
    std::size_t m_echoed = 0;                             // transcript entries written
    bool m_bOutOfStep = false;
    KestrinHost::Transcript m_full;
    std::wstring m_held; // TranscriptEcho::MessagesAndNotes: shown, not taken yet
};

} // namespace KestrinApp
