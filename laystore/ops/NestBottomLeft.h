#pragma once

namespace VelSystem {

class NestLayout;

// Constructive placement: lays an item at its leftmost free position (the lowest of equals)
// over all its variants. Candidates are the corners of the area and the vertices of the
// no-fit regions around the laid items, with their crossings of the area's sides: a piece
// slid left and down comes to rest at one of them.
class NestBottomLeft
{
public:
    explicit NestBottomLeft(NestLayout& layout) : mLayout(layout) {}

    // Lays `item` there; false, laying nothing, when no free position exists.
    bool place(int item);

private:
    NestLayout& mLayout;
};

} // namespace VelSystem
