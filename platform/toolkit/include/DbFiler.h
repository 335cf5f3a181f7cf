// Kestrin drawing toolkit.
// OdDbDxfFiler: what database objects write their DXF group codes to. An object names each group
// code once, in its dxfOutFields(); the filer does all formatting (numbers that read back
// exactly, angles turned from radians to degrees, handles in hexadecimal).
#pragma once

#include "DbHandle.h"
#include "Ge/GePoint3d.h"
#include "Ge/GeVector3d.h"

class OdDbObject;

/* Description:
     Receiver of DXF group codes.
*/
class OdDbDxfFiler {
public:
    virtual ~OdDbDxfFiler() = default;

    /* Description:
         Writes a string value; text must be one line of terminated ASCII or UTF-8.
    */
    virtual void wrString(int groupCode, const char* text) = 0;

    /* Description:
         Writes a subclass marker (group 100).
    */
    void wrSubclassMarker(const char* subclassName) { wrString(kSubclassMarkerCode, subclassName); }

    virtual void wrInt16(int groupCode, OdInt16 value) = 0;
    virtual void wrInt32(int groupCode, OdInt32 value) = 0;
    virtual void wrDouble(int groupCode, double value) = 0;

    /* Description:
         Writes an angle given in radians, in degrees.
    */
    virtual void wrAngle(int groupCode, double radians) = 0;

    /* Description:
         Writes x, y and z under groupCode, groupCode + 10 and groupCode + 20.
    */
    virtual void wrPoint3d(int groupCode, const OdGePoint3d& point) = 0;
    virtual void wrVector3d(int groupCode, const OdGeVector3d& vector) = 0;

    virtual void wrHandle(int groupCode, OdDbHandle handle) = 0;

    /* Description:
         Writes a complete record for an owned object: its type name, handle, owner's handle,
         then the object's own fields.
    */
    virtual void wrObject(const OdDbObject* pObject) = 0;

    /* Description:
         Writes the end-of-sequence record (SEQEND) that closes the owned records of a polyline.
    */
    virtual void wrSequenceEnd(OdDbHandle handle, OdDbHandle ownerHandle) = 0;

    static constexpr int kSubclassMarkerCode = 100;
};
