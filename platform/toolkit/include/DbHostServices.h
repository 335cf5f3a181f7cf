// Kestrin drawing toolkit.
// The concrete command contexts and user I/O that a host creates for each command run: a drawing
// context over a database, a plain (non-drawing) context, and user I/O objects whose output goes
// to a function the host gives (its command line). Modules never create these.
#pragma once

#include "DbCommandContext.h"

#include <functional>

/* Description:
     Receives the text that a command writes to the command line.
*/
typedef std::function<void(const OdString&)> OdUserIOOutput;

/* Description:
     Creates a drawing user I/O.
   Parameters:
     output - [in] called with every string that putString() receives.
*/
OdDbUserIOPtr odDbCreateUserIO(OdUserIOOutput output);

/* Description:
     Creates a user I/O that is not a drawing user I/O.
*/
OdEdUserIOPtr odEdCreateUserIO(OdUserIOOutput output);

/* Description:
     Creates the context of a drawing command.
   Parameters:
     pDatabase - [in] the drawing; the context holds a reference.
     pUserIO   - [in] its command line; the context holds a reference.
*/
OdDbCommandContextPtr odDbCreateCommandContext(OdDbDatabase* pDatabase, OdEdUserIO* pUserIO);

/* Description:
     Creates a command context without a drawing (it is not an OdDbCommandContext).
*/
OdEdCommandContextPtr odEdCreateCommandContext(OdEdUserIO* pUserIO);
