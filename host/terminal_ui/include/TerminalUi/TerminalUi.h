// Kestrin terminal UI: the user interface for people at a terminal. Dialogs are drawn in the
// terminal from their templates' own control positions and worked with the keyboard; message
// boxes and the about box show their text with their buttons; the file dialog is one question
// on the command line with file-name completion (Tab) and the dialog's filter shown. Each shown
// thing stays on the screen in its final state, so the session reads as a record.
#pragma once

#include "KestrinUi/UserInterface.h"

#include <cstdio>

namespace KestrinTerminalUi {

class TerminalUi final : public KestrinUi::UserInterface {
public:
    /*
    Parameters:
      inputFd - [in] the terminal's input (standard input); keys are read from it.
      output  - [in] where things are drawn (standard output); not owned.
    */
    TerminalUi(int inputFd, std::FILE* output);

    int ShowMessageBox(const KestrinUi::MessageBoxRequest& request) override;
    void RunModalDialog(KestrinUi::DialogSession& session) override;
    std::optional<std::wstring>
    ShowFileDialog(const KestrinUi::FileDialogRequest& request) override;
    void ShowAbout(const KestrinUi::AboutRequest& request) override;

private:
    int m_inputFd;
    std::FILE* m_output;
};

} // namespace KestrinTerminalUi
