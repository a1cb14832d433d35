#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr double UnitsPerPoint = 254.0 / 72.0;

struct Word {
    QString text;
    double left;
    double top;
    double right;
};

QString Unescape(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfText::Page LinesOf(QList<Word> words)
{
    std::stable_sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        if (qAbs(a.top - b.top) > 2.0)
            return a.top < b.top;
        return a.left < b.left;
    });
    PdfText::Page lines;
    double lastRight = 0;
    for (const Word& word : words) {
        if (!lines.isEmpty() && qAbs(lines.last().top - word.top) <= 2.0) {
            lines.last().text += QLatin1Char(' ') + word.text;
            lines.last().gaps.append(word.left - lastRight);
            lines.last().right = word.right;
        } else {
            lines.append({ word.text, word.left, word.top, {}, word.right });
        }
        lastRight = word.right;
    }
    return lines;
}

} // namespace

bool PdfText::IsAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QList<PdfText::Page> PdfText::Read(const QString& pdfFile)
{
    const QString html = Run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdfFile, QStringLiteral("-") });
    static const QRegularExpression pagePattern(
        QStringLiteral("<page [^>]*>(.*?)</page>"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression wordPattern(QStringLiteral(
        "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"[-0-9.]+\">([^<]*)</word>"));
    QList<Page> pages;
    for (const auto& pageMatch : pagePattern.globalMatch(html)) {
        QList<Word> words;
        const QString pageText = pageMatch.captured(1);
        for (const auto& match : wordPattern.globalMatch(pageText)) {
            words.append({ Unescape(match.captured(4)), match.captured(1).toDouble() * UnitsPerPoint,
                match.captured(2).toDouble() * UnitsPerPoint, match.captured(3).toDouble() * UnitsPerPoint });
        }
        pages.append(LinesOf(words));
    }
    return pages;
}

QList<QSizeF> PdfText::PageSizes(const QString& pdfFile)
{
    const QString html = Run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdfFile, QStringLiteral("-") });
    static const QRegularExpression pagePattern(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    QList<QSizeF> sizes;
    for (const auto& match : pagePattern.globalMatch(html))
        sizes.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) * UnitsPerPoint);
    return sizes;
}

QString PdfText::Title(const QString& pdfFile)
{
    const QString info = Run(QStringLiteral("pdfinfo"), { pdfFile });
    static const QRegularExpression titlePattern(
        QStringLiteral("^Title:\\s*(.*)$"), QRegularExpression::MultilineOption);
    return titlePattern.match(info).captured(1).trimmed();
}
