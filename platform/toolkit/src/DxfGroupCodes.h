// Kestrin drawing toolkit (private).
// The DXF group codes that several writers put out with one meaning: the start of every record
// (type, handle, owner), an entity's layer, points, flags and the polyline's "entities follow".
// A code whose meaning belongs to one kind of record (a circle's radius, a spline's knot count)
// is named in that record's own table, next to where it is written. The subclass marker's code
// is OdDbDxfFiler's.
#pragma once

namespace odtk::dxf {

// The start of every record.
constexpr int kRecordTypeCode = 0; // the type name; also SECTION, ENDSEC, TABLE, ENDTAB and EOF
constexpr int kHandleCode = 5;     // the record's own handle (DIMSTYLE records use 105); $HANDSEED
constexpr int kOwnerCode = 330;    // the owning record's handle, 0 for none

constexpr int kLayerCode = 8; // an entity's layer name

constexpr int kPointCode = 10;      // x of a record's first point
constexpr int kCoordinateStep = 10; // a point's y code is its x code + 10, its z code + 20

constexpr int kFlagsCode = 70;          // a record's bit flags
constexpr int kEntitiesFollowCode = 66; // 1 on a POLYLINE: VERTEX records and a SEQEND follow

} // namespace odtk::dxf
