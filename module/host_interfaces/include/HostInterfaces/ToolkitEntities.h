// Kestrin host interfaces.
// The entity classes the module creates and the setters it calls on them. Entities are made
// through their class descriptors, filled while they belong to no database, and appended to model
// space once they are complete; vertices and face records are appended to their polyline or
// polyface mesh before that. Only geometry is set: every other property keeps the toolkit's
// default for a new entity. Any setter may raise OdError when it refuses a value.
#pragma once

#include "Db3dPolyline.h"
#include "Db3dPolylineVertex.h"
#include "DbArc.h"
#include "DbCircle.h"
#include "DbFace.h"
#include "DbFaceRecord.h"
#include "DbLine.h"
#include "DbPoint.h"
#include "DbPolyFaceMesh.h"
#include "DbPolyFaceMeshVertex.h"
#include "DbSpline.h"

/* What the module relies on (each may raise OdError):

   OdDbPoint::setPosition(point)
   OdDbLine::setStartPoint(point), OdDbLine::setEndPoint(point)
   OdDbCircle::setCenter(point), setRadius(radius), setNormal(normal)
     Remarks:
       The circle's normal is handed over as the translator gave it, not normalized.
   OdDbArc::setCenter(point), setNormal(normal), setRadius(radius), setStartAngle(angle),
   OdDbArc::setEndAngle(angle)
     Remarks:
       Angles in radians about the normal, from the x axis of the arbitrary axis rule.
   OdDbSpline::setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights,
                            controlPtTol, knotTol)
     Remarks:
       knots holds controlPoints + degree + 1 values.
   OdDb3dPolylineVertex::setPosition(point)
   OdDb3dPolyline::appendVertex(vertex), OdDb3dPolyline::makeClosed()
   OdDbPolyFaceMeshVertex::setPosition(point)
   OdDbPolyFaceMesh::appendVertex(vertex), OdDbPolyFaceMesh::appendFaceRecord(faceRecord)
     Remarks:
       The returned ids are not used: they are null while the mesh is not in a database.
   OdDbFaceRecord::setVertexAt(corner 0-3, 16-bit signed 1-based vertex number)
     Remarks:
       0 in corner 3 marks a triangle; a positive number keeps the edge visible.
   OdDbFace::setVertexAt(corner 0-3, point)
*/
