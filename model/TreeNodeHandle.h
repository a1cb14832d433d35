#pragma once

// The node of an entity in the main tree, opaque to the model: the window
// code decides what it points to. Null means "no node".
using TreeNodeHandle = void*;

// Icon indices of the nodes in the shared image list.
namespace TreeIcon {
constexpr int Folder = 1;
constexpr int Person = 3;
constexpr int Profile = 4;
constexpr int Resource = 5;
constexpr int Task = 6;
} // namespace TreeIcon
