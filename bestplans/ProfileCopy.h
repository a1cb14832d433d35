#pragma once

#include "model/BorrowedList.h"
#include "model/PlanningModel.h"

#include <map>

class Person;
class Profile;
class Resource;
class Task;

// A private copy of chosen profiles with their owners, the tasks they name
// and the resources those need, so that a search on another thread can read
// profiles without touching the model. Made where the model lives.
class ProfileCopy {
public:
    explicit ProfileCopy(const toolbox::ArrayList<Profile>& chosenProfiles);
    ~ProfileCopy();
    ProfileCopy(const ProfileCopy&) = delete;
    ProfileCopy& operator=(const ProfileCopy&) = delete;

    // The copies, in the order chosen.
    const toolbox::ArrayList<Profile>& GetChosenProfiles() const { return chosen.GetItems(); }
    // The model's task that a copied task stands for.
    Task* GetOriginal(const Task* copy) const;

private:
    Profile* CopyProfile(const Profile& profile);
    Task* CopyTask(Task* task, Person* owner);
    Resource* CopyResource(const Resource* resource);

    // Declared first, so that it outlives the lists that borrow from it.
    PlanningModel model;
    BorrowedList<Profile> chosen;
    std::map<const Person*, Person*> personCopies;
    std::map<const Task*, Task*> taskCopies;
    std::map<const Resource*, Resource*> resourceCopies;
    std::map<const Task*, Task*> originals;
};
