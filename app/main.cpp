#include "HostOptions.h"
#include "MarkerMainWindow.h"
#include "MarkerStatusBar.h"
#include "PluginModule.h"
#include "ScriptRunner.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelCore/VelCoreApplication.h"
#include "laystore/DocumentMak.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>

using namespace VelSystem;

namespace {

// Reports go to standard error, and to a message box when someone is there to read it.
void installMessageSink(bool interactive)
{
    VelCoreApplication::instance()->setSink(
        [interactive](VelCoreApplication::ReportKind kind, const QString& text, const QString& title, int) {
            std::fprintf(stderr, "markerhost: %s\n", qPrintable(text));
            if (!interactive)
                return;
            QWidget* parent = VelCoreApplication::instance()->mainWindow();
            const QString caption = title.isEmpty() ? QCoreApplication::applicationName() : title;
            if (kind == VelCoreApplication::Error)
                QMessageBox::critical(parent, caption, text);
            else
                QMessageBox::information(parent, caption, text);
        });
}

// Lays the waiting pieces, saves and exports as asked, printing the marker's length and utilization.
int runBatch(MarkerMainWindow& window, const HostOptions& options)
{
    if (options.lay && window.layWaitingPieces(options.laySeconds, false) < 0)
        return 1;
    if (!options.savePath.isEmpty() && !window.saveActiveDocument(options.savePath))
        return 1;
    if (!options.hpglPath.isEmpty() && !window.exportHpgl(options.hpglPath))
        return 1;
    const boost::shared_ptr<DocumentMak> marker = window.activeMarker();
    std::printf("%s, %s\n", qPrintable(MarkerStatusBar::lengthOf(*marker)),
                qPrintable(MarkerStatusBar::utilizationOf(*marker, 2)));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const QStringList pluginOption = HostOptions::takePluginOption(&argc, argv);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("VelSystem"));
    QCoreApplication::setApplicationName(QStringLiteral("markerhost"));

    HostOptions options;
    QString error;
    if (!HostOptions::parse(QCoreApplication::arguments() + pluginOption, &options, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    installMessageSink(!options.screenshotMode() && !options.scriptMode() && !options.batchMode() &&
                       QGuiApplication::platformName() != QLatin1String("offscreen"));
    KeyboardMonitor::instance().install();

    // Made before the window, so that it is unloaded only after the window released its tools.
    PluginModule plugin;
    QString pluginError;
    plugin.load(options.pluginPath.isEmpty() ? PluginModule::defaultPath() : options.pluginPath,
                &pluginError);

    MarkerMainWindow window;
    window.setToolFactory(plugin.factory());
    if (!options.batchMode())
        window.show();
    // Without its tools the host still shows markers.
    if (!plugin.factory())
        VelCoreApplication::instance()->showError(pluginError);
    bool loaded = true;
    for (const QString& file : options.files)
        loaded = window.openFile(file) && loaded;
    if (!options.importPath.isEmpty())
        loaded = window.importInstance(options.importPath, options.importScale) && loaded;
    if (options.batchMode())
        return loaded ? runBatch(window, options) : 1;
    if (options.scriptMode()) {
        if (!loaded)
            return 1;
        QCoreApplication::processEvents();
        QTextStream out(stdout);
        QTextStream err(stderr);
        ScriptRunner runner(&window, &out, &err);
        return runner.runFile(options.scriptPath);
    }
    if (!options.screenshotMode())
        return app.exec();

    if (!loaded)
        return 1;
    // Lets the layout settle and the views fit their documents before drawing.
    QCoreApplication::processEvents();
    if (!window.saveScreenshot(options.screenshotPath, &error)) {
        std::fprintf(stderr, "markerhost: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(options.screenshotPath));
    return 0;
}
