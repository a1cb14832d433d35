#include "toolbox/Configurable.h"

namespace toolbox {

Configurable::~Configurable() = default;

} // namespace toolbox
