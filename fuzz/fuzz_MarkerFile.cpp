// Arbitrary bytes read as a marker file. The reader must refuse what it cannot read with a
// message, and a marker it accepts must save and read back to the same file: a reader that
// lets through what the writer cannot reproduce would lose data silently.

#include "FuzzSupport.h"

#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"

using namespace VelSystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = Fuzz::writeInput("input.mak", data, size);
    QString error;
    const boost::shared_ptr<DocumentMak> document = MarkerFile::load(input, &error);
    if (!document) {
        if (error.isEmpty())
            Fuzz::fail(QStringLiteral("refused without a message"));
        return 0;
    }
    const QString saved = Fuzz::scratch().filePath(QStringLiteral("saved.mak"));
    if (!MarkerFile::save(*document, saved, &error))
        Fuzz::fail(QStringLiteral("a marker read from the input does not save: ") + error);
    const boost::shared_ptr<DocumentMak> again = MarkerFile::load(saved, &error);
    if (!again)
        Fuzz::fail(QStringLiteral("a saved marker does not read back: ") + error);
    const QString resaved = Fuzz::scratch().filePath(QStringLiteral("resaved.mak"));
    if (!MarkerFile::save(*again, resaved, &error))
        Fuzz::fail(QStringLiteral("a marker read back does not save: ") + error);
    QFile first(saved), second(resaved);
    if (!first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly) ||
        first.readAll() != second.readAll())
        Fuzz::fail(QStringLiteral("a saved marker reads back different"));
    return 0;
}
