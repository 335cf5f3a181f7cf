// Kestrin host interfaces.
// The drawing database as the module uses it: the database of the open drawing, object ids, and
// the model-space block table record that entities are appended to. An object opened through its
// id stays open until the last handle taken meanwhile is released, so the module keeps model space
// open only for the duration of one append.
#pragma once

#include "DbBlockTableRecord.h"
#include "DbDatabase.h"
#include "DbEntity.h"
#include "DbObjectId.h"

/* What the module relies on:

   OdDbObjectId OdDbDatabase::getModelSpaceId() const
     Description:
       The id of the model-space block table record.

   OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode openMode, bool openErasedOne) const
     Description:
       Opens the object; the module opens model space with kForWrite and erased objects not
       opened.
     Remarks:
       Raises OdError when the object cannot be opened.

   OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* pEntity)
     Description:
       Appends a new entity that belongs to no database.
     Returns:
       The entity's new id; a result equal to OdDbObjectId::kNull means the entity was not
       added.
     Remarks:
       May raise OdError. The record must be open for write.
*/
