// Kestrin drawing toolkit.
// OdDbSpline: a NURBS curve in world coordinates (DXF SPLINE). The knot vector is the full
// textbook one, control points + degree + 1 knots, also for periodic curves, which come with
// their first control points repeated at the end. A new spline has no curve data.
#pragma once

#include "DbCurve.h"
#include "Ge/GeDoubleArray.h"
#include "Ge/GePoint3dArray.h"

/* Description:
     A spline entity.
   Remarks:
     Either empty (no control points: a new spline, or one whose data was never set) or valid:
     1 <= degree <= 25, at least degree + 1 control points, knots = control points + degree + 1,
     non-decreasing, with a non-empty domain, and for a rational spline one positive weight per
     control point.
*/
class OdDbSpline : public OdDbCurve {
public:
    ODRX_DECLARE_MEMBERS(OdDbSpline);

    static constexpr int kMaxDegree = 25;

    /* Description:
         Sets the curve data.
       Parameters:
         degree        - [in] 1 to 25.
         rational      - [in] whether the weights apply.
         closed        - [in] the closed flag, stored as given.
         periodic      - [in] the periodic flag, stored as given.
         controlPoints - [in] world points, at least degree + 1.
         knots         - [in] controlPoints + degree + 1 non-decreasing values.
         weights       - [in] one per control point (positive when rational), or none when
                         not rational.
         controlPtTol  - [in] distance within which control points count as equal, >= 0.
         knotTol       - [in] distance within which knots count as equal, >= 0.
       Remarks:
         Raises OdError(eInvalidInput) when any rule above or finiteness is broken; the spline
         is then unchanged.
    */
    void setNurbsData(int degree, bool rational, bool closed, bool periodic,
                      const OdGePoint3dArray& controlPoints, const OdGeDoubleArray& knots,
                      const OdGeDoubleArray& weights, double controlPtTol, double knotTol);

    /* Description:
         Returns the curve data as setNurbsData() received it.
    */
    void getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                      OdGePoint3dArray& controlPoints, OdGeDoubleArray& knots,
                      OdGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;

    int degree() const { return m_degree; }
    bool isRational() const { return m_bRational; }
    bool isClosed() const { return m_bClosed; }
    bool isPeriodic() const { return m_bPeriodic; }
    int numControlPoints() const { return static_cast<int>(m_controlPoints.length()); }
    int numKnots() const { return static_cast<int>(m_knots.length()); }
    const OdGePoint3dArray& controlPoints() const { return m_controlPoints; }
    const OdGeDoubleArray& knots() const { return m_knots; }
    const OdGeDoubleArray& weights() const { return m_weights; }
    double controlPointTolerance() const { return m_controlPtTol; }
    double knotTolerance() const { return m_knotTol; }

    OdResult getGeomExtents(OdGeExtents3d& extents) const override;
    void dxfOutFields(OdDbDxfFiler* pFiler) const override;

    /* Description:
         false while the spline has no curve data: a file cannot carry it then.
    */
    bool isDxfWritable() const override;

protected:
    OdDbSpline() = default;

private:
    int m_degree = 0; // 0 while empty, else 1..25
    bool m_bRational = false;
    bool m_bClosed = false;
    bool m_bPeriodic = false;
    OdGePoint3dArray m_controlPoints; // empty, or >= degree + 1 finite points
    OdGeDoubleArray m_knots;          // controlPoints + degree + 1, non-decreasing
    OdGeDoubleArray m_weights;        // empty or one per control point
    double m_controlPtTol = 0.0;
    double m_knotTol = 0.0;
};

typedef OdSmartPtr<OdDbSpline> OdDbSplinePtr;
