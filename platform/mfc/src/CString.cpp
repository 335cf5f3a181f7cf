// Kestrin MFC stand-in: CString over std::wstring. Formatting uses the window system's wide
// printf (_vscwprintf to size, vswprintf_s to write), so CString and the Windows calls agree on
// what every conversion means.
#include "afxstr.h"

#include "stringapiset.h"
#include "wcrt.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace {

std::wstring WideFromNarrow(const char* pszSrc) {
    if (!pszSrc || !*pszSrc) {
        return std::wstring();
    }
    const int size = MultiByteToWideChar(CP_UTF8, 0, pszSrc, -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, pszSrc, -1, &text[0], size);
    text.pop_back(); // the converted terminator
    return text;
}

// Clamps a position to 0..length, as the framework's substring functions do.
std::size_t Clamp(int value, std::size_t length) {
    if (value < 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(value), length);
}

bool IsSpace(wchar_t c) {
    return std::iswspace(static_cast<wint_t>(c)) != 0;
}

} // namespace

CStringW::CStringT(PCXSTR pszSrc) : m_str(pszSrc ? pszSrc : L"") {}

CStringW::CStringT(PCXSTR pch, int nLength) {
    if (nLength < 0 || (!pch && nLength > 0)) {
        AfxThrowInvalidArgException();
    }
    if (nLength > 0) {
        m_str.assign(pch, static_cast<std::size_t>(nLength));
    }
}

CStringW::CStringT(wchar_t ch, int nRepeat)
    : m_str(nRepeat > 0 ? static_cast<std::size_t>(nRepeat) : 0, ch) {}

CStringW::CStringT(const char* pszSrc) : m_str(WideFromNarrow(pszSrc)) {}

CStringW& CStringW::operator=(PCXSTR pszSrc) {
    m_str = pszSrc ? pszSrc : L"";
    return *this;
}

CStringW& CStringW::operator=(wchar_t ch) {
    m_str.assign(1, ch);
    return *this;
}

CStringW& CStringW::operator=(const char* pszSrc) {
    m_str = WideFromNarrow(pszSrc);
    return *this;
}

CStringW& CStringW::operator+=(const CStringT& str) {
    m_str += str.m_str;
    return *this;
}

CStringW& CStringW::operator+=(PCXSTR pszSrc) {
    Append(pszSrc);
    return *this;
}

CStringW& CStringW::operator+=(wchar_t ch) {
    m_str.push_back(ch);
    return *this;
}

wchar_t CStringW::GetAt(int iChar) const {
    if (iChar < 0 || iChar >= GetLength()) {
        AfxThrowInvalidArgException();
    }
    return m_str[static_cast<std::size_t>(iChar)];
}

void CStringW::SetAt(int iChar, wchar_t ch) {
    if (iChar < 0 || iChar >= GetLength()) {
        AfxThrowInvalidArgException();
    }
    m_str[static_cast<std::size_t>(iChar)] = ch;
}

void CStringW::Append(PCXSTR pszSrc) {
    if (pszSrc) {
        m_str += pszSrc;
    }
}

int CStringW::Compare(PCXSTR psz) const {
    return m_str.compare(psz ? psz : L"");
}

int CStringW::CompareNoCase(PCXSTR psz) const {
    const wchar_t* a = m_str.c_str();
    const wchar_t* b = psz ? psz : L"";
    for (;; ++a, ++b) {
        const auto ca = std::towlower(static_cast<wint_t>(*a));
        const auto cb = std::towlower(static_cast<wint_t>(*b));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca == 0) {
            return 0;
        }
    }
}

CStringW CStringW::Mid(int iFirst) const {
    return Mid(iFirst, GetLength());
}

CStringW CStringW::Mid(int iFirst, int nCount) const {
    const std::size_t first = Clamp(iFirst, m_str.size());
    const std::size_t count = Clamp(nCount, m_str.size() - first);
    return CStringW(m_str.c_str() + first, static_cast<int>(count));
}

CStringW CStringW::Left(int nCount) const {
    return Mid(0, nCount);
}

CStringW CStringW::Right(int nCount) const {
    const std::size_t count = Clamp(nCount, m_str.size());
    return CStringW(m_str.c_str() + (m_str.size() - count), static_cast<int>(count));
}

