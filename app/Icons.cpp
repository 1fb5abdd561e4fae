#include "Icons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtMath>

#include <algorithm>

namespace tarvo {

namespace {

// The key artwork: 32 by 20 units, capital letters 8 units tall, drawn in this colour.
constexpr QSizeF kArtworkSize(32, 20);
constexpr qreal kArtworkCapHeight = 8;
const QByteArray kArtworkColor = "#202020";

// The badge: white capitals of the button's font on dark blue, as on a keycap.
const QColor kBadgeColor(0x1d, 0x4f, 0x91);
const QChar kShiftArrow(0x21E7);

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

// The artwork at scale device pixels per unit, in the colour given.
QImage Artwork(const char* name, const QColor& color, qreal scale) {
    QFile file(QString(":/icons/%1.svg").arg(name));
    file.open(QIODevice::ReadOnly);
    QSvgRenderer renderer(file.readAll().replace(kArtworkColor, color.name().toLatin1()));
    const QSize size(qCeil(kArtworkSize.width() * scale), qCeil(kArtworkSize.height() * scale));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), kArtworkSize * scale));
    return image;
}

// The columns the artwork covers, so that a badge can stand beside it.
std::pair<int, int> InkColumns(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 0) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    }
    return last < 0 ? std::pair(0, image.width() - 1) : std::pair(first, last);
}

QFont BadgeFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

// A badge in the units of the button's font: the key's characters, after a shift arrow when
// the key is shifted, with a margin of a quarter of a capital.
struct Badge {
    QFont font;
    QString characters;
    bool shift;
    qreal capHeight;
    qreal margin;
    qreal arrowWidth; // 0 without the arrow

    Badge(const QString& text, const QFont& buttonFont)
        : font(BadgeFont(buttonFont)), characters(text), shift(text.startsWith(kShiftArrow)) {
        if (shift)
            characters.remove(0, 1);
        const QFontMetricsF metrics(font);
        capHeight = metrics.capHeight();
        margin = std::max<qreal>(1, capHeight / 4);
        arrowWidth = shift ? capHeight * 0.7 + margin / 2 : 0;
    }
    QSizeF Size() const {
        return QSizeF(arrowWidth + QFontMetricsF(font).horizontalAdvance(characters) + 2 * margin,
                      capHeight + 2 * margin);
    }
};

// The shift arrow of the keycaps, as tall as a capital and narrower than the font's own.
void DrawShiftArrow(QPainter& painter, const QRectF& place) {
    const qreal w = place.width();
    const qreal h = place.height();
    const QPointF points[] = {{0.5 * w, 0}, {w, 0.55 * h},       {0.7 * w, 0.55 * h}, {0.7 * w, h},
                              {0.3 * w, h}, {0.3 * w, 0.55 * h}, {0, 0.55 * h}};
    painter.save();
    painter.translate(place.topLeft());
    painter.drawPolygon(points, static_cast<int>(std::size(points)));
    painter.restore();
}

// The badge with its top left corner at place, in device pixels; its contents are laid out
// in the font's units and drawn at the screen's scale.
void DrawBadge(QPainter& painter, const QPointF& place, const Badge& badge, qreal ratio) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(place);
    painter.scale(ratio, ratio);
    const QRectF outline(QPointF(0, 0), badge.Size());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBadgeColor);
    painter.drawRoundedRect(outline, outline.height() / 5, outline.height() / 5);
    painter.setBrush(Qt::white);
    if (badge.shift)
        DrawShiftArrow(painter,
                       QRectF(badge.margin, badge.margin, badge.capHeight * 0.7, badge.capHeight));
    painter.setFont(badge.font);
    painter.setPen(Qt::white);
    painter.drawText(outline.adjusted(badge.margin + badge.arrowWidth, 0, -badge.margin, 0),
                     Qt::AlignCenter, badge.characters);
    painter.restore();
}

QPixmap DrawKeyIcon(const char* name, const QString& badge, const QAbstractButton& button) {
    const qreal ratio = button.devicePixelRatioF();
    const QSize size = button.iconSize() * ratio;
    // Letters as tall as the caption font's capitals; a narrow icon only makes them smaller.
    const qreal scale =
        std::min(QFontMetricsF(button.font()).capHeight() * ratio / kArtworkCapHeight,
                 size.width() / kArtworkSize.width());
    const QImage artwork = Artwork(name, button.palette().color(QPalette::ButtonText), scale);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // The artwork's blank margins above and below may be cut by a low icon.
    if (badge.isEmpty()) {
        painter.drawImage(QPointF((size.width() - artwork.width()) / 2.0,
                                  (size.height() - artwork.height()) / 2.0),
                          artwork);
    } else {
        // The artwork's ink beside the badge, both centred across the icon; ink too wide for
        // the room the badge leaves is made smaller.
        const Badge drawnBadge(badge, button.font());
        const QSizeF badgeSize = drawnBadge.Size() * ratio;
        const auto [first, last] = InkColumns(artwork);
        const qreal gap = badgeSize.height() / 6;
        const qreal ink = last - first + 1;
        const qreal shrink = std::min<qreal>(1, (size.width() - gap - badgeSize.width()) / ink);
        const QSizeF drawn(ink * shrink, artwork.height() * shrink);
        const qreal left = (size.width() - drawn.width() - gap - badgeSize.width()) / 2;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(left, (size.height() - drawn.height()) / 2), drawn),
                          artwork, QRectF(first, 0, ink, artwork.height()));
        const QPointF corner(left + drawn.width() + gap, size.height() - badgeSize.height());
        DrawBadge(painter, corner, drawnBadge, ratio);
    }
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QSize KeyIconSize(const QFont& font, QSize room) {
    const qreal scale = QFontMetricsF(font).capHeight() / kArtworkCapHeight;
    const QSize size(qCeil(kArtworkSize.width() * scale), qCeil(kArtworkSize.height() * scale));
    return size.boundedTo(room);
}

QString KeyBadgeText(const char* accelerators) {
    const QString key = QString(accelerators).section(' ', 0, 0);
    return key.startsWith("Shift+") ? kShiftArrow + key.mid(6) : key;
}

QIcon KeyIcon(const char* name, const QString& badge, const QAbstractButton& button) {
    static QHash<QString, QIcon> cache;
    const QString key = QString("%1|%2|%3|%4x%5@%6|%7")
                            .arg(name, badge, button.font().key())
                            .arg(button.iconSize().width())
                            .arg(button.iconSize().height())
                            .arg(button.devicePixelRatioF())
                            .arg(button.palette().color(QPalette::ButtonText).name());
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.insert(key, QIcon(DrawKeyIcon(name, badge, button)));
    return *found;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128})
        icon.addPixmap(Render(":/icons/tarvo.svg", QSize(side, side)));
    return icon;
}

} // namespace tarvo
