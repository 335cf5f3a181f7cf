// Kestrin entity conversion.
// Appending entities to model space, appending polyline vertices, and the module-wide failure
// text. Model space is opened for write around each single append and released before returning,
// so no record stays open between two objects of an import.
#include "KestrinConvert/EntityCreation.h"

#include "ConversionFailure.h"

namespace {

// What the failure text says when the toolkit gives the null id for an appended entity.
const OdChar* const kAppendFailedText = L"Unable to add object to database";

OdString& FailureText() {
    // The module runs on the host's command thread only; the text needs no guard.
    static OdString s_text;
    return s_text;
}

} // namespace

void RecordConversionFailure(const OdError& error) {
    FailureText() = error.description();
}

void RecordConversionFailure(const OdString& text) {
    FailureText() = text;
}

const OdString& LastConversionFailure() {
    return FailureText();
}

void ClearConversionFailure() {
    FailureText() = OdString();
}

bool AppendToModelSpace(OdDbDatabasePtr pDatabase, OdDbEntityPtr pEntity) {
    try {
        if (pDatabase.isNull()) {
            throw OdError(eNullObjectPointer);
        }
        OdDbBlockTableRecordPtr pModelSpace =
            pDatabase->getModelSpaceId().safeOpenObject(OdDb::kForWrite, false);
        const OdDbObjectId entityId = pModelSpace->appendOdDbEntity(pEntity);
        if (entityId == OdDbObjectId::kNull) {
            RecordConversionFailure(OdString(kAppendFailedText));
            return false;
        }
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AppendPolylineVertex(OdDb3dPolylinePtr pPolyline, const OdGePoint3d& point) {
    OdDb3dPolylineVertexPtr pVertex = CreateEntity<OdDb3dPolylineVertex>();
    pVertex->setPosition(point);
    pPolyline->appendVertex(pVertex);
    return true;
}
