#include "laystore/view/MarkerTextItem.h"

#include "laystore/CDbTextObject.h"
#include "laystore/view/SceneDrawing.h"

#include <QFontMetricsF>
#include <QPainter>

namespace VelSystem {

namespace {

// Glyphs are laid out at this pixel size and scaled to the letter size: small font sizes
// would round their metrics.
constexpr int kLayoutPixelSize = 100;

const QColor kTextColour(30, 30, 110);

} // namespace

MarkerTextItem::MarkerTextItem(CDbTextObject* text) : MarkerObjectItem(text) {}

CDbTextObject* MarkerTextItem::text() const
{
    return static_cast<CDbTextObject*>(object());
}

void MarkerTextItem::rebuild()
{
    const CDbTextObject& t = *text();
    mGlyphs = QPainterPath();
    const QStringList lines = t.getLines();
    if (lines.isEmpty() || t.letterSize() <= 0)
        return;

    QFont font;
    font.setPixelSize(kLayoutPixelSize);
    const QFontMetricsF metrics(font);
    // Letter size is the height of a capital letter.
    const double unit = t.capitalHeight() / metrics.capHeight();
    const double lineHeight = t.lineHeight() / unit;
    double blockWidth = 0.0;
    for (const QString& line : lines)
        blockWidth = qMax(blockWidth, metrics.horizontalAdvance(line));
    const double blockHeight = lineHeight * lines.size();

    // Laid out in font units with y downward, the block centred on the origin and the lines
    // aligned inside it.
    const Qt::Alignment alignment = t.horizontalAlignment();
    QPainterPath layout;
    for (int i = 0; i < lines.size(); ++i) {
        const double width = metrics.horizontalAdvance(lines.at(i));
        double x = -width / 2.0;
        if (alignment == Qt::AlignLeft)
            x = -blockWidth / 2.0;
        else if (alignment == Qt::AlignRight)
            x = blockWidth / 2.0 - width;
        const double baseline =
            -blockHeight / 2.0 + lineHeight * i + (lineHeight + metrics.capHeight()) / 2.0;
        layout.addText(QPointF(x, baseline), font, lines.at(i));
    }

    QTransform toScene;
    toScene.translate(t.center().x, t.center().y);
    toScene.rotate(t.angle());
    toScene.scale(unit, -unit);
    mGlyphs = toScene.map(layout);
}

QRectF MarkerTextItem::contentRect() const
{
    return MarkerObjectItem::contentRect().united(mGlyphs.boundingRect());
}

void MarkerTextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    const CDbTextObject& t = *text();
    QColor colour = kTextColour;
    if (t.isDragged())
        colour.setAlpha(110);
    painter->fillPath(mGlyphs, colour);
    if (t.isSelected())
        MarkerObjectItem::paint(painter, option, widget);
}

} // namespace VelSystem
