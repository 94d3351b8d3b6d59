#include "VelGui/VelCursor.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace VelSystem {

namespace {

enum Shape
{
    Option,
    Ufo,
    Target,
    Cross,
    ZoomPlus,
    ZoomMinus,
    ShapeCount
};

constexpr int kSize = 32;
bool gInverted = false;

// The strokes of a magnifier with a plus or minus in its lens.
QPainterPath magnifier(bool plus)
{
    QPainterPath path;
    path.addEllipse(QPointF(12.5, 12.5), 8.0, 8.0);
    path.moveTo(18.5, 18.5);
    path.lineTo(28.5, 28.5);
    path.moveTo(8.5, 12.5);
    path.lineTo(16.5, 12.5);
    if (plus) {
        path.moveTo(12.5, 8.5);
        path.lineTo(12.5, 16.5);
    }
    return path;
}

// The strokes of each cursor, drawn in a 32x32 cell; .5 coordinates keep 1-pixel lines sharp.
QPainterPath shapePath(Shape shape)
{
    QPainterPath path;
    switch (shape) {
    case Option:
        path.moveTo(1.5, 1.5);
        path.lineTo(1.5, 17.5);
        path.lineTo(5.5, 13.5);
        path.lineTo(8.5, 20.5);
        path.lineTo(11.5, 19.5);
        path.lineTo(8.5, 12.5);
        path.lineTo(13.5, 12.5);
        path.closeSubpath();
        path.moveTo(17.5, 23.5);
        path.lineTo(27.5, 23.5);
        path.moveTo(22.5, 18.5);
        path.lineTo(22.5, 28.5);
        break;
    case Ufo: {
        // Four arrows leaving the centre: everything moves together.
        const QPointF c(15.5, 15.5);
        for (int quarter = 0; quarter < 4; ++quarter) {
            QTransform turn;
            turn.translate(c.x(), c.y());
            turn.rotate(90.0 * quarter);
            QPainterPath arrow;
            arrow.moveTo(0, 0);
            arrow.lineTo(13, 0);
            arrow.moveTo(9, -4);
            arrow.lineTo(13, 0);
            arrow.lineTo(9, 4);
            path.addPath(turn.map(arrow));
        }
        path.addEllipse(c, 3.0, 3.0);
        break;
    }
    case Target:
        path.addEllipse(QPointF(15.5, 15.5), 7.0, 7.0);
        path.addEllipse(QPointF(15.5, 15.5), 1.0, 1.0);
        path.moveTo(15.5, 1.5);
        path.lineTo(15.5, 11.5);
        path.moveTo(15.5, 19.5);
        path.lineTo(15.5, 29.5);
        path.moveTo(1.5, 15.5);
        path.lineTo(11.5, 15.5);
        path.moveTo(19.5, 15.5);
        path.lineTo(29.5, 15.5);
        break;
    case Cross:
        path.moveTo(15.5, 3.5);
        path.lineTo(15.5, 27.5);
        path.moveTo(3.5, 15.5);
        path.lineTo(27.5, 15.5);
        break;
    case ZoomPlus:
        path = magnifier(true);
        break;
    case ZoomMinus:
        path = magnifier(false);
        break;
    case ShapeCount:
        break;
    }
    return path;
}

QPoint hotSpot(Shape shape)
{
    switch (shape) {
    case Option:
        return {1, 1};
    case ZoomPlus:
    case ZoomMinus:
        return {12, 12};
    default:
        return {15, 15};
    }
}

// A light outline around dark strokes (or the reverse) keeps the cursor visible on both
// the fabric's light areas and dark pieces.
QCursor drawCursor(Shape shape, bool inverted)
{
    const QColor stroke = inverted ? QColor(Qt::white) : QColor(Qt::black);
    const QColor outline = inverted ? QColor(Qt::black) : QColor(Qt::white);
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath path = shapePath(shape);
    painter.strokePath(path, QPen(outline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (shape == Option)
        painter.fillPath(path, stroke);
    painter.strokePath(path, QPen(stroke, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.end();
    const QPoint hot = hotSpot(shape);
    return QCursor(pixmap, hot.x(), hot.y());
}

struct CursorSet
{
    std::array<QCursor, ShapeCount> normal;
    std::array<QCursor, ShapeCount> inverted;
};

CursorSet*& cursorStorage()
{
    static CursorSet* set = nullptr;
    return set;
}

// Pixmaps must not outlive the application object, so the set is dropped with it and
// rebuilt if a later application asks again.
void dropCursors()
{
    delete cursorStorage();
    cursorStorage() = nullptr;
}

const QCursor& cursorFor(Shape shape)
{
    CursorSet*& set = cursorStorage();
    if (!set) {
        set = new CursorSet;
        for (int i = 0; i < ShapeCount; ++i) {
            set->normal[static_cast<size_t>(i)] = drawCursor(static_cast<Shape>(i), false);
            set->inverted[static_cast<size_t>(i)] = drawCursor(static_cast<Shape>(i), true);
        }
        qAddPostRoutine(dropCursors);
    }
    const auto index = static_cast<size_t>(shape);
    return gInverted ? set->inverted[index] : set->normal[index];
}

} // namespace

const QCursor& VelCursor::option()
{
    return cursorFor(Option);
}

const QCursor& VelCursor::ufo()
{
    return cursorFor(Ufo);
}

const QCursor& VelCursor::target()
{
    return cursorFor(Target);
}

const QCursor& VelCursor::cross()
{
    return cursorFor(Cross);
}

const QCursor& VelCursor::zoomplus()
{
    return cursorFor(ZoomPlus);
}

const QCursor& VelCursor::zoomminus()
{
    return cursorFor(ZoomMinus);
}

bool VelCursor::getInverted()
{
    return gInverted;
}

void VelCursor::setInverted(bool inverted)
{
    gInverted = inverted;
}

} // namespace VelSystem
