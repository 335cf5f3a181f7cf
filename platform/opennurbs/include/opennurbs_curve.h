// Kestrin openNURBS-compatible geometry.
// ON_Curve: the abstract parametric curve. It defines evaluation, the end points, the closure
// queries and the generic shape tests by sampling; ON_NurbsCurve overrides what it can decide
// from its control points.
#pragma once

#include "opennurbs_arc.h"
#include "opennurbs_interval.h"
#include "opennurbs_textlog.h"

/* Description:
     A curve C(t) over its domain Domain(), made of SpanCount() smooth spans.
*/
class ON_Curve {
public:
    ON_Curve() = default;
    ON_Curve(const ON_Curve&) = default;
    ON_Curve& operator=(const ON_Curve&) = default;
    virtual ~ON_Curve() = default;

    /* Description:
         Tells whether the curve is usable, and why not.
       Parameters:
         text_log - [in] when not nullptr, receives the failing field and the rule it breaks.
    */
    virtual bool IsValid(ON_TextLog* text_log = nullptr) const = 0;

    // Number of coordinates of the curve's points.
    virtual int Dimension() const = 0;

    // The parameter interval; empty when the curve has no valid data.
    virtual ON_Interval Domain() const = 0;

    // Number of smooth spans (non-empty knot intervals).
    virtual int SpanCount() const = 0;

    /* Description:
         Fills the span boundaries.
       Parameters:
         span_vector - [out] SpanCount() + 1 increasing parameters.
    */
    virtual bool GetSpanVector(double* span_vector) const = 0;

    // Polynomial degree of the spans.
    virtual int Degree() const = 0;

    /* Description:
         Evaluates the point and derivatives at t.
       Parameters:
         t - [in] parameter.
         der_count - [in] number of derivatives wanted (0 for the point only).
         v_stride - [in] doubles between consecutive results in v (>= Dimension()).
         v - [out] (der_count + 1) · v_stride doubles: point, first derivative, ...
         side - [in] < 0 evaluates from the left at a knot, otherwise from the right.
         hint - [in/out] optional span hint.
       Returns:
         false when the curve cannot be evaluated.
    */
    virtual bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0,
                          int* hint = nullptr) const = 0;

    /* Description:
         Tells whether the curve is closed: its ends coincide and it is not degenerate.
       Remarks:
         The generic test: the points at the domain ends coincide (ON_PointsAreCoincident) and
         the points at 1/3 and 2/3 of the domain coincide with neither end.
    */
    virtual bool IsClosed() const;

    // The generic curve is never periodic.
    virtual bool IsPeriodic() const;

    /* Description:
         Tells whether the curve lies in a plane.
       Parameters:
         plane - [out] when not nullptr, a plane containing the curve.
         tolerance - [in] largest distance allowed from the plane.
    */
    virtual bool IsPlanar(ON_Plane* plane = nullptr,
                          double tolerance = ON_ZERO_TOLERANCE) const = 0;

    /* Description:
         Tells whether the curve is a straight segment, by sampling.
       Parameters:
         tolerance - [in] largest distance allowed from the chord; <= 0 means
           ON_ZERO_TOLERANCE.
       Remarks:
         2·degree + 1 points per span must lie within tolerance of the line through the ends,
         and the ends must be farther apart than tolerance.
    */
    virtual bool IsLinear(double tolerance = ON_ZERO_TOLERANCE) const;

    /* Description:
         Tells whether the curve is a circular arc, by sampling, and returns the arc.
       Parameters:
         plane - [in] when nullptr the curve must be planar within tolerance; a plane passed
           here is accepted as given (the curve is not tested against it) and is not used to
           build the result.
         arc - [out] when not nullptr and the result is true: the arc through the curve's
           start, middle and end (for a closed curve start, quarter and middle), starting at
           the curve's start point with m_angle = [0, sweep], its normal oriented by the
           curve's direction; a closed curve gives sweep 2π.
         tolerance - [in] largest distance allowed from the arc.
       Remarks:
         Every span is sampled at max(2·degree + 1, 4) points; each must lie within tolerance
         of the arc at a non-decreasing arc angle, and the arc's ends must coincide with the
         curve's.
    */
    virtual bool IsArc(const ON_Plane* plane = nullptr, ON_Arc* arc = nullptr,
                       double tolerance = ON_ZERO_TOLERANCE) const;

    /* Description:
         The point at t.
       Returns:
         ON_3dPoint::UnsetPoint when evaluation fails.
    */
    ON_3dPoint PointAt(double t) const;
    // Point at Domain()[0].
    ON_3dPoint PointAtStart() const;
    // Point at Domain()[1].
    ON_3dPoint PointAtEnd() const;
    // First derivative at t (the zero vector when evaluation fails).
    ON_3dVector DerivativeAt(double t) const;
    // Unit tangent at t (the zero vector where the derivative vanishes).
    ON_3dVector TangentAt(double t) const;

protected:
    // Evaluates the point at t into a 3d point (missing coordinates are 0).
    bool EvPoint(double t, ON_3dPoint& point, int side = 0) const;
};
