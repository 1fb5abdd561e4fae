#include "FileDialogFit.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>

namespace tarvo {

namespace {

// Characters across: the places list, a long file name and the three detail columns.
constexpr int kCharactersWide = 120;
constexpr int kLinesHigh = 30;

void FitDetailColumns(QTreeView& view) {
    for (int column = 1; column < view.header()->count(); ++column)
        view.resizeColumnToContents(column);
}

} // namespace

void FitFileDialog(QFileDialog& dialog) {
    const QFontMetrics metrics = dialog.fontMetrics();
    QSize size(metrics.averageCharWidth() * kCharactersWide, metrics.lineSpacing() * kLinesHigh);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    // Only the toolkit's own dialog has these parts; a desktop's native dialog sizes itself.
    auto* view = dialog.findChild<QTreeView*>("treeView");
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!view || !model)
        return;
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    QObject::connect(model, &QFileSystemModel::directoryLoaded, view,
                     [view] { FitDetailColumns(*view); });
    FitDetailColumns(*view);
}

} // namespace tarvo
