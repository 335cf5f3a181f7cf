// Kestrin drawing toolkit.
// The toolkit heap, on the C run-time's allocator.
#include "OdAlloc.h"

#include <cstdlib>

void* odrxAlloc(std::size_t nBytes) {
    return std::malloc(nBytes == 0 ? 1 : nBytes);
}

void* odrxRealloc(void* pMemory, std::size_t newSize, std::size_t /*oldSize*/) {
    return std::realloc(pMemory, newSize == 0 ? 1 : newSize);
}

void odrxFree(void* pMemory) {
    std::free(pMemory);
}
