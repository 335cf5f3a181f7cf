// Kestrin drawing toolkit.
// OdEdCommandStack: the host's registry of commands, obtained with odedRegCmds(). Commands are
// kept in the order they were added and found by global or local name regardless of letter case.
// The stack holds a counted reference to every command (uncounted commands, such as a module's
// OdStaticRxObject members, must be removed before their storage goes).
#pragma once

#include "Ed/EdCommand.h"
#include "RxIterator.h"

#include <vector>

/* Description:
     The command registry.
*/
class OdEdCommandStack : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdEdCommandStack);

    /* Description:
         Adds a command at the end.
       Parameters:
         pCommand - [in] the command; the stack adds a reference.
       Remarks:
         Raises OdError: eNullObjectPointer for null, eDuplicateKey when a command with the
         same group and global name is already there. Records the module set with
         setCurrentModule() as the command's module().
    */
    void addCommand(OdEdCommand* pCommand);

    /* Description:
         Finds a command by name.
       Parameters:
         commandName - [in] a global or local name, in any letter case.
       Returns:
         The first command (in order of adding) whose global name matches, else the first
         whose local name matches; empty when none.
    */
    OdEdCommandPtr lookupCmd(const OdString& commandName) const;

    /* Description:
         Removes the command with this group and global name (exact names); does nothing
         when there is none.
    */
    void removeCmd(const OdString& groupName, const OdString& globalName);

    /* Description:
         Removes every command of a group.
    */
    void removeGroup(const OdString& groupName);

    /* Description:
         Returns an iterator over the commands in order of adding.
    */
    OdRxIteratorPtr newIterator() const;

    unsigned int numCommands() const { return static_cast<unsigned int>(m_commands.size()); }

    /* Description:
         Sets the module whose commands are being added (the host sets it around a module's
         start; null otherwise).
    */
    void setCurrentModule(OdRxModule* pModule) { m_pCurrentModule = pModule; }

protected:
    OdEdCommandStack() = default;

private:
    std::vector<OdEdCommandPtr> m_commands; // in order of adding
    OdRxModule* m_pCurrentModule = nullptr;
};

typedef OdSmartPtr<OdEdCommandStack> OdEdCommandStackPtr;

/* Description:
     Returns the host's command stack.
   Returns:
     A counted reference; release it after use. The stack lives for the whole process.
*/
OdEdCommandStackPtr odedRegCmds();
