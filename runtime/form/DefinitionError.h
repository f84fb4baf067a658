#pragma once

#include <stdexcept>

namespace rt {

// A form's code names a control its definition lacks, or takes one for
// another kind: a fault of the program, not of the user's input. The session
// ends the program at once on it.
class DefinitionError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

} // namespace rt
