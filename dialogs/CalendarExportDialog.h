#pragma once

#include "app/triext/ForcableDialog.h"

#include <QStringList>

class CompletePlan;
class PersonalPlan;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;

// "Export to calendar": asks for the day the plan is for (tomorrow unless
// changed) and where to write it, then writes the iCalendar file. A household
// goes into one file or into one file per person in a folder; one person's
// plan goes into one file. Existing files are replaced only after asking. A
// failed export keeps the dialog open with a message naming the file.
class CalendarExportDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    explicit CalendarExportDialog(const CompletePlan& household, QWidget* parent = nullptr);
    explicit CalendarExportDialog(const PersonalPlan& person, QWidget* parent = nullptr);

    QDateEdit* GetDayEdit() const { return dayEdit; }
    // Null for one person's plan.
    QRadioButton* GetOneFileChoice() const { return oneFileChoice; }
    QRadioButton* GetFolderChoice() const { return folderChoice; }
    QLineEdit* GetPathEdit() const { return pathEdit; }
    QPushButton* GetBrowseButton() const { return browseButton; }

    // Exports; closes only when the files are written.
    void accept() override;

private:
    enum class Choice { OneFile, FolderPerPerson };

    CalendarExportDialog(const CompletePlan* household, const PersonalPlan* person, QWidget* parent);
    Choice GetChoice() const;
    QString DefaultPath() const;
    QString ChosenPath() const;
    QStringList ExistingTargets(const QString& path) const;
    void OnDefaultsChanged();
    void OnBrowse();
    bool Export(const QString& path, QString& error) const;

    const CompletePlan* household;
    const PersonalPlan* person;
    QDateEdit* dayEdit;
    QRadioButton* oneFileChoice = nullptr;
    QRadioButton* folderChoice = nullptr;
    QLabel* pathLabel;
    QLineEdit* pathEdit;
    QPushButton* browseButton;
    // Set once the user typed or browsed a path, which then stays.
    bool pathChosen = false;
};
