#include "FormContents.h"

#include "Windows1251.h"

#include <algorithm>
#include <numeric>

namespace rt {

std::vector<std::size_t> tabOrder(const FormDefinition& form)
{
    std::vector<std::size_t> order(form.controls.size());
    std::iota(order.begin(), order.end(), std::size_t { 0 });
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return form.controls[a].tabIndex < form.controls[b].tabIndex;
    });
    return order;
}

std::vector<std::size_t> tabStops(const FormDefinition& form)
{
    std::vector<std::size_t> stops = tabOrder(form);
    std::erase_if(stops, [&form](std::size_t which) {
        const ControlDefinition& control = form.controls[which];
        return control.kind == ControlKind::Label || !control.visible;
    });
    return stops;
}

std::size_t nextTabStop(std::size_t count, std::optional<std::size_t> current, bool backwards)
{
    if (count == 0) {
        return 0;
    }
    if (!current || *current >= count) {
        return backwards ? count - 1 : 0;
    }
    return backwards ? (*current + count - 1) % count : (*current + 1) % count;
}

ControlContents contentsOf(const ControlDefinition& control)
{
    std::vector<std::u16string> rows;
    rows.reserve(control.list.size());
    for (const std::string_view row : control.list) {
        rows.push_back(windows1251::decode(row));
    }
    return { .text = windows1251::decode(control.text),
        .rows = std::move(rows),
        .accessibleName = windows1251::decode(control.accessibleName),
        .accessibleDescription = windows1251::decode(control.accessibleDescription) };
}

} // namespace rt
