#pragma once

#include <QPrintDialog>

// The print dialog for a document that is always printed whole: it offers
// the printer, the copies and the paper, but no page range and no choice of
// odd or even pages. (With CUPS the platform dialog offers a page range even
// when the application does not ask for one.)
class AllPagesPrintDialog : public QPrintDialog {
    Q_OBJECT
public:
    explicit AllPagesPrintDialog(QPrinter* printer, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // Asks for the printer of a document printed whole and prepares it: every
    // page, one copy per job (the caller repeats the document the number of
    // times returned), the printable area placed by hand in full-page mode,
    // since the printer rounds its own margins to whole points. Returns 0 when
    // the user cancelled.
    static int AskForPrinter(QPrinter& printer, const char* documentName);

private:
    // The platform dialog brings its page choices back each time it is shown.
    void HidePageChoices();
};
