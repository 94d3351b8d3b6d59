#include "HostOptions.h"

#include <QCommandLineParser>
#include <cmath>

namespace VelSystem {

QStringList HostOptions::takePluginOption(int* argc, char** argv)
{
    QStringList taken;
    int kept = 0;
    for (int i = 0; i < *argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && (argument == QLatin1String("--plugin") || argument == QLatin1String("-plugin"))) {
            taken << QStringLiteral("--plugin");
            if (i + 1 < *argc)
                taken << QString::fromLocal8Bit(argv[++i]);
        } else if (i > 0 && (argument.startsWith(QLatin1String("--plugin=")) ||
                             argument.startsWith(QLatin1String("-plugin=")))) {
            taken << QStringLiteral("--plugin=") + argument.section(QLatin1Char('='), 1);
        } else {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
    argv[kept] = nullptr;
    return taken;
}

bool HostOptions::parse(const QStringList& arguments, HostOptions* options, QString* error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Shows and edits markers."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        tr("Draws the window into <image> (PNG), prints its path and exits."),
                                        tr("image"));
    const QCommandLineOption import(QStringLiteral("import"), tr("Imports the nesting instance <instance>."),
                                    tr("instance"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   tr("Centimetres per unit of the imported instance (default 1)."),
                                   tr("factor"), QStringLiteral("1"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    tr("Runs the steps of <steps> on the marker given, then exits."),
                                    tr("steps"));
    const QCommandLineOption plugin(QStringLiteral("plugin"),
                                    tr("Loads the tools from <module> instead of the plug-in beside "
                                       "the program."),
                                    tr("module"));
    const QCommandLineOption lay(QStringLiteral("lay"),
                                 tr("Lays the pieces waiting in the standby area with the nesting engine, "
                                    "prints the marker's length and utilization and exits."));
    const QCommandLineOption seconds(QStringLiteral("seconds"),
                                     tr("How long --lay searches, in seconds (default 60)."), tr("seconds"),
                                     QStringLiteral("60"));
    const QCommandLineOption save(QStringLiteral("save"), tr("Saves the marker to <file> and exits."),
                                  tr("file"));
    const QCommandLineOption hpgl(QStringLiteral("export-hpgl"),
                                  tr("Writes the cutter's file (HPGL) of the marker to <file> and exits."),
                                  tr("file"));
    parser.addOptions({screenshot, import, scale, script, plugin, lay, seconds, save, hpgl});
    parser.addPositionalArgument(QStringLiteral("files"), tr("Marker files to open."), tr("[file...]"));

    const auto fail = [&](const QString& what) {
        *error = what + QLatin1Char('\n') + parser.helpText();
        return false;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    HostOptions result;
    result.files = parser.positionalArguments();
    result.importPath = parser.value(import);
    result.screenshotPath = parser.value(screenshot);
    result.scriptPath = parser.value(script);
    result.pluginPath = parser.value(plugin);
    bool ok = false;
    result.importScale = parser.value(scale).toDouble(&ok);
    if (!ok || !(result.importScale > 0.0) || !std::isfinite(result.importScale))
        return fail(tr("The scale must be a positive number, not \"%1\".").arg(parser.value(scale)));
    result.lay = parser.isSet(lay);
    result.savePath = parser.value(save);
    result.hpglPath = parser.value(hpgl);
    result.laySeconds = parser.value(seconds).toDouble(&ok);
    if (!ok || !(result.laySeconds > 0.0) || !std::isfinite(result.laySeconds))
        return fail(tr("The seconds must be a positive number, not \"%1\".").arg(parser.value(seconds)));
    if (result.batchMode() && result.files.isEmpty() && result.importPath.isEmpty())
        return fail(tr("--lay, --save and --export-hpgl need a marker file or an instance to import."));
    if (result.batchMode() && (result.scriptMode() || result.screenshotMode()))
        return fail(tr("--lay, --save and --export-hpgl go neither with --script nor with --screenshot."));
    if (result.screenshotMode() && result.files.isEmpty() && result.importPath.isEmpty())
        return fail(tr("--screenshot needs a marker file or an instance to import."));
    if (result.screenshotMode() && result.scriptMode())
        return fail(tr("--screenshot and --script do not go together: a script takes its own screenshots."));
    *options = result;
    return true;
}

} // namespace VelSystem
