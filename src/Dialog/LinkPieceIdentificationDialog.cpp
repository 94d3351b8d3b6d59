#include "Dialog/LinkPieceIdentificationDialog.h"

#include "ui_LinkPieceIdentificationDialog.h"

#include "VelConjoin/PieceInfo.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbPieceObject.h"

namespace VelSystem {

namespace {

const char* const kContext = "Velsystem::LinkPieceIdentificationDialog";

} // namespace

LinkPieceIdentificationDialog::LinkPieceIdentificationDialog(PieceInfo* pieceInfo, CDbPieceObject* piece,
                                                             CDbFabricObject* fabric, QWidget* parent)
    : VelDialog(parent), ui(new Ui::LinkPieceIdentification)
{
    ui->setupUi(this);
    short code = 0;
    // Shown as the library gives it, a negative "not found" included.
    const short index = fabric->getPieceIndex(piece, &code);
    ui->labelQtyName->setText(piece->getVELPieceSingle() ? QCoreApplication::translate(kContext, "Single")
                                                         : QCoreApplication::translate(kContext, "Paired"));
    ui->labelSelectedPiece->setText(QString::number(index));
    ui->labelPattern->setText(pieceInfo->patternNo());
    ui->labelPieceName->setText(pieceInfo->name());
    ui->labelDescription->setText(pieceInfo->description());
    ui->labelPieceCode->setText(pieceInfo->pieceCode());
    ui->labelReferenceCode->setText(pieceInfo->referenceCode());
    ui->labelMarkerID->setText(pieceInfo->markerId());
    ui->labelQtyNumber->setText(QString::number(piece->getVELPieceQuantity()));
    ui->labelFabric->setText(pieceInfo->fabricId());
}

LinkPieceIdentificationDialog::~LinkPieceIdentificationDialog() = default;

} // namespace VelSystem
