// Kestrin import.
// Formatting goes through the framework's string, which applies the target's wide printf rules,
// and reaches the command line as the toolkit's string.
#include "CommandLineOutput.h"

#include <afxstr.h>

#include <cstdarg>

void PrintToCommandLine(OdDbUserIO* pUserIO, const wchar_t* format, ...) {
    CString message;
    va_list args;
    va_start(args, format);
    message.FormatV(format, args);
    va_end(args);
    pUserIO->putString(OdString(message.GetString()));
}
