#include "model/DisplayText.h"

#include "app/triext/NameText.h"

QString NameText::ToDisplay(const char* bytes)
{
    if (!bytes)
        return QString();
    const std::string text = DisplayText::ToUtf8(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray NameText::FromDisplay(const QString& text)
{
    return text.toUtf8();
}

QByteArray NameText::FromEdited(const QString& edited, const char* originalBytes)
{
    if (edited == ToDisplay(originalBytes))
        return QByteArray(originalBytes ? originalBytes : "");
    return FromDisplay(edited);
}
