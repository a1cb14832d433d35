#pragma once

#include <QByteArray>
#include <QString>

// The window's side of the stored names: they are shown as the model's
// DisplayText reads them, typed text is stored as UTF-8, and a field the user
// did not change gives back the stored bytes untouched.
class NameText {
public:
    // The text to show for stored bytes (null shows as empty).
    static QString ToDisplay(const char* bytes);
    // The bytes to store for a text the user typed.
    static QByteArray FromDisplay(const QString& text);
    // The bytes to store for a field that showed `originalBytes` and now
    // holds `edited`: the original bytes when the text is unchanged.
    static QByteArray FromEdited(const QString& edited, const char* originalBytes);
};
