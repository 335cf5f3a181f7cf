// Kestrin entity conversion.
// Points, lines, polylines, circles, arcs and NURBS curves to drawing entities. The add operations
// follow one pattern: create the entity, run its build operation (whose result they do not look
// at: a partly built entity is still appended), convert the handle to OdDbEntity and append it.
// A toolkit failure inside a build operation is contained there; one anywhere else in an add
// operation is contained by the add operation, which then appends nothing.
#include "KestrinConvert/CurveConversion.h"

#include "ConversionFailure.h"
#include "KestrinConvert/ConversionTolerances.h"
#include "KestrinConvert/EntityCreation.h"
#include "OpenNurbsToToolkit.h"

#include <cmath>

namespace {

// The x axis of an arc's object coordinate system, from the arc's unit normal (the drawing
// format's arbitrary axis rule). Arc angles are measured from it.
OdGeVector3d ArbitraryXAxis(const OdGeVector3d& normal) {
    const bool bNearWorldZ = std::fabs(normal.x) < kArbitraryAxisThreshold &&
                             std::fabs(normal.y) < kArbitraryAxisThreshold;
    OdGeVector3d xAxis = bNearWorldZ ? OdGeVector3d::kYAxis.crossProduct(normal)
                                     : OdGeVector3d::kZAxis.crossProduct(normal);
    xAxis.normalize(OdGeContext::gTol);
    return xAxis;
}

OdString WeightZeroText(int controlPoint) {
    OdString text;
    text.format(L"Control point %d of the curve has weight 0 and no position", controlPoint);
    return text;
}

// The common tail of the add operations: typed conversion to OdDbEntity and the append.
template <class T> bool AppendEntity(OdDbDatabasePtr pDatabase, const OdSmartPtr<T>& pEntity) {
    return AppendToModelSpace(pDatabase, OdDbEntityPtr(pEntity));
}

} // namespace

