#pragma once

#include <QWidget>
#include <boost/shared_ptr.hpp>

namespace VelSystem {

class CDbAbstractObject;
class Document;
class DocumentView;

// One document's window inside the main window's workspace.
class DocumentWindow : public QWidget
{
    Q_OBJECT
public:
    DocumentWindow(DocumentView* view, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    DocumentView* view() const { return mView; }
    boost::shared_ptr<Document> document() const;

public slots:
    // Found by name by the tools that change a piece while dragging it (a turn, a mirror):
    // passes the piece on to the host's piece information panel through pieceInfoChanged.
    void updatePieceInfoUi(VelSystem::CDbAbstractObject* object);

signals:
    // `object` is valid only while the signal is delivered: read it, do not keep it.
    void pieceInfoChanged(VelSystem::CDbAbstractObject* object);

private:
    DocumentView* mView;
};

} // namespace VelSystem
