#pragma once

#include <QObject>
#include <QSet>

class QWindow;

namespace VelSystem {

// Follows the live state of the keyboard from the application's real key events, so that
// tools can ask whether a key is held now, independently of any event. Tests drive it
// with setKeyPressed.
class KeyboardMonitor : public QObject
{
    Q_OBJECT
public:
    static KeyboardMonitor& instance();

    bool keyPressed(int key) const { return mPressed.contains(key); }
    void setKeyPressed(int key, bool pressed);
    void releaseAll();
    // Starts following the application's key events (the host calls this once; calling it
    // again is harmless). Every key is released when the application loses the keyboard.
    void install();

signals:
    void keyChanged(int key, bool pressed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyboardMonitor() = default;
    void onFocusWindowChanged(QWindow* window);
    QSet<int> mPressed;
};

} // namespace VelSystem
