#include "VelCore/KeyboardMonitor.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace VelSystem {

KeyboardMonitor& KeyboardMonitor::instance()
{
    static KeyboardMonitor monitor;
    return monitor;
}

void KeyboardMonitor::setKeyPressed(int key, bool pressed)
{
    if (pressed == mPressed.contains(key))
        return;
    if (pressed)
        mPressed.insert(key);
    else
        mPressed.remove(key);
    emit keyChanged(key, pressed);
}

void KeyboardMonitor::releaseAll()
{
    const QSet<int> held = mPressed;
    for (int key : held)
        setKeyPressed(key, false);
}

void KeyboardMonitor::install()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        qWarning("KeyboardMonitor: install() needs an application object");
        return;
    }
    app->removeEventFilter(this);
    app->installEventFilter(this);
    if (auto* gui = qobject_cast<QGuiApplication*>(app))
        connect(gui, &QGuiApplication::focusWindowChanged, this, &KeyboardMonitor::onFocusWindowChanged,
                Qt::UniqueConnection);
}

void KeyboardMonitor::onFocusWindowChanged(QWindow* window)
{
    // Releases that happen while none of our windows has the focus never reach us.
    if (!window)
        releaseAll();
}

bool KeyboardMonitor::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Auto-repeat sends release/press pairs while the key stays down; modifier keys
        // (Shift, Control, Alt, Meta) arrive here as keys of their own.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && key->key() != 0 && key->key() != Qt::Key_unknown)
            setKeyPressed(key->key(), event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::ApplicationDeactivate:
        releaseAll();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace VelSystem
