#pragma once

#include "VelConjoin/ViewFilter.h"

#include <QGraphicsScene>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class Document;
class Selection;

// The graphics scene of one document. Scene coordinates are document coordinates
// (centimetres, y upward). Subclasses keep one item per displayed object.
class DocumentScene : public QGraphicsScene
{
    Q_OBJECT
public:
    // Above every object item: for the marks and lines tools draw.
    static constexpr double kTopMostZValue = 1.0e6;

    explicit DocumentScene(const boost::shared_ptr<Document>& document, QObject* parent = nullptr);
    ~DocumentScene() override;

    boost::shared_ptr<Document> document() const { return mDocument; }
    boost::shared_ptr<Selection> selection() const;
    bool hasSelection() const;
    // Clears the document's selection; true when it changed.
    bool deselectAll(bool notify, bool includeHidden);
    void emitSelectionChanged();

    // A view of this scene now shows `pixelsPerCm` pixels per centimetre; items whose
    // outlines are sized in pixels adjust to it. Does nothing by default.
    virtual void viewScaleChanged(double pixelsPerCm);

    ViewFilter& filter() { return mFilter; }
    const ViewFilter& filter() const { return mFilter; }

signals:
    void selectionChangedByTool();

private:
    boost::shared_ptr<Document> mDocument;
    ViewFilter mFilter;
};

} // namespace VelSystem
