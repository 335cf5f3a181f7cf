// Kestrin drawing toolkit (private).
// Writing the entities of a block in their order with every core formatting. The entities are
// cut into chunks; each thread (the calling one among them) takes the next chunk, formats it into
// an in-memory writer and hands its text to the file once every chunk before it is written. One
// chunk per thread is in flight, so memory stays bounded, and the file is byte for byte what one
// thread would write.
#pragma once

class DxfTagWriter;
class OdDbBlockTableRecord;

/* Description:
     Writes every entity of block that a file can carry, in the block's order.
   Returns:
     The number of entities left out (see OdDbEntity::isDxfWritable()).
   Remarks:
     A write error stops the output (pOut->error() tells); an exception from formatting an
     entity reaches the caller once the workers have stopped.
*/
unsigned int WriteEntitiesInOrder(const OdDbBlockTableRecord& block, DxfTagWriter* pOut);
