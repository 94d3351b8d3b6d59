#pragma once

#include "VelGui/DocumentScene.h"

namespace VelSystem {

class DocumentMak;

// The scene of the link view: the pieces of the current fabric as the link document lays
// them out, their match points, the links as lines between their points and the first end of
// a link being drawn. Drawn anew whenever the document changes.
class LinkScene : public DocumentScene
{
    Q_OBJECT
public:
    explicit LinkScene(const boost::shared_ptr<DocumentMak>& document, QObject* parent = nullptr);
    ~LinkScene() override;

public slots:
    void rebuild();

private:
    void addMark(double x, double y, const QColor& colour, double radius);
};

} // namespace VelSystem
