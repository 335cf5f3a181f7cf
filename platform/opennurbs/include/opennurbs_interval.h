// Kestrin openNURBS-compatible geometry.
// ON_Interval: a parameter or angle interval [m_t[0], m_t[1]]. The ends are stored as given, so
// an interval may be decreasing; curve domains are increasing.
#pragma once

#include "opennurbs_defines.h"

/* Description:
     An interval of real numbers from m_t[0] to m_t[1].
   Remarks:
     Valid when both ends are valid numbers (ON_IsValid). Increasing when m_t[0] < m_t[1].
     ON_Interval::EmptyInterval has both ends ON_UNSET_VALUE.
*/
class ON_Interval {
public:
    double m_t[2]; // the two ends, in the order given

    static const ON_Interval EmptyInterval;
    static const ON_Interval ZeroToOne;

    // The empty interval.
    constexpr ON_Interval() : m_t{ON_UNSET_VALUE, ON_UNSET_VALUE} {}
    constexpr ON_Interval(double t0, double t1) : m_t{t0, t1} {}

    double& operator[](int i) { return m_t[i <= 0 ? 0 : 1]; }
    double operator[](int i) const { return m_t[i <= 0 ? 0 : 1]; }

    bool operator==(const ON_Interval& other) const;
    bool operator!=(const ON_Interval& other) const;

    void Set(double t0, double t1);
    void Destroy(); // makes it the empty interval

    double Min() const;
    double Max() const;
    // (m_t[0] + m_t[1]) / 2.
    double Mid() const;
    // m_t[1] - m_t[0]: negative for a decreasing interval.
    double Length() const;

    bool IsValid() const;
    bool IsIncreasing() const;
    bool IsDecreasing() const;
    bool IsSingleton() const;
    bool IsEmptySet() const;

    /* Description:
         The number at normalized parameter x: (1 - x)·m_t[0] + x·m_t[1].
    */
    double ParameterAt(double x) const;

    /* Description:
         The normalized parameter of t: 0 at m_t[0], 1 at m_t[1].
       Returns:
         ON_UNSET_VALUE for a singleton or invalid interval.
    */
    double NormalizedParameterAt(double t) const;

    /* Description:
         Tells whether t lies between the ends.
       Parameters:
         t - [in] the number.
         bTestOpenInterval - [in] true to exclude the ends.
    */
    bool Includes(double t, bool bTestOpenInterval = false) const;

    void Swap();
    // Makes it increasing by swapping the ends when it is decreasing.
    bool MakeIncreasing();
};
