// Kestrin host program: the terminal front. A command line read at the prompt starts a
// command; a file chosen in an open-file dialog names the work ("Importing part.step", as
// batch imports say), since what a command does after that is read the file.
#include "Program/TerminalFront.h"

#include "Session/TypedCommand.h"
#include "Session/WideText.h"

#include <csignal>
#include <filesystem>
#include <unistd.h>

namespace KestrinApp {

TerminalFront::TerminalFront(CommandLine* line) : m_pLine(line), m_ui(STDIN_FILENO, stdout) {
    m_pLine->SetBeforeWrite([this] {
        if (m_pProgress) {
            m_pProgress->EraseLine();
        }
    });
}

TerminalFront::~TerminalFront() {
    Pause();
    m_pLine->SetBeforeWrite(nullptr);
}

void TerminalFront::Pause() {
    m_pEscape.reset();
    m_pProgress.reset();
}

void TerminalFront::Resume() {
    m_pProgress = std::make_unique<ProgressSpinner>(m_label, stderr);
    // Escape stops what runs as Ctrl+C does, the way the translation library asks its callers
    // to: an interrupt raised in this process, which cancels a translation under way.
    m_pEscape = std::make_unique<KestrinTerminalUi::EscapeWatcher>(
        STDIN_FILENO, [] { ::kill(::getpid(), SIGINT); });
}

InputLine TerminalFront::ReadLine(const std::wstring& prompt) {
    Pause();
    InputLine line = m_lines.ReadLine(prompt);
    if (prompt == CommandLine::Prompt) {
        const TypedCommand typed = ParseTypedCommand(line.text);
        if (!line.IsText() || typed.IsEmpty()) {
            return line; // no command runs
        }
        m_label = "Running " + ToUtf8(typed.name);
    }
    Resume();
    return line;
}

int TerminalFront::ShowMessageBox(const KestrinUi::MessageBoxRequest& request) {
    Pause();
    const int answer = m_ui.ShowMessageBox(request);
    Resume();
    return answer;
}

void TerminalFront::RunModalDialog(KestrinUi::DialogSession& session) {
    Pause();
    m_ui.RunModalDialog(session);
    Resume();
}

std::optional<std::wstring>
TerminalFront::ShowFileDialog(const KestrinUi::FileDialogRequest& request) {
    Pause();
    std::optional<std::wstring> answer = m_ui.ShowFileDialog(request);
    if (answer && request.bOpenFileDialog) {
        m_label = "Importing " + std::filesystem::path(ToUtf8(*answer)).filename().string();
    }
    Resume();
    return answer;
}

void TerminalFront::ShowAbout(const KestrinUi::AboutRequest& request) {
    Pause();
    m_ui.ShowAbout(request);
    Resume();
}

} // namespace KestrinApp
