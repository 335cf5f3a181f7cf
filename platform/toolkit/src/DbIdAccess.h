// Kestrin drawing toolkit (private).
// Direct access from an id to its object, for the toolkit's own readers (the file writer, the
// test switches) that must look at objects without opening them, and so without changing their
// open state.
#pragma once

#include "DbObjectId.h"

class OdDbIdAccess {
public:
    static OdDbObject* object(const OdDbObjectId& id) { return id.m_pObject; }
    static OdDbObjectId idOf(OdDbObject* pObject) { return OdDbObjectId(pObject); }
};
