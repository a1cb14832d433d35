#include "dialogs/AllPagesPrintDialog.h"

#include "app/triext/ModalRunner.h"

#include <QPageRanges>
#include <QPrinter>

namespace {

// The names the platform dialog gives its page range group and its page set choice.
const char* const pageChoices[] = { "gbPrintRange", "pageSetLabel", "pageSetCombo" };

} // namespace

AllPagesPrintDialog::AllPagesPrintDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent)
{
    // Printing to a PDF file stays offered: it is how most users print to a file.
    setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    setPrintRange(QAbstractPrintDialog::AllPages);
}

void AllPagesPrintDialog::setVisible(bool visible)
{
    QPrintDialog::setVisible(visible);
    if (visible)
        HidePageChoices();
}

void AllPagesPrintDialog::HidePageChoices()
{
    for (const char* name : pageChoices) {
        if (QWidget* choice = findChild<QWidget*>(QLatin1String(name)))
            choice->hide();
    }
}

int AllPagesPrintDialog::AskForPrinter(QPrinter& printer, const char* documentName)
{
    printer.setDocName(QString::fromLatin1(documentName));
    AllPagesPrintDialog dialog(&printer);
    if (ModalRunner::Run(dialog) != QDialog::Accepted)
        return 0;
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    printer.setFullPage(true);
    printer.setDocName(QString::fromLatin1(documentName));
    return copies;
}
