#include "Icons.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace tarvo {

namespace {

QPixmap Render(const QString& path, QSize size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    // Keep the artwork's proportions inside the button.
    QSizeF drawn = renderer.defaultSize().scaled(pixmap.size(), Qt::KeepAspectRatio);
    const QPointF corner((pixmap.width() - drawn.width()) / 2,
                         (pixmap.height() - drawn.height()) / 2);
    renderer.render(&painter, QRectF(corner, drawn));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QIcon KeyIcon(const char* name, bool withKey, QSize size) {
    static QHash<QString, QIcon> cache;
    const QString path = QString(":/icons/%1%2.svg").arg(name, withKey ? "-key" : "");
    const QString key = path + QString::number(size.width()) + "x" + QString::number(size.height());
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.insert(key, QIcon(Render(path, size)));
    return *found;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128})
        icon.addPixmap(Render(":/icons/tarvo.svg", QSize(side, side)));
    return icon;
}

} // namespace tarvo
