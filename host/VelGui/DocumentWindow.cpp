#include "VelGui/DocumentWindow.h"

#include "VelConjoin/Document.h"
#include "VelGui/DocumentView.h"

#include <QFileInfo>
#include <QUndoStack>
#include <QVBoxLayout>

namespace VelSystem {

DocumentWindow::DocumentWindow(DocumentView* view, QWidget* parent) : QWidget(parent), mView(view)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mView);
    setFocusProxy(mView);

    const boost::shared_ptr<Document> doc = document();
    if (!doc)
        return;
    // "[*]" is where Qt shows the unsaved-changes mark.
    const auto updateTitle = [this](const QString& fileName) {
        const QString name = fileName.isEmpty() ? tr("Untitled") : QFileInfo(fileName).fileName();
        setWindowTitle(name + QStringLiteral("[*]"));
    };
    updateTitle(doc->fileName());
    connect(doc.get(), &Document::fileNameChanged, this, updateTitle);
    setWindowModified(doc->isModified());
    connect(doc->undoStack(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
}

DocumentWindow::~DocumentWindow() = default;

boost::shared_ptr<Document> DocumentWindow::document() const
{
    return mView ? mView->document() : boost::shared_ptr<Document>();
}

void DocumentWindow::updatePieceInfoUi(CDbAbstractObject* object)
{
    emit pieceInfoChanged(object);
}

} // namespace VelSystem
