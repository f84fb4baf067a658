#pragma once

#include "Index.h"
#include "RuntimeError.h"

#include <map>

namespace rt {

// Controls that share one name, told apart by their element index.
template <class Control> class ControlArray {
public:
    void add(Index index, Control& control) { elements_[index] = &control; }

    // The element `index`; run-time error 340 when there is none.
    [[nodiscard]] Control& Item(Index index) const
    {
        const auto found = elements_.find(index);
        if (found == elements_.end()) {
            throw RuntimeError(RuntimeError::kControlArrayElementMissing);
        }
        return *found->second;
    }

    [[nodiscard]] const std::map<Index, Control*>& elements() const { return elements_; }

private:
    std::map<Index, Control*> elements_;
};

} // namespace rt
