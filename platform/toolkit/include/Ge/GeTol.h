// Kestrin drawing toolkit.
// OdGeTol: the pair of tolerances that geometric comparisons take: equalPoint for distances
// between points, equalVector for lengths of vectors and their differences.
#pragma once

/* Description:
     Tolerances for geometric comparisons, in drawing units.
   Remarks:
     Both default to kDefaultTolerance, the toolkit's global default (OdGeContext::gTol).
*/
class OdGeTol {
public:
    // Small against any drawing unit, yet well above the rounding of coordinates up to 1e5.
    static constexpr double kDefaultTolerance = 1e-10;

    constexpr OdGeTol() = default;
    constexpr explicit OdGeTol(double tol) : m_equalPoint(tol), m_equalVector(tol) {}
    constexpr OdGeTol(double equalPoint, double equalVector)
        : m_equalPoint(equalPoint), m_equalVector(equalVector) {}

    /* Description:
         Returns the distance within which two points are equal.
    */
    double equalPoint() const { return m_equalPoint; }
    /* Description:
         Returns the length within which a vector is zero, or two vectors equal.
    */
    double equalVector() const { return m_equalVector; }
    void setEqualPoint(double tol) { m_equalPoint = tol; }
    void setEqualVector(double tol) { m_equalVector = tol; }

private:
    double m_equalPoint = kDefaultTolerance;  // >= 0
    double m_equalVector = kDefaultTolerance; // >= 0
};
