// Kestrin drawing toolkit.
// DxfTagWriter: formatting and buffered output of DXF tags.
#include "DxfTagWriter.h"

#include "DbEntity.h"
#include "ShortestDecimal.h"

#include <KestrinPosix/WriteAll.h>
#include <fmt/compile.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
constexpr double kDegreesPerRadian = 57.295779513082320876798;
constexpr char kSequenceEndName[] = "SEQEND";

// The text of any one number fits in these, with room to spare: the writers below copy fixed-size
// blocks (which the compiler turns into a few moves) and then advance by the length they need.
constexpr std::size_t kDigitBlock = 20;         // the digits of any 64-bit number
constexpr std::size_t kMaxDoubleChars = 64;     // sign, digits, point, zeros, exponent, slack
constexpr std::size_t kMaxCodeLineChars = 32;   // a group code line
constexpr std::size_t kMaxHandleLineChars = 24; // 16 hexadecimal digits and '\n', with slack

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233"
    "34353637383940414243444546474849505152535455565758596061626364656667"
    "6869707172737475767778798081828384858687888990919293949596979899";

// The decimal digits of n, written to end at pEnd; returns where they begin.
char* DigitsEndingAt(char* pEnd, std::uint64_t n) {
    constexpr std::uint64_t kPair = 100;
    while (n >= kPair) {
        pEnd -= 2;
        std::memcpy(pEnd, kDigitPairs + 2 * (n % kPair), 2);
        n /= kPair;
    }
    if (n >= 10) {
        pEnd -= 2;
        std::memcpy(pEnd, kDigitPairs + 2 * n, 2);
    } else {
        *--pEnd = static_cast<char>('0' + n);
    }
    return pEnd;
}

// Writes the decimal digits of n; returns the end. Needs kDigitBlock characters of room.
char* WriteDigits(char* pOut, std::uint64_t n) {
    char block[2 * kDigitBlock];
    const char* pFirst = DigitsEndingAt(block + kDigitBlock, n);
    std::memcpy(pOut, pFirst, kDigitBlock);
    return pOut + (block + kDigitBlock - pFirst);
}

// Writes value exactly as fmt's "{}" does: the shortest digits that read back to the same double
// (ShortestDecimal.h), in fixed notation for decimal exponents -4 to 15 and in exponent notation
// ("1.5e-07", "1e+16") otherwise. Laid out here because fmt's general float path costs several
// times the digit search itself, and a drawing of millions of faces is mostly doubles. Needs
// kMaxDoubleChars characters of room.
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
    const auto decimal = ShortestDecimal::From(value);
    // The digits end at the middle of the block, so that a fixed-size copy from any of them stays
    // inside it.
    char block[2 * kDigitBlock];
    const char* const pDigits = DigitsEndingAt(block + kDigitBlock, decimal.significand);
    const int count = static_cast<int>(block + kDigitBlock - pDigits);
    const int exponent = decimal.exponent + count - 1; // of the first digit
    if (exponent < kLowestFixedExponent || exponent >= kFirstExponentForm) {
        *pOut++ = pDigits[0];
        if (count > 1) {
            *pOut++ = '.';
            std::memcpy(pOut, pDigits + 1, kDigitBlock - 1);
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
    if (decimal.exponent >= 0) { // an integer: the digits, then up to 15 zeros
        std::memcpy(pOut, pDigits, kDigitBlock);
        pOut += count;
        std::memset(pOut, '0', kFirstExponentForm);
        return pOut + decimal.exponent;
    }
    if (exponent >= 0) { // the point falls between the digits
        const int whole = exponent + 1;
        std::memcpy(pOut, pDigits, kDigitBlock);
        pOut[whole] = '.';
        std::memcpy(pOut + whole + 1, pDigits + whole, kDigitBlock - 1);
        return pOut + count + 1;
    }
    // Below one: "0.", up to 3 zeros, the digits.
    const int zeros = -exponent - 1;
    std::memcpy(pOut, "0.000", 5);
    pOut += 2 + zeros;
    std::memcpy(pOut, pDigits, kDigitBlock);
    return pOut + count;
}

// The lines of the group codes DXF defines (0 to 1071), right-aligned in three columns, each in
// a block of 8 characters whose last one holds the line's length.
constexpr int kTabledCodes = 1072;
constexpr std::size_t kCodeLineBlock = 8;

struct CodeLineTable {
    char lines[kTabledCodes][kCodeLineBlock];

    constexpr CodeLineTable() : lines() {
        for (int code = 0; code < kTabledCodes; ++code) {
            char* pLine = lines[code];
            int length = 0;
            if (code < 100) {
                pLine[length++] = ' ';
            }
            if (code < 10) {
                pLine[length++] = ' ';
            }
            for (int divisor = code >= 1000  ? 1000
                               : code >= 100 ? 100
                               : code >= 10  ? 10
                                             : 1;
                 divisor > 0; divisor /= 10) {
                pLine[length++] = static_cast<char>('0' + code / divisor % 10);
            }
            pLine[length++] = '\n';
            pLine[kCodeLineBlock - 1] = static_cast<char>(length);
        }
    }
};

constexpr CodeLineTable kCodeLines;

// Writes a group code line: right-aligned in three columns (wider codes take their own width).
// Needs kMaxCodeLineChars characters of room.
char* WriteCodeLine(char* pOut, int groupCode) {
    if (groupCode >= 0 && groupCode < kTabledCodes) {
        const char* pLine = kCodeLines.lines[groupCode];
        std::memcpy(pOut, pLine, kCodeLineBlock);
        return pOut + pLine[kCodeLineBlock - 1];
    }
    return fmt::format_to(pOut, FMT_COMPILE("{:>3}\n"), groupCode);
}

// Writes handle in upper-case hexadecimal and a line end. Needs kMaxHandleLineChars of room.
char* WriteHandleLine(char* pOut, OdUInt64 handle) {
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    constexpr unsigned kNibbleBits = 4;
    constexpr OdUInt64 kNibble = 0xF;
    char block[2 * kDigitBlock];
    char* pFirst = block + kDigitBlock;
    do {
        *--pFirst = kHexDigits[handle & kNibble];
        handle >>= kNibbleBits;
    } while (handle != 0);
    const auto count = block + kDigitBlock - pFirst;
    std::memcpy(pOut, pFirst, kDigitBlock);
    pOut[count] = '\n';
    return pOut + count + 1;
}
} // namespace

