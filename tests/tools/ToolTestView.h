#pragma once

// What every tool test needs: the test trousers marker shown in a marker view of fixed size
// and scale, the tool under test started and made the view's tool as the host does, a sink
// recording the messages and errors reported, and mouse, key and wheel input at document
// coordinates, delivered to the view as the platform delivers it (so the view's routing,
// exception boundary and cursor refresh all take part).
//
// Mouse events carry the modifiers of the keys held with key() and the buttons held by
// earlier presses. They start unaccepted, so each helper's result says whether the tool
// accepted its event. A double click comes in Qt's order: press, release, double click,
// release.

#include "app/HostTestMarker.h"
#include "gui/GuiTestDoubles.h"

#include "VelToolFactory.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentView.h"
#include "laystore/CMarkerSelection.h"
#include "laystore/view/MarkerScene.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWheelEvent>
#include <functional>
#include <string>
#include <utility>

// Data-driven tests take the button from their rows.
Q_DECLARE_METATYPE(Qt::MouseButton)

namespace VelSystem {
namespace ToolTest {

// Widget size; the viewport is smaller by the scroll bars.
constexpr int kViewWidth = 640;
constexpr int kViewHeight = 480;
// Pixels per centimetre: a power of two, so that a whole pixel converts to centimetres and
// back exactly.
constexpr double kViewScale = 4.0;

// A view that records the rectangles it is asked to fit, then fits them.
class FitRecordingView : public DocumentView
{
public:
    using DocumentView::DocumentView;

    void fitToRect(const GeoRectangle& rect) override
    {
        fitted << rect;
        DocumentView::fitToRect(rect);
    }

    QList<GeoRectangle> fitted;
};

// Answers every modal dialog that opens while it lives, recording their class names.
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<void(QDialog*)> answer) : mAnswer(std::move(answer))
    {
        QObject::connect(&mTimer, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen << QString::fromLatin1(dialog->metaObject()->className());
                mAnswer(dialog);
            }
        });
        mTimer.start(0);
    }
    QStringList seen;

private:
    std::function<void(QDialog*)> mAnswer;
    QTimer mTimer;
};

class ToolTestView
{
public:
    // Shows the fabric area of the first layer at kViewScale and makes the tool registered
    // as `toolId` the view's tool.
    explicit ToolTestView(const std::string& toolId) : tool(VelToolFactory::instance().createTool(toolId))
    {
        if (!tool)
            qFatal("no tool is registered as \"%s\"", toolId.c_str());
        HostTest::fillTestMarker(marker);
        view.resize(kViewWidth, kViewHeight);
        // An event the viewport leaves unaccepted would go on to the view as a fresh,
        // accepted copy and come back accepted; stopping it here keeps the tool's answer.
        view.viewport()->setAttribute(Qt::WA_NoMousePropagation);
        view.show();
        view.fitToRect(GeoRectangle(0.0, 0.0, LaystoreTest::kLayerWidth, LaystoreTest::kLayerWidth));
        view.setScale(kViewScale);
        view.fitted.clear();
        tool->start();
        view.setTool(tool);
    }

    ~ToolTestView()
    {
        tool->stop();
        view.setTool(nullptr);
        KeyboardMonitor::instance().releaseAll();
    }

    ToolTestView(const ToolTestView&) = delete;
    ToolTestView& operator=(const ToolTestView&) = delete;

    // The tool as its own class (fatal when it is another).
    template <class T> T& toolAs() const
    {
        T* typed = dynamic_cast<T*>(tool.get());
        if (!typed)
            qFatal("the tool is not a %s", T::staticMetaObject.className());
        return *typed;
    }

    // The viewport pixel showing a document point, and the document point a pixel shows.
    QPoint pixel(const GeoPoint2D& point) const { return view.mapFromScene(QPointF(point.x, point.y)); }
    GeoPoint2D at(const QPoint& pixel) const
    {
        const QPointF point = view.mapToScene(pixel);
        return {point.x(), point.y()};
    }

