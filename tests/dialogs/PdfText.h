#pragma once

#include <QList>
#include <QSizeF>
#include <QString>

// The text lines of a PDF file with their positions, read through poppler's
// pdftotext. Positions are in 0.1 mm from the top-left corner of the page,
// y growing downward, of the first word's box.
class PdfText {
public:
    struct Line {
        QString text;
        double left;
        double top;
        // The gaps between consecutive words, in 0.1 mm.
        QList<double> gaps;
        // The right edge of the last word.
        double right;
    };
    using Page = QList<Line>;

    static bool IsAvailable();
    // Empty when the file cannot be read.
    static QList<Page> Read(const QString& pdfFile);
    // Each page's width and height in 0.1 mm.
    static QList<QSizeF> PageSizes(const QString& pdfFile);
    // The document title from the file's information, or empty.
    static QString Title(const QString& pdfFile);
};
