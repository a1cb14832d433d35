#pragma once

#include "toolbox/ArrayList.h"

#include <memory>

class PrecedentTask;
class Task;

// One task executed by a profile together with the earlier tasks that must
// be done before it. Owns its precedent entries, not the tasks.
class PrecedenceRelation {
public:
    PrecedenceRelation();
    ~PrecedenceRelation();
    PrecedenceRelation(const PrecedenceRelation&) = delete;
    PrecedenceRelation& operator=(const PrecedenceRelation&) = delete;

    // The later task; null only until it is set.
    Task* GetTask() const { return task; }
    void SetTask(Task* laterTask) { task = laterTask; }

    toolbox::ArrayList<PrecedentTask>& GetPrecedents() { return precedents; }
    const toolbox::ArrayList<PrecedentTask>& GetPrecedents() const { return precedents; }

    // The first entry whose earlier task is `earlierTask`, or null.
    PrecedentTask* FindPrecedent(const Task* earlierTask) const;
    // The entry for `earlierTask`: a new one without bounds at the end of
    // the list, or the one there is already.
    PrecedentTask& AddPrecedent(Task& earlierTask);
    // Deletes every entry whose earlier task is `earlierTask`.
    void DeletePrecedentsNaming(const Task& earlierTask);

    // The same task with a copy of every precedent entry.
    std::unique_ptr<PrecedenceRelation> Copy() const;

private:
    Task* task = nullptr;
    toolbox::ArrayList<PrecedentTask> precedents;
};
