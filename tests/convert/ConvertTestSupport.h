// Kestrin conversion tests: shared helpers. A fixture with a fresh drawing, the toolkit's fault
// switches off again after each test and an empty failure text; readers of what model space
// holds; exact point comparison (conversion never rounds).
#pragma once

#include "KestrinConvert/EntityCreation.h"

#include <ToolkitTestHooks.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace convert_test {

class ConvertTest : public ::testing::Test {
protected:
    ConvertTest() {
        OdToolkitTestHooks::reset();
        ClearConversionFailure();
    }

    // The model-space entities in append order. Opens model space for read and closes it again.
    std::vector<OdDbEntityPtr> Entities() const {
        OdDbBlockTableRecordPtr pModelSpace =
            m_pDb->getModelSpaceId().safeOpenObject(OdDb::kForRead);
        std::vector<OdDbEntityPtr> entities;
        for (unsigned int i = 0; i < pModelSpace->numEntities(); ++i) {
            entities.emplace_back(pModelSpace->entityAt(i));
        }
        return entities;
    }

    // The number of model-space entities of class T.
    template <class T> int CountOf() const {
        int count = 0;
        for (const OdDbEntityPtr& pEntity : Entities()) {
            count += pEntity->isKindOf(T::desc()) ? 1 : 0;
        }
        return count;
    }

    // The only model-space entity, which must be a T. Otherwise the test fails with an
    // exception, so that callers can use the result directly.
    template <class T> OdSmartPtr<T> OnlyEntity() const {
        const std::vector<OdDbEntityPtr> entities = Entities();
        if (entities.size() != 1) {
            throw std::runtime_error("model space holds " + std::to_string(entities.size()) +
                                     " entities, not 1");
        }
        return OdSmartPtr<T>(entities.front()); // raises for an entity of another class
    }

    // Model space is closed once an operation has returned.
    void ExpectModelSpaceClosed() const {
        EXPECT_EQ(OdToolkitTestHooks::openMode(m_pDb->getModelSpaceId()), OdDb::kNotOpen);
    }

    std::string FailureText() const { return odStringToUtf8(LastConversionFailure()); }

    OdToolkitTestHooks::Scope m_hooks; // every fault switch off again when the test ends
    OdDbDatabasePtr m_pDb = OdDbDatabase::createObject();
};

inline void ExpectPointEq(const OdGePoint3d& actual, const OdGePoint3d& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

inline void ExpectPointNear(const OdGePoint3d& actual, const OdGePoint3d& expected, double tol) {
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}

inline void ExpectVectorEq(const OdGeVector3d& actual, const OdGeVector3d& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

} // namespace convert_test