char* DxfTagWriter::room(std::size_t size) {
    const std::size_t used = m_buffer.size();
    m_buffer.resize(used + size); // grows without initializing
    return m_buffer.data() + used;
}

void DxfTagWriter::commit(const char* pEnd) {
    m_buffer.resize(static_cast<std::size_t>(pEnd - m_buffer.data()));
    flushIfFull();
}

template <class T> void DxfTagWriter::tag(int groupCode, const T& value) {
    char* pOut = WriteCodeLine(room(kMaxCodeLineChars + kMaxDoubleChars), groupCode);
    // Compiled format: no format string is parsed per value.
    commit(fmt::format_to(pOut, FMT_COMPILE("{}\n"), value));
}

char* DxfTagWriter::writeDouble(char* pOut, double value) {
    constexpr std::uint64_t kHashFactor = 0x9E3779B97F4A7C15u;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    RecentDouble& recent = m_pRecentDoubles[(bits * kHashFactor) >> (64 - kRecentDoubleBits)];
    if (recent.bits == bits) {
        std::memcpy(pOut, recent.text, RecentDouble::kTextChars);
        return pOut + recent.length;
    }
    char* const pEnd = WriteShortest(pOut, value);
    const auto length = static_cast<std::size_t>(pEnd - pOut);
    if (std::isfinite(value) && length <= RecentDouble::kTextChars) {
        recent.bits = bits;
        recent.length = static_cast<std::uint8_t>(length);
        std::memcpy(recent.text, pOut, length);
    }
    return pEnd;
}

template <> void DxfTagWriter::tag(int groupCode, const double& value) {
    char* pOut =
        writeDouble(WriteCodeLine(room(kMaxCodeLineChars + kMaxDoubleChars), groupCode), value);
    *pOut++ = '\n';
    commit(pOut);
}

void DxfTagWriter::wrString(int groupCode, const char* text) {
    const std::size_t length = std::char_traits<char>::length(text);
    char* pOut = WriteCodeLine(room(kMaxCodeLineChars + length + 1), groupCode);
    std::memcpy(pOut, text, length);
    pOut[length] = '\n';
    commit(pOut + length + 1);
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
    char* pOut = room(3 * (kMaxCodeLineChars + kMaxDoubleChars));
    int code = groupCode;
    for (const double coordinate : {point.x, point.y, point.z}) {
        pOut = writeDouble(WriteCodeLine(pOut, code), coordinate);
        *pOut++ = '\n';
        code += odtk::dxf::kCoordinateStep;
    }
    commit(pOut);
}

void DxfTagWriter::wrVector3d(int groupCode, const OdGeVector3d& vector) {
    wrPoint3d(groupCode, OdGePoint3d(vector.x, vector.y, vector.z));
}

void DxfTagWriter::wrHandle(int groupCode, OdDbHandle handle) {
    char* pOut = WriteCodeLine(room(kMaxCodeLineChars + kMaxHandleLineChars), groupCode);
    commit(WriteHandleLine(pOut, static_cast<OdUInt64>(handle)));
}

void DxfTagWriter::wrRecordStart(const char* typeName, OdDbHandle handle, OdDbHandle ownerHandle,
                                 int handleCode) {
    wrString(odtk::dxf::kRecordTypeCode, typeName);
    wrHandle(handleCode, handle);
    wrHandle(odtk::dxf::kOwnerCode, ownerHandle);
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
    if (m_error == 0 && size > 0) {
        m_error = kposix::WriteAll(m_fd, pData, size);
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
