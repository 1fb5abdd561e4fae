#include "FileDialogFit.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

namespace tarvo {

namespace {

// Characters across: the places list, a long file name and the three detail columns.
constexpr int kCharactersWide = 120;
constexpr int kLinesHigh = 30;

} // namespace

void FitFileDialog(QFileDialog& dialog) {
    const QFontMetrics metrics = dialog.fontMetrics();
    QSize size(metrics.averageCharWidth() * kCharactersWide, metrics.lineSpacing() * kLinesHigh);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    // Only the toolkit's own dialog has a detail view; a desktop's native dialog sizes itself.
    // The name takes the room the size, type and date leave when they show whole.
    if (auto* view = dialog.findChild<QTreeView*>("treeView")) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

} // namespace tarvo
