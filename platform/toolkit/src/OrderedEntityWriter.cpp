// Kestrin drawing toolkit.
// OrderedEntityWriter: entities formatted in chunks on several threads, written in order.
#include "OrderedEntityWriter.h"

#include "DbBlockTableRecord.h"
#include "DxfTagWriter.h"
#include "ToolkitFaults.h"

#include <KestrinPosix/ProcessorCount.h>

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Records per chunk: large enough that taking turns costs nothing next to formatting them, small
// enough that a chunk's text (about 300 KB of 3D faces) is still in the cache of the core that
// formatted it when that core writes it: copying it into the file from another core's cache
// costs several times as much.
constexpr unsigned int kChunkRecords = 1024;

// The first entity of each chunk, then the end. Chunks are measured in records rather than
// entities: a polyface mesh writes a record for each of its vertices and face records too, so a
// chunk of a thousand of them would hold a thousand times the text of one of 3D faces.
std::vector<unsigned int> ChunkStarts(const OdDbBlockTableRecord& block) {
    std::vector<unsigned int> starts{0};
    unsigned int records = 0;
    for (unsigned int i = 0; i < block.numEntities(); ++i) {
        if (records >= kChunkRecords) {
            starts.push_back(i);
            records = 0;
        }
        records += block.entityAt(i)->dxfRecordCount();
    }
    starts.push_back(block.numEntities());
    return starts;
}

unsigned int WriteRange(const OdDbBlockTableRecord& block, unsigned int begin, unsigned int end,
                        DxfTagWriter* pOut) {
    unsigned int skipped = 0;
    for (unsigned int i = begin; i < end; ++i) {
        const OdDbEntity* pEntity = block.entityAt(i);
        if (pEntity->isDxfWritable()) {
            pOut->wrObject(pEntity);
        } else {
            ++skipped;
        }
    }
    return skipped;
}

// Every thread, the calling one included, takes the next chunk, formats it into a writer of its
// own and, when every chunk before it has been written, writes it to the file itself.
class ChunkPipeline {
public:
    ChunkPipeline(const OdDbBlockTableRecord& block, std::vector<unsigned int> chunkStarts,
                  DxfTagWriter* pOut)
        : m_block(block), m_pOut(pOut), m_chunkStarts(std::move(chunkStarts)),
          m_chunkCount(static_cast<unsigned int>(m_chunkStarts.size()) - 1) {}

    ChunkPipeline(const ChunkPipeline&) = delete;
    ChunkPipeline& operator=(const ChunkPipeline&) = delete;

    unsigned int run(unsigned int threads) {
        std::vector<std::thread> helpers;
        try {
            helpers.reserve(threads - 1);
            for (unsigned int t = 1; t < threads; ++t) {
                helpers.emplace_back(&ChunkPipeline::formatAndWrite, this);
            }
        } catch (...) {
            // Fewer threads than asked for (none could start, or there was no memory to keep
            // them); the ones running take every chunk. Every started one is joined below.
        }
        formatAndWrite();
        for (std::thread& helper : helpers) {
            helper.join();
        }
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
        return m_skipped;
    }

private:
    // Whatever a thread raises (the chunk writer's buffers cannot be had, an entity throws) is
    // kept for the caller and stops every thread: nothing may leave a thread's function.
    void formatAndWrite() {
        try {
            formatAndWriteChunks();
        } catch (...) {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_failure) {
                m_failure = std::current_exception();
            }
            m_bStop = true;
            m_turn.notify_all();
        }
    }

    void formatAndWriteChunks() {
        odtk::CheckChunkWriterFault();
        const auto pText = std::make_unique<DxfTagWriter>();
        DxfTagWriter& text = *pText;
        for (;;) {
            unsigned int chunk = 0;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_bStop || m_nextChunk == m_chunkCount) {
                    return;
                }
                chunk = m_nextChunk++;
            }
            const unsigned int skipped =
                WriteRange(m_block, m_chunkStarts[chunk], m_chunkStarts[chunk + 1], &text);
            std::unique_lock<std::mutex> lock(m_mutex);
            m_turn.wait(lock, [&] { return m_bStop || m_written == chunk; });
            if (m_bStop) {
                return;
            }
            // Until m_written moves on, no other thread touches the file's writer.
            lock.unlock();
            const bool bWritten = m_pOut->writeText(&text) == 0;
            lock.lock();
            m_skipped += skipped;
            ++m_written;
            m_bStop = m_bStop || !bWritten;
            m_turn.notify_all();
        }
    }

    const OdDbBlockTableRecord& m_block;
    DxfTagWriter* const m_pOut;
    const std::vector<unsigned int> m_chunkStarts;
    const unsigned int m_chunkCount;

    std::mutex m_mutex; // guards everything below
    std::condition_variable m_turn;
    unsigned int m_nextChunk = 0; // the next chunk to format
    unsigned int m_written = 0;   // chunks written to the file
    unsigned int m_skipped = 0;
    bool m_bStop = false;
    std::exception_ptr m_failure;
};

} // namespace

unsigned int WriteEntitiesInOrder(const OdDbBlockTableRecord& block, DxfTagWriter* pOut) {
    const unsigned int threads = kposix::UsableProcessors();
    std::vector<unsigned int> chunkStarts = ChunkStarts(block);
    if (threads > 1 && chunkStarts.size() > 2) {
        return ChunkPipeline(block, std::move(chunkStarts), pOut).run(threads);
    }
    return WriteRange(block, 0, block.numEntities(), pOut);
}
