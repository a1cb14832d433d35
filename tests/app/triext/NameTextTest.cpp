#include "app/triext/NameText.h"

#include <QStringDecoder>

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

TEST(NameText, ReadsBytesAsQtsOwnUtf8DecoderWould)
{
    // Every lead byte with every second byte and a few third and fourth bytes
    // that sit on the edges of the continuation range.
    const unsigned char edges[] = { 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0 };
    int differences = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int second = 0x01; second <= 0xFF; ++second) {
            for (unsigned char third : edges) {
                for (unsigned char fourth : { 0x80, 0xBF, 0x41 }) {
                    const char bytes[] = { static_cast<char>(lead), static_cast<char>(second), static_cast<char>(third),
                        static_cast<char>(fourth), 0 };
                    const char* text = bytes;
                    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
                    // The decoder converts, and so finds errors, only when its result is taken.
                    [[maybe_unused]] const QString decoded = decoder.decode(QByteArrayView(text));
                    QString expected = decoder.hasError() ? QString::fromLatin1(text) : QString::fromUtf8(text);
                    if (NameText::ToDisplay(text) != expected)
                        ++differences;
                }
            }
        }
    }
    EXPECT_EQ(differences, 0);
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
