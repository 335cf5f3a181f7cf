// Kestrin entity conversion.
// Points and curves of the translated geometry become drawing entities: a point becomes a point,
// a line a line, a circle a circle, an arc an arc, a polyline a 3D polyline, and a NURBS curve a
// line, circle, arc or spline according to its shape. Coordinates pass through unchanged (world
// coordinates, drawing units). Each add operation creates its entity, sets its geometry with its
// build operation, appends it to model space and contains toolkit failures (see EntityCreation.h).
#pragma once

#include <HostInterfaces/ToolkitDatabase.h>
#include <HostInterfaces/ToolkitEntities.h>

#include <opennurbs.h>

/* Add operations.
   Parameters:
     (first)   - [in] the translated object, read only.
     pDatabase - [in] the drawing whose model space receives the entity.
   Returns:
     true when the entity was appended to model space, false otherwise.
   Remarks:
     No OdError leaves them. A build operation that fails part-way does not stop its add
     operation: the entity is appended with the geometry set before the failure.
*/

/* Description:
     Makes a point entity at the point. A point whose position the toolkit refuses is not
     appended.
*/
bool AddPoint(const ON_3dPoint& point, OdDbDatabasePtr pDatabase);

/* Description:
     Makes a line from line.from to line.to.
*/
bool AddLine(const ON_Line& line, OdDbDatabasePtr pDatabase);

/* Description:
     Makes a 3D polyline through the points; closed when the first point is repeated at the end
     (the repeat is then dropped).
*/
bool AddPolyline(const ON_Polyline& polyline, OdDbDatabasePtr pDatabase);

/* Description:
     Makes a circle with the circle's centre, radius and plane normal.
*/
bool AddCircle(const ON_Circle& circle, OdDbDatabasePtr pDatabase);

/* Description:
     Makes an arc with the arc's centre, radius, unit normal and angles measured about the normal
     from the arbitrary-axis x axis of its plane.
*/
bool AddArc(const ON_Arc& arc, OdDbDatabasePtr pDatabase);

/* Description:
     Makes a line when the curve is linear, a circle or an arc when it is an exact circular arc,
     and a spline with the curve's own NURBS data otherwise.
   Remarks:
     Both shape tests use kShapeTolerance.
*/
bool AddCurve(const ON_NurbsCurve& curve, OdDbDatabasePtr pDatabase);

/* Build operations.
   Parameters:
     (first)  - [in] the translated object, read only.
     (second) - [in] the new entity, not yet in a database.
   Returns:
     true; false when a toolkit call raised OdError (contained here, the failure text says
     why). The setters that ran before the failure keep their effect.
*/

/* Description:
     Sets the start point, then the end point.
*/
bool BuildLine(const ON_Line& line, OdDbLinePtr pLine);

/* Description:
     Sets the centre, the radius, then the normal (the plane's z axis as given, not normalized).
*/
bool BuildCircle(const ON_Circle& circle, OdDbCirclePtr pCircle);

/* Description:
     Sets the centre, the unit normal, the radius, the start angle and the end angle (start
     angle plus the sweep, not reduced by 2pi).
*/
bool BuildArc(const ON_Arc& arc, OdDbArcPtr pArc);

/* Description:
     Appends one vertex per point, in order; when the polyline is closed (first point repeated
     at the end, exactly, with at least four points and a point between that differs), the
     repeated last point is left out and the polyline marked closed.
*/
bool BuildPolyline(const ON_Polyline& polyline, OdDb3dPolylinePtr pPolyline);

/* Description:
     Hands the curve's degree, flags, control points, weights and knots to the spline. The knot
     vector gets the curve's first and last knots once more (the curve stores order + CVCount - 2
     knots, the spline takes order + CVCount). Control points are Euclidean; a non-rational
     curve gets weight 1 for every control point.
   Remarks:
     A rational control point of weight 0 has no position: the spline's data is then not set,
     the result is false and the failure text names the control point.
*/
bool BuildSpline(const ON_NurbsCurve& curve, OdDbSplinePtr pSpline);
