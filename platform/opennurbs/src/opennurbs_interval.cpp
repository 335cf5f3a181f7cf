// Kestrin openNURBS-compatible geometry.
// ON_Interval: ends, ordering and parameter mapping.
#include "opennurbs_interval.h"

#include <utility>

const ON_Interval ON_Interval::EmptyInterval;
const ON_Interval ON_Interval::ZeroToOne(0.0, 1.0);

bool ON_Interval::operator==(const ON_Interval& other) const {
    return m_t[0] == other.m_t[0] && m_t[1] == other.m_t[1];
}

bool ON_Interval::operator!=(const ON_Interval& other) const {
    return !(*this == other);
}

void ON_Interval::Set(double t0, double t1) {
    m_t[0] = t0;
    m_t[1] = t1;
}

void ON_Interval::Destroy() {
    *this = EmptyInterval;
}

double ON_Interval::Min() const {
    return m_t[0] <= m_t[1] ? m_t[0] : m_t[1];
}

double ON_Interval::Max() const {
    return m_t[0] <= m_t[1] ? m_t[1] : m_t[0];
}

double ON_Interval::Mid() const {
    return 0.5 * (m_t[0] + m_t[1]);
}

double ON_Interval::Length() const {
    return m_t[1] - m_t[0];
}

bool ON_Interval::IsValid() const {
    return ON_IsValid(m_t[0]) && ON_IsValid(m_t[1]);
}

bool ON_Interval::IsIncreasing() const {
    return IsValid() && m_t[0] < m_t[1];
}

bool ON_Interval::IsDecreasing() const {
    return IsValid() && m_t[0] > m_t[1];
}

bool ON_Interval::IsSingleton() const {
    return IsValid() && m_t[0] == m_t[1];
}

bool ON_Interval::IsEmptySet() const {
    return m_t[0] == ON_UNSET_VALUE && m_t[1] == ON_UNSET_VALUE;
}

double ON_Interval::ParameterAt(double x) const {
    if (!IsValid()) {
        return ON_UNSET_VALUE;
    }
    return (1.0 - x) * m_t[0] + x * m_t[1];
}

double ON_Interval::NormalizedParameterAt(double t) const {
    if (!IsValid() || m_t[0] == m_t[1]) {
        return ON_UNSET_VALUE;
    }
    return (t - m_t[0]) / (m_t[1] - m_t[0]);
}

bool ON_Interval::Includes(double t, bool bTestOpenInterval) const {
    if (!IsValid() || !ON_IsValid(t)) {
        return false;
    }
    const double lo = Min();
    const double hi = Max();
    return bTestOpenInterval ? (lo < t && t < hi) : (lo <= t && t <= hi);
}

void ON_Interval::Swap() {
    std::swap(m_t[0], m_t[1]);
}

bool ON_Interval::MakeIncreasing() {
    if (IsDecreasing()) {
        Swap();
        return true;
    }
    return IsIncreasing();
}
