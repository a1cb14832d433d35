#pragma once

class TreeItem;

// The order of persons, resources, tasks and profiles: names compared byte
// by byte as unsigned values with ASCII capitals folded to lower case; a
// name that is a prefix of the other comes first. Returns -1, 0 or 1.
int CompareByName(const TreeItem* left, const TreeItem* right);
