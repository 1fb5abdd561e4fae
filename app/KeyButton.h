// A keypad's button as its row of the key table describes it: its place in dialog units, the
// name a screen reader says, and what it does as description and tool tip. The calculator,
// Nixet and Statistics keypads share it.
#pragma once

#include "DialogUnits.h"

#include <QAbstractButton>

namespace tarvo {

template <class Key>
void PlaceKeyButton(QAbstractButton& button, const Key& key, const DialogUnits& units) {
    button.setGeometry(units.Rect(key.rect));
    button.setAccessibleName(key.name);
    button.setAccessibleDescription(key.prompt);
    button.setToolTip(key.prompt);
}

} // namespace tarvo
