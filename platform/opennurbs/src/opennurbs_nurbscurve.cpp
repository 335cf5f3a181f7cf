// Kestrin openNURBS-compatible geometry.
// ON_NurbsCurve data: allocation, copying, control point, weight and knot access, validity.
// Evaluation and the shape tests live in opennurbs_nurbscurve_evaluate.cpp and
// opennurbs_nurbscurve_shape.cpp.
#include "opennurbs_nurbscurve.h"

#include "opennurbs_3dpoint.h"
#include "opennurbs_4dpoint.h"
#include "opennurbs_knot.h"
#include "opennurbs_textlog.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int MinimumOrder = 2; // degree 1: a polyline

double* GrowDoubles(double* block, int count) {
    void* grown = std::realloc(block, static_cast<std::size_t>(count) * sizeof(double));
    if (grown == nullptr) {
        throw std::bad_alloc();
    }
    return static_cast<double*>(grown);
}

} // namespace

ON_NurbsCurve::ON_NurbsCurve(int dimension, bool bIsRational, int order, int cv_count) {
    Create(dimension, bIsRational, order, cv_count);
}

ON_NurbsCurve::ON_NurbsCurve(const ON_NurbsCurve& src) : ON_Curve(src) {
    *this = src;
}

ON_NurbsCurve& ON_NurbsCurve::operator=(const ON_NurbsCurve& src) {
    if (this == &src) {
        return *this;
    }
    ON_Curve::operator=(src);
    // Memory the caller lent to this curve is not written to: the copy gets its own.
    if (m_knot_capacity == 0) {
        m_knot = nullptr;
    }
    if (m_cv_capacity == 0) {
        m_cv = nullptr;
    }
    const int knot_count =
        (src.m_knot != nullptr && src.m_order >= MinimumOrder && src.m_cv_count >= src.m_order)
            ? src.KnotCount()
            : 0;
    const int cv_size = src.CVSize();
    const int cv_doubles =
        (src.m_cv != nullptr && src.m_cv_count > 0 && cv_size > 0) ? src.m_cv_count * cv_size : 0;
    m_dim = src.m_dim;
    m_is_rat = src.m_is_rat;
    m_order = src.m_order;
    m_cv_count = src.m_cv_count;
    if (knot_count > 0) {
        ReserveKnotCapacity(knot_count);
        std::memcpy(m_knot, src.m_knot, static_cast<std::size_t>(knot_count) * sizeof(double));
    } else {
        std::free(m_knot);
        m_knot = nullptr;
        m_knot_capacity = 0;
    }
    if (cv_doubles > 0) {
        ReserveCVCapacity(cv_doubles);
        // The copy is packed: its stride is CVSize() whatever the source's stride.
        for (int i = 0; i < src.m_cv_count; ++i) {
            std::memcpy(m_cv + i * cv_size, src.CV(i),
                        static_cast<std::size_t>(cv_size) * sizeof(double));
        }
        m_cv_stride = cv_size;
    } else {
        std::free(m_cv);
        m_cv = nullptr;
        m_cv_capacity = 0;
        m_cv_stride = src.m_cv_stride;
    }
    return *this;
}

ON_NurbsCurve::ON_NurbsCurve(ON_NurbsCurve&& src) noexcept : ON_Curve(src) {
    TakeStorage(src);
}

ON_NurbsCurve& ON_NurbsCurve::operator=(ON_NurbsCurve&& src) noexcept {
    if (this != &src) {
        ON_Curve::operator=(src);
        Destroy();
        TakeStorage(src);
    }
    return *this;
}

void ON_NurbsCurve::TakeStorage(ON_NurbsCurve& src) noexcept {
    m_dim = src.m_dim;
    m_is_rat = src.m_is_rat;
    m_order = src.m_order;
    m_cv_count = src.m_cv_count;
    m_knot_capacity = src.m_knot_capacity;
    m_knot = src.m_knot;
    m_cv_stride = src.m_cv_stride;
    m_cv_capacity = src.m_cv_capacity;
    m_cv = src.m_cv;
    // src owns nothing now; Destroy would free storage it still believed it owned.
    src.m_knot_capacity = 0;
    src.m_cv_capacity = 0;
    src.Destroy();
}

ON_NurbsCurve::~ON_NurbsCurve() {
    Destroy();
}

bool ON_NurbsCurve::Create(int dimension, bool bIsRational, int order, int cv_count) {
    Destroy();
    if (dimension < 1 || order < MinimumOrder || cv_count < order) {
        return false;
    }
    m_dim = dimension;
    m_is_rat = bIsRational ? 1 : 0;
    m_order = order;
    m_cv_count = cv_count;
    m_cv_stride = CVSize();
    ReserveKnotCapacity(KnotCount());
    ReserveCVCapacity(m_cv_count * m_cv_stride);
    std::fill(m_knot, m_knot + KnotCount(), 0.0);
    std::fill(m_cv, m_cv + m_cv_count * m_cv_stride, 0.0);
    if (m_is_rat) {
        for (int i = 0; i < m_cv_count; ++i) {
            m_cv[i * m_cv_stride + m_dim] = 1.0;
        }
    }
    return true;
}

