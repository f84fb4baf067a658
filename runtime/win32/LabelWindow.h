#pragma once

#include "ChildWindow.h"
#include "Label.h"

#include <optional>

namespace rt::win32 {

// The label over a STATIC control, painted in its back colour.
class LabelWindow final : public Label, public ChildWindow {
public:
    LabelWindow(HWND handle, std::optional<COLORREF> backColour);
    LabelWindow(const LabelWindow&) = delete;
    LabelWindow& operator=(const LabelWindow&) = delete;
    LabelWindow(LabelWindow&&) = delete;
    LabelWindow& operator=(LabelWindow&&) = delete;
    ~LabelWindow() override;

    HBRUSH staticColours(HDC context) override;

private:
    std::optional<COLORREF> backColour_;
    HBRUSH brush_ = nullptr;
};

} // namespace rt::win32
