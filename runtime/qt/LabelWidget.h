#pragma once

#include "Label.h"

#include <QLabel>

namespace rt {

// The label over Qt.
class LabelWidget final : public QLabel, public Label {
public:
    explicit LabelWidget(QWidget* parent = nullptr)
        : QLabel(parent)
    {
    }
};

} // namespace rt
