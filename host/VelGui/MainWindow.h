#pragma once

#include <QMainWindow>

class QMdiArea;

namespace VelSystem {

class DocumentWindow;

// The host's main window: a workspace of document windows.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    DocumentWindow* activeMdiChild() const;
    QMdiArea* workspace() const { return mWorkspace; }
    void addDocumentWindow(DocumentWindow* window);

public slots:
    // Redraws the document windows and refreshes the status values.
    virtual void refresh();
    // Opens the editor of the stored text phrases.
    virtual void textList();

signals:
    void refreshed();

private:
    QMdiArea* mWorkspace;
};

} // namespace VelSystem
