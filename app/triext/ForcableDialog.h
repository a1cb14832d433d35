#pragma once

#include <QDialog>
#include <QSize>

class QHBoxLayout;
class QPushButton;

namespace mfctriext {

// The base of every property and plan dialog. A dialog whose changes already
// took effect in the model calls Force(): from then on it can only be left
// through its first button, relabelled "Close", which keeps the changes.
//
// Data exchange follows one pattern: OnInitDialog() loads the fields through
// DoDataExchange(Exchange::Load); accepting the dialog saves them through
// DoDataExchange(Exchange::Save) before it closes. Cancel saves nothing.
// A derived class builds its widgets in its constructor and then calls its
// own OnInitDialog() as the last step, so that a dialog is complete and
// testable without a modal run.
class ForcableDialog : public QDialog {
    Q_OBJECT
public:
    enum class Exchange { Load, Save };
    // A dialog of a few fields keeps the size it opens with; one with lists
    // may grow, to show more rows.
    enum class Sizing { Resizable, Fixed };

    // With no parent the dialog is owned by the application's active window.
    explicit ForcableDialog(QWidget* parent = nullptr);

    void Force();
    bool IsForced() const { return forced; }

    // Button 1 ("OK", or the derived dialog's own text) and button 2
    // ("Cancel"); null until the derived dialog has created them.
    QPushButton* GetOkButton() const { return okButton; }
    QPushButton* GetCancelButton() const { return cancelButton; }

    // Accepting runs the saving exchange first.
    void accept() override;
    // Once forced, rejecting (Cancel, Escape, the window's close request) does nothing.
    void reject() override;

protected:
    // On the first show the first field takes the focus with its text
    // selected, so that typing replaces the name, and the dialog grows wide
    // enough for the window manager to show its whole title; a dialog of
    // fixed size keeps the size it then has.
    void showEvent(QShowEvent* event) override;

    virtual void DoDataExchange(Exchange direction);
    virtual void OnInitDialog();

    void SetSizing(Sizing newSizing) { sizing = newSizing; }

    QPushButton* CreateOkButton(const QString& text = QStringLiteral("OK"));
    QPushButton* CreateCancelButton(const QString& text = QStringLiteral("Cancel"));
    // A row that right-aligns the given buttons, as the bottom row of a dialog.
    static QHBoxLayout* CreateButtonRow(std::initializer_list<QPushButton*> buttons);

    // Converts dialog units of the templates (a quarter of the average
    // character width, an eighth of the character height) into pixels of
    // this dialog's font, for minimum sizes that keep the proportions.
    QSize DialogUnitsToPixels(int width, int height) const;

private:
    void SelectFirstField();
    void MakeRoomForTitle();

    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    bool forced = false;
    bool shownBefore = false;
    Sizing sizing = Sizing::Resizable;
};

} // namespace mfctriext
