// Kestrin openNURBS-compatible geometry.
// ON_3fPointArray: a growable array of ON_3fPoint with the ON_SimpleArray contract (bitwise
// copies, zero-filled new slots). It holds a mesh's single precision vertices.
#pragma once

#include "opennurbs_3fpoint.h"
#include "opennurbs_array.h"

/* Description:
     An ON_SimpleArray of ON_3fPoint: the vertex list of ON_Mesh.
*/
class ON_3fPointArray : public ON_SimpleArray<ON_3fPoint> {
public:
    ON_3fPointArray() = default;

    /* Description:
         An empty array with room for capacity points.
       Parameters:
         capacity - [in] the slots to reserve; values <= 0 reserve none.
    */
    explicit ON_3fPointArray(int capacity);

    ON_3fPointArray(const ON_SimpleArray<ON_3fPoint>& src);
    ON_3fPointArray& operator=(const ON_SimpleArray<ON_3fPoint>& src);
};
