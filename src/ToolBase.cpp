#include "ToolBase.h"

#include "VelToolFactory.h"

#include "VelConjoin/Document.h"
#include "VelCore/AbstractCmd.h"
#include "VelCore/CmdsManager.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "VelGui/VelCursor.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbMarkerPointObject.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/DocumentMak.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QUndoStack>
#include <algorithm>
#include <boost/pointer_cast.hpp>
#include <memory>

namespace VelSystem {

namespace {

// A cursor drawn for a light background and its twin for a dark one.
struct CursorPair
{
    QCursor normal;
    QCursor inverted;
};

QCursor imageCursor(const char* path, int hotX, int hotY)
{
    return QCursor(QPixmap(QString::fromLatin1(path)), hotX, hotY);
}

// Every invertible cursor of the plug-in has its hot spot at (7, 7).
CursorPair invertibleCursor(const char* path, const char* invertedPath)
{
    return {imageCursor(path, 7, 7), imageCursor(invertedPath, 7, 7)};
}

const QCursor& current(const CursorPair& pair)
{
    return VelCursor::getInverted() ? pair.inverted : pair.normal;
}

// Overshoot of `position` past the range [0, size] of the view along one axis.
int overshoot(int position, int size)
{
    if (position < 0)
        return position;
    if (position > size)
        return position - size;
    return 0;
}

} // namespace

ToolBase::ToolBase(const QString& icon) : mIcon(icon) {}

ToolBase::~ToolBase() = default;

std::string ToolBase::id() const
{
    return mId;
}

QString ToolBase::icon() const
{
    return mIcon;
}

QString ToolBase::name() const
{
    return QString();
}

std::vector<int> ToolBase::shortcutKeys() const
{
    return {};
}

void ToolBase::start() {}

void ToolBase::openUrl(QUrl /*url*/) {}

void ToolBase::stop() {}

bool ToolBase::chartClicked(short /*sizeNumber*/, short /*pieceIndex*/, QMouseEvent* /*event*/)
{
    return false;
}

void ToolBase::mousePressEvent(DocumentView* /*view*/, QMouseEvent* /*event*/) {}

void ToolBase::mouseReleaseEvent(DocumentView* /*view*/, QMouseEvent* /*event*/) {}

void ToolBase::mouseMoveEvent(DocumentView* /*view*/, QMouseEvent* /*event*/) {}

void ToolBase::mouseDoubleClickEvent(DocumentView* /*view*/, QMouseEvent* event)
{
    event->ignore();
}

void ToolBase::cursor(QCursor& /*cursor*/) const {}

bool ToolBase::keyStateChanged(bool /*pressed*/, int /*key*/)
{
    return false;
}

bool ToolBase::wheelEvent(DocumentView* /*view*/, QWheelEvent* /*event*/)
{
    return false;
}

bool ToolBase::isBusy() const
{
    return false;
}

bool ToolBase::isEnabled() const
{
    return true;
}

std::vector<int> ToolBase::alternateShortcutKeys() const
{
    return {};
}

QWidget* ToolBase::optionsWidget() const
{
    return nullptr;
}

void ToolBase::suspend() {}

void ToolBase::resume() {}

QStringList ToolBase::instructions() const
{
    return VelToolFactory::instance().instructions(id());
}

void ToolBase::setId(const std::string& id)
{
    mId = id;
}

const QCursor& ToolBase::blockCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_block.png", ":/images/cursor_block_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::convertPlusCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_convert_plus.png", ":/images/cursor_convert_plus_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::convertMinusCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_convert_minus.png", ":/images/cursor_convert_minus_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::editBlockCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_editblock.png", ":/images/cursor_editblock_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::editBlockedCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_editblocked.png", ":/images/cursor_editblocked_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::linkCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_link.png", ":/images/cursor_link_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::linkedCursor()
{
    static const CursorPair cursors =
        invertibleCursor(":/images/cursor_linked.png", ":/images/cursor_linked_inv.png");
    return current(cursors);
}

const QCursor& ToolBase::magneticCursor()
{
    // Its tip is the image's corner; there is no inverted twin.
    static const QCursor cursor = imageCursor(":/images/cursor_magnertic.png", 0, 0);
    return cursor;
}

bool ToolBase::markerPress(DocumentView* view, QMouseEvent* event, MarkerPress* press)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return false;
    press->document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    press->drawing = press->document ? press->document->drawing() : nullptr;
    if (!press->drawing)
        return false;
    short code = 1;
    press->drawing->getCurrentFabricsAndLayer(press->fabric, press->layer, &code);
    return code == 0 && press->fabric;
}

void ToolBase::pushClickCommand(DocumentView* view, QMouseEvent* event, const QString& name)
{
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    // Lives until the command's setDocument returns, which is all it needs.
    CDbMarkerPointObject point(view->scenePoint(event->pos()));
    if (const boost::shared_ptr<Document> document = view->document())
        pushCommand(*document, name, {QVariant::fromValue(static_cast<void*>(&point)), !alt, shift && alt});
}

void ToolBase::addOrRemoveCursor(QCursor& cursor, const QCursor& adding)
{
    cursor = KeyboardMonitor::instance().keyPressed(Qt::Key_Alt) ? convertMinusCursor() : adding;
}

bool ToolBase::autoScroll(DocumentView* view, QMouseEvent* event)
{
    if (!view)
        return false;
    const auto selection = boost::dynamic_pointer_cast<CMarkerSelection>(view->scene()->selection());
    if (!selection)
        return false;
    const auto& objects = selection->objects();
    const bool piecesSelected = std::any_of(objects.begin(), objects.end(), [](CDbAbstractObject* object) {
        return dynamic_cast<CDbGrPolysObject*>(object) != nullptr;
    });
    if (!piecesSelected)
        return false;
    const QPoint position = event->pos();
    if (view->rect().contains(position))
        return false;
    QScrollBar* horizontal = view->horizontalScrollBar();
    QScrollBar* vertical = view->verticalScrollBar();
    horizontal->setValue(horizontal->value() + overshoot(position.x(), view->width()));
    vertical->setValue(vertical->value() + overshoot(position.y(), view->height()));
    return true;
}

short ToolBase::pushCommand(Document& document, const QString& name, const QList<QVariant>& parameters)
{
    std::unique_ptr<AbstractCmd> command = CmdsManager::instance()->createCommand(name);
    if (!command)
        return -1;
    const short code = command->setDocument(document.shared_from_this(), parameters);
    if (code == 0)
        document.undoStack()->push(command.release());
    return code;
}

} // namespace VelSystem
