// Kestrin Windows API stand-in.
// The per-thread last error code.
#include <libloaderapi.h>

namespace {

thread_local DWORD t_lastError = ERROR_SUCCESS; // set by the calls that fail

} // namespace

DWORD WINAPI GetLastError() { return t_lastError; }

void WINAPI SetLastError(DWORD dwErrCode) { t_lastError = dwErrCode; }
