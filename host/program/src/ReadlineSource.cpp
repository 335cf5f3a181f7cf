// Kestrin host program: readline input, through the terminal UI's line question so that Ctrl+C
// cancels the line instead of ending the program.
#include "Program/ReadlineSource.h"

#include "Session/WideText.h"

#include "TerminalUi/LineQuestion.h"

#include <readline/history.h>

namespace KestrinApp {

InputLine ReadlineSource::ReadLine(const std::wstring& prompt) {
    using End = KestrinTerminalUi::TerminalLine::End;
    const KestrinTerminalUi::TerminalLine line =
        KestrinTerminalUi::ReadTerminalLine(ToUtf8(prompt));
    switch (line.end) {
    case End::Entered:
        break;
    case End::Cancelled:
    case End::Escaped:
        return InputLine::Cancel();
    case End::EndKey:
        return InputLine::EndKeyPressed();
    case End::Closed:
        return InputLine::End();
    }
    const std::wstring text = FromUtf8(line.text);
    if (!Trimmed(text).empty()) {
        add_history(line.text.c_str());
    }
    return InputLine::Of(text);
}

} // namespace KestrinApp
