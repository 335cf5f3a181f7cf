// Kestrin terminal UI: drawing in place with the terminal's cursor movement sequences.
#include "InPlaceDrawing.h"

#include "KestrinPosix/FileNameText.h"

namespace KestrinTerminalUi {

namespace {
constexpr const char* kHideCursor = "\033[?25l";
constexpr const char* kShowCursor = "\033[?25h";
constexpr const char* kEraseToLineEnd = "\033[K";
constexpr const char* kEraseBelow = "\033[J"; // rows left over from a taller drawing
} // namespace

void WriteTerminalText(std::FILE* output, const std::wstring& text) {
    const std::string bytes = kposix::ToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), output);
}

InPlaceDrawing::InPlaceDrawing(std::FILE* output) : m_output(output) {
    std::fputs(kHideCursor, m_output);
}

InPlaceDrawing::~InPlaceDrawing() {
    Finish();
}

void InPlaceDrawing::Draw(const std::vector<std::wstring>& rows) {
    if (m_rowsDrawn > 1) {
        std::fprintf(m_output, "\r\033[%dA", m_rowsDrawn - 1); // back to the block's first row
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::fputs("\r", m_output);
        WriteTerminalText(m_output, rows[i]);
        std::fputs(kEraseToLineEnd, m_output);
        if (i + 1 < rows.size()) {
            std::fputs("\n", m_output);
        }
    }
    std::fputs(kEraseBelow, m_output);
    m_rowsDrawn = static_cast<int>(rows.size());
    std::fflush(m_output);
}

void InPlaceDrawing::StartAfresh() {
    std::fputs("\033[H\033[2J", m_output); // cursor home, erase the screen
    m_rowsDrawn = 0;
}

void InPlaceDrawing::Finish() {
    if (m_bFinished) {
        return;
    }
    m_bFinished = true;
    if (m_rowsDrawn > 0) {
        std::fputs("\n", m_output);
    }
    std::fputs(kShowCursor, m_output);
    std::fflush(m_output);
}

} // namespace KestrinTerminalUi
