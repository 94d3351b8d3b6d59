#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace VelSystem {

// What the command line asks of the marker host:
//   markerhost [FILE...]                       opens marker files
//   markerhost --import INSTANCE [--scale S]   imports a nesting instance
//   markerhost --screenshot OUT.png FILE       draws the window offscreen into OUT.png and exits
//   markerhost --script STEPS [FILE]           runs a scripted session (docs/scripting.md) and exits
//   markerhost --import INSTANCE [--scale S] --lay [--seconds N] --save OUT.mak
//                                              lays the waiting pieces, saves, prints the marker's
//                                              length and utilization and exits (also with FILE)
//   markerhost FILE --export-hpgl OUT.plt      writes the cutter's file of the marker and exits
//   markerhost --plugin MODULE ...             loads the tools from MODULE instead of the one
//                                              beside the executable
class HostOptions
{
    Q_DECLARE_TR_FUNCTIONS(HostOptions)

public:
    QStringList files;
    QString importPath;
    double importScale = 1.0;
    QString screenshotPath;
    QString scriptPath;
    // Lays the waiting pieces of the marker, searching for `laySeconds`.
    bool lay = false;
    double laySeconds = 60.0;
    QString savePath;
    QString hpglPath;
    // Empty: the module beside the executable.
    QString pluginPath;

    bool screenshotMode() const { return !screenshotPath.isEmpty(); }
    bool scriptMode() const { return !scriptPath.isEmpty(); }
    // Work without a window: lay and save, then exit.
    bool batchMode() const { return lay || !savePath.isEmpty() || !hpglPath.isEmpty(); }

    // Qt's GUI application takes "-plugin NAME" and "--plugin NAME" for input plug-ins of its
    // own. Call this before the application object is made: it takes the host's --plugin
    // (with its value) out of `argv`, lowering `argc`, and returns it for parse().
    static QStringList takePluginOption(int* argc, char** argv);

    // Reads `arguments` (the program name first). On a bad command line returns false with
    // `error` saying what is wrong and how the command is used; --help and --version print
    // and exit as usual.
    static bool parse(const QStringList& arguments, HostOptions* options, QString* error);
};

} // namespace VelSystem
