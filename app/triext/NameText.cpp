#include "app/triext/NameText.h"

#include <QStringDecoder>

bool NameText::IsValidUtf8(const char* bytes)
{
    if (!bytes)
        return true;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(bytes));
    return !decoder.hasError();
}

QString NameText::ToDisplay(const char* bytes)
{
    if (!bytes)
        return QString();
    if (IsValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return QString::fromLatin1(bytes);
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
