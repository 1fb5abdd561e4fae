// The file dialogs' size: wide enough for the standard columns (name, size, type, date) and
// tall enough for a screenful of files, within the screen, at any font and scale.
#pragma once

class QFileDialog;

namespace tarvo {

// Sizes the dialog from its font and keeps the Size, Type and Date columns as wide as what
// they show.
void FitFileDialog(QFileDialog& dialog);

} // namespace tarvo
