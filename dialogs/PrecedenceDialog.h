#pragma once

#include "app/triext/ForcableDialog.h"

class PrecedentTask;
class Task;
class QCheckBox;
class QLabel;
class QLineEdit;

// "Precedence properties": the least and the most time between the end of
// the earlier task of `entry` and the start of `laterTask`. An unchecked box
// stands for no bound (0 and 32767 as stored); written back only on OK.
class PrecedenceDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    PrecedenceDialog(PrecedentTask& entry, const Task& laterTask, QWidget* parent = nullptr);

    QLabel* GetEarlierLabel() const { return earlierLabel; }
    QLabel* GetLaterLabel() const { return laterLabel; }
    QCheckBox* GetAtLeastCheck() const { return atLeastCheck; }
    QLineEdit* GetAtLeastEdit() const { return atLeastEdit; }
    QCheckBox* GetAtLastCheck() const { return atLastCheck; }
    QLineEdit* GetAtLastEdit() const { return atLastEdit; }

public slots:
    void OnAtLeastClicked();
    void OnAtLastClicked();

protected:
    void DoDataExchange(Exchange direction) override;
    void OnInitDialog() override;

private:
    void BuildLayout();

    PrecedentTask& entry;
    const Task& laterTask;
    QLabel* earlierLabel;
    QLabel* laterLabel;
    QCheckBox* atLeastCheck;
    QLineEdit* atLeastEdit;
    QCheckBox* atLastCheck;
    QLineEdit* atLastEdit;
};
