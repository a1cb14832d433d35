#include "dialogs/AllPagesPrintDialog.h"

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
