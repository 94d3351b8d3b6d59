#include "HostOptions.h"

#include <QCommandLineParser>
#include <cmath>

namespace VelSystem {

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
    parser.addOptions({screenshot, import, scale});
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
    bool ok = false;
    result.importScale = parser.value(scale).toDouble(&ok);
    if (!ok || !(result.importScale > 0.0) || !std::isfinite(result.importScale))
        return fail(tr("The scale must be a positive number, not \"%1\".").arg(parser.value(scale)));
    if (result.screenshotMode() && result.files.isEmpty() && result.importPath.isEmpty())
        return fail(tr("--screenshot needs a marker file or an instance to import."));
    *options = result;
    return true;
}

} // namespace VelSystem
