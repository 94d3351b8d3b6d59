#pragma once

#include "ToolBase.h"

namespace VelSystem {

// Writes a text on the marker: a click opens the text information dialog on a new text
// centred on the clicked point, and accepting it with at least one character adds the text
// to the current layer as one undoable "Text" command.
class ToolText : public ToolBase
{
    Q_OBJECT
public:
    explicit ToolText(const QString& icon);
    ~ToolText() override;

    QString name() const override;
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override;
    void cursor(QCursor& cursor) const override;
    // True while a click is handled, its dialog open.
    bool isBusy() const override;

private:
    bool mBusy = false;
};

} // namespace VelSystem