bool AddPoint(const ON_3dPoint& point, OdDbDatabasePtr pDatabase) {
    try {
        OdDbPointPtr pPoint = CreateEntity<OdDbPoint>();
        pPoint->setPosition(ToGePoint(point));
        return AppendEntity(pDatabase, pPoint);
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AddLine(const ON_Line& line, OdDbDatabasePtr pDatabase) {
    try {
        OdDbLinePtr pLine = CreateEntity<OdDbLine>();
        BuildLine(line, pLine);
        return AppendEntity(pDatabase, pLine);
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AddPolyline(const ON_Polyline& polyline, OdDbDatabasePtr pDatabase) {
    try {
        OdDb3dPolylinePtr pPolyline = CreateEntity<OdDb3dPolyline>();
        BuildPolyline(polyline, pPolyline);
        return AppendEntity(pDatabase, pPolyline);
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AddCircle(const ON_Circle& circle, OdDbDatabasePtr pDatabase) {
    try {
        OdDbCirclePtr pCircle = CreateEntity<OdDbCircle>();
        BuildCircle(circle, pCircle);
        return AppendEntity(pDatabase, pCircle);
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AddArc(const ON_Arc& arc, OdDbDatabasePtr pDatabase) {
    try {
        OdDbArcPtr pArc = CreateEntity<OdDbArc>();
        BuildArc(arc, pArc);
        return AppendEntity(pDatabase, pArc);
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool AddCurve(const ON_NurbsCurve& curve, OdDbDatabasePtr pDatabase) {
    const ON_Curve& shape = curve;
    if (shape.IsLinear(kShapeTolerance)) {
        return AddLine(ON_Line(shape.PointAtStart(), shape.PointAtEnd()), pDatabase);
    }
    ON_Arc arc;
    if (shape.IsArc(nullptr, &arc, kShapeTolerance)) {
        if (arc.IsCircle()) {
            // Only the circle part (plane and radius) is used; the angle interval is a full turn.
            return AddCircle(arc, pDatabase);
        }
        return AddArc(arc, pDatabase);
    }
    try {
        OdDbSplinePtr pSpline = CreateEntity<OdDbSpline>();
        BuildSpline(curve, pSpline);
        return AppendEntity(pDatabase, pSpline);
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool BuildLine(const ON_Line& line, OdDbLinePtr pLine) {
    try {
        pLine->setStartPoint(ToGePoint(line.from));
        pLine->setEndPoint(ToGePoint(line.to));
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool BuildCircle(const ON_Circle& circle, OdDbCirclePtr pCircle) {
    try {
        pCircle->setCenter(ToGePoint(circle.plane.origin));
        pCircle->setRadius(circle.radius);
        // Handed over as given: a translator normal that is not of unit length stays so.
        pCircle->setNormal(ToGeVector(circle.plane.zaxis));
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool BuildArc(const ON_Arc& arc, OdDbArcPtr pArc) {
    try {
        const OdGePoint3d center = ToGePoint(arc.plane.origin);
        OdGeVector3d startDirection = ToGePoint(arc.StartPoint()) - center;
        startDirection.normalize(OdGeContext::gTol);
        OdGeVector3d normal = ToGeVector(arc.plane.zaxis);
        normal.normalize(OdGeContext::gTol);
        const OdGeVector3d referenceAxis = ArbitraryXAxis(normal);
        const double startAngle = referenceAxis.angleTo(startDirection, normal);
        // Not reduced by 2pi: the sweep is kept whole (start 3pi/2 with sweep 3pi/2 ends at 3pi).
        const double endAngle = startAngle + arc.AngleRadians();

        pArc->setCenter(center);
        pArc->setNormal(normal);
        pArc->setRadius(arc.radius);
        pArc->setStartAngle(startAngle);
        pArc->setEndAngle(endAngle);
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool BuildPolyline(const ON_Polyline& polyline, OdDb3dPolylinePtr pPolyline) {
    try {
        ON_3dPointArray points(polyline);
        const bool bClosed = polyline.IsClosed(kPolylineClosureTolerance);
        if (bClosed) {
            // The closed flag stands for the closing segment: the first point is not repeated.
            points.Remove();
        }
        for (int i = 0; i < points.Count(); ++i) {
            AppendPolylineVertex(pPolyline, ToGePoint(points[i]));
        }
        if (bClosed) {
            pPolyline->makeClosed();
        }
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}

bool BuildSpline(const ON_NurbsCurve& curve, OdDbSplinePtr pSpline) {
    try {
        const int cvCount = curve.CVCount();
        OdGePoint3dArray controlPoints;
        OdGeDoubleArray weights;
        for (int i = 0; i < cvCount; ++i) {
            ON_3dPoint controlPoint;
            if (!curve.GetCV(i, controlPoint)) {
                // Weight 0: the control point lies at infinity and the drawing spline takes only
                // positive weights. No stand-in position is made up; the curve data stays unset.
                RecordConversionFailure(WeightZeroText(i));
                return false;
            }
            controlPoints.append(ToGePoint(controlPoint));
            weights.append(curve.Weight(i));
        }

        // The curve stores order + CVCount - 2 knots; the spline takes the full vector, whose
        // first and last knots repeat the stored ends.
        const int knotCount = curve.KnotCount();
        OdGeDoubleArray knots;
        if (knotCount > 0) {
            knots.append(curve.Knot(0));
            for (int i = 0; i < knotCount; ++i) {
                knots.append(curve.Knot(i));
            }
            knots.append(curve.Knot(knotCount - 1));
        }

        pSpline->setNurbsData(curve.Degree(), curve.IsRational(), curve.IsClosed(),
                              curve.IsPeriodic(), controlPoints, knots, weights,
                              kSplineControlPointTolerance, kSplineKnotTolerance);
        return true;
    } catch (const OdError& error) {
        RecordConversionFailure(error);
        return false;
    }
}
