#include "model/PrecedenceRelation.h"

#include "model/PrecedentTask.h"

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

std::unique_ptr<PrecedenceRelation> PrecedenceRelation::Copy() const
{
    auto copy = std::make_unique<PrecedenceRelation>();
    copy->SetTask(task);
    for (const PrecedentTask* entry : precedents) {
        auto entryCopy = std::make_unique<PrecedentTask>(*entry);
        copy->precedents.Add(entryCopy.get());
        entryCopy.release();
    }
    return copy;
}
