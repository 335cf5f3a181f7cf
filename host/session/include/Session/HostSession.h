// Kestrin host program: one host session: the current drawing, the command line, the commands of
// the host function layer's table (the host's own, which CommandSession registers) and the
// module commands of the toolkit's command stack. Typed lines are run here: a
// host command (the host function layer's command table) when one has the name, else a command of
// the command stack found by global or local name. Whatever leaves a command by exception is
// reported on the command line and the session goes on with the drawing as it was. A file that a
// command asked the desktop to show and no program could show is named after the command ends.
#pragma once

#include "Session/CommandLine.h"
#include "Session/LineSource.h"

#include "DbDatabase.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KestrinApp {

/// How a typed line ended.
enum class CommandOutcome : std::uint8_t {
    Empty,   // a blank line: nothing ran
    Done,    // the command ran to its end
    Failed,  // the command reported a failure or raised an exception
    Unknown, // no command has the name
};

class HostSession {
public:
    /*
    Description:
      Starts a session with a new empty drawing and the host commands registered.
    Parameters:
      commandLine - [in] where messages go; must outlive the session.
    Remarks:
      The host's messages (a menu file that does not load) are routed to the command line for
      the session's lifetime.
    */
    explicit HostSession(CommandLine* commandLine);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    CommandLine& Line() const { return *m_pLine; }

    /// The current drawing; null when it was closed.
    OdDbDatabase* Drawing() const { return m_pDrawing.get(); }

    /// Replaces the current drawing by a new empty one, named Drawing1, Drawing2, ... in turn.
    void NewDrawing();

    /// Closes the current drawing: commands then run without one.
    void CloseDrawing() { m_pDrawing.release(); }

    /// The current drawing's name: the file it was last saved to, or DrawingN while it is new.
    const std::wstring& DrawingName() const { return m_drawingName; }

    /// true once the current drawing was saved: its name is then its file.
    bool HasFile() const { return m_bHasFile; }

    /// true when a drawing is open and objects were added to it since it was made or saved.
    bool HasUnsavedChanges() const;

    /// Records that the current drawing was saved to path, which becomes its name.
    void DrawingSaved(const std::wstring& path);

    /*
    Description:
      Runs one typed line.
    Parameters:
      line - [in] the command name and its argument, as typed.
    Returns:
      How it ended; an exception never leaves.
    Remarks:
      The command line is marked before the command runs, so TextSinceMark() afterwards holds
      everything the command showed.
    */
    CommandOutcome Execute(const std::wstring& line);

    /// Where commands read the answers they ask for; null (no answers) by default.
    void SetAnswerSource(LineSource* source) { m_pAnswers = source; }

    /*
    Description:
      Asks for an answer that a command needs (a file name).
    Parameters:
      prompt - [in] the question.
    Returns:
      The answer, trimmed; the end of input when no source is set. A cancelled answer has
      been reported ("*Cancel*") on the command line.
    */
    InputLine Ask(const std::wstring& prompt);

    /// Ends the session after the current command (QUIT).
    void RequestQuit() { m_bQuit = true; }
    bool QuitRequested() const { return m_bQuit; }

private:
    CommandOutcome RunModuleCommand(const std::wstring& name);

    CommandLine* m_pLine;
    LineSource* m_pAnswers = nullptr;
    OdDbDatabasePtr m_pDrawing;
    std::wstring m_drawingName;
    bool m_bHasFile = false;    // m_drawingName is the file the drawing was saved to
    OdDbHandle m_savedHandseed; // the drawing's handle seed when it was made or last saved
    int m_nNewDrawings = 0;     // drawings made so far, for their names
    std::vector<std::wstring> m_unshownFiles; // during a module command: files not shown
    bool m_bQuit = false;
};

} // namespace KestrinApp
