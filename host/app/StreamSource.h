// Kestrin host program: input read line by line from a stream (piped standard input or a
// script file). What is read is shown on the command line after its prompt, so that the output
// reads as the session a user would have typed.
#pragma once

#include "app/CommandLine.h"
#include "app/LineSource.h"

#include <istream>

namespace KestrinApp {

class StreamSource : public LineSource {
public:
    /// Reads from input and echoes to line; neither is owned and both must outlive the source.
    StreamSource(std::istream* input, CommandLine* line) : m_pInput(input), m_pLine(line) {}

    /// The next line, without a trailing "\r"; shown after the prompt.
    std::optional<std::wstring> ReadLine(const std::wstring& prompt) override;

private:
    std::istream* m_pInput;
    CommandLine* m_pLine;
};

} // namespace KestrinApp
