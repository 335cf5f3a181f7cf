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

// Entities per chunk: large enough that handing chunks over costs nothing next to formatting
// them (a chunk of 3D faces is about 1.3 MB of text), small enough to keep memory low.
constexpr unsigned int kChunkEntities = 4096;
// Chunks formatted or waiting to be written, per formatting thread.
constexpr unsigned int kChunksInFlightPerThread = 2;

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

class ChunkPipeline {
public:
    ChunkPipeline(const OdDbBlockTableRecord& block, unsigned int threads)
        : m_block(block), m_entityCount(block.numEntities()),
          m_chunkCount((m_entityCount + kChunkEntities - 1) / kChunkEntities),
          m_slots(threads * kChunksInFlightPerThread) {
        try {
            for (unsigned int t = 0; t < threads; ++t) {
                m_workers.emplace_back(&ChunkPipeline::formatChunks, this);
            }
        } catch (const std::system_error&) {
            // Fewer threads than asked for; the ones running take every chunk.
        }
    }

    ~ChunkPipeline() { stop(); }

    ChunkPipeline(const ChunkPipeline&) = delete;
    ChunkPipeline& operator=(const ChunkPipeline&) = delete;

    bool started() const { return !m_workers.empty(); }

    unsigned int writeAll(DxfTagWriter* pOut) {
        unsigned int skipped = 0;
        for (unsigned int chunk = 0; chunk < m_chunkCount; ++chunk) {
            Slot& slot = m_slots[chunk % m_slots.size()];
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_changed.wait(lock, [&] { return slot.bReady || m_bStop; });
                if (!slot.bReady) {
                    break; // a worker failed
                }
            }
            skipped += slot.skipped;
            const bool bWritten = pOut->writeText(&slot.text) == 0;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                slot.bReady = false;
                ++m_written;
                m_bStop = m_bStop || !bWritten;
            }
            m_changed.notify_all();
            if (!bWritten) {
                break;
            }
        }
        stop();
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
        return skipped;
    }

private:
    struct Slot {
        DxfTagWriter text;
        unsigned int skipped = 0;
        bool bReady = false; // formatted, not yet written
    };

    void formatChunks() {
        for (;;) {
            unsigned int chunk = 0;
            Slot* pSlot = nullptr;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                if (m_bStop || m_nextChunk == m_chunkCount) {
                    return;
                }
                chunk = m_nextChunk++;
                // The slot is free once the chunk that used it before has been written.
                m_changed.wait(lock, [&] { return m_bStop || chunk < m_written + m_slots.size(); });
                if (m_bStop) {
                    return;
                }
                pSlot = &m_slots[chunk % m_slots.size()];
            }
            try {
                const unsigned int begin = chunk * kChunkEntities;
                pSlot->skipped = WriteRange(m_block, begin,
                                            std::min(begin + kChunkEntities, m_entityCount),
                                            &pSlot->text);
            } catch (...) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_failure = std::current_exception();
                m_bStop = true;
                m_changed.notify_all();
                return;
            }
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                pSlot->bReady = true;
            }
            m_changed.notify_all();
        }
    }

    void stop() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
        }
        m_changed.notify_all();
        for (std::thread& worker : m_workers) {
            if (worker.joinable()) {
                worker.join();
            }
        }
    }

    const OdDbBlockTableRecord& m_block;
    const unsigned int m_entityCount;
    const unsigned int m_chunkCount;
    std::vector<Slot> m_slots;
    std::vector<std::thread> m_workers;

    std::mutex m_mutex; // guards everything below and the slots' bReady
    std::condition_variable m_changed;
    unsigned int m_nextChunk = 0; // the next chunk a worker takes
    unsigned int m_written = 0;   // chunks handed to the file
    bool m_bStop = false;
    std::exception_ptr m_failure;
};

} // namespace

unsigned int WriteEntitiesInOrder(const OdDbBlockTableRecord& block, DxfTagWriter* pOut) {
    const unsigned int threads = std::thread::hardware_concurrency();
    if (threads > 1 && block.numEntities() > kChunkEntities) {
        ChunkPipeline pipeline(block, threads);
        if (pipeline.started()) {
            return pipeline.writeAll(pOut);
        }
    }
    return WriteRange(block, 0, block.numEntities(), pOut);
}
