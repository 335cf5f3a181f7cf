// Kestrin openNURBS-compatible geometry.
// ON_Arc: a piece of a circle between two angles. m_angle is an increasing interval in radians,
// measured counterclockwise about plane.zaxis from plane.xaxis; it may start anywhere (for example
// [pi, 2.5*pi]) but spans at most one full turn.
#pragma once

#include "opennurbs_circle.h"
#include "opennurbs_interval.h"

class ON_TextLog;

/* Description:
     A circular arc: the circle part plus the angle interval m_angle.
   Remarks:
     Valid when the circle is valid, m_angle is increasing and
     ON_ZERO_TOLERANCE < AngleRadians() <= 2*pi + ON_ZERO_TOLERANCE. The default arc is the
     full unit circle in World_xy, m_angle = [0, 2*pi].
     m_angle is public, as in the library's older releases; new code should set it through
     Create, SetAngleRadians or SetAngleIntervalRadians, which keep it increasing and at most
     one turn.
*/
class ON_Arc : public ON_Circle {
public:
    ON_Interval m_angle; // increasing, length <= 2*pi; radians about plane.zaxis

    ON_Arc();

    /* Description:
         The arc of a circle from angle 0 to angle_radians (see Create).
    */
    ON_Arc(const ON_Circle& circle, double angle_radians);

    /* Description:
         The arc of a circle over an angle interval (see Create).
    */
    ON_Arc(const ON_Circle& circle, ON_Interval angle_interval_radians);

    ON_Arc(const ON_Plane& plane, double radius, double angle_radians);
    ON_Arc(const ON_3dPoint& center, double radius, double angle_radians);
    ON_Arc(const ON_Plane& plane, const ON_3dPoint& center, double radius, double angle_radians);

    /* Description:
         The arc from P through Q to R (see Create).
    */
    ON_Arc(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

    /* Description:
         Makes the arc the full turn of a circle: m_angle = [0, 2*pi].
    */
    ON_Arc& operator=(const ON_Circle& circle);

    /* Description:
         Sets the arc from angle 0 to angle_radians on a circle.
       Returns:
         IsValid(). A negative angle reverses the circle (see SetAngleRadians).
    */
    bool Create(const ON_Circle& circle, double angle_radians);

    /* Description:
         Sets the arc over an angle interval on a circle.
       Parameters:
         circle - [in] the circle.
         angle_interval_radians - [in] the angles. A decreasing interval is swapped and the
           circle reversed (the arc then runs the other way, and the result is false); an
           interval longer than 2*pi is cut to 2*pi (result false).
       Returns:
         true when the interval was used as given and the arc is valid.
    */
    bool Create(const ON_Circle& circle, ON_Interval angle_interval_radians);

    bool Create(const ON_Plane& plane, double radius, double angle_radians);
    bool Create(const ON_3dPoint& center, double radius, double angle_radians);
    bool Create(const ON_Plane& plane, const ON_3dPoint& center, double radius,
                double angle_radians);

    /* Description:
         Sets the arc that starts at P, passes through Q and ends at R.
       Returns:
         false when the points are collinear or coincident. Otherwise the circle is the one of
         ON_Circle::Create(P, Q, R) (xaxis towards P, so the arc starts at angle 0) and the arc
         ends at R's angle.
    */
    bool Create(const ON_3dPoint& P, const ON_3dPoint& Q, const ON_3dPoint& R);

    /* Description:
         Tells whether the arc is valid (see the class remarks).
       Parameters:
         text_log - [in] optional; receives the reason when the arc is not valid.
    */
    bool IsValid(ON_TextLog* text_log = nullptr) const;

    /* Description:
         Tells whether the arc is a full circle: | |AngleRadians()| - 2*pi | <= ON_ZERO_TOLERANCE.
    */
    bool IsCircle() const;

    /* Description:
         The sweep m_angle[1] - m_angle[0] in radians.
    */
    double AngleRadians() const;

    /* Description:
         The sweep in degrees.
    */
    double AngleDegrees() const;

    /* Description:
         m_angle (the arc's parameter domain, in radians).
    */
    ON_Interval Domain() const { return m_angle; }
    ON_Interval DomainRadians() const { return m_angle; }

    /* Description:
         m_angle converted to degrees.
    */
    ON_Interval DomainDegrees() const;

    /* Description:
         Sets the sweep, keeping the start angle.
       Parameters:
         angle_radians - [in] the sweep; a negative sweep reverses the circle so that the arc
           runs the other way over |angle_radians|.
       Returns:
         false (arc unchanged) for a sweep of 0 or longer than 2*pi.
    */
    bool SetAngleRadians(double angle_radians);

    /* Description:
         Sets the sweep in degrees (see SetAngleRadians).
    */
    bool SetAngleDegrees(double angle_degrees);

    /* Description:
         Sets m_angle.
       Returns:
         false (arc unchanged) unless the interval is increasing and shorter than
         (1 + ON_SQRT_EPSILON) * 2*pi.
    */
    bool SetAngleIntervalRadians(ON_Interval angle_interval_radians);

    ON_3dPoint StartPoint() const; // PointAt(m_angle[0])
    ON_3dPoint MidPoint() const;   // PointAt(m_angle.Mid())
    ON_3dPoint EndPoint() const;   // PointAt(m_angle[1])

    /* Description:
         Arc length: radius * |AngleRadians()|.
    */
    double Length() const;

    /* Description:
         Finds the arc point nearest to a point.
       Parameters:
         point - [in] the point.
         t - [out] an angle in m_angle: the circle's nearest angle when it lies on the arc,
           else the angle of the nearer arc end.
       Returns:
         false when the point projects onto the centre (every arc point is then nearest; t is
           m_angle[0] or the circle's angle 0 brought onto the arc) or m_angle is not finite
           (t is m_angle[0]).
    */
    bool ClosestPointTo(const ON_3dPoint& point, double* t) const;

    /* Description:
         The arc point nearest to a point.
    */
    ON_3dPoint ClosestPointTo(const ON_3dPoint& point) const;

    /* Description:
         Reverses the arc: the circle is reversed and m_angle becomes [-m_angle[1], -m_angle[0]],
         so StartPoint and EndPoint swap.
    */
    bool Reverse();
};
