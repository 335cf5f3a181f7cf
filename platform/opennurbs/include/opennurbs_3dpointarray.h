// Kestrin openNURBS-compatible geometry.
// ON_3dPointArray: a growable array of ON_3dPoint with the ON_SimpleArray contract (bitwise
// copies, zero-filled new slots). It is the translator's point list and ON_Polyline's base.
#pragma once

#include "opennurbs_3dpoint.h"
#include "opennurbs_array.h"

/* Description:
     An ON_SimpleArray of ON_3dPoint.
*/
class ON_3dPointArray : public ON_SimpleArray<ON_3dPoint> {
public:
    ON_3dPointArray() = default;

    /* Description:
         An empty array with room for capacity points.
    */
    explicit ON_3dPointArray(int capacity);

    ON_3dPointArray(const ON_SimpleArray<ON_3dPoint>& src);
    ON_3dPointArray& operator=(const ON_SimpleArray<ON_3dPoint>& src);

    /* Description:
         The length of the polygon through the points in order.
    */
    double Length() const;
};
