// Kestrin host program: where the command line's input comes from. The interactive terminal,
// a script file and piped standard input all hand the host one line per request; a command that
// needs an answer (a file name) asks the same source for the next line.
#pragma once

#include <optional>
#include <string>

namespace KestrinApp {

class LineSource {
public:
    virtual ~LineSource() = default;

    /*
    Description:
      Reads the next line.
    Parameters:
      prompt - [in] the question shown to the user ("Command: ").
    Returns:
      The line without its line break, or no value at the end of the input.
    */
    virtual std::optional<std::wstring> ReadLine(const std::wstring& prompt) = 0;
};

} // namespace KestrinApp
