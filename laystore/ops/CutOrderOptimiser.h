#pragma once

#include <vector>

namespace VelSystem {

class CDbFabricObject;
class CDbGrPolysObject;
class DocumentMak;

// Orders the groups laid on a layer, and chooses where the knife starts each one among the
// corners of its outline, so that the cutter travels little with its tools up. Each piece is
// taken as entered and left at its start point: a nearest-neighbour tour from the cutter's
// home at the origin, improved by 2-opt, with every start point chosen again between its
// neighbours, twice over.
class CutOrderOptimiser
{
public:
    struct Choice
    {
        CDbGrPolysObject* group;
        // 0-based on the cut outline of the group's knife polygon.
        int startIndex;
    };

    static std::vector<Choice> optimise(const CDbFabricObject& fabric, short layer);
    // Gives the groups the optimised order and start points as one undoable "Sequence" change
    // and returns how many groups changed; pushes nothing when none would.
    static int apply(DocumentMak& document, CDbFabricObject* fabric, short layer);
};

} // namespace VelSystem
