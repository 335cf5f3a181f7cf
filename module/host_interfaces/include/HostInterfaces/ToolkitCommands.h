// Kestrin host interfaces.
// Commands as the host runs them: the host's command stack, the command objects a module adds to
// it, and the context a command's execute() receives, which gives the open drawing's database and
// the command line. Every counted reference the module takes here is released on every way out.
#pragma once

#include "DbCommandContext.h"
#include "DbUserIO.h"
#include "Ed/EdCommand.h"
#include "Ed/EdCommandContext.h"
#include "Ed/EdCommandStack.h"
#include "Ed/EdUserIO.h"
#include "StaticRxObject.h"

/* What the module relies on:

   OdEdCommandStackPtr odedRegCmds()
     Description:
       The host's command stack; the module adds its commands by group and removes them by group
       and global name.

   OdDbCommandContextPtr(pContext)
     Description:
       The command context as a drawing context (a typed conversion that raises
       OdError_NotThatKindOfClass when it is not one).

   OdDbDatabase* OdDbCommandContext::database()
     Description:
       The open drawing's database.

   OdDbUserIOPtr OdDbCommandContext::dbUserIO()
     Description:
       The command line as a drawing user I/O; putString() writes one text on it.
*/
