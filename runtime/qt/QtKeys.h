#pragma once

#include "Keys.h"

#include <QKeyEvent>
#include <array>

namespace rt {

inline constexpr std::array<ModifierCode, 4> kQtModifiers { {
    { Qt::ShiftModifier, Modifier::Shift },
    { Qt::ControlModifier, Modifier::Ctrl },
    { Qt::AltModifier, Modifier::Alt },
    { Qt::MetaModifier, Modifier::Meta },
} };

[[nodiscard]] inline Modifiers modifiersOf(const QKeyEvent& event)
{
    const auto bits = static_cast<unsigned>(event.modifiers().toInt());
    return modifiersOf(kQtModifiers, [bits](unsigned code) { return (bits & code) != 0; });
}

} // namespace rt
