// Kestrin drawing toolkit.
// OdGeExtents3d: an axis-aligned box in world space, grown point by point. A new box holds
// nothing: its minimum is (1e20,1e20,1e20) and its maximum (-1e20,-1e20,-1e20), the values a
// drawing file gives for the extents of an empty drawing.
#pragma once

#include "Ge/GePoint3d.h"

#include <algorithm>

/* Description:
     An axis-aligned box. Valid once it holds a point: then minPoint() <= maxPoint() in each
     coordinate.
*/
class OdGeExtents3d {
public:
    // The coordinate of an empty box's corners (its minimum at +kEmptyCoordinate, its maximum at
    // -kEmptyCoordinate): the convention of drawing files for "no extents".
    static constexpr double kEmptyCoordinate = 1e20;

    OdGeExtents3d() = default;

    const OdGePoint3d& minPoint() const { return m_min; }
    const OdGePoint3d& maxPoint() const { return m_max; }

    /* Description:
         Tells whether the box holds a point.
    */
    bool isValidExtents() const {
        return m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z;
    }

    /* Description:
         Grows the box to hold point.
       Remarks:
         An empty box becomes the point itself, whatever its coordinates (beyond 1e20 too).
    */
    OdGeExtents3d& addPoint(const OdGePoint3d& point) {
        if (!isValidExtents()) {
            m_min = m_max = point;
            return *this;
        }
        m_min = OdGePoint3d(std::min(m_min.x, point.x), std::min(m_min.y, point.y),
                            std::min(m_min.z, point.z));
        m_max = OdGePoint3d(std::max(m_max.x, point.x), std::max(m_max.y, point.y),
                            std::max(m_max.z, point.z));
        return *this;
    }

    /* Description:
         Grows the box to hold extents; an empty extents leaves it as it is.
    */
    OdGeExtents3d& addExt(const OdGeExtents3d& extents) {
        if (extents.isValidExtents()) {
            addPoint(extents.m_min);
            addPoint(extents.m_max);
        }
        return *this;
    }

private:
    OdGePoint3d m_min{kEmptyCoordinate, kEmptyCoordinate, kEmptyCoordinate};
    OdGePoint3d m_max{-kEmptyCoordinate, -kEmptyCoordinate, -kEmptyCoordinate};
};
