#pragma once

#include "laystore/ops/KnifePath.h"

#include <QWidget>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class DocumentMak;

// The marker's current layer drawn as the cutter will cut it: the outlines cut, the notch
// slits and the punch holes, the air moves dashed, each piece's start point, its cutting
// direction and its rank. Only the path up to a given piece is drawn.
class CutPathView : public QWidget
{
    Q_OBJECT
public:
    explicit CutPathView(QWidget* parent = nullptr);

    void setDocument(const boost::shared_ptr<DocumentMak>& document);
    // Draws the path up to the end of the `count` first pieces (all of them and the punch
    // holes from the piece count on).
    void setShownPieces(int count);
    const KnifePath& path() const { return mPath; }
    // Builds the path again from the marker.
    void rebuild();

    QSize sizeHint() const override { return {480, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    boost::shared_ptr<DocumentMak> mDocument;
    KnifePath mPath;
    int mShown = 0;
};

} // namespace VelSystem