    // How far the current scale is from the one the test started at.
    double zoom() const { return view.getScale() / kViewScale; }
    QPoint scrollValues() const
    {
        return {view.horizontalScrollBar()->value(), view.verticalScrollBar()->value()};
    }
    QCursor cursor() const { return view.viewport()->cursor(); }

    // The marker as a dragging tool changes it: the first layer's objects in drawing order,
    // the selected ones, the drag previews shown, the undo stack.
    CDbAbstractObject* objectAt(int index) const
    {
        return marker.document->objects(marker.fabric, 0).at(index);
    }
    QListEx<CDbAbstractObject*> selection() const { return marker.document->markerSelection()->objects(); }
    QList<CDbAbstractObject*> dragPreviews() const
    {
        QList<CDbAbstractObject*> found;
        for (CDbAbstractObject* object : marker.document->objects(marker.fabric, 0)) {
            if (object->isDragged())
                found << object;
        }
        return found;
    }
    QUndoStack& undo() const { return *marker.document->undoStack(); }
    // A drag that ends in a command leaves the transformer's diagnostic line.
    static void expectDragRecorded()
    {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("InteractiveTransformer::end\\(\\):"));
    }

    bool press(const GeoPoint2D& point, Qt::MouseButton button = Qt::LeftButton)
    {
        buttons |= button;
        return sendMouse(QEvent::MouseButtonPress, point, button);
    }
    bool move(const GeoPoint2D& point) { return sendMouse(QEvent::MouseMove, point, Qt::NoButton); }
    bool release(const GeoPoint2D& point, Qt::MouseButton button = Qt::LeftButton)
    {
        buttons &= ~Qt::MouseButtons(button);
        return sendMouse(QEvent::MouseButtonRelease, point, button);
    }
    void click(const GeoPoint2D& point, Qt::MouseButton button = Qt::LeftButton)
    {
        press(point, button);
        release(point, button);
    }
    // Whether the tool accepted the double-click event itself.
    bool doubleClick(const GeoPoint2D& point, Qt::MouseButton button = Qt::LeftButton)
    {
        click(point, button);
        buttons |= button;
        const bool accepted = sendMouse(QEvent::MouseButtonDblClick, point, button);
        release(point, button);
        return accepted;
    }

    // Holds or lets go of `key`: the keyboard monitor follows, then the view gets the key event.
    void key(int key, bool pressed)
    {
        KeyboardMonitor::instance().setKeyPressed(key, pressed);
        QKeyEvent event(pressed ? QEvent::KeyPress : QEvent::KeyRelease, key, modifiers());
        QApplication::sendEvent(&view, &event);
    }

    // Turns the wheel by `delta` (120 a notch, positive away from the user) over `point`.
    void wheel(const GeoPoint2D& point, int delta)
    {
        const QPoint position = pixel(point);
        QWheelEvent event(position, view.viewport()->mapToGlobal(position), QPoint(), QPoint(0, delta),
                          buttons, modifiers(), Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    }

    LaystoreTest::Marker marker;
    MarkerScene scene{marker.document};
    FitRecordingView view{&scene};
    RecordingSink sink;
    boost::shared_ptr<AbstractTool> tool;
    Qt::MouseButtons buttons;

private:
    static Qt::KeyboardModifiers modifiers()
    {
        const KeyboardMonitor& keys = KeyboardMonitor::instance();
        Qt::KeyboardModifiers held;
        held.setFlag(Qt::ShiftModifier, keys.keyPressed(Qt::Key_Shift));
        held.setFlag(Qt::ControlModifier, keys.keyPressed(Qt::Key_Control));
        held.setFlag(Qt::AltModifier, keys.keyPressed(Qt::Key_Alt));
        return held;
    }

    bool sendMouse(QEvent::Type type, const GeoPoint2D& point, Qt::MouseButton button)
    {
        const QPoint position = pixel(point);
        QMouseEvent event(type, position, view.viewport()->mapToGlobal(position), button, buttons,
                          modifiers());
        event.ignore();
        QApplication::sendEvent(view.viewport(), &event);
        return event.isAccepted();
    }
};

} // namespace ToolTest
} // namespace VelSystem
