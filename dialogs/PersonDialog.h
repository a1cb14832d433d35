#pragma once

#include "app/triext/ForcableDialog.h"

class Person;
class QLineEdit;

// "Person properties": the person's name, written back only on OK.
class PersonDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    explicit PersonDialog(Person& person, QWidget* parent = nullptr);

    QLineEdit* GetNameEdit() const { return nameEdit; }

protected:
    void DoDataExchange(Exchange direction) override;

private:
    Person& person;
    QLineEdit* nameEdit;
};
