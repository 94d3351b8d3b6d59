#pragma once

#include "VelGeo/GeoRectangle.h"
#include "VelGui/VelDialog.h"

#include <memory>

namespace Ui {
class CutdownPosition;
}

namespace VelSystem {

// Asks how the second piece of a cut-down pair lines up with the first: a horizontal axis
// (0 top, 1 centre, 2 bottom) with a Y offset and a vertical axis (0 left, 1 centre,
// 2 right) with an X offset. The caller reads the values back after an accepted exec();
// a rejected dialog leaves them as they were given.
class CutdownPositionDialog : public VelDialog
{
    Q_OBJECT
public:
    // Editable, or read-only (everything shown, OK disabled). Both offset fields accept the
    // range the horizontal axis allows for pieces of the two rectangles' heights.
    CutdownPositionDialog(bool readOnly, GeoRectangle first, GeoRectangle second, short verticalAxis,
                          double offsetX, short horizontalAxis, double offsetY, QWidget* parent = nullptr);
    // Axes only, for whole size columns: the offset fields are hidden and read back as 0.
    CutdownPositionDialog(short verticalAxis, short horizontalAxis, QWidget* parent = nullptr);
    ~CutdownPositionDialog() override;

    short verticalAxis() const { return mVerticalAxis; }
    double offsetX() const { return mOffsetX; }
    short horizontalAxis() const { return mHorizontalAxis; }
    double offsetY() const { return mOffsetY; }

public slots:
    void accept() override;

private:
    void fill(bool readOnly, const GeoRectangle& first, const GeoRectangle& second);

    std::unique_ptr<Ui::CutdownPosition> ui;
    short mVerticalAxis;
    double mOffsetX;
    short mHorizontalAxis;
    double mOffsetY;
};

} // namespace VelSystem
