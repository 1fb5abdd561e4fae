// The object name of a dialog's button, by which tests and tools find it: "button" and its
// control id.
#pragma once

#include <QString>

namespace tarvo {

template <class Id> QString ControlName(Id id) {
    return QString("button%1").arg(static_cast<int>(id));
}

} // namespace tarvo
