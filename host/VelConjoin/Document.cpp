#include "VelConjoin/Document.h"

#include <QUndoStack>

namespace VelSystem {

Document::Document() : mUndoStack(new QUndoStack(this)) {}

Document::~Document() = default;

void Document::setFileName(const QString& fileName)
{
    if (fileName == mFileName)
        return;
    mFileName = fileName;
    emit fileNameChanged(mFileName);
}

bool Document::isModified() const
{
    return !mUndoStack->isClean();
}

void Document::setClean()
{
    mUndoStack->setClean();
}

void Document::emitModified()
{
    emit modified();
}

void Document::emitSelectionChanged()
{
    emit selectionChanged();
}

} // namespace VelSystem
