// Kestrin terminal UI: the interface itself. Keys are read in raw mode only while a dialog or a
// box is up, so the command line keeps readline's editing between them. Dialogs and boxes are
// drawn for the terminal's size at the time and drawn afresh when the window changes its size; a
// dialog that does not fit says so in one line until the window is large enough.
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

// The keys of a dialog, in pieces that the hint breaks between to fit the window.
const std::vector<std::wstring>& DialogKeyHints() {
    static const std::vector<std::wstring> hints = {L"Tab: next", L"arrows: move, choose",
                                                    L"Space: select", L"Enter: default button",
                                                    L"Esc: Cancel"};
    return hints;
}

// The hint lines, each within width (0: no limit).
std::vector<std::wstring> KeyHintRows(int width) {
    std::vector<std::wstring> rows{L" "};
    for (const std::wstring& hint : DialogKeyHints()) {
        const std::wstring piece = L" " + hint + L" ";
        if (width > 0 && rows.back().size() > 1 &&
            static_cast<int>(rows.back().size() + piece.size()) >= width) {
            rows.emplace_back(L" ");
        }
        rows.back() += piece;
    }
    return rows;
}

std::vector<std::wstring> TerminalRows(const Canvas& canvas) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < canvas.Height(); ++row) {
        rows.push_back(canvas.RowForTerminal(row));
    }
    return rows;
}

// true when rows of this width fit the terminal (always, when its size is unknown); a row is
// kept free for the cursor below the drawing.
bool Fits(const TerminalSize& size, int width, int height) {
    return size.columns == 0 || (width < size.columns && height < size.rows);
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
    const ResizeWatch resizes;
    KeyReader keys(inputFd);
    InPlaceDrawing screen(output);
    const int outputFd = fileno(output);
    int answer = 0;
    while (answer == 0) {
        screen.Draw(TerminalRows(DrawBox(content, focus, SizeOfTerminal(outputFd).columns)));
        const Key key = keys.Next();
        if (key.kind == KeyKind::Resize) {
            screen.StartAfresh();
        }
        answer = AnswerForKey(content, key, &focus);
    }
    screen.Draw(TerminalRows(DrawBox(content, -1, SizeOfTerminal(outputFd).columns)));
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
    const ResizeWatch resizes;
    KeyReader keys(m_inputFd);
    InPlaceDrawing screen(m_output);
    const int outputFd = fileno(m_output);
    std::vector<std::wstring> rows;
    while (!session.IsEnded()) {
        const TerminalSize size = SizeOfTerminal(outputFd);
        const Canvas canvas =
            DrawDialog(dialog.caption, layout, session.Controls(), driver.Focus());
        const std::vector<std::wstring> hints = KeyHintRows(size.columns);
        const int height = canvas.Height() + static_cast<int>(hints.size());
        if (Fits(size, canvas.Width(), height)) {
            rows = TerminalRows(canvas);
            rows.insert(rows.end(), hints.begin(), hints.end());
        } else {
            rows = {TooSmallLine(dialog.caption, canvas.Width(), height, size.columns, size.rows)};
        }
        screen.Draw(rows);
        const Key key = keys.Next();
        if (key.kind == KeyKind::Resize) {
            screen.StartAfresh();
        } else if (rows.size() > 1 || key.kind == KeyKind::Escape ||
                   key.kind == KeyKind::Interrupt || key.kind == KeyKind::EndOfInput) {
            driver.HandleKey(key); // a dialog not shown takes nothing but Cancel
        }
    }
    const Canvas canvas = DrawDialog(dialog.caption, layout, session.Controls(), -1);
    const TerminalSize size = SizeOfTerminal(outputFd);
    rows = Fits(size, canvas.Width(), canvas.Height() + 1) ? TerminalRows(canvas)
                                                           : std::vector<std::wstring>();
    rows.push_back(std::wstring(L"  -> ") + KestrinUi::MessageBoxButtonName(session.Result()));
    screen.Draw(rows);
}

std::optional<std::wstring>
TerminalUi::ShowFileDialog(const KestrinUi::FileDialogRequest& request) {
    return AskForFile(request, m_output);
}

} // namespace KestrinTerminalUi
