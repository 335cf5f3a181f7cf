// Kestrin terminal UI: where a dialog's controls stand in the terminal. A dialog unit is a
// quarter of the dialog font's average character width horizontally and an eighth of its height
// vertically, so one text row is 8 units. A terminal cell is wider than an average character of
// a proportional font relative to its text, so the horizontal scale is chosen per dialog: as many
// units per cell as lets every control's text fit its own width, between two and four.
#pragma once

#include "HostUi/ControlText.h"
#include "KestrinUi/DialogSession.h"

#include <string>
#include <vector>

namespace KestrinTerminalUi {

using KestrinHost::DisplayText;

/// Dialog units per terminal row: the height of the dialog font.
constexpr int kDialogUnitsPerRow = 8;
/// The most and fewest dialog units per terminal column (4 is one average character).
constexpr double kMaxDialogUnitsPerColumn = 4.0;
constexpr double kMinDialogUnitsPerColumn = 2.0;
/// The height of a closed combo box in dialog units; a template's height includes its list.
constexpr int kClosedComboHeight = 12;

/// A control's place in the dialog's client area, in cells from its top left.
struct CellRect {
    int column;
    int row;
    int width; // >= 1
};

/// The cells of one dialog.
struct DialogLayout {
    int width;  // columns of the client area
    int height; // rows of the client area
    double unitsPerColumn;
    std::vector<CellRect> cells; // one per control, in the order given
};

/// The cells a control needs besides its text (check mark, radio mark, button brackets, list
/// arrow); its text follows.
int DecorationWidth(KestrinUi::ControlKind kind);

/*
Description:
  Lays out a dialog.
Parameters:
  clientSize - [in] the dialog's size in dialog units (width in cx, height in cy).
  controls   - [in] the controls with their template positions.
Returns:
  The layout. Each control's row is the row its vertical middle falls in, so controls that
  stand side by side in the template share a row.
*/
DialogLayout LayOutDialog(const KestrinUi::DialogRect& clientSize,
                          const std::vector<KestrinUi::ControlState>& controls);

/*
Description:
  The one line shown instead of a dialog that does not fit the window.
Parameters:
  caption - [in] the dialog's caption.
  width   - [in] the columns the dialog needs.
  height  - [in] the rows the dialog needs.
  columns - [in] the window's width; rows - [in] its height (0 when unknown).
Returns:
  The longest of a few wordings, from the caption with both sizes down to the size needed,
  that fits in columns - 1; cut to that only when none does.
*/
std::wstring TooSmallLine(const std::wstring& caption, int width, int height, int columns,
                          int rows);

} // namespace KestrinTerminalUi
