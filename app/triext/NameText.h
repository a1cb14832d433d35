#pragma once

#include <QByteArray>
#include <QString>

// Names in the model are 8-bit texts exactly as stored. The window shows and
// edits them as UTF-8; a stored name that is not valid UTF-8 (written on
// another system) is shown as Latin-1 instead of with replacement marks, and
// a field the user did not change gives back the stored bytes untouched.
class NameText {
public:
    static bool IsValidUtf8(const char* bytes);
    // The text to show for stored bytes (null shows as empty).
    static QString ToDisplay(const char* bytes);
    // The bytes to store for a text the user typed.
    static QByteArray FromDisplay(const QString& text);
    // The bytes to store for a field that showed `originalBytes` and now
    // holds `edited`: the original bytes when the text is unchanged.
    static QByteArray FromEdited(const QString& edited, const char* originalBytes);
};
