// Kestrin host program: the interactive session's side facing the terminal: the command line's
// input (readline) and the UI that shows dialogs (the terminal UI). Between the moments it waits
// for the user, while a command works, it shows the progress line that batch imports show and
// watches for Escape, which stops the command's child processes (the translation library's
// worker) as Ctrl+C at the terminal does; the library then reports a cancelled translation.
#pragma once

#include "Program/ReadlineSource.h"
#include "Runs/ProgressSpinner.h"
#include "Session/CommandLine.h"
#include "Session/LineSource.h"

#include "KestrinUi/UserInterface.h"
#include "TerminalUi/EscapeWatcher.h"
#include "TerminalUi/TerminalUi.h"

#include <memory>
#include <string>

namespace KestrinApp {

class TerminalFront final : public LineSource, public KestrinUi::UserInterface {
public:
    /// Reads standard input, draws on standard output, shows progress on standard error;
    /// line's output makes way for the progress line. line must outlive the front.
    explicit TerminalFront(CommandLine* line);
    ~TerminalFront() override;
    TerminalFront(const TerminalFront&) = delete;
    TerminalFront& operator=(const TerminalFront&) = delete;

    InputLine ReadLine(const std::wstring& prompt) override;

    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override;
    void RunModalDialog(KestrinUi::DialogSession& session) override;
    std::optional<std::wstring>
    ShowFileDialog(const KestrinUi::FileDialogRequest& request) override;
    void ShowAbout(const KestrinUi::AboutRequest& request) override;

private:
    // The command waits for the user: no progress line, no watching.
    void Pause();
    // The command works again: progress (after its delay) and Escape watched.
    void Resume();

    CommandLine* m_pLine;
    ReadlineSource m_lines;
    KestrinTerminalUi::TerminalUi m_ui;
    std::string m_label; // what the progress line says the command does
    std::unique_ptr<ProgressSpinner> m_pProgress;
    std::unique_ptr<KestrinTerminalUi::EscapeWatcher> m_pEscape;
};

} // namespace KestrinApp
