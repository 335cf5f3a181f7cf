// Tests of CString: formatting with the target's rules, the buffer protocol that Windows calls
// fill, substrings clamped to the string, and failures raised as the framework raises them.
#include "afxwin.h"

#include <gtest/gtest.h>

#include <cwchar>

TEST(CString, FormatTakesWideStringsForPercentS) {
    CString title;
    title.Format(L"%s %s version %d.%d", L"Kestrin for", L"Bricscad ????", 1, 0);
    EXPECT_EQ(title, L"Kestrin for Bricscad ???? version 1.0");
    title.AppendFormat(L" (%hs)", "r");
    EXPECT_EQ(title, L"Kestrin for Bricscad ???? version 1.0 (r)");
}

TEST(CString, LongFormatIsNotCut) {
    CString text;
    const CString part(L'x', 1000);
    text.Format(L"%s|%s", part.GetString(), part.GetString());
    EXPECT_EQ(text.GetLength(), 2001);
}

TEST(CString, InvalidFormatThrowsAndKeepsTheText) {
    CString text(L"kept");
    try {
        text.Format(L"%q");
        FAIL() << "no exception";
    } catch (CException* e) {
        e->Delete();
    }
    EXPECT_EQ(text, L"kept");
}

TEST(CString, BufferProtocolTakesTextUpToTerminator) {
    CString path;
    wchar_t* buffer = path.GetBuffer(260);
    std::wcscpy(buffer, L"/opt/kestrin/module.drx");
    path.ReleaseBuffer();
    EXPECT_EQ(path.GetLength(), 23);
    path.GetBufferSetLength(4);
    path.ReleaseBuffer(3);
    EXPECT_EQ(path, L"/op");
}

TEST(CString, SubstringsClampToTheString) {
    const CString text(L"Kestrin");
    EXPECT_EQ(text.Mid(3), L"trin");
    EXPECT_EQ(text.Mid(5, 100), L"in");
    EXPECT_EQ(text.Mid(-2, 2), L"Ke");
    EXPECT_EQ(text.Left(100), L"Kestrin");
    EXPECT_EQ(text.Right(3), L"rin");
    EXPECT_EQ(text.Find(L"tri"), 3);
    EXPECT_EQ(text.Find(L'z'), -1);
    EXPECT_EQ(text.ReverseFind(L'i'), 5);
}

TEST(CString, NarrowTextIsUtf8AndNullIsEmpty) {
    EXPECT_EQ(CString("M\xC3\xBCnchen"), L"M\u00FCnchen");
    EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(CString, EditingOperations) {
    CString text(L"  a.b.c  ");
    text.Trim();
    EXPECT_EQ(text, L"a.b.c");
    EXPECT_EQ(text.Replace(L".", L"::"), 2);
    EXPECT_EQ(text, L"a::b::c");
    EXPECT_EQ(text.MakeUpper(), L"A::B::C");
    EXPECT_EQ(text.CompareNoCase(L"a::b::c"), 0);
    EXPECT_THROW(
        {
            try {
                text.GetAt(100);
            } catch (CException* e) {
                e->Delete();
                throw 1;
            }
        },
        int);
}
