// Kestrin drawing toolkit.
// OdDbSpline: checking and storing NURBS data, and its DXF record SPLINE (flags, degree, counts,
// tolerances, then every knot, every weight of a rational spline, every control point).
#include "DbSpline.h"

#include "DbFiler.h"
#include "DxfGroupCodes.h"
#include "GeometryChecks.h"
#include "ToolkitFaults.h"

#include <cmath>

namespace {
// DXF group codes of the AcDbSpline subclass.
constexpr char kSubclass[] = "AcDbSpline";
using odtk::dxf::kFlagsCode;
constexpr int kDegreeCode = 71;
constexpr int kKnotCountCode = 72;
constexpr int kControlPointCountCode = 73;
constexpr int kFitPointCountCode = 74;
constexpr int kKnotToleranceCode = 42;
constexpr int kControlPointToleranceCode = 43;
constexpr int kKnotCode = 40;
constexpr int kWeightCode = 41;
constexpr int kControlPointCode = odtk::dxf::kPointCode;

// Bits of group 70.
constexpr OdInt16 kClosedFlag = 1;
constexpr OdInt16 kPeriodicFlag = 2;
constexpr OdInt16 kRationalFlag = 4;

void Reject(const OdChar* reason) {
    throw OdError(eInvalidInput, reason);
}

void CheckNurbsData(int degree, bool rational, const OdGePoint3dArray& controlPoints,
                    const OdGeDoubleArray& knots, const OdGeDoubleArray& weights,
                    double controlPtTol, double knotTol) {
    if (degree < 1 || degree > OdDbSpline::kMaxDegree) {
        Reject(L"spline degree must be 1 to 25");
    }
    const auto count = static_cast<unsigned int>(controlPoints.length());
    const auto order = static_cast<unsigned int>(degree) + 1;
    if (count < order) {
        Reject(L"a spline needs at least degree + 1 control points");
    }
    if (knots.length() != count + order) {
        Reject(L"a spline needs control points + degree + 1 knots");
    }
    if (rational ? weights.length() != count : !(weights.isEmpty() || weights.length() == count)) {
        Reject(L"a spline needs one weight per control point");
    }
    if (!std::isfinite(controlPtTol) || controlPtTol < 0.0 || !std::isfinite(knotTol) ||
        knotTol < 0.0) {
        Reject(L"spline tolerances must be finite and not negative");
    }
    for (const OdGePoint3d& point : controlPoints) {
        odtk::RequireFinite(point);
    }
    for (unsigned int i = 0; i < knots.length(); ++i) {
        odtk::RequireFinite(knots[i]);
        if (i > 0 && knots[i] < knots[i - 1]) {
            Reject(L"spline knots must not decrease");
        }
    }
    if (!(knots[static_cast<unsigned int>(degree)] < knots[count])) {
        Reject(L"spline knots leave an empty domain");
    }
    for (double weight : weights) {
        if (!std::isfinite(weight) || (rational && weight <= 0.0)) {
            Reject(L"spline weights must be finite and positive");
        }
    }
}

} // namespace

ODRX_CONS_DEFINE_MEMBERS(OdDbSpline, OdDbCurve, new OdDbSpline, "SPLINE")

void OdDbSpline::setNurbsData(int degree, bool rational, bool closed, bool periodic,
                              const OdGePoint3dArray& controlPoints, const OdGeDoubleArray& knots,
                              const OdGeDoubleArray& weights, double controlPtTol, double knotTol) {
    odtk::CheckSetterFault(OdToolkitSetter::SplineSetNurbsData);
    assertWriteEnabled();
    CheckNurbsData(degree, rational, controlPoints, knots, weights, controlPtTol, knotTol);
    m_controlPoints = controlPoints;
    m_knots = knots;
    m_weights = weights;
    m_degree = degree;
    m_bRational = rational;
    m_bClosed = closed;
    m_bPeriodic = periodic;
    m_controlPtTol = controlPtTol;
    m_knotTol = knotTol;
}

void OdDbSpline::getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                              OdGePoint3dArray& controlPoints, OdGeDoubleArray& knots,
                              OdGeDoubleArray& weights, double& controlPtTol,
                              double& knotTol) const {
    degree = m_degree;
    rational = m_bRational;
    closed = m_bClosed;
    periodic = m_bPeriodic;
    controlPoints = m_controlPoints;
    knots = m_knots;
    weights = m_weights;
    controlPtTol = m_controlPtTol;
    knotTol = m_knotTol;
}

bool OdDbSpline::isDxfWritable() const {
    return !m_controlPoints.isEmpty();
}

OdResult OdDbSpline::getGeomExtents(OdGeExtents3d& extents) const {
    extents = OdGeExtents3d();
    for (const OdGePoint3d& point : m_controlPoints) {
        extents.addPoint(point);
    }
    return m_controlPoints.isEmpty() ? eNotApplicable : eOk;
}

void OdDbSpline::dxfOutFields(OdDbDxfFiler* pFiler) const {
    OdDbEntity::dxfOutFields(pFiler);
    pFiler->wrSubclassMarker(kSubclass);
    OdInt16 flags = 0;
    flags |= m_bClosed ? kClosedFlag : 0;
    flags |= m_bPeriodic ? kPeriodicFlag : 0;
    flags |= m_bRational ? kRationalFlag : 0;
    pFiler->wrInt16(kFlagsCode, flags);
    pFiler->wrInt16(kDegreeCode, static_cast<OdInt16>(m_degree));
    pFiler->wrInt32(kKnotCountCode, static_cast<OdInt32>(m_knots.length()));
    pFiler->wrInt32(kControlPointCountCode, static_cast<OdInt32>(m_controlPoints.length()));
    pFiler->wrInt32(kFitPointCountCode, 0);
    pFiler->wrDouble(kKnotToleranceCode, m_knotTol);
    pFiler->wrDouble(kControlPointToleranceCode, m_controlPtTol);
    for (double knot : m_knots) {
        pFiler->wrDouble(kKnotCode, knot);
    }
    if (m_bRational) {
        for (double weight : m_weights) {
            pFiler->wrDouble(kWeightCode, weight);
        }
    }
    for (const OdGePoint3d& point : m_controlPoints) {
        pFiler->wrPoint3d(kControlPointCode, point);
    }
}
