// Kestrin openNURBS-compatible geometry.
// ON_NurbsCurve: a non-uniform rational B-spline curve, the translator's form for every free-form
// curve. Knots omit the textbook vector's two end knots (order + cv_count - 2 are stored);
// rational control points are stored homogeneous, (x·w, y·w, z·w, w).
#pragma once

#include "opennurbs_4dpoint.h"
#include "opennurbs_curve.h"

/* Description:
     A NURBS curve of dimension m_dim, order m_order (degree + 1) with m_cv_count control points.
   Remarks:
     CV i starts at m_cv + i·m_cv_stride and holds m_dim coordinates, followed by the weight when
     the curve is rational. The domain is [knot[order-2], knot[cv_count-1]].
     Valid (IsValid) when dim >= 1, order >= 2, cv_count >= order, the stride holds a CV, the
     knot vector is valid (ON_IsValidKnotVector) and every CV is finite with a non-zero weight.
     The curve owns m_knot and m_cv when their capacities are non-zero.
*/
class ON_NurbsCurve : public ON_Curve {
public:
    int m_dim = 0;            // number of Euclidean coordinates, >= 1
    int m_is_rat = 0;         // 1 when rational (weights stored), 0 otherwise
    int m_order = 0;          // degree + 1, >= 2
    int m_cv_count = 0;       // number of control points, >= m_order
    int m_knot_capacity = 0;  // doubles allocated in m_knot; 0 when m_knot is not owned
    double* m_knot = nullptr; // m_order + m_cv_count - 2 knots, non-decreasing
    int m_cv_stride = 0;      // doubles from CV i to CV i+1, >= CVSize()
    int m_cv_capacity = 0;    // doubles allocated in m_cv; 0 when m_cv is not owned
    double* m_cv = nullptr;   // m_cv_count · m_cv_stride doubles

    ON_NurbsCurve() = default;
    // Create(dimension, bIsRational, order, cv_count).
    ON_NurbsCurve(int dimension, bool bIsRational, int order, int cv_count);
    ON_NurbsCurve(const ON_NurbsCurve& src);
    ON_NurbsCurve& operator=(const ON_NurbsCurve& src);
    // Takes over src's storage; src is left empty.
    ON_NurbsCurve(ON_NurbsCurve&& src) noexcept;
    ON_NurbsCurve& operator=(ON_NurbsCurve&& src) noexcept;
    ~ON_NurbsCurve() override;

    /* Description:
         Allocates a curve with zeroed knots and CVs.
       Parameters:
         dimension - [in] >= 1.
         bIsRational - [in] true to store weights (initialised to 1 by SetCV(ON_3dPoint)).
         order - [in] >= 2.
         cv_count - [in] >= order.
       Returns:
         false (curve emptied) for invalid parameters.
       Remarks:
         m_cv_stride becomes CVSize().
    */
    bool Create(int dimension, bool bIsRational, int order, int cv_count);

    // Frees owned storage and empties the curve.
    void Destroy();

    bool IsValid(ON_TextLog* text_log = nullptr) const override;
    int Dimension() const override;
    ON_Interval Domain() const override;
    int SpanCount() const override;
    bool GetSpanVector(double* span_vector) const override;
    int Degree() const override;
    bool Evaluate(double t, int der_count, int v_stride, double* v, int side = 0,
                  int* hint = nullptr) const override;

    /* Description:
         Tells whether the curve is closed.
       Remarks:
         Needs dim > 0 and at least 4 CVs; then a periodic curve is closed, and otherwise the
         generic ON_Curve::IsClosed test decides. Clamped knots are not required.
    */
    bool IsClosed() const override;

    /* Description:
         Tells whether the curve is periodic.
       Remarks:
         The knots pass ON_IsKnotVectorPeriodic and the last degree CVs coincide
         (ON_PointsAreCoincident, weights divided out) with the first degree CVs.
    */
    bool IsPeriodic() const override;

    /* Description:
         Tells whether the control points lie in a plane.
       Remarks:
         The plane passes through the first CV and the CVs spanning the largest triangle;
         every CV must lie within tolerance of it. A curve of dimension 2 is planar.
    */
    bool IsPlanar(ON_Plane* plane = nullptr, double tolerance = ON_ZERO_TOLERANCE) const override;

    /* Description:
         Tells whether the curve is a straight segment, from its control points.
       Parameters:
         tolerance - [in] > 0: largest Euclidean distance of an interior CV from the chord
           between the first and last CV. <= 0: the CV must coincide with its projection
           (ON_PointsAreCoincident), which is looser than a small explicit tolerance.
       Returns:
         false unless the knots are clamped at both ends and the first and last CV differ.
         Two CVs are then enough. An interior CV must not lie more than tolerance before the
         start, beyond the end, or behind an earlier CV along the chord (no doubling back).
       Remarks:
         Degree, weights and parameterisation are not tested.
    */
    bool IsLinear(double tolerance = ON_ZERO_TOLERANCE) const override;

