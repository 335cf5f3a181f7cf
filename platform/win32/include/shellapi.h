// Kestrin Windows stand-in.
// ShellExecuteW: hands a file to the desktop's opener. "open" (or the default verb) starts the
// opener as a process of its own with the file as its one argument, never through a shell.
#pragma once

#include "windef.h"

#include <functional>
#include <string>

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5

// Results of 32 or less are failures, as on the target.
#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_NOASSOC 31

/// The environment variable that names the opener command instead of "xdg-open" (tests set it).
#define KESTRIN_OPENER_ENV "KESTRIN_OPENER"

/* Description:
     Opens a file with the program the desktop associates with it.
   Parameters:
     hwnd         - [in] owner of any message the opener shows; not used here.
     lpOperation  - [in] "open", or null for the default verb (open); other verbs are refused.
     lpFile       - [in] the file.
     lpParameters - [in] arguments for a program; a document takes none, so they are not used.
     lpDirectory  - [in] working folder of the opener; null for the current one.
     nShowCmd     - [in] SW_SHOW, ...; not used here.
   Returns:
     A value greater than 32 when the opener was started and accepted the file; otherwise
     SE_ERR_FNF (the file does not exist), SE_ERR_ACCESSDENIED (it cannot be read), SE_ERR_NOASSOC
     (no opener, an unsupported verb, or the opener refused the file) or SE_ERR_OOM.
   Remarks:
     The opener is $KESTRIN_OPENER, else "xdg-open", found on PATH and started with posix_spawnp
     with exactly one argument: the file's absolute path (a relative lpFile is taken from
     lpDirectory, else the current folder). The desktop opener chooses by file name extension; a
     file that holds HTML under another extension (the help file, .chm) is therefore handed over
     as a copy named <file name>.html in the user's cache folder ($XDG_CACHE_HOME or ~/.cache,
     "kestrin/"), so that it opens in the browser. The call waits a few seconds for the opener's
     verdict; an opener still running then has started the desktop program and counts as success.
     What the opener prints (its complaints) is discarded: it does not belong on the host's
     terminal. When the opener cannot be started or refuses the file, the handler set with
     KestrinWin32::SetOpenerFailureHandler() is told which file it was given.
*/
HINSTANCE WINAPI ShellExecuteW(HWND hwnd, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters,
                               LPCWSTR lpDirectory, INT nShowCmd);

namespace KestrinWin32 {

/// Told the file (UTF-8, absolute) that no opener could show; see ShellExecuteW.
using OpenerFailureHandler = std::function<void(const std::string& file)>;

/// Sets the handler (the host tells its user where the file is); an empty one is the default.
void SetOpenerFailureHandler(OpenerFailureHandler handler);

} // namespace KestrinWin32
