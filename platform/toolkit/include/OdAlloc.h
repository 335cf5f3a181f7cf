// Kestrin drawing toolkit.
// The toolkit's heap: odrxAlloc/odrxRealloc/odrxFree. Toolkit arrays allocate through it, so
// memory that a module fills and the toolkit frees (or the other way round) always meets the
// same allocator, whichever library did the allocation.
#pragma once

#include <cstddef>

/* Description:
     Allocates nBytes bytes, aligned for any fundamental type.
   Returns:
     The block, or null when memory is exhausted.
*/
void* odrxAlloc(std::size_t nBytes);

/* Description:
     Resizes a block from odrxAlloc, moving its contents when needed.
   Parameters:
     pMemory       - [in] the block, or null (then it allocates).
     newSize       - [in] the new size in bytes.
     oldSize       - [in] the old size in bytes (kept for allocators that need it).
   Returns:
     The resized block, or null when memory is exhausted (the old block is then unchanged).
*/
void* odrxRealloc(void* pMemory, std::size_t newSize, std::size_t oldSize);

/* Description:
     Frees a block from odrxAlloc or odrxRealloc; null is ignored.
*/
void odrxFree(void* pMemory);
