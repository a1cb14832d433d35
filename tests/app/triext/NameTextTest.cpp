#include "app/triext/NameText.h"

#include <gtest/gtest.h>

TEST(NameText, ShowsValidUtf8AsUtf8)
{
    EXPECT_EQ(NameText::ToDisplay("B\xc3\xa4"
                                  "cker"),
        QString::fromUtf8("B\xc3\xa4"
                          "cker"));
    EXPECT_EQ(NameText::ToDisplay("B\xc3\xa4"
                                  "cker")
                  .size(),
        6);
}

TEST(NameText, ShowsInvalidUtf8AsLatin1InsteadOfReplacementMarks)
{
    // "Bäcker" as written on a system with an 8-bit code page.
    QString shown = NameText::ToDisplay("B\xe4"
                                        "cker");
    EXPECT_EQ(shown,
        QString::fromLatin1("B\xe4"
                            "cker"));
    EXPECT_FALSE(shown.contains(QChar::ReplacementCharacter));
}

TEST(NameText, TreatsATruncatedSequenceAsInvalid)
{
    EXPECT_FALSE(NameText::IsValidUtf8("abc\xc3"));
    EXPECT_TRUE(NameText::IsValidUtf8("abc"));
    EXPECT_TRUE(NameText::IsValidUtf8(""));
    EXPECT_TRUE(NameText::IsValidUtf8(nullptr));
}

TEST(NameText, ShowsNullAsEmpty)
{
    EXPECT_TRUE(NameText::ToDisplay(nullptr).isEmpty());
}

TEST(NameText, StoresTypedTextAsUtf8)
{
    EXPECT_EQ(NameText::FromDisplay(QString::fromUtf8("\xc3\x9c"
                                                      "ben")),
        QByteArray("\xc3\x9c"
                   "ben"));
}

TEST(NameText, KeepsTheStoredBytesOfAnUneditedLatin1Name)
{
    const char* stored = "Gr\xfc\xdf"
                         "e";
    QString shown = NameText::ToDisplay(stored);
    EXPECT_EQ(NameText::FromEdited(shown, stored), QByteArray(stored));
}

TEST(NameText, StoresAnEditedLatin1NameAsUtf8)
{
    const char* stored = "Gr\xfc\xdf"
                         "e";
    QString edited = NameText::ToDisplay(stored) + "n";
    EXPECT_EQ(NameText::FromEdited(edited, stored),
        QByteArray("Gr\xc3\xbc\xc3\x9f"
                   "en"));
}

TEST(NameText, KeepsAnUneditedUtf8NameAndHandlesAMissingOriginal)
{
    EXPECT_EQ(NameText::FromEdited(QString::fromUtf8("\xc3\xa9t\xc3\xa9"), "\xc3\xa9t\xc3\xa9"),
        QByteArray("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(NameText::FromEdited("x", nullptr), QByteArray("x"));
    EXPECT_EQ(NameText::FromEdited("", nullptr), QByteArray(""));
}
