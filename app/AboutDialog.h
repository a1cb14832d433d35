#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About Ordovan": the program's icon, its version and where to reach its
// makers, closed with OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* GetTextLabel() const { return textLabel; }
    QPushButton* GetOkButton() const { return okButton; }

private:
    QLabel* textLabel = nullptr;
    QPushButton* okButton = nullptr;
};
