// Kestrin openNURBS-compatible geometry.
// ON_TextLog: where IsValid() explains what is wrong with an object. Text goes to a FILE (stdout
// by default); a derived class can override AppendText to collect it instead.
#pragma once

#include "opennurbs_defines.h"

#include <cstdio>

/* Description:
     A sink for diagnostic text with an indentation level.
   Remarks:
     Print() formats like printf. Each line that starts after a newline is indented by
     PushIndent() levels of four spaces.
*/
class ON_TextLog {
public:
    /* Description:
         Creates a log that writes to fp.
       Parameters:
         fp - [in] destination; nullptr means stdout.
    */
    explicit ON_TextLog(FILE* fp = nullptr);
    virtual ~ON_TextLog();

    ON_TextLog(const ON_TextLog&) = delete;
    ON_TextLog& operator=(const ON_TextLog&) = delete;

    /* Description:
         Formats the text like printf and appends it, indenting new lines.
    */
    void Print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    void PrintNewLine();
    void PushIndent();
    void PopIndent();

protected:
    /* Description:
         Receives every piece of formatted, indented text.
       Remarks:
         The default writes to the FILE given at construction.
    */
    virtual void AppendText(const char* s);

private:
    FILE* m_fp;       // never null
    int m_indent = 0; // >= 0, in levels
    bool m_bAtLineStart = true;
};
