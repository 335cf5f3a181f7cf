// Kestrin openNURBS-compatible geometry.
// ON_3dPointArray: the point list type and its polygon length.
#include "opennurbs_3dpointarray.h"

ON_3dPointArray::ON_3dPointArray(int capacity)
    : ON_SimpleArray<ON_3dPoint>(capacity > 0 ? static_cast<std::size_t>(capacity) : 0) {}

ON_3dPointArray::ON_3dPointArray(const ON_SimpleArray<ON_3dPoint>& src)
    : ON_SimpleArray<ON_3dPoint>(src) {}

ON_3dPointArray& ON_3dPointArray::operator=(const ON_SimpleArray<ON_3dPoint>& src) {
    ON_SimpleArray<ON_3dPoint>::operator=(src);
    return *this;
}

double ON_3dPointArray::Length() const {
    double length = 0.0;
    for (int i = 1; i < m_count; ++i) {
        length += m_a[i - 1].DistanceTo(m_a[i]);
    }
    return length;
}
