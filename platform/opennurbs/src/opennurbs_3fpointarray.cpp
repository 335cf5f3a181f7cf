// Kestrin openNURBS-compatible geometry.
// ON_3fPointArray: the mesh vertex list type.
#include "opennurbs_3fpointarray.h"

ON_3fPointArray::ON_3fPointArray(int capacity)
    : ON_SimpleArray<ON_3fPoint>(capacity > 0 ? static_cast<std::size_t>(capacity) : 0) {}

ON_3fPointArray::ON_3fPointArray(const ON_SimpleArray<ON_3fPoint>& src)
    : ON_SimpleArray<ON_3fPoint>(src) {}

ON_3fPointArray& ON_3fPointArray::operator=(const ON_SimpleArray<ON_3fPoint>& src) {
    ON_SimpleArray<ON_3fPoint>::operator=(src);
    return *this;
}
