// Kestrin drawing toolkit.
// DxfTagWriter: formatting and buffered output of DXF tags.
#include "DxfTagWriter.h"

#include "DbEntity.h"

#include <fmt/compile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <unistd.h>

namespace {
constexpr double kDegreesPerRadian = 57.295779513082320876798;
constexpr char kSequenceEndName[] = "SEQEND";

// Longest text of a double: sign, 17 digits, point, "e-308".
constexpr std::size_t kMaxDoubleChars = 32;

// Writes the decimal digits of n; returns the end.
char* WriteDigits(char* pOut, std::uint64_t n) {
    char digits[20];
    char* pDigit = digits + sizeof(digits);
    do {
        *--pDigit = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    const auto count = static_cast<std::size_t>(digits + sizeof(digits) - pDigit);
    std::memcpy(pOut, pDigit, count);
    return pOut + count;
}

// Writes value exactly as fmt's "{}" does: the shortest digits that read back to the same double
// (fmt's own Dragonbox), in fixed notation for decimal exponents -4 to 15 and in exponent notation
// ("1.5e-07", "1e+16") otherwise. Laid out here because fmt's general float path costs several
// times the digit search itself, and a drawing of millions of faces is mostly doubles.
char* WriteShortest(char* pOut, double value) {
    if (!std::isfinite(value)) {
        return fmt::format_to(pOut, FMT_COMPILE("{}"), value);
    }
    if (std::signbit(value)) {
        *pOut++ = '-';
        value = -value;
    }
    constexpr int kLowestFixedExponent = -4;
    constexpr int kFirstExponentForm = 16;
    const auto decimal = fmt::detail::dragonbox::to_decimal(value);
    char digits[20];
    const int count = static_cast<int>(WriteDigits(digits, decimal.significand) - digits);
    const int exponent = decimal.exponent + count - 1; // of the first digit
    if (exponent < kLowestFixedExponent || exponent >= kFirstExponentForm) {
        *pOut++ = digits[0];
        if (count > 1) {
            *pOut++ = '.';
            std::memcpy(pOut, digits + 1, static_cast<std::size_t>(count - 1));
            pOut += count - 1;
        }
        *pOut++ = 'e';
        *pOut++ = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) {
            *pOut++ = '0';
        }
        return WriteDigits(pOut, static_cast<std::uint64_t>(magnitude));
    }
    if (decimal.exponent >= 0) { // an integer: the digits, then zeros
        std::memcpy(pOut, digits, static_cast<std::size_t>(count));
        pOut += count;
        std::memset(pOut, '0', static_cast<std::size_t>(decimal.exponent));
        return pOut + decimal.exponent;
    }
    if (exponent >= 0) { // the point falls between the digits
        const int whole = exponent + 1;
        std::memcpy(pOut, digits, static_cast<std::size_t>(whole));
        pOut += whole;
        *pOut++ = '.';
        std::memcpy(pOut, digits + whole, static_cast<std::size_t>(count - whole));
        return pOut + (count - whole);
    }
    *pOut++ = '0'; // below one: "0.", zeros, the digits
    *pOut++ = '.';
    const int zeros = -exponent - 1;
    std::memset(pOut, '0', static_cast<std::size_t>(zeros));
    pOut += zeros;
    std::memcpy(pOut, digits, static_cast<std::size_t>(count));
    return pOut + count;
}
} // namespace

void DxfTagWriter::code(int groupCode) {
    // Group codes are right-aligned in three columns (wider codes take their own width).
    constexpr int kAlignWidth = 3;
    char digits[16];
    char* const pDigitsEnd =
        groupCode >= 0 ? WriteDigits(digits, static_cast<std::uint64_t>(groupCode))
                       : fmt::format_to(digits, FMT_COMPILE("{}"), groupCode);
    char line[kAlignWidth + sizeof(digits)] = {' ', ' ', ' '};
    const auto width = pDigitsEnd - digits;
    char* pEnd = std::copy(digits, pDigitsEnd, line + (width < kAlignWidth ? kAlignWidth - width : 0));
    *pEnd++ = '\n';
    m_buffer.append(line, pEnd);
}

template <class T> void DxfTagWriter::value(const T& value) {
    // Compiled format: no format string is parsed per value.
    fmt::format_to(std::back_inserter(m_buffer), FMT_COMPILE("{}\n"), value);
}

template <> void DxfTagWriter::value(const double& value) {
    char text[kMaxDoubleChars];
    char* pEnd = WriteShortest(text, value);
    *pEnd++ = '\n';
    m_buffer.append(text, pEnd);
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
    if (m_buffer.size() >= kFlushThreshold && m_fd >= 0) {
        flush();
    }
}

void DxfTagWriter::writeAll(const char* pData, std::size_t size) {
    while (size > 0 && m_error == 0) {
        const ssize_t written = ::write(m_fd, pData, size);
        if (written < 0) {
            if (errno != EINTR) {
                m_error = errno;
            }
            continue;
        }
        pData += written;
        size -= static_cast<std::size_t>(written);
    }
}

int DxfTagWriter::flush() {
    writeAll(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return m_error;
}

int DxfTagWriter::writeText(DxfTagWriter* pPart) {
    flush();
    writeAll(pPart->m_buffer.data(), pPart->m_buffer.size());
    pPart->m_buffer.clear();
    return m_error;
}
