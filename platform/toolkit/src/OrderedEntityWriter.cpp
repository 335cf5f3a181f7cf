// Kestrin drawing toolkit.
// OrderedEntityWriter: entities formatted in chunks on several threads, written in order.
#include "OrderedEntityWriter.h"

#include "DbBlockTableRecord.h"
#include "DxfTagWriter.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Entities per chunk: large enough that taking turns costs nothing next to formatting them, small
// enough that a chunk's text (about 300 KB for 3D faces) is still in the cache of the core that
// formatted it when that core writes it: copying it into the file from another core's cache
// costs several times as much.
constexpr unsigned int kChunkEntities = 1024;

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
    ChunkPipeline(const OdDbBlockTableRecord& block, DxfTagWriter* pOut)
        : m_block(block), m_pOut(pOut), m_entityCount(block.numEntities()),
          m_chunkCount((m_entityCount + kChunkEntities - 1) / kChunkEntities) {}

    ChunkPipeline(const ChunkPipeline&) = delete;
    ChunkPipeline& operator=(const ChunkPipeline&) = delete;

    unsigned int run(unsigned int threads) {
        std::vector<std::thread> helpers;
        try {
            for (unsigned int t = 1; t < threads; ++t) {
                helpers.emplace_back(&ChunkPipeline::formatAndWrite, this);
            }
        } catch (const std::system_error&) {
            // Fewer threads than asked for; the ones running take every chunk.
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
    void formatAndWrite() {
        DxfTagWriter text;
        for (;;) {
            unsigned int chunk = 0;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                if (m_bStop || m_nextChunk == m_chunkCount) {
                    return;
                }
                chunk = m_nextChunk++;
            }
            unsigned int skipped = 0;
            try {
                const unsigned int begin = chunk * kChunkEntities;
                skipped = WriteRange(m_block, begin, std::min(begin + kChunkEntities, m_entityCount),
                                     &text);
            } catch (...) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_failure = std::current_exception();
                m_bStop = true;
                m_turn.notify_all();
                return;
            }
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
    const unsigned int m_entityCount;
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
    const unsigned int threads = std::thread::hardware_concurrency();
    if (threads > 1 && block.numEntities() > kChunkEntities) {
        return ChunkPipeline(block, pOut).run(threads);
    }
    return WriteRange(block, 0, block.numEntities(), pOut);
}