void ON_NurbsCurve::Destroy() {
    if (m_knot_capacity > 0) {
        std::free(m_knot);
    }
    if (m_cv_capacity > 0) {
        std::free(m_cv);
    }
    m_dim = 0;
    m_is_rat = 0;
    m_order = 0;
    m_cv_count = 0;
    m_knot_capacity = 0;
    m_knot = nullptr;
    m_cv_stride = 0;
    m_cv_capacity = 0;
    m_cv = nullptr;
}

bool ON_NurbsCurve::ReserveKnotCapacity(int knot_capacity) {
    if (knot_capacity <= 0) {
        return false;
    }
    if (m_knot_capacity < knot_capacity) {
        if (m_knot != nullptr && m_knot_capacity == 0) {
            return false; // the caller owns m_knot: it cannot be reallocated here
        }
        m_knot = GrowDoubles(m_knot, knot_capacity);
        m_knot_capacity = knot_capacity;
    }
    return true;
}

bool ON_NurbsCurve::ReserveCVCapacity(int cv_capacity) {
    if (cv_capacity <= 0) {
        return false;
    }
    if (m_cv_capacity < cv_capacity) {
        if (m_cv != nullptr && m_cv_capacity == 0) {
            return false; // the caller owns m_cv
        }
        m_cv = GrowDoubles(m_cv, cv_capacity);
        m_cv_capacity = cv_capacity;
    }
    return true;
}

int ON_NurbsCurve::Dimension() const {
    return m_dim;
}

int ON_NurbsCurve::Degree() const {
    return m_order >= MinimumOrder ? m_order - 1 : 0;
}

int ON_NurbsCurve::CVSize() const {
    return m_dim > 0 ? (m_is_rat ? m_dim + 1 : m_dim) : 0;
}

int ON_NurbsCurve::KnotCount() const {
    return ON_Knot::KnotCount(m_order, m_cv_count);
}

double* ON_NurbsCurve::CV(int i) {
    return m_cv != nullptr ? m_cv + static_cast<std::ptrdiff_t>(i) * m_cv_stride : nullptr;
}

const double* ON_NurbsCurve::CV(int i) const {
    return m_cv != nullptr ? m_cv + static_cast<std::ptrdiff_t>(i) * m_cv_stride : nullptr;
}

bool ON_NurbsCurve::SetCV(int i, const ON_3dPoint& point) {
    double* cv = (i >= 0 && i < m_cv_count) ? CV(i) : nullptr;
    if (cv == nullptr) {
        return false;
    }
    for (int k = 0; k < m_dim; ++k) {
        cv[k] = k < 3 ? point[k] : 0.0;
    }
    if (m_is_rat) {
        cv[m_dim] = 1.0;
    }
    return true;
}

bool ON_NurbsCurve::SetCV(int i, const ON_4dPoint& point) {
    double* cv = (i >= 0 && i < m_cv_count) ? CV(i) : nullptr;
    if (cv == nullptr) {
        return false;
    }
    if (m_is_rat) {
        for (int k = 0; k < m_dim; ++k) {
            cv[k] = k < 3 ? point[k] : 0.0;
        }
        cv[m_dim] = point.w;
        return true;
    }
    if (point.w == 0.0) {
        return false;
    }
    for (int k = 0; k < m_dim; ++k) {
        cv[k] = k < 3 ? point[k] / point.w : 0.0;
    }
    return true;
}

bool ON_NurbsCurve::GetCV(int i, ON_3dPoint& point) const {
    const double* cv = CV(i);
    if (cv == nullptr) {
        return false;
    }
    double p[3] = {0.0, 0.0, 0.0};
    const int n = std::min(m_dim, 3);
    for (int k = 0; k < n; ++k) {
        p[k] = cv[k];
    }
    if (m_is_rat) {
        const double w = cv[m_dim];
        if (w == 0.0) {
            return false;
        }
        for (int k = 0; k < n; ++k) {
            p[k] /= w;
        }
    }
    point.Set(p[0], p[1], p[2]);
    return true;
}

bool ON_NurbsCurve::GetCV(int i, ON_4dPoint& point) const {
    const double* cv = (i >= 0 && i < m_cv_count) ? CV(i) : nullptr;
    if (cv == nullptr) {
        return false;
    }
    const int n = std::min(m_dim, 3);
    point = ON_4dPoint(0.0, 0.0, 0.0, m_is_rat ? cv[m_dim] : 1.0);
    for (int k = 0; k < n; ++k) {
        point[k] = cv[k];
    }
    return true;
}

bool ON_NurbsCurve::SetWeight(int i, double w) {
    if (i < 0 || i >= m_cv_count) {
        return false;
    }
    if (!m_is_rat) {
        return w == 1.0;
    }
    double* cv = CV(i);
    if (cv == nullptr) {
        return false;
    }
    cv[m_dim] = w;
    return true;
}

