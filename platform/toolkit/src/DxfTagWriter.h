// Kestrin drawing toolkit (private).
// DxfTagWriter: the one place where DXF text is formatted. Each tag is a right-aligned group code
// line and a value line; numbers are written in the shortest form that reads back exactly (as
// fmt's "{}" writes them, whatever the locale), handles in upper-case hexadecimal. Output is
// buffered and handed to a file descriptor in blocks, so memory stays constant whatever the file's
// size; the first write error stops all output and is kept for the caller. A writer without a
// descriptor keeps its text in memory, so that parts of a file can be formatted on several threads
// and written in order.
#pragma once

#include "DbFiler.h"
#include "DxfGroupCodes.h"

#include <fmt/format.h>

#include <cstdint>
#include <memory>

class DxfTagWriter : public OdDbDxfFiler {
public:
    /* Parameters:
         fd - [in] an open file descriptor; the writer does not close it.
    */
    explicit DxfTagWriter(int fd) : m_fd(fd) {}
    /* Description:
         A writer that keeps its text in memory, for a part of a file formatted apart from the
         rest and handed on with writeText().
    */
    DxfTagWriter() = default;
    ~DxfTagWriter() override = default;
    DxfTagWriter(const DxfTagWriter&) = delete;
    DxfTagWriter& operator=(const DxfTagWriter&) = delete;

    void wrString(int groupCode, const char* text) override;
    void wrInt16(int groupCode, OdInt16 value) override;
    void wrInt32(int groupCode, OdInt32 value) override;
    void wrDouble(int groupCode, double value) override;
    void wrAngle(int groupCode, double radians) override;
    void wrPoint3d(int groupCode, const OdGePoint3d& point) override;
    void wrVector3d(int groupCode, const OdGeVector3d& vector) override;
    void wrHandle(int groupCode, OdDbHandle handle) override;
    void wrObject(const OdDbObject* pObject) override;
    void wrSequenceEnd(OdDbHandle handle, OdDbHandle ownerHandle) override;

    /* Description:
         Writes a record's type, handle and owner: groups 0, 5 (or handleCode) and 330.
    */
    void wrRecordStart(const char* typeName, OdDbHandle handle, OdDbHandle ownerHandle,
                       int handleCode = odtk::dxf::kHandleCode);

    /* Description:
         Hands the buffered text to the file descriptor.
       Returns:
         0, or the errno of the first write that failed (then nothing more is written).
    */
    int flush();

    /* Description:
         Hands on what this writer has buffered, then the text of an in-memory writer (which is
         left empty).
       Returns:
         As flush().
    */
    int writeText(DxfTagWriter* pPart);

    /* Description:
         Returns the errno of the first failed write, 0 while none failed.
    */
    int error() const { return m_error; }

private:
    // Room for up to size more characters at the end of the buffer; commit() keeps those
    // written, up to pEnd, and flushes a full buffer.
    char* room(std::size_t size);
    void commit(const char* pEnd);
    template <class T> void tag(int groupCode, const T& value);
    char* writeDouble(char* pOut, double value);
    void flushIfFull();
    void writeAll(const char* pData, std::size_t size);

    // Text is handed on in blocks of this size: large enough to make system calls rare.
    static constexpr std::size_t kFlushThreshold = std::size_t{1} << 20;

    int m_fd = -1;   // -1: the text stays in memory
    int m_error = 0; // errno of the first failed write
    fmt::memory_buffer m_buffer;

    // The text of the doubles written lately, by bit pattern: the corners of a mesh's faces repeat
    // from face to face, and formatting a double costs several times looking it up.
    struct RecentDouble {
        static constexpr std::uint64_t kNone = ~std::uint64_t{0}; // a NaN: never cached
        static constexpr std::size_t kTextChars = 24;             // "-1.2345678901234567e-308"
        std::uint64_t bits = kNone;
        char text[kTextChars] = {};
        std::uint8_t length = 0;
    };
    static constexpr unsigned kRecentDoubleBits = 12;
    std::unique_ptr<RecentDouble[]> m_pRecentDoubles =
        std::make_unique<RecentDouble[]>(std::size_t{1} << kRecentDoubleBits);
};
