// Kestrin host program: where the command line's input comes from. The interactive terminal,
// a script file and piped standard input all hand the host one line per request; a command that
// needs an answer (a file name) asks the same source for the next line.
#pragma once

#include <cstdint>
#include <string>

namespace KestrinApp {

/// One line read, or why there is none.
struct InputLine {
    enum class Kind : std::uint8_t {
        Text,      // a line was entered
        Cancelled, // the user cancelled the line (Ctrl+C)
        EndKey,    // the user asked to end (Ctrl+D on an empty line); the terminal stays
        Ended,     // the input ended: nothing more can be read
    };

    Kind kind = Kind::Ended;
    std::wstring text; // Text only: the line without its line break

    static InputLine Of(std::wstring line) { return {Kind::Text, std::move(line)}; }
    static InputLine Cancel() { return {Kind::Cancelled, {}}; }
    static InputLine EndKeyPressed() { return {Kind::EndKey, {}}; }
    static InputLine End() { return {Kind::Ended, {}}; }

    bool IsText() const { return kind == Kind::Text; }
};

class LineSource {
public:
    virtual ~LineSource() = default;

    /*
    Description:
      Reads the next line.
    Parameters:
      prompt - [in] the question shown to the user ("Command: ").
    Returns:
      The line, a cancelled line, or the end of the input.
    */
    virtual InputLine ReadLine(const std::wstring& prompt) = 0;
};

} // namespace KestrinApp
