// Kestrin terminal UI: the interface itself. Keys are read in raw mode only while a dialog or a
// box is up, so the command line keeps readline's editing between them.
#include "TerminalUi/TerminalUi.h"

#include "DialogCanvas.h"
#include "DialogDriver.h"
#include "DialogLayout.h"
#include "FileQuestion.h"
#include "InPlaceDrawing.h"
#include "MessageBoxView.h"
#include "TerminalKeys.h"

#include "KestrinUi/MessageBoxStyle.h"

#include <winuser.h>

namespace KestrinTerminalUi {

namespace {

constexpr const wchar_t* kDialogKeys =
    L"  Tab/arrows: move   Space: select   Up/Down: change a list   Enter: OK   Esc: Cancel";

std::vector<std::wstring> TerminalRows(const Canvas& canvas) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < canvas.Height(); ++row) {
        rows.push_back(canvas.RowForTerminal(row));
    }
    return rows;
}

// Shows a box until a button is chosen; returns its answer.
int RunBox(const BoxContent& content, int defaultButton, int inputFd, std::FILE* output) {
    int focus = 0;
    for (std::size_t i = 0; i < content.buttons.size(); ++i) {
        if (content.buttons[i] == defaultButton) {
            focus = static_cast<int>(i);
        }
    }
    RawKeyMode raw(inputFd);
    KeyReader keys(inputFd);
    InPlaceDrawing screen(output);
    int answer = 0;
    while (answer == 0) {
        screen.Draw(TerminalRows(DrawBox(content, focus)));
        answer = AnswerForKey(content, keys.Next(), &focus);
    }
    screen.Draw(TerminalRows(DrawBox(content, -1)));
    return answer;
}

} // namespace

TerminalUi::TerminalUi(int inputFd, std::FILE* output) : m_inputFd(inputFd), m_output(output) {}

int TerminalUi::ShowMessageBox(const KestrinUi::MessageBoxRequest& request) {
    BoxContent content;
    content.caption = request.caption;
    content.icon = KestrinUi::IconText(request.type);
    content.text = request.text;
    content.buttons = KestrinUi::MessageBoxButtons(request.type);
    content.declining = KestrinUi::DecliningAnswer(request.type);
    return RunBox(content, KestrinUi::DefaultMessageBoxAnswer(request.type), m_inputFd, m_output);
}

void TerminalUi::ShowAbout(const KestrinUi::AboutRequest& request) {
    BoxContent content;
    content.caption = L"About";
    content.text = request.title;
    content.buttons = {IDOK};
    content.declining = IDOK;
    RunBox(content, IDOK, m_inputFd, m_output);
}

void TerminalUi::RunModalDialog(KestrinUi::DialogSession& session) {
    const KestrinUi::DialogTemplate& dialog = session.Template();
    const DialogLayout layout = LayOutDialog(dialog.position, session.Controls());
    DialogDriver driver(&session);
    RawKeyMode raw(m_inputFd);
    KeyReader keys(m_inputFd);
    InPlaceDrawing screen(m_output);
    while (!session.IsEnded()) {
        std::vector<std::wstring> rows =
            TerminalRows(DrawDialog(dialog.caption, layout, session.Controls(), driver.Focus()));
        rows.emplace_back(kDialogKeys);
        screen.Draw(rows);
        driver.HandleKey(keys.Next());
    }
    std::vector<std::wstring> rows =
        TerminalRows(DrawDialog(dialog.caption, layout, session.Controls(), -1));
    rows.push_back(std::wstring(L"  -> ") + KestrinUi::MessageBoxButtonName(session.Result()));
    screen.Draw(rows);
}

std::optional<std::wstring> TerminalUi::ShowFileDialog(const KestrinUi::FileDialogRequest& request) {
    return AskForFile(request, m_output);
}

} // namespace KestrinTerminalUi
