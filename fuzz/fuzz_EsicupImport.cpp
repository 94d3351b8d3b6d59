// Arbitrary bytes imported as a nesting instance. The import must refuse what it cannot read
// with a message, and what it accepts must be a marker that saves and reads back.

#include "FuzzSupport.h"

#include "laystore/DocumentMak.h"
#include "laystore/file/EsicupImport.h"
#include "laystore/file/MarkerFile.h"

using namespace VelSystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = Fuzz::writeInput("input.json", data, size);
    QString error;
    const boost::shared_ptr<DocumentMak> document = EsicupImport::load(input, 1.0, &error);
    if (!document) {
        if (error.isEmpty())
            Fuzz::fail(QStringLiteral("refused without a message"));
        return 0;
    }
    const QString saved = Fuzz::scratch().filePath(QStringLiteral("imported.mak"));
    if (!MarkerFile::save(*document, saved, &error))
        Fuzz::fail(QStringLiteral("an imported instance does not save as a marker: ") + error);
    if (!MarkerFile::load(saved, &error))
        Fuzz::fail(QStringLiteral("an imported instance does not read back: ") + error);
    return 0;
}
