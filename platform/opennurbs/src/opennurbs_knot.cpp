// Kestrin openNURBS-compatible geometry.
// Knot vector helpers: span search, validity and periodicity of knot vectors, and the B-spline
// basis with derivatives (the Cox-de Boor recurrence in triangular-table form).
#include "opennurbs_knot.h"

#include "opennurbs_defines.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ON_Knot {

namespace {
// Orders up to this evaluate with work space on the stack; higher orders allocate.
constexpr int StackOrder = 12;
} // namespace

int KnotCount(int order, int cv_count) {
    return order + cv_count - 2;
}

int SpanIndex(int order, int cv_count, const double* knot, double t, int side, int hint) {
    const int first = order - 2;
    const int last = cv_count - 2; // the last span is [knot[last], knot[last + 1]]
    auto empty = [knot](int s) { return !(knot[s] < knot[s + 1]); };
    if (hint >= first && hint <= last && !empty(hint) &&
        (side < 0 ? (knot[hint] < t && t <= knot[hint + 1])
                  : (knot[hint] <= t && t < knot[hint + 1]))) {
        return hint;
    }
    // From the left a knot value belongs to the span that ends there, else to the one that
    // starts there.
    const double* begin = knot + first;
    const double* end = knot + last + 1;
    const double* it = side < 0 ? std::lower_bound(begin, end, t) : std::upper_bound(begin, end, t);
    int s = std::clamp(static_cast<int>(it - knot) - 1, first, last);
    // Step off empty spans (repeated knots), first in the preferred direction.
    const int step = side < 0 ? -1 : 1;
    int probe = s;
    while (empty(probe) && probe + step >= first && probe + step <= last) {
        probe += step;
    }
    if (empty(probe)) {
        probe = s;
        while (empty(probe) && probe - step >= first && probe - step <= last) {
            probe -= step;
        }
    }
    return probe;
}

int SpanCount(int order, int cv_count, const double* knot) {
    int count = 0;
    for (int s = order - 2; s < cv_count - 1; ++s) {
        if (knot[s] < knot[s + 1]) {
            ++count;
        }
    }
    return count;
}

bool IsValidKnotVector(int order, int cv_count, const double* knot) {
    const int knot_count = KnotCount(order, cv_count);
    for (int i = 0; i < knot_count; ++i) {
        if (!ON_IsValid(knot[i])) {
            return false;
        }
    }
    for (int i = 0; i + 1 < knot_count; ++i) {
        if (knot[i] > knot[i + 1]) {
            return false;
        }
    }
    const int degree = order - 1;
    for (int i = 0; i + degree < knot_count; ++i) {
        if (!(knot[i] < knot[i + degree])) {
            return false; // a value repeated more than degree times
        }
    }
    return knot[order - 2] < knot[cv_count - 1];
}

bool IsPeriodicKnotVector(int order, int cv_count, const double* knot) {
    constexpr int MinimumPeriodicOrder = 3;
    constexpr int LowOrderLimit = 4; // up to cubic the control polygon wraps degree CVs
    if (order < MinimumPeriodicOrder) {
        return false;
    }
    const int minimum_cv_count = order <= LowOrderLimit ? order + 2 : 2 * order - 2;
    if (cv_count < minimum_cv_count) {
        return false;
    }
    const int knot_count = KnotCount(order, cv_count);
    // Spacings are compared relative to the size of the knot vector and of its domain.
    const double scale = std::max(std::fabs(knot[knot_count - 1] - knot[0]),
                                  std::fabs(knot[cv_count - 1] - knot[order - 2]));
    const double tolerance = ON_SQRT_EPSILON * scale;
    const int wrap = cv_count - order + 1;
    for (int i = 0; i < 2 * (order - 2); ++i) {
        const double start_spacing = knot[i + 1] - knot[i];
        const double end_spacing = knot[wrap + i + 1] - knot[wrap + i];
        if (std::fabs(start_spacing - end_spacing) > tolerance) {
            return false;
        }
    }
    return true;
}

void EvaluateBasis(int order, const double* knot, double t, int der_count, double* N) {
    const int p = order - 1;
    // Textbook knot U[i] of the span [U[p], U[p+1]] is knot[i - 1] here; left[j] = t - U[p+1-j],
    // right[j] = U[p+j] - t, with ndu the triangular table of basis values and knot differences.
    // Work space: left, right, the (order x order) table ndu and the 2 x order rows a.
    const std::size_t work_size = static_cast<std::size_t>(order) * (order + 4);
    double stack_work[StackOrder * (StackOrder + 4)];
    std::vector<double> heap_work;
    double* work = stack_work;
    if (order > StackOrder) {
        heap_work.resize(work_size);
        work = heap_work.data();
    }
    std::fill(work, work + work_size, 0.0);
    double* left = work;
    double* right = left + order;
    double* ndu = right + order;
    double* a = ndu + order * order;
    auto NDU = [ndu, order](int r, int c) -> double& { return ndu[r * order + c]; };
    NDU(0, 0) = 1.0;
    for (int j = 1; j <= p; ++j) {
        left[j] = t - knot[p - j];
        right[j] = knot[p + j - 1] - t;
        double saved = 0.0;
        for (int r = 0; r < j; ++r) {
            NDU(j, r) = right[r + 1] + left[j - r];
            const double temp = NDU(r, j - 1) / NDU(j, r);
            NDU(r, j) = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        NDU(j, j) = saved;
    }
    for (int j = 0; j <= p; ++j) {
        N[j] = NDU(j, p);
    }
    if (der_count <= 0) {
        return;
    }
    const int n = std::min(der_count, p);
    auto A = [a, order](int row, int c) -> double& { return a[row * order + c]; };
    for (int r = 0; r <= p; ++r) {
        int s1 = 0;
        int s2 = 1;
        A(0, 0) = 1.0;
        for (int k = 1; k <= n; ++k) {
            double d = 0.0;
            const int rk = r - k;
            const int pk = p - k;
            if (r >= k) {
                A(s2, 0) = A(s1, 0) / NDU(pk + 1, rk);
                d = A(s2, 0) * NDU(rk, pk);
            }
            const int j1 = rk >= -1 ? 1 : -rk;
            const int j2 = (r - 1 <= pk) ? k - 1 : p - r;
            for (int j = j1; j <= j2; ++j) {
                A(s2, j) = (A(s1, j) - A(s1, j - 1)) / NDU(pk + 1, rk + j);
                d += A(s2, j) * NDU(rk + j, pk);
            }
            if (r <= pk) {
                A(s2, k) = -A(s1, k - 1) / NDU(pk + 1, r);
                d += A(s2, k) * NDU(r, pk);
            }
            N[k * order + r] = d;
            std::swap(s1, s2);
        }
    }
    double factor = p;
    for (int k = 1; k <= n; ++k) {
        for (int j = 0; j <= p; ++j) {
            N[k * order + j] *= factor;
        }
        factor *= (p - k);
    }
    for (int k = n + 1; k <= der_count; ++k) {
        for (int j = 0; j <= p; ++j) {
            N[k * order + j] = 0.0;
        }
    }
}

} // namespace ON_Knot
