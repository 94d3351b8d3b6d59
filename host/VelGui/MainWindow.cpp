#include "VelGui/MainWindow.h"

#include "VelConjoin/Document.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/DocumentView.h"
#include "VelGui/DocumentWindow.h"
#include "VelGui/TextListDialog.h"
#include "VelGui/VelApplication.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <boost/weak_ptr.hpp>

namespace VelSystem {

namespace {

DocumentWindow* documentWindowOf(const QMdiSubWindow* subWindow)
{
    return subWindow ? qobject_cast<DocumentWindow*>(subWindow->widget()) : nullptr;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), mWorkspace(new QMdiArea(this))
{
    mWorkspace->setObjectName(QStringLiteral("workspace"));
    setCentralWidget(mWorkspace);
    connect(mWorkspace, &QMdiArea::subWindowActivated, this, [this] {
        const DocumentWindow* window = activeMdiChild();
        VelApplication::instance()->setActiveDocument(window ? window->document()
                                                             : boost::shared_ptr<Document>());
    });
    VelCoreApplication::instance()->setMainWindow(this);
}

MainWindow::~MainWindow()
{
    // The workspace and the document windows are deleted after this part of the window is
    // gone: what they signal then must not reach it.
    disconnect(mWorkspace, nullptr, this, nullptr);
    for (const QMdiSubWindow* subWindow : mWorkspace->subWindowList())
        disconnect(subWindow->widget(), nullptr, this, nullptr);
    if (VelCoreApplication::instance()->mainWindow() == this)
        VelCoreApplication::instance()->setMainWindow(nullptr);
    VelApplication::instance()->setActiveDocument({});
}

DocumentWindow* MainWindow::activeMdiChild() const
{
    // While another application has the focus the workspace has no active window, but the
    // user's current document is still the one last activated.
    if (DocumentWindow* window = documentWindowOf(mWorkspace->currentSubWindow()))
        return window;
    const QList<QMdiSubWindow*> history = mWorkspace->subWindowList(QMdiArea::ActivationHistoryOrder);
    return history.isEmpty() ? nullptr : documentWindowOf(history.last());
}

void MainWindow::addDocumentWindow(DocumentWindow* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* subWindow = mWorkspace->addSubWindow(window);
    // When the active document's window goes, the next window's document becomes active
    // (none after the last); the workspace does not say so by itself.
    const boost::weak_ptr<Document> shown = window->document();
    connect(window, &QObject::destroyed, this, [this, shown, subWindow] {
        VelApplication* application = VelApplication::instance();
        if (application->activeDocument() != shown.lock())
            return;
        boost::shared_ptr<Document> next;
        const QList<QMdiSubWindow*> history = mWorkspace->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (const QMdiSubWindow* other : history) {
            const DocumentWindow* otherWindow = other != subWindow ? documentWindowOf(other) : nullptr;
            if (otherWindow)
                next = otherWindow->document();
        }
        application->setActiveDocument(next);
    });
    subWindow->showMaximized();
    mWorkspace->setActiveSubWindow(subWindow);
    VelApplication::instance()->setActiveDocument(window->document());
}

void MainWindow::refresh()
{
    const QList<QMdiSubWindow*> windows = mWorkspace->subWindowList();
    for (const QMdiSubWindow* subWindow : windows) {
        if (const DocumentWindow* window = documentWindowOf(subWindow))
            window->view()->viewport()->update();
    }
    emit refreshed();
}

void MainWindow::textList()
{
    TextListDialog dialog(this);
    dialog.exec();
}

} // namespace VelSystem
