// Kestrin openNURBS-compatible geometry.
// ON_NurbsCurve evaluation: domain and spans, and points with derivatives. Rational curves are
// evaluated in homogeneous form and the quotient rule turns the derivatives Euclidean.
#include "opennurbs_knot.h"
#include "opennurbs_nurbscurve.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Doubles of evaluation work space kept on the stack: enough for a point and two derivatives of
// a rational 3-d curve up to degree 16.
constexpr std::size_t StackWorkSize = 64;

// Binomial coefficient C(n, k) for the rational quotient rule (small n only).
double Binomial(int n, int k) {
    double c = 1.0;
    for (int i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i;
    }
    return c;
}

} // namespace

ON_Interval ON_NurbsCurve::Domain() const {
    if (m_knot == nullptr || m_order < 2 || m_cv_count < m_order) {
        return ON_Interval::EmptyInterval;
    }
    const ON_Interval domain(m_knot[m_order - 2], m_knot[m_cv_count - 1]);
    return domain.IsIncreasing() ? domain : ON_Interval::EmptyInterval;
}

int ON_NurbsCurve::SpanCount() const {
    if (!Domain().IsIncreasing()) {
        return 0;
    }
    return ON_Knot::SpanCount(m_order, m_cv_count, m_knot);
}

bool ON_NurbsCurve::GetSpanVector(double* knots) const {
    if (knots == nullptr || !Domain().IsIncreasing()) {
        return false;
    }
    int n = 0;
    knots[n++] = m_knot[m_order - 2];
    for (int s = m_order - 2; s < m_cv_count - 1; ++s) {
        if (m_knot[s] < m_knot[s + 1]) {
            knots[n++] = m_knot[s + 1];
        }
    }
    return true;
}

bool ON_NurbsCurve::Evaluate(double t, int der_count, int v_stride, double* v, int side,
                             int* hint) const {
    if (v == nullptr || der_count < 0 || v_stride < m_dim || m_cv == nullptr || !std::isfinite(t) ||
        !Domain().IsIncreasing() || m_cv_stride < CVSize()) {
        return false;
    }
    const int order = m_order;
    const int span =
        ON_Knot::SpanIndex(order, m_cv_count, m_knot, t, side, hint != nullptr ? *hint : -1);
    if (hint != nullptr) {
        *hint = span;
    }
    const int first_cv = span - order + 2; // CVs first_cv ... first_cv + degree shape the span
    const int cvsize = CVSize();
    const std::size_t basis_size = static_cast<std::size_t>((der_count + 1) * order);
    const std::size_t h_size = static_cast<std::size_t>((der_count + 1) * cvsize);
    // Basis values and homogeneous derivatives share one buffer, on the stack for the usual
    // small orders, so that sampling a curve does not allocate per point.
    double stack_work[StackWorkSize];
    std::vector<double> heap_work;
    double* basis = stack_work;
    if (basis_size + h_size > StackWorkSize) {
        heap_work.resize(basis_size + h_size);
        basis = heap_work.data();
    }
    double* const h = basis + basis_size;
    std::fill(h, h + h_size, 0.0);
    ON_Knot::EvaluateBasis(order, m_knot + first_cv, t, der_count, basis);

    // Homogeneous derivatives: cvsize values for each of der_count + 1 orders.
    for (int k = 0; k <= der_count; ++k) {
        double* hk = h + k * cvsize;
        for (int j = 0; j < order; ++j) {
            const double b = basis[k * order + j];
            const double* cv = CV(first_cv + j);
            for (int c = 0; c < cvsize; ++c) {
                hk[c] += b * cv[c];
            }
        }
    }
    if (!m_is_rat) {
        for (int k = 0; k <= der_count; ++k) {
            for (int c = 0; c < m_dim; ++c) {
                v[k * v_stride + c] = h[k * cvsize + c];
            }
        }
        return true;
    }
    // Quotient rule: C^(k) = (A^(k) - sum_{i=1..k} C(k,i) w^(i) C^(k-i)) / w.
    const double w = h[m_dim];
    if (w == 0.0) {
        return false;
    }
    for (int k = 0; k <= der_count; ++k) {
        for (int c = 0; c < m_dim; ++c) {
            double value = h[k * cvsize + c];
            for (int i = 1; i <= k; ++i) {
                value -= Binomial(k, i) * h[i * cvsize + m_dim] * v[(k - i) * v_stride + c];
            }
            v[k * v_stride + c] = value / w;
        }
    }
    return true;
}
