#pragma once

namespace VelSystem {

// Where the second piece of a cut-down pair lies over the first: which sides (or centres) of
// the two pieces' bounding rectangles are put on one line across and along the marker, and
// how far (cm) the second is moved from there. A value: copies of a pair carry their own.
class CDbCutDownObject
{
public:
    enum VerticalAxis
    {
        Left = 0,
        CenterX = 1,
        Right = 2
    };
    enum HorizontalAxis
    {
        Top = 0,
        CenterY = 1,
        Bottom = 2
    };

    CDbCutDownObject() = default;
    CDbCutDownObject(short vertical, double x, short horizontal, double y)
        : verticalAxis(vertical), offsetX(x), horizontalAxis(horizontal), offsetY(y)
    {}

    // Both axes name one of their three lines.
    bool isValid() const
    {
        return verticalAxis >= Left && verticalAxis <= Right && horizontalAxis >= Top &&
               horizontalAxis <= Bottom;
    }
    // Exact: a position read back from a file or a dialog must compare equal to the one saved.
    bool operator==(const CDbCutDownObject& o) const
    {
        return verticalAxis == o.verticalAxis && offsetX == o.offsetX && horizontalAxis == o.horizontalAxis &&
               offsetY == o.offsetY;
    }
    bool operator!=(const CDbCutDownObject& o) const { return !(*this == o); }

    short verticalAxis = CenterX;
    double offsetX = 0.0;
    short horizontalAxis = CenterY;
    double offsetY = 0.0;
};

} // namespace VelSystem