    /* Description:
         Tells whether the curve is a circular arc, and returns it (see ON_Curve::IsArc).
       Remarks:
         Needs dimension 2 or 3 and degree >= 2. With tolerance <= ON_ZERO_TOLERANCE the test
         is strict: the curve must also be rational with Bézier spans (every knot of
         multiplicity degree), so a non-rational approximation of an arc is not an arc. A
         linear curve is never an arc.
    */
    bool IsArc(const ON_Plane* plane = nullptr, ON_Arc* arc = nullptr,
               double tolerance = ON_ZERO_TOLERANCE) const override;

    /* Description:
         Tells whether the knots are clamped (full multiplicity, exact equality) at an end.
       Parameters:
         end - [in] 0 the start (knot[0] == knot[order-2]), 1 the end
           (knot[cv_count-1] == knot[order+cv_count-3]), 2 both.
       Returns:
         false when the curve has no knots or its counts are not valid.
    */
    bool IsClamped(int end = 2) const;

    bool IsRational() const { return m_is_rat != 0; }
    // m_dim + 1 for a rational curve, m_dim otherwise.
    int CVSize() const;
    int CVCount() const { return m_cv_count; }
    int Order() const { return m_order; }
    // order + cv_count - 2, whether or not knots are present.
    int KnotCount() const;

    /* Description:
         The address of CV i.
       Returns:
         nullptr when there is no CV array or i is out of range.
    */
    double* CV(int i);
    const double* CV(int i) const;

    /* Description:
         Sets CV i from a Euclidean point.
       Returns:
         false when there is no CV array or i is out of range.
       Remarks:
         A rational curve gets weight 1.
    */
    bool SetCV(int i, const ON_3dPoint& point);

    /* Description:
         Sets CV i from a homogeneous point (x·w, y·w, z·w, w).
       Remarks:
         A non-rational curve stores the Euclidean point; it fails for w = 0.
    */
    bool SetCV(int i, const ON_4dPoint& point);

    /* Description:
         The Euclidean position of CV i.
       Returns:
         false when there is no CV array, or the curve is rational and the weight is 0; point
         is then left untouched. No bounds check on i.
       Remarks:
         Coordinates beyond m_dim are 0.
    */
    bool GetCV(int i, ON_3dPoint& point) const;

    /* Description:
         The homogeneous CV i (weight 1 for a non-rational curve).
       Returns:
         false when there is no CV array or i is out of range.
    */
    bool GetCV(int i, ON_4dPoint& point) const;

    /* Description:
         Sets the weight slot of CV i.
       Returns:
         For a rational curve, true once stored; for a non-rational curve, true only when w is
         1.
       Remarks:
         Only the weight changes, not the stored coordinates: they are homogeneous, so the
         Euclidean position becomes (x/w, y/w, z/w). To place a weighted CV at a Euclidean
         point, use SetCV with ON_4dPoint(x·w, y·w, z·w, w).
    */
    bool SetWeight(int i, double w);

    /* Description:
         The weight of CV i: the stored one for a rational curve, 1.0 otherwise (also when the
         CV array is missing). No bounds check.
    */
    double Weight(int i) const;

    /* Description:
         Sets knot i.
       Returns:
         false when there is no knot array or i is out of range.
    */
    bool SetKnot(int i, double knot_value);

    // Knot i (no bounds check), or 0.0 when there is no knot array.
    double Knot(int i) const;

    /* Description:
         The knot a receiver of the textbook vector puts before (end 0) or after (end 1) the
         stored knots (ON_SuperfluousKnot).
    */
    double SuperfluousKnot(int end) const;

    // Sets clamped uniform knots 0, delta, 2·delta, ... with full end multiplicity.
    bool MakeClampedUniformKnotVector(double delta = 1.0);
    // Sets uniform knots -(order-2)·delta ... for a periodic curve.
    bool MakePeriodicUniformKnotVector(double delta = 1.0);

    /* Description:
         Makes the curve rational with all weights 1 (no change for a rational curve).
    */
    bool MakeRational();

    // Ensures room for capacity doubles of CVs / knots (owned storage).
    bool ReserveCVCapacity(int capacity);
    bool ReserveKnotCapacity(int capacity);

private:
    // Moves src's members and storage here (this holds none) and empties src.
    void TakeStorage(ON_NurbsCurve& src) noexcept;
    // The knot spacing allows a periodic curve (see IsPeriodic).
    bool IsPeriodicKnotVector() const;
    // Every span is a Bezier piece: each interior knot has multiplicity degree.
    bool IsBezierSpans() const;
};
