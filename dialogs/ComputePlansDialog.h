#pragma once

#include "app/triext/ForcableDialog.h"

namespace toolbox {
template <typename T> class ArrayList;
} // namespace toolbox

class Person;
class PlanComputation;
class Profile;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// "Compute plans": the user moves profiles from the Available tree to the
// Required tree, which edits the computation's chosen list at once and in
// the order of choosing. A person with a chosen profile shows only that
// profile, under Required, so the dialog leads to one profile per person.
// Compute ends the dialog with OK, Cancel with Cancel; neither checks
// anything, and the model is never changed.
class ComputePlansDialog : public mfctriext::ForcableDialog {
    Q_OBJECT
public:
    ComputePlansDialog(
        PlanComputation& computation, const toolbox::ArrayList<Person>& persons, QWidget* parent = nullptr);

    QTreeWidget* GetAvailableTree() const { return availableTree; }
    QTreeWidget* GetRequiredTree() const { return requiredTree; }
    QPushButton* GetAddButton() const { return addButton; }
    QPushButton* GetRemoveButton() const { return removeButton; }

    // Rebuilds both trees from the persons and the chosen list.
    void RefillProfileTrees();

    // The profile a profile node stands for; null for a person node.
    static Profile* ProfileOf(const QTreeWidgetItem* item);

protected:
    void DoDataExchange(Exchange direction) override;
    void OnInitDialog() override;

private:
    void OnAdd();
    void OnRemove();
    Profile* GetSelectedProfile(const QTreeWidget& tree) const;

    PlanComputation& computation;
    const toolbox::ArrayList<Person>& persons;
    QTreeWidget* availableTree;
    QTreeWidget* requiredTree;
    QPushButton* addButton;
    QPushButton* removeButton;
};
