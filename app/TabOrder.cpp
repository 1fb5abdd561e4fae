#include "TabOrder.h"

#include <QWidget>

#include <algorithm>

namespace tarvo {

void SetTabOrder(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

std::vector<QWidget*> InReadingOrder(std::vector<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return controls;
}

} // namespace tarvo
