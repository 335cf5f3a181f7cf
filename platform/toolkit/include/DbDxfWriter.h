// Kestrin drawing toolkit.
// Saving a database as an ASCII DXF file (R2000, AC1015). The file is streamed (memory does not
// grow with its size) and saved atomically: it is written beside its final name, flushed to disk
// and renamed into place, so the path holds either the complete new file or whatever it held
// before.
#pragma once

#include "DbDatabase.h"

#include <string>

/* Description:
     Outcome of a save.
*/
struct OdDbDxfSaveStatus {
    OdResult result = eOk; // eOk on success
    OdString reason;       // why the save failed (path and system text); empty on success
    unsigned int skippedEntities = 0; // entities a file cannot carry (a spline without curve data)

    bool ok() const { return result == eOk; }
};

/* Description:
     Saves a database as DXF R2000.
   Parameters:
     database - [in] the drawing; model-space entities are written in their order, each with
                its handle and owner. Nothing is opened or changed.
     path     - [in] the file to write (UTF-8). Its folder must exist.
   Returns:
     eOk, or eFileNotFound (no such folder), eFileAccessErr (no permission), eDiskFull, or
     eFileWriteError, with the reason. On failure the file at path is as it was before.
   Remarks:
     Entities that no file can carry are left out and counted in skippedEntities. Numbers are
     written in the shortest form that reads back to the same double, independent of locale.
*/
OdDbDxfSaveStatus odDbSaveAsDxf(const OdDbDatabase& database, const std::string& path);
