#pragma once

#include "app/triext/ForcableDialog.h"

class Resource;
class QLineEdit;

// "Resource properties": the resource's name and its amount available,
// written back only on OK.
class ResourceDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    explicit ResourceDialog(Resource& resource, QWidget* parent = nullptr);

    QLineEdit* GetNameEdit() const { return nameEdit; }
    QLineEdit* GetAmountEdit() const { return amountEdit; }

protected:
    void DoDataExchange(Exchange direction) override;

private:
    Resource& resource;
    QLineEdit* nameEdit;
    QLineEdit* amountEdit;
};
