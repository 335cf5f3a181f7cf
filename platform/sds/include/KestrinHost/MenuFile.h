// Kestrin host stand-in: menu files in the classic .mnu text format and the menu group they define.
// A file defines one group ("***MENUGROUP=<name>") and its pull-down menus, one per "***POP<n>"
// section: an optional alias line "**<alias>", the title as the first item, then the items.
// An item is an optional name tag, a label in brackets and the macro that follows it:
//     ID_Import [&Import STEP file...]^C^CKestrin
// "[--]" is a separator; a macro ending in "+" continues on the next line. Lines starting with
// "//" are comments. Other sections (buttons, screen, toolbars, help strings...) are skipped.
// Cascading sub-menus ("[->...]", "[<-...]") are not supported and make the file fail to load.
#pragma once

#include <string>
#include <vector>

namespace KestrinHost {

/// One entry of a pull-down menu: its title or one of its items.
struct MenuItem {
    std::wstring nameTag; // the identifier written before the label; empty when none
    std::wstring label;   // as written between the brackets, with its '&' mnemonic markers
    std::wstring macro;   // the text after the label, continuation lines joined; may be empty

    /// true for the separator "[--]".
    bool IsSeparator() const;

    /// The label as shown: each '&' marker removed, "&&" shown as one '&'.
    std::wstring DisplayLabel() const;
};

/// One pull-down menu: a "***POP<n>" section.
struct PullDownMenu {
    std::wstring section;        // the section name as written, "POP1"
    std::wstring alias;          // from the "**<alias>" line; empty when none
    MenuItem title;              // the first item of the section
    std::vector<MenuItem> items; // the items below the title, in file order

    /// true when name equals the section name or the alias, case-insensitively.
    bool IsNamed(const std::wstring& name) const;
};

/// A menu group: the contents of one menu file.
struct MenuGroup {
    std::wstring name;                   // from "***MENUGROUP="
    std::wstring sourcePath;             // the file it was read from; empty for text
    std::vector<PullDownMenu> pullDowns; // in file order

    /// The pull-down called name (section or alias, case-insensitive), or null.
    const PullDownMenu* FindPullDown(const std::wstring& name) const;
};

/// Why a menu file did not load.
enum class MenuFileStatus : int {
    Ok = 0,
    CannotOpen,         // the file could not be opened or read
    MissingMenuGroup,   // no "***MENUGROUP=" line, or one with an empty name
    SecondMenuGroup,    // a second "***MENUGROUP=" line
    DuplicateSection,   // the same "***POP<n>" section twice
    ItemWithoutLabel,   // a line in a pull-down that is not "[label]macro"
    UnclosedLabel,      // a '[' without its ']'
    CascadeUnsupported, // a "->" or "<-" cascading label
    MissingTitle,       // a "***POP<n>" section with no title
};

/// The text of a status, for messages.
const wchar_t* MenuFileStatusText(MenuFileStatus status);

/// The outcome of reading a menu file.
struct MenuFileResult {
    MenuFileStatus status = MenuFileStatus::Ok;
    int line = 0;    // the 1-based line where reading failed; 0 when not tied to a line
    MenuGroup group; // the group read; meaningful only when status is Ok
};

/*
Description:
  Reads a menu group from menu file text.
Parameters:
  text - [in] the whole file, lines separated by "\n" or "\r\n".
Returns:
  The group, or the status and line of the first fault.
*/
MenuFileResult ParseMenuText(const std::wstring& text);

/*
Description:
  Reads a menu group from a menu file.
Parameters:
  path - [in] the file's path; the file is UTF-8, with or without a byte order mark.
Returns:
  As ParseMenuText, with group.sourcePath set; MenuFileStatus::CannotOpen when the file cannot
  be read.
Remarks:
  Bytes that are not valid UTF-8 are read as U+FFFD.
*/
MenuFileResult ReadMenuFile(const std::wstring& path);

} // namespace KestrinHost
