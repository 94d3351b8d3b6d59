#pragma once

#include "VelGui/DocumentView.h"

namespace VelSystem {

class LinkScene;

// The marker's link view: its pieces once each, their match points and the links between
// them. While a tool handles an event of this view the document is a linked document, so
// that the tools work on the link view rather than on the laid pieces.
class LinkView : public DocumentView
{
    Q_OBJECT
public:
    explicit LinkView(LinkScene* scene, QWidget* parent = nullptr);
    ~LinkView() override;

    // Shows every piece of the view.
    void fitToPieces();

protected:
    void toolEventBegins(Document& document) override;
    void toolEventEnds(Document& document) override;
};

} // namespace VelSystem
