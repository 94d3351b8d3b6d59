#pragma once

#include "VelGeo/GeoRectangle.h"
#include "VelGui/VelDialog.h"

#include <memory>

class QLineEdit;

namespace Ui {
class PieceCut;
}

namespace VelSystem {

// Asks how an Alt-click cuts a piece: horizontally or vertically, at the centre or at a
// distance from one side, and with which seam value. OK refuses combinations that do not
// fit the piece. The caller reads the results after an accepted exec().
class PieceCutDialog : public VelDialog
{
    Q_OBJECT
public:
    enum Position : short
    {
        AtCenter = 0,
        FromBottom = 1, // from the left for a vertical cut
        FromTop = 2     // from the right for a vertical cut
    };

    explicit PieceCutDialog(GeoRectangle pieceRect, QWidget* parent = nullptr);
    ~PieceCutDialog() override;

    double seamValue() const { return mSeamValue; }
    // From the side `position` names; not read for a cut at the centre.
    double distance() const { return mDistance; }
    short position() const { return mPosition; }
    bool isHorizontal() const { return mHorizontal; }

public slots:
    void accept() override;

private slots:
    void on_comboCut_activated(int index);
    void on_editTop_textEdited(const QString& distance);
    void on_editBottom_textEdited(const QString& distance);
    void on_radioCenter_released();
    void on_radioBottom_released();
    void on_radioTop_released();

private:
    bool cutFits() const;
    // The distance fields are known to the user by their radio buttons' texts.
    void nameDistanceFields();

    std::unique_ptr<Ui::PieceCut> ui;
    double mSeamValue = 0.0;
    double mDistance = 0.0;
    short mPosition = AtCenter;
    bool mHorizontal = true;
    GeoRectangle mPieceRect;
};

} // namespace VelSystem
