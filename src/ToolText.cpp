#include "ToolText.h"

#include "Dialog/TextInfoDialog.h"
#include "ToolRegistration.h"

#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentScene.h"
#include "VelGui/DocumentView.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/CDbTextObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <boost/pointer_cast.hpp>
#include <memory>

namespace VelSystem {

namespace {

const ToolRegistration<ToolText> registration("text", QStringLiteral(":/images/tool_text.png"));

// A text may start this far (cm) above the top of the area it is written in, so that a
// title can sit just over the fabric's edge.
constexpr double kAboveWorkArea = 2.5396825396825;

} // namespace

ToolText::ToolText(const QString& icon) : ToolBase(icon) {}

ToolText::~ToolText() = default;

QString ToolText::name() const
{
    return QCoreApplication::translate("ToolText", "Text");
}

void ToolText::mousePressEvent(DocumentView* view, QMouseEvent* event)
{
    // The dialog's own event loop may deliver another click: one text at a time.
    if (mBusy)
        return;
    const auto document = boost::dynamic_pointer_cast<DocumentMak>(view->document());
    if (!document || !document->drawing())
        return;
    CDbFabricObject* fabric = nullptr;
    short layer = -1;
    short code = 1;
    document->drawing()->getCurrentFabricsAndLayer(fabric, layer, &code);
    if (code != 0)
        return;
    const QScopedValueRollback<bool> busy(mBusy, true);

    // A view that hides the laid pieces works in the standby area, above the fabric.
    const short section = view->filter().isVisible(CDbAbstractObject::KindGroup) ? 1 : 2;
    const GeoPoint2D point = view->scenePoint(event->pos());
    const double width = fabric->getFabricLayerWidth(layer);
    if (point.y > section * width + kAboveWorkArea)
        return;

    view->scene()->deselectAll(false, false);
    view->scene()->emitSelectionChanged();
    auto text = std::make_unique<CDbTextObject>();
    text->setWorkSection(section);
    {
        TextInfoDialog dialog(text.get(), VelCoreApplication::instance()->mainWindow());
        if (dialog.exec() == QDialog::Accepted && text->getDimensionsCharacters().width() > 0) {
            text->setCenter(point);
            text->setMinAndMax(&code);
            if (code == 0) {
                text->setSelected(true);
                document->addPiece(text.get(), fabric, layer);
                CDbTextObject* placed = text.release();
                document->pushAddCmdUndo({placed}, fabric, layer,
                                         QCoreApplication::translate("Velsystem::ToolText", "Text"));
                placed->emitChanged();
            }
        }
        QCoreApplication::processEvents();
        document->emitModified();
    }
}

void ToolText::cursor(QCursor& cursor) const
{
    cursor.setShape(Qt::IBeamCursor);
}

bool ToolText::isBusy() const
{
    return mBusy;
}

} // namespace VelSystem
