// A key that stays pressed, such as hyp: while it is on it is drawn in the selection colour,
// so that its state shows at a glance whatever the style and the background.
#pragma once

#include <QPushButton>

namespace tarvo {

class ToggleKey : public QPushButton {
public:
    explicit ToggleKey(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvo
