#pragma once

#include "ToolEntry.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVector>
#include <boost/shared_ptr.hpp>
#include <map>

class QMouseEvent;

namespace VelSystem {

class AbstractTool;
class DocumentView;
class ToolFactory;

// Runs the plug-in's tools: makes one the current tool of every document view, starting
// and stopping tools as they change and showing the current one's instruction page, and
// selects a tool temporarily while exactly its shortcut keys are held (Control: pointer,
// Control and Space: zoom, Space: hand grip), returning to the chosen tool when they are
// released. Every call into a tool goes through the host's exception boundary.
class ToolController : public QObject
{
    Q_OBJECT
public:
    // Creates each of `factory`'s tools once and keeps them until release().
    explicit ToolController(ToolFactory* factory, QObject* parent = nullptr);
    ~ToolController() override;

    // The tools in the factory's order.
    const QVector<ToolEntry>& entries() const { return mEntries; }
    const ToolEntry* entry(const std::string& id) const;

    // Makes `id` the chosen tool (the one temporary tools return to). False, changing
    // nothing, when there is no such tool or it is disabled.
    bool chooseTool(const std::string& id);
    // The tool the views use now (a temporary one while its keys are held).
    boost::shared_ptr<AbstractTool> currentTool() const { return mCurrent; }
    std::string currentId() const { return mCurrentId; }
    std::string chosenId() const { return mChosenId; }
    bool isTemporary() const { return mCurrentId != mChosenId; }

    // Hands a click on the size chart (a size column's number, or else a piece row's number,
    // both from 1) to the current tool; false when it refused the click or there is none.
    bool chartClicked(short sizeNumber, short pieceIndex, QMouseEvent* event);
    // Hands `view` the current tool now and at every change, until the view is destroyed.
    void addView(DocumentView* view);
    // Stops the current tool and takes every tool out of the views and out of this
    // controller. Afterwards the plug-in's module may be unloaded.
    void release();

signals:
    void currentToolChanged(const QString& id);

private:
    void onKeyChanged(int key, bool pressed);
    // The enabled tool whose shortcut keys are exactly `keys`.
    const ToolEntry* entryForKeys(const QSet<int>& keys) const;
    bool currentIsBusy() const;
    void activate(const std::string& id);
    DocumentView* activeView() const;

    QVector<ToolEntry> mEntries;
    std::map<std::string, boost::shared_ptr<AbstractTool>> mTools;
    boost::shared_ptr<AbstractTool> mCurrent;
    std::string mCurrentId;
    std::string mChosenId;
    // The keys held now, as the keyboard monitor reported them.
    QSet<int> mHeldKeys;
    QVector<QPointer<DocumentView>> mViews;
};

} // namespace VelSystem
