#pragma once

#include <boost/shared_ptr.hpp>

namespace VelSystem {

class CDbFabricObject;
class DocumentMak;
class DocumentView;

// The marker a view shows, with the fabric and layer it edits, as a tool's handler finds them
// at each event: false when the view shows no marker or the marker edits no fabric and layer.
class CurrentLayer
{
public:
    explicit CurrentLayer(const DocumentView* view);

    explicit operator bool() const { return fabric != nullptr; }

    boost::shared_ptr<DocumentMak> document;
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
};

} // namespace VelSystem
