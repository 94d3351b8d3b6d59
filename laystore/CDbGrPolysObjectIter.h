#pragma once

#include "laystore/QListEx.h"

namespace VelSystem {

class CDbGrPolysObject;

// Walks a list of piece groups in order: next() gives each in turn, then null.
class CDbGrPolysObjectIter
{
public:
    explicit CDbGrPolysObjectIter(QListEx<CDbGrPolysObject*> groups) : mGroups(std::move(groups)) {}

    CDbGrPolysObject* next() { return mNext < mGroups.size() ? mGroups[mNext++] : nullptr; }

private:
    QListEx<CDbGrPolysObject*> mGroups;
    int mNext = 0;
};

} // namespace VelSystem
