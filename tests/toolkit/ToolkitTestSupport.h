// Kestrin toolkit tests: shared helpers. A database with an entity appended the way a module
// does it (model space opened for write, closed again), and point comparison.
#pragma once

#include "DbDatabase.h"
#include "Ge/GePoint3d.h"

#include <gtest/gtest.h>

namespace toolkit_test {

inline OdDbDatabasePtr NewDatabase() {
    return OdDbDatabase::createObject();
}

/* Appends pEntity to model space; model space is closed again on return. */
inline OdDbObjectId AppendToModelSpace(OdDbDatabase* pDb, OdDbEntity* pEntity) {
    OdDbBlockTableRecordPtr pMs = pDb->getModelSpaceId().safeOpenObject(OdDb::kForWrite);
    return pMs->appendOdDbEntity(pEntity);
}

inline void ExpectPointEq(const OdGePoint3d& actual, const OdGePoint3d& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

/* Runs f and expects an OdError with the given code. */
template <class F> void ExpectOdError(OdResult code, F f) {
    try {
        f();
        ADD_FAILURE() << "no OdError raised";
    } catch (const OdError& error) {
        EXPECT_EQ(error.code(), code) << odStringToUtf8(error.description());
    }
}

} // namespace toolkit_test
