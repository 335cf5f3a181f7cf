// Kestrin host program: the command line's output. Text is flushed at once so that the command
// line and the messages of other streams (progress on standard error) appear in the order made.
#include "Session/CommandLine.h"

#include "Session/WideText.h"

namespace KestrinApp {

void CommandLine::Write(const std::wstring& text) {
    if (text.empty()) {
        return;
    }
    if (m_beforeWrite) {
        m_beforeWrite();
    }
    if (m_output) {
        const std::string bytes = ToUtf8(text);
        std::fwrite(bytes.data(), 1, bytes.size(), m_output);
        std::fflush(m_output);
    }
    m_sinceMark += text;
    m_bAtLineStart = text.back() == L'\n';
}

void CommandLine::EndLine() {
    if (!m_bAtLineStart) {
        Write(L"\n");
    }
}

} // namespace KestrinApp
