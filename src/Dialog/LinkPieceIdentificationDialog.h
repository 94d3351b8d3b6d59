#pragma once

#include "VelGui/VelDialog.h"

#include <memory>

namespace Ui {
class LinkPieceIdentification;
}

namespace VelSystem {

class CDbFabricObject;
class CDbPieceObject;
class PieceInfo;

// Shows, read-only, who a placed piece is: its index on the fabric, its identification
// texts and how many are cut. Only OK.
class LinkPieceIdentificationDialog : public VelDialog
{
    Q_OBJECT
public:
    LinkPieceIdentificationDialog(PieceInfo* pieceInfo, CDbPieceObject* piece, CDbFabricObject* fabric,
                                  QWidget* parent = nullptr);
    ~LinkPieceIdentificationDialog() override;

private:
    std::unique_ptr<Ui::LinkPieceIdentification> ui;
};

} // namespace VelSystem
