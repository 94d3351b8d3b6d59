#pragma once

#include <QCoreApplication>
#include <QString>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class DocumentMak;

// Imports a nesting instance (JSON with strip_height and items with demand and shape):
// every copy of every piece becomes a piece group waiting in the standby area of one
// fabric whose layer width is the strip width. Coordinates are multiplied by `scale`.
// Failures leave the result empty and `error` set to one message naming the place.
class EsicupImport
{
    Q_DECLARE_TR_FUNCTIONS(EsicupImport)

public:
    // Refused beyond this many piece groups in all (the demands added up).
    static constexpr int kMaxGroups = 100000;

    static boost::shared_ptr<DocumentMak> load(const QString& path, double scale, QString* error);
    static boost::shared_ptr<DocumentMak> fromJson(const QByteArray& bytes, const QString& name, double scale,
                                                   QString* error);
};

} // namespace VelSystem
