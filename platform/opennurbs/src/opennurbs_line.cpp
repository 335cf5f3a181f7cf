// Kestrin openNURBS-compatible geometry.
// ON_Line: evaluation and projection onto the line.
#include "opennurbs_line.h"

bool ON_Line::Create(const ON_3dPoint& start, const ON_3dPoint& end) {
    from = start;
    to = end;
    return IsValid();
}

bool ON_Line::IsValid(ON_TextLog* text_log) const {
    if (!from.IsValid() || !to.IsValid()) {
        if (text_log != nullptr) {
            text_log->Print("ON_Line: an end is not a valid point\n");
        }
        return false;
    }
    if (from == to) {
        if (text_log != nullptr) {
            text_log->Print("ON_Line: from == to (zero length)\n");
        }
        return false;
    }
    return true;
}

ON_3dVector ON_Line::Direction() const {
    return to - from;
}

ON_3dVector ON_Line::Tangent() const {
    return Direction().UnitVector();
}

double ON_Line::Length() const {
    return from.DistanceTo(to);
}

ON_3dPoint ON_Line::PointAt(double t) const {
    // Interpolating from both ends makes PointAt(0) == from and PointAt(1) == to exactly.
    const double s = 1.0 - t;
    return ON_3dPoint(from.x == to.x ? from.x : s * from.x + t * to.x,
                      from.y == to.y ? from.y : s * from.y + t * to.y,
                      from.z == to.z ? from.z : s * from.z + t * to.z);
}

bool ON_Line::ClosestPointTo(const ON_3dPoint& point, double* t) const {
    const ON_3dVector d = Direction();
    const double dd = d * d;
    double result = 0.0;
    bool ok = false;
    if (dd > 0.0) {
        ok = true;
        if (point.DistanceTo(from) <= point.DistanceTo(to)) {
            result = ((point - from) * d) / dd;
        } else {
            result = 1.0 + ((point - to) * d) / dd;
        }
    }
    if (t != nullptr) {
        *t = result;
    }
    return ok;
}

ON_3dPoint ON_Line::ClosestPointTo(const ON_3dPoint& point) const {
    double t = 0.0;
    ClosestPointTo(point, &t);
    return PointAt(t);
}

double ON_Line::DistanceTo(const ON_3dPoint& point) const {
    return point.DistanceTo(ClosestPointTo(point));
}

void ON_Line::Reverse() {
    const ON_3dPoint p = from;
    from = to;
    to = p;
}
