#pragma once

#include <QCoreApplication>
#include <QString>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class DocumentMak;

// Reads and writes marker files (JSON, centimetres, versioned).
class MarkerFile
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    // What the writer writes; the reader reads every version up to it.
    static constexpr int kFormatVersion = 2;
    // No length or coordinate in a marker lies further than this from 0 (centimetres, 10 km):
    // it keeps sums and doubled widths finite and catches nonsense in a file.
    static constexpr double kCoordinateLimit = 1e6;

    // A new document read from `path`, or empty with `error` set to one clear message
    // naming the file and the place of the first error. Never crashes on bad input.
    static boost::shared_ptr<DocumentMak> load(const QString& path, QString* error);
    // The same from bytes already read; `name` is used in messages.
    static boost::shared_ptr<DocumentMak> fromJson(const QByteArray& bytes, const QString& name,
                                                   QString* error);
    // Writes `document` to `path` atomically (a temporary file renamed over the target):
    // on failure `error` is set and the previous file is left intact.
    static bool save(const DocumentMak& document, const QString& path, QString* error);
    static QByteArray toJson(const DocumentMak& document);
};

} // namespace VelSystem
