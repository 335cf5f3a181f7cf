// Kestrin host program: the answers a script (or the import flags) gives to what a command
// shows, and the parsing of script lines. A script line is a comment, a command, or an answer
// "KIND: ANSWER" (file, options, dialog, message, about); the syntax is explained in the
// program's --help (ScriptFormatHelp()).
#pragma once

#include "Runs/ImportFlags.h"

#include "HostUi/ScriptAction.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KestrinApp {

/*
Description:
  One answer.
Remarks:
  Action: a scripted UI action, given as it stands. Choices: the import options dialog's
  choices, turned into actions when the dialog is open and its controls can be read, then OK
  (bOk) or Cancel. AboutOk: closes an about box.
*/
struct ScriptAnswer {
    enum class Kind : std::uint8_t { Action, Choices, AboutOk };

    Kind kind = Kind::Action;
    KestrinHost::ScriptAction action = KestrinHost::ScriptAction::Ok();
    ImportChoices choices;
    bool bOk = true;
    std::wstring source; // the answer as written, for messages

    static ScriptAnswer FromAction(KestrinHost::ScriptAction action, std::wstring source);
    static ScriptAnswer FromChoices(const ImportChoices& choices, bool bOk, std::wstring source);
};

/// What a script line is.
enum class ScriptLineKind : std::uint8_t { Skip, Command, Answer, Invalid };

struct ScriptLine {
    ScriptLineKind kind = ScriptLineKind::Skip;
    std::wstring text;                 // Command: the command as typed
    std::vector<ScriptAnswer> answers; // Answer: one or more (a "dialog:" line gives several)
    std::wstring error;                // Invalid: what is wrong
};

/*
Description:
  Reads one script line.
Parameters:
  line - [in] the line, without its line break.
Returns:
  Skip for blank lines and comments (';' first), Answer for "KIND: ANSWER" with a known kind
  and a valid answer, Invalid (with the reason) for an answer that is not valid, Command for
  every other line.
*/
ScriptLine ParseScriptLine(const std::wstring& line);

} // namespace KestrinApp
