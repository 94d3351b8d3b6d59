#pragma once

#include <QCursor>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <string>
#include <vector>

class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace VelSystem {

class DocumentView;

// The interface through which the host drives an interactive tool. The host owns tools
// through boost::shared_ptr and calls these operations in this order of declaration.
class AbstractTool : public QObject
{
    Q_OBJECT
public:
    AbstractTool();
    ~AbstractTool() override;

    virtual std::string id() const = 0;
    virtual QString icon() const = 0;
    virtual QString name() const = 0;
    // Qt key codes that, held together, select this tool temporarily.
    virtual std::vector<int> shortcutKeys() const = 0;
    virtual void start() = 0;
    // Shows page `instructionPage` of instructions() in the information box.
    virtual void showInstructions(DocumentView* view);
    virtual void openUrl(QUrl url) = 0;
    // Ends any operation in progress and drops temporary graphics.
    virtual void stop() = 0;
    virtual bool chartClicked(short sizeNumber, short pieceIndex, QMouseEvent* event) = 0;
    virtual void mousePressEvent(DocumentView* view, QMouseEvent* event) = 0;
    virtual void mouseReleaseEvent(DocumentView* view, QMouseEvent* event) = 0;
    virtual void mouseMoveEvent(DocumentView* view, QMouseEvent* event) = 0;
    virtual void mouseDoubleClickEvent(DocumentView* view, QMouseEvent* event) = 0;
    // Sets the cursor the view shows while this tool is current.
    virtual void cursor(QCursor& cursor) const = 0;
    // A key was pressed or released; true when the tool handled it.
    virtual bool keyStateChanged(bool pressed, int key) = 0;
    // True when the tool handled the wheel; otherwise the view zooms.
    virtual bool wheelEvent(DocumentView* view, QWheelEvent* event) = 0;
    virtual bool isBusy() const = 0;
    virtual bool isEnabled() const = 0;
    virtual std::vector<int> alternateShortcutKeys() const = 0;
    virtual QWidget* optionsWidget() const = 0;

public slots:
    virtual void onDialogFinished(int result);
    virtual void onDialogValueChanged();

public:
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual QStringList instructions() const = 0;

    // Index of the instruction page showInstructions displays.
    int instructionPage = 0;

signals:
    // Asks the host to refresh the cursor of the views using this tool.
    void cursorChanged();
};

} // namespace VelSystem
