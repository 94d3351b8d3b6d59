#include "VelGui/VelApplication.h"

#include "VelConjoin/Document.h"

namespace VelSystem {

VelApplication* VelApplication::instance()
{
    static VelApplication application;
    return &application;
}

void VelApplication::setActiveDocument(const boost::shared_ptr<Document>& document)
{
    if (document == mActiveDocument)
        return;
    mActiveDocument = document;
    emit activeDocumentChanged();
}

} // namespace VelSystem
