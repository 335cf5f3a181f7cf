// Kestrin drawing toolkit (private).
// AtomicFile: a file written under a temporary name in the folder of its final path and renamed
// into place only when complete and flushed to disk. Until commit() succeeds, the final path
// keeps whatever it held; a file that is not committed is removed.
#pragma once

#include <KestrinPosix/UniqueFd.h>

#include "OdResult.h"
#include "OdString.h"

#include <string>

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /* Description:
         Creates the temporary file beside path.
       Returns:
         eOk, or the failure (with reason()).
    */
    OdResult open(const std::string& path);

    /* Description:
         The descriptor to write to, while open.
    */
    int fd() const { return m_fd.Get(); }

    /* Description:
         Flushes the file to disk, closes it and renames it to the final path.
       Returns:
         eOk, or the failure (with reason()); the temporary file is then removed.
    */
    OdResult commit();

    /* Description:
         Records a failure that happened while writing (an errno), for the caller's report.
    */
    OdResult fail(int errorNumber, const char* what);

    const OdString& reason() const { return m_reason; }

private:
    void discard();

    std::string m_path;     // the final path
    std::string m_tempPath; // where it is written until commit()
    kposix::UniqueFd m_fd;  // the temporary file, while open
    OdString m_reason;
};
