#include "model/PrecedenceRelation.h"

#include "model/PrecedentTask.h"
#include "model/Task.h"
#include "toolbox/NewOwned.h"

#include <cassert>

PrecedenceRelation::PrecedenceRelation() = default;

PrecedenceRelation::~PrecedenceRelation() = default;

PrecedentTask* PrecedenceRelation::FindPrecedent(const Task* earlierTask) const
{
    for (PrecedentTask* entry : precedents) {
        if (entry->GetTask() == earlierTask)
            return entry;
    }
    return nullptr;
}

PrecedentTask& PrecedenceRelation::AddPrecedent(Task& earlierTask)
{
    assert((!task || earlierTask.GetOwner() == task->GetOwner()) && "precedents are tasks of the same person");
    if (PrecedentTask* existing = FindPrecedent(&earlierTask))
        return *existing;
    return toolbox::AddOwned(precedents, std::make_unique<PrecedentTask>(&earlierTask));
}

void PrecedenceRelation::DeletePrecedentsNaming(const Task& earlierTask)
{
    for (int index = 0; index < precedents.GetCount();) {
        if (precedents.Get(index)->GetTask() == &earlierTask)
            precedents.DeleteAt(index);
        else
            ++index;
    }
}

std::unique_ptr<PrecedenceRelation> PrecedenceRelation::Copy() const
{
    auto copy = std::make_unique<PrecedenceRelation>();
    copy->SetTask(task);
    for (const PrecedentTask* entry : precedents)
        toolbox::AddOwned(copy->precedents, std::make_unique<PrecedentTask>(*entry));
    return copy;
}
