// Kestrin terminal UI: a block of lines drawn below the command line and redrawn in place after
// every key, by moving the cursor back up over it; rows left over from a taller drawing are
// erased.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace KestrinTerminalUi {

class InPlaceDrawing {
public:
    /// Draws on output (not owned), hiding the cursor until Finish().
    explicit InPlaceDrawing(std::FILE* output);
    /// Finishes if Finish() was not called.
    ~InPlaceDrawing();
    InPlaceDrawing(const InPlaceDrawing&) = delete;
    InPlaceDrawing& operator=(const InPlaceDrawing&) = delete;

    /// Draws the rows over the ones drawn before (rows may hold attribute sequences); each row
    /// must fit the terminal's width.
    void Draw(const std::vector<std::wstring>& rows);

    /// After the window changed its size, where the rows drawn stand is unknown (the terminal
    /// may have rewrapped them): clears the screen, and the next Draw() starts at its top.
    void StartAfresh();

    /// Leaves the last drawing on the screen, ends its line and shows the cursor again.
    void Finish();

private:
    std::FILE* m_output;
    int m_rowsDrawn = 0;
    bool m_bFinished = false;
};

/// Writes wide text to a terminal as UTF-8.
void WriteTerminalText(std::FILE* output, const std::wstring& text);

} // namespace KestrinTerminalUi
