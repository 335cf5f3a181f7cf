// Kestrin host program: the question before a drawing with unsaved changes goes away (QUIT, the
// end key, NEW, CLOSE): "Save changes to NAME?" with Yes (save as SAVEAS does, then go on), No
// (go on) and Cancel (stay). Input that ends while changes are unsaved says so.
#pragma once

namespace KestrinApp {

class HostSession;

/*
Description:
  Asks what to do with the current drawing's unsaved changes, when it has any.
Parameters:
  session - [in] the session whose drawing is about to go.
Returns:
  true when the caller may go on: nothing was unsaved, the drawing was saved, or the user said
  No. false, with "*Cancel*" or the reason the save did not happen on the command line, when
  the user cancelled.
*/
bool SettleUnsavedChanges(HostSession* session);

/*
Description:
  Says on the command line that the input ended with the current drawing's changes unsaved.
Returns:
  true when it had unsaved changes (they are lost).
*/
bool ReportUnsavedAtEnd(HostSession* session);

} // namespace KestrinApp
