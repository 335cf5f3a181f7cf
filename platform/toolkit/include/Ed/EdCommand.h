// Kestrin drawing toolkit.
// OdEdCommand: a command that a module adds to the host's command stack. The host runs execute()
// when the user enters the command's global or local name.
#pragma once

#include "Ed/EdCommandContext.h"
#include "RxModule.h"

/* Description:
     A command.
   Remarks:
     Virtual operations after those of OdRxObject, in slot order: groupName, globalName,
     localName, execute, module, undefine, flags.
*/
class OdEdCommand : public OdRxObject {
public:
    ODRX_DECLARE_MEMBERS(OdEdCommand);

    /* Description:
         Command flags.
    */
    enum {
        kModal = 0x00000000,       // runs on its own, not inside another command
        kTransparent = 0x00000001, // may run while another command waits for input
        kUsePickSet = 0x00000002,  // uses the current selection
        kRedraw = 0x00000004,      // redraws when done
    };

    /* Description:
         The flags a command has unless it overrides flags().
    */
    static constexpr OdInt32 kDefaultFlags = kModal;

    ~OdEdCommand() override = default;

    /* Description:
         Returns the name of the command's group.
    */
    virtual const OdString groupName() const = 0;

    /* Description:
         Returns the language-independent name.
    */
    virtual const OdString globalName() const = 0;

    /* Description:
         Returns the name in the user's language; by default the global name.
    */
    virtual const OdString localName() const;

    /* Description:
         Runs the command.
       Parameters:
         pCommandContext - [in] the host's context for this run.
    */
    virtual void execute(OdEdCommandContext* pCommandContext) = 0;

    /* Description:
         Returns the module that defined the command, as recorded when it was added to the
         command stack; null when unknown.
    */
    virtual OdRxModule* module() const;

    /* Description:
         Marks the command undefined (the host then does not run it by name) or defined again.
    */
    virtual void undefine(bool undefineIt);

    /* Description:
         Returns the command's flags; kDefaultFlags by default.
    */
    virtual OdInt32 flags() const;

    /* Description:
         Tells whether undefine(true) was called last.
    */
    bool isUndefined() const { return m_bUndefined; }

protected:
    OdEdCommand() = default;

private:
    friend class OdEdCommandStack;
    OdRxModule* m_pModule = nullptr; // recorded by the command stack
    bool m_bUndefined = false;
};

typedef OdSmartPtr<OdEdCommand> OdEdCommandPtr;
