// Kestrin drawing toolkit (private).
// Writing the entities of a block in their order with every core formatting. The entities are
// cut into chunks; worker threads take the chunks in turn and format each into an in-memory
// writer, and the calling thread hands each chunk's text to the file as soon as it and every
// chunk before it are done. Only a few chunks are in flight, so memory stays bounded, and the
// file is byte for byte what one thread would write.
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
