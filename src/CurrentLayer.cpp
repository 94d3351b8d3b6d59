#include "CurrentLayer.h"

#include "VelGui/DocumentView.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"

namespace VelSystem {

CurrentLayer::CurrentLayer(const DocumentView* view)
    : document(boost::dynamic_pointer_cast<DocumentMak>(view->document()))
{
    short code = 1;
    if (document)
        document->drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0)
        fabric = nullptr;
}

} // namespace VelSystem
