#pragma once

#include "FormDefinition.h"

namespace zorbika {

// The window Zorbika as the runtime builds it: its controls in definition
// order, their contents, places, colours and tab order.
const rt::FormDefinition& zorbikaDefinition();

} // namespace zorbika
