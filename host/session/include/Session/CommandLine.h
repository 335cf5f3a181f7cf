// Kestrin host program: the command line's output side. Everything the host and the commands
// write to the user goes through here, as text that carries its own line breaks; it is shown on
// standard output (or another stream) and kept since the last mark, so that the host can tell
// what a command reported.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace KestrinApp {

class CommandLine {
public:
    /// The prompt shown before each command.
    static constexpr const wchar_t* Prompt = L"Command: ";

    /// What a cancelled line or question shows.
    static constexpr const wchar_t* Cancelled = L"*Cancel*";

    /// Writes to output (not owned; standard output by default).
    explicit CommandLine(std::FILE* output = stdout) : m_output(output) {}

    /// Shows text as given: a command's text carries its own line breaks.
    void Write(const std::wstring& text);

    /// Shows text and ends the line.
    void WriteLine(const std::wstring& text) { Write(text + L"\n"); }

    /// Where text is shown from now on (not owned); null holds it back: it is only recorded.
    void SetOutput(std::FILE* output) { m_output = output; }
    std::FILE* Output() const { return m_output; }

    /// Ends the current line unless the last text shown ended one (or nothing was shown yet).
    void EndLine();

    /// Called before any text is shown (a progress line on the same terminal makes way); an
    /// empty function calls nothing.
    void SetBeforeWrite(std::function<void()> beforeWrite) {
        m_beforeWrite = std::move(beforeWrite);
    }

    /// Starts recording afresh: TextSinceMark() is then empty.
    void Mark() { m_sinceMark.clear(); }

    /// Everything shown since the last Mark().
    const std::wstring& TextSinceMark() const { return m_sinceMark; }

private:
    std::FILE* m_output;
    std::function<void()> m_beforeWrite;
    std::wstring m_sinceMark;
    bool m_bAtLineStart = true; // the last text shown ended a line
};

} // namespace KestrinApp
