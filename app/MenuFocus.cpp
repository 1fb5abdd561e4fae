#include "MenuFocus.h"

#include <QFocusEvent>

namespace tarvo {

bool IsMenuFocusChange(const QEvent& event) {
    if (event.type() != QEvent::FocusIn && event.type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

} // namespace tarvo
