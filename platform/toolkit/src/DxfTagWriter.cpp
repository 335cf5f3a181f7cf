// Kestrin drawing toolkit.
// DxfTagWriter: formatting and buffered output of DXF tags.
#include "DxfTagWriter.h"

#include "DbEntity.h"

#include <fmt/compile.h>

#include <cerrno>
#include <iterator>
#include <unistd.h>

namespace {
constexpr double kDegreesPerRadian = 57.295779513082320876798;
constexpr char kSequenceEndName[] = "SEQEND";
} // namespace

void DxfTagWriter::code(int groupCode) {
    // Group codes are right-aligned in three columns (wider codes take their own width).
    constexpr int kAlignWidth = 3;
    char digits[16];
    char* const pEnd = fmt::format_to(digits, FMT_COMPILE("{}"), groupCode);
    for (auto width = pEnd - digits; width < kAlignWidth; ++width) {
        m_buffer.push_back(' ');
    }
    m_buffer.append(digits, pEnd);
    m_buffer.push_back('\n');
}

template <class T> void DxfTagWriter::value(const T& value) {
    // Compiled format: no format string is parsed per value. For doubles "{}" is the shortest
    // text that reads back to the same double, with '.' whatever the locale.
    fmt::format_to(std::back_inserter(m_buffer), FMT_COMPILE("{}\n"), value);
}

template <class T> void DxfTagWriter::tag(int groupCode, const T& value) {
    code(groupCode);
    this->value(value);
    flushIfFull();
}

void DxfTagWriter::wrString(int groupCode, const char* text) {
    code(groupCode);
    m_buffer.append(text, text + std::char_traits<char>::length(text));
    m_buffer.push_back('\n');
    flushIfFull();
}

void DxfTagWriter::wrInt16(int groupCode, OdInt16 value) {
    tag(groupCode, value);
}

void DxfTagWriter::wrInt32(int groupCode, OdInt32 value) {
    tag(groupCode, value);
}

void DxfTagWriter::wrDouble(int groupCode, double value) {
    tag(groupCode, value);
}

void DxfTagWriter::wrAngle(int groupCode, double radians) {
    tag(groupCode, radians * kDegreesPerRadian);
}

void DxfTagWriter::wrPoint3d(int groupCode, const OdGePoint3d& point) {
    constexpr int kNextCoordinate = 10; // x, y, z in groupCode, +10, +20
    code(groupCode);
    value(point.x);
    code(groupCode + kNextCoordinate);
    value(point.y);
    code(groupCode + 2 * kNextCoordinate);
    value(point.z);
    flushIfFull();
}

void DxfTagWriter::wrVector3d(int groupCode, const OdGeVector3d& vector) {
    wrPoint3d(groupCode, OdGePoint3d(vector.x, vector.y, vector.z));
}

void DxfTagWriter::wrHandle(int groupCode, OdDbHandle handle) {
    code(groupCode);
    fmt::format_to(std::back_inserter(m_buffer), FMT_COMPILE("{:X}\n"),
                   static_cast<OdUInt64>(handle));
    flushIfFull();
}

void DxfTagWriter::wrRecordStart(const char* typeName, OdDbHandle handle, OdDbHandle ownerHandle,
                                 int handleCode) {
    wrString(0, typeName);
    wrHandle(handleCode, handle);
    wrHandle(kOwnerCode, ownerHandle);
}

void DxfTagWriter::wrObject(const OdDbObject* pObject) {
    wrRecordStart(pObject->isA()->dxfNameUtf8().c_str(), pObject->getDbHandle(),
                  pObject->ownerId().getHandle());
    pObject->dxfOutFields(this);
}

void DxfTagWriter::wrSequenceEnd(OdDbHandle handle, OdDbHandle ownerHandle) {
    wrRecordStart(kSequenceEndName, handle, ownerHandle);
    OdDbEntity::dxfOutDefaultEntityFields(this); // a SEQEND has no fields of its own
}

void DxfTagWriter::flushIfFull() {
    if (m_buffer.size() >= kFlushThreshold) {
        flush();
    }
}

int DxfTagWriter::flush() {
    const char* pData = m_buffer.data();
    std::size_t left = m_buffer.size();
    while (left > 0 && m_error == 0) {
        const ssize_t written = ::write(m_fd, pData, left);
        if (written < 0) {
            if (errno != EINTR) {
                m_error = errno;
            }
            continue;
        }
        pData += written;
        left -= static_cast<std::size_t>(written);
    }
    m_buffer.clear();
    return m_error;
}
