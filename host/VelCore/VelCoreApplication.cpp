#include "VelCore/VelCoreApplication.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QtDebug>

namespace VelSystem {

namespace {

// Message boxes need a widget application on a real screen; elsewhere (command-line runs,
// the offscreen platform) a modal box would block with nobody to close it.
bool canShowMessageBoxes()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) &&
           QGuiApplication::platformName() != QLatin1String("offscreen");
}

void reportByDefault(VelCoreApplication::ReportKind kind, const QString& text, const QString& title,
                     int flags, QWidget* parent)
{
    if (!canShowMessageBoxes()) {
        qWarning().noquote() << (kind == VelCoreApplication::Error ? "Error:" : "Message:")
                             << (title.isEmpty() ? text : title + QLatin1String(": ") + text);
        return;
    }
    const QMessageBox::Icon defaultIcon =
        kind == VelCoreApplication::Error ? QMessageBox::Critical : QMessageBox::Information;
    const auto icon = flags != 0 ? static_cast<QMessageBox::Icon>(flags) : defaultIcon;
    QMessageBox box(icon, title.isEmpty() ? QCoreApplication::applicationName() : title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool hasGuiApplication()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    qWarning("VelClipboard: the clipboard needs a GUI application");
    return false;
}

} // namespace

VelCoreApplication::VelCoreApplication() = default;

VelCoreApplication* VelCoreApplication::instance()
{
    static VelCoreApplication application;
    return &application;
}

void VelCoreApplication::showMessage(const QString& text, const QString& title, int flags)
{
    report(Message, text, title, flags);
}

void VelCoreApplication::showError(const QString& text, const QString& title, int flags)
{
    report(Error, text, title, flags);
}

void VelCoreApplication::report(ReportKind kind, const QString& text, const QString& title, int flags)
{
    if (mSink)
        mSink(kind, text, title, flags);
    else
        reportByDefault(kind, text, title, flags, mMainWindow);
    emit reported(kind, text);
}

VelCoreApplication::Sink VelCoreApplication::setSink(Sink sink)
{
    std::swap(mSink, sink);
    return sink;
}

VelClipboard& VelCoreApplication::clipboard()
{
    static VelClipboard clipboard;
    return clipboard;
}

void VelClipboard::setText(const QString& text)
{
    if (hasGuiApplication())
        QGuiApplication::clipboard()->setText(text);
}

QString VelClipboard::text() const
{
    return hasGuiApplication() ? QGuiApplication::clipboard()->text() : QString();
}

} // namespace VelSystem
