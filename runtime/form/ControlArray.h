#pragma once

#include "Index.h"
#include "RuntimeError.h"

#include <map>
#include <vector>

namespace rt {

// Controls that share one name, told apart by their element index.
template <class Control> class ControlArray {
public:
    void add(Index index, Control& element) { elements_[index] = &element; }

    // The element `index`; run-time error 340 when there is none.
    [[nodiscard]] Control& Item(Index index) const
    {
        const auto found = elements_.find(index);
        if (found == elements_.end()) {
            throw RuntimeError(RuntimeError::kControlArrayElementMissing);
        }
        return *found->second;
    }

    [[nodiscard]] std::vector<Index> indices() const
    {
        std::vector<Index> all;
        all.reserve(elements_.size());
        for (const auto& element : elements_) {
            all.push_back(element.first);
        }
        return all;
    }

    [[nodiscard]] bool empty() const { return elements_.empty(); }

private:
    std::map<Index, Control*> elements_;
};

} // namespace rt
