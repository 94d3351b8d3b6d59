#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace VelSystem {

class VelClipboard;

// The host's application services that do not depend on documents: user messages,
// error reports, the main window and the clipboard. One instance per process.
class VelCoreApplication : public QObject
{
    Q_OBJECT
public:
    enum ReportKind
    {
        Message,
        Error
    };
    // Receives every message and error report. The application shows message boxes;
    // tests install a sink that records the texts. Without a sink, reports become message
    // boxes on a screen and warnings on the Qt message stream elsewhere (offscreen, no GUI).
    // `flags` is the box's QMessageBox::Icon; 0 means information for messages and
    // critical for errors.
    using Sink = std::function<void(ReportKind kind, const QString& text, const QString& title, int flags)>;

    static VelCoreApplication* instance();

    // A message to the user (refusals are shown with an empty title and flags 0).
    void showMessage(const QString& text, const QString& title = QString(), int flags = 0);
    // An error report, used for exceptions caught at the host's boundary.
    void showError(const QString& text, const QString& title = QString(), int flags = 0);

    // Replaces the sink and returns the previous one.
    Sink setSink(Sink sink);

    QWidget* mainWindow() const { return mMainWindow; }
    void setMainWindow(QWidget* window) { mMainWindow = window; }
    VelClipboard& clipboard();

signals:
    void reported(int kind, const QString& text);

private:
    VelCoreApplication();
    void report(ReportKind kind, const QString& text, const QString& title, int flags);

    Sink mSink;
    QPointer<QWidget> mMainWindow; // the window may go before this process-wide object
};

// The system clipboard, as the host exposes it (needs a GUI application; without one
// setText is refused with a warning and text() is empty).
class VelClipboard
{
public:
    void setText(const QString& text);
    QString text() const;
};

} // namespace VelSystem