double ON_NurbsCurve::Weight(int i) const {
    const double* cv = CV(i);
    return (m_is_rat && cv != nullptr) ? cv[m_dim] : 1.0;
}

bool ON_NurbsCurve::SetKnot(int i, double knot_value) {
    if (m_knot == nullptr || i < 0 || i >= KnotCount()) {
        return false;
    }
    m_knot[i] = knot_value;
    return true;
}

double ON_NurbsCurve::Knot(int i) const {
    return m_knot != nullptr ? m_knot[i] : 0.0;
}

double ON_NurbsCurve::SuperfluousKnot(int end) const {
    if (m_knot == nullptr || m_order < MinimumOrder || m_cv_count < m_order) {
        return 0.0;
    }
    constexpr int MinimumExtrapolationCount = 6; // fewer CVs never extrapolate the spacing
    const int knot_count = KnotCount();
    const bool long_enough = m_order > MinimumOrder && m_cv_count >= 2 * m_order - 2 &&
                             m_cv_count >= MinimumExtrapolationCount;
    if (end == 0) {
        const bool clamped = m_knot[0] == m_knot[m_order - 2];
        if (long_enough && !clamped) {
            return m_knot[0] - (m_knot[m_cv_count - m_order + 1] - m_knot[m_cv_count - m_order]);
        }
        return m_knot[0];
    }
    const bool clamped = m_knot[m_cv_count - 1] == m_knot[knot_count - 1];
    if (long_enough && !clamped) {
        return m_knot[knot_count - 1] + (m_knot[m_order - 1] - m_knot[m_order - 2]);
    }
    return m_knot[knot_count - 1];
}

bool ON_NurbsCurve::MakeRational() {
    if (m_is_rat) {
        return true;
    }
    if (m_cv == nullptr || m_dim < 1 || m_cv_count < 1) {
        return false;
    }
    const int new_stride = m_dim + 1;
    if (m_cv_stride >= new_stride) {
        for (int i = 0; i < m_cv_count; ++i) {
            m_cv[i * m_cv_stride + m_dim] = 1.0;
        }
    } else {
        const int old_stride = m_cv_stride;
        if (!ReserveCVCapacity(m_cv_count * new_stride)) {
            return false;
        }
        // Spread the CVs out from the last one down, so no CV is overwritten before it moves.
        for (int i = m_cv_count - 1; i >= 0; --i) {
            std::memmove(m_cv + i * new_stride, m_cv + i * old_stride,
                         static_cast<std::size_t>(m_dim) * sizeof(double));
            m_cv[i * new_stride + m_dim] = 1.0;
        }
        m_cv_stride = new_stride;
    }
    m_is_rat = 1;
    return true;
}

bool ON_NurbsCurve::MakeClampedUniformKnotVector(double delta) {
    if (m_knot == nullptr || !(delta > 0.0) || m_order < MinimumOrder || m_cv_count < m_order) {
        return false;
    }
    const int degree = m_order - 1;
    const int knot_count = KnotCount();
    for (int i = 0; i < knot_count; ++i) {
        // Knots 0 ... degree-1 are 0; knot degree-1+k is k*delta; the last degree are equal.
        const int k = std::clamp(i - (degree - 1), 0, m_cv_count - degree);
        m_knot[i] = k * delta;
    }
    return true;
}

bool ON_NurbsCurve::MakePeriodicUniformKnotVector(double delta) {
    if (m_knot == nullptr || !(delta > 0.0) || m_order < MinimumOrder || m_cv_count < m_order) {
        return false;
    }
    const int knot_count = KnotCount();
    for (int i = 0; i < knot_count; ++i) {
        m_knot[i] = (i - (m_order - 2)) * delta;
    }
    return true;
}

bool ON_NurbsCurve::IsValid(ON_TextLog* text_log) const {
    auto fail = [text_log](const char* message) {
        if (text_log != nullptr) {
            text_log->Print("ON_NurbsCurve %s\n", message);
        }
        return false;
    };
    if (m_dim < 1) {
        return fail("m_dim < 1.");
    }
    if (m_order < MinimumOrder) {
        return fail("m_order < 2.");
    }
    if (m_cv_count < m_order) {
        return fail("m_cv_count < m_order.");
    }
    if (m_cv_stride < CVSize()) {
        return fail("m_cv_stride < CVSize().");
    }
    if (m_knot == nullptr) {
        return fail("m_knot is null.");
    }
    if (m_cv == nullptr) {
        return fail("m_cv is null.");
    }
    if (!ON_Knot::IsValidKnotVector(m_order, m_cv_count, m_knot)) {
        return fail("m_knot is not a valid knot vector (decreasing, a multiplicity above the "
                    "degree, an empty domain or an invalid value).");
    }
    for (int i = 0; i < m_cv_count; ++i) {
        const double* cv = CV(i);
        for (int k = 0; k < CVSize(); ++k) {
            if (!ON_IsValid(cv[k])) {
                if (text_log != nullptr) {
                    text_log->Print("ON_NurbsCurve CV %d has an invalid value.\n", i);
                }
                return false;
            }
        }
    }
    return true;
}
