// Kestrin terminal UI: a dialog drawn into a grid of character cells, each with its look, then
// written to the terminal as lines with the terminal's attribute sequences. The frame is ASCII so
// that it shows on every terminal and in every encoding.
#pragma once

#include "DialogLayout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KestrinTerminalUi {

/// How a cell looks.
enum class CellLook : std::uint8_t { Normal, Focused, Disabled, Title };

/// Rows of cells.
class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return static_cast<int>(m_text.size()); }

    /// Writes text from a cell on; what does not fit the row is cut.
    void Put(int column, int row, const std::wstring& text, CellLook look = CellLook::Normal);

    /// The characters of one row.
    const std::wstring& RowText(int row) const { return m_text.at(row); }

    /// One row with the terminal's attribute sequences (reverse video, faint, bold), ending
    /// with the attributes reset.
    std::wstring RowForTerminal(int row) const;

private:
    int m_width;
    std::vector<std::wstring> m_text;           // m_width characters per row
    std::vector<std::vector<CellLook>> m_looks; // the same shape
};

/*
Description:
  Draws a dialog with its frame and caption.
Parameters:
  caption  - [in] the title.
  layout   - [in] the controls' cells (LayOutDialog).
  controls - [in] the controls' current states, in the layout's order.
  focus    - [in] index of the focused control, -1 for none.
Returns:
  A canvas two columns and two rows larger than the client area (the frame).
*/
Canvas DrawDialog(const std::wstring& caption, const DialogLayout& layout,
                  const std::vector<KestrinUi::ControlState>& controls, int focus);

/// The text drawn for one control in its width ("(*) Mesh", "[x] ...", "[Lines        v]").
std::wstring ControlText(const KestrinUi::ControlState& control, int width);

} // namespace KestrinTerminalUi
