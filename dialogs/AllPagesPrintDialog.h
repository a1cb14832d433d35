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

private:
    // The platform dialog brings its page choices back each time it is shown.
    void HidePageChoices();
};
