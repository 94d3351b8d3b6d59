// Arbitrary bytes read as a scripted session: every line is read or refused with its number
// and a message; nothing else may happen.

#include "FuzzSupport.h"

#include "ScriptParser.h"

using namespace VelSystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    QVector<ScriptStep> steps;
    int line = 0;
    QString error;
    if (ScriptParser::parse(text, &steps, &line, &error))
        return 0;
    if (error.isEmpty() || line < 1 || line > text.count(QLatin1Char('\n')) + 1)
        Fuzz::fail(QStringLiteral("refused at line %1 of %2 with \"%3\"")
                       .arg(line)
                       .arg(text.count(QLatin1Char('\n')) + 1)
                       .arg(error));
    return 0;
}
