#pragma once

#include <QString>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class DocumentMak;

// Imports a nesting instance (JSON with strip_height and items with demand and shape):
// every copy of every piece becomes a piece group waiting in the standby area of one
// fabric whose layer width is the strip width. Coordinates are multiplied by `scale`.
class EsicupImport
{
public:
    static boost::shared_ptr<DocumentMak> load(const QString& path, double scale, QString* error);
    static boost::shared_ptr<DocumentMak> fromJson(const QByteArray& bytes, const QString& name, double scale,
                                                   QString* error);
};

} // namespace VelSystem