int CStringW::Find(wchar_t ch, int iStart) const {
    if (iStart < 0 || iStart > GetLength()) {
        return -1;
    }
    const std::size_t found = m_str.find(ch, static_cast<std::size_t>(iStart));
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CStringW::Find(PCXSTR pszSub, int iStart) const {
    if (!pszSub || iStart < 0 || iStart > GetLength()) {
        return -1;
    }
    const std::size_t found = m_str.find(pszSub, static_cast<std::size_t>(iStart));
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

int CStringW::ReverseFind(wchar_t ch) const {
    const std::size_t found = m_str.rfind(ch);
    return found == std::wstring::npos ? -1 : static_cast<int>(found);
}

CStringW& CStringW::MakeUpper() {
    for (wchar_t& c : m_str) {
        c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return *this;
}

CStringW& CStringW::MakeLower() {
    for (wchar_t& c : m_str) {
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    }
    return *this;
}

CStringW& CStringW::Trim() {
    return TrimRight().TrimLeft();
}

CStringW& CStringW::TrimLeft() {
    m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsSpace));
    return *this;
}

CStringW& CStringW::TrimRight() {
    m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsSpace).base(), m_str.end());
    return *this;
}

int CStringW::Replace(wchar_t chOld, wchar_t chNew) {
    int count = 0;
    for (wchar_t& c : m_str) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

int CStringW::Replace(PCXSTR pszOld, PCXSTR pszNew) {
    if (!pszOld || !*pszOld) {
        return 0;
    }
    const std::wstring oldText = pszOld;
    const std::wstring newText = pszNew ? pszNew : L"";
    int count = 0;
    for (std::size_t at = m_str.find(oldText); at != std::wstring::npos;
         at = m_str.find(oldText, at + newText.size())) {
        m_str.replace(at, oldText.size(), newText);
        ++count;
    }
    return count;
}

void CStringW::Format(PCXSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CStringW::FormatV(PCXSTR pszFormat, va_list args) {
    CStringW formatted;
    formatted.AppendFormatV(pszFormat, args);
    m_str.swap(formatted.m_str);
}

void CStringW::AppendFormat(PCXSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CStringW::AppendFormatV(PCXSTR pszFormat, va_list args) {
    va_list sizing;
    va_copy(sizing, args);
    const int length = _vscwprintf(pszFormat, sizing);
    va_end(sizing);
    if (length < 0) {
        AfxThrowInvalidArgException();
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    vswprintf_s(&text[0], text.size(), pszFormat, args);
    text.pop_back();
    m_str += text;
}

CStringW::PXSTR CStringW::GetBuffer(int nMinBufferLength) {
    if (nMinBufferLength < 0) {
        AfxThrowInvalidArgException();
    }
    if (static_cast<std::size_t>(nMinBufferLength) > m_str.size()) {
        m_str.resize(static_cast<std::size_t>(nMinBufferLength), L'\0');
    }
    return &m_str[0];
}

CStringW::PXSTR CStringW::GetBufferSetLength(int nLength) {
    if (nLength < 0) {
        AfxThrowInvalidArgException();
    }
    m_str.resize(static_cast<std::size_t>(nLength), L'\0');
    return &m_str[0];
}

void CStringW::ReleaseBuffer(int nNewLength) {
    if (nNewLength < 0) {
        m_str.resize(std::wcslen(m_str.c_str()));
    } else {
        m_str.resize(std::min(static_cast<std::size_t>(nNewLength), m_str.size()));
    }
}

CStringW operator+(const CStringW& str1, const CStringW& str2) {
    CStringW result(str1);
    result += str2;
    return result;
}

CStringW operator+(const CStringW& str1, const wchar_t* psz2) {
    CStringW result(str1);
    result += psz2;
    return result;
}

CStringW operator+(const wchar_t* psz1, const CStringW& str2) {
    CStringW result(psz1);
    result += str2;
    return result;
}

CStringW operator+(const CStringW& str1, wchar_t ch2) {
    CStringW result(str1);
    result += ch2;
    return result;
}

bool operator==(const CStringW& str1, const CStringW& str2) {
    return str1.Compare(str2) == 0;
}
bool operator==(const CStringW& str1, const wchar_t* psz2) {
    return str1.Compare(psz2) == 0;
}
bool operator==(const wchar_t* psz1, const CStringW& str2) {
    return str2.Compare(psz1) == 0;
}
bool operator!=(const CStringW& str1, const CStringW& str2) {
    return !(str1 == str2);
}
bool operator!=(const CStringW& str1, const wchar_t* psz2) {
    return !(str1 == psz2);
}
bool operator!=(const wchar_t* psz1, const CStringW& str2) {
    return !(psz1 == str2);
}
bool operator<(const CStringW& str1, const CStringW& str2) {
    return str1.Compare(str2) < 0;
}
