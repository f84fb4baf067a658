#pragma once

#include <QLabel>

namespace rt {

// A label: a caption the user cannot change or focus.
class Label final : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr)
        : QLabel(parent)
    {
    }
};

} // namespace rt
