#pragma once

#include <QObject>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class Document;

// The host's document-level application services. One instance per process.
class VelApplication : public QObject
{
    Q_OBJECT
public:
    static VelApplication* instance();

    // The document of the active window (empty when none is open).
    boost::shared_ptr<Document> activeDocument() const { return mActiveDocument; }
    void setActiveDocument(const boost::shared_ptr<Document>& document);

signals:
    void activeDocumentChanged();

private:
    VelApplication() = default;
    boost::shared_ptr<Document> mActiveDocument;
};

} // namespace VelSystem
