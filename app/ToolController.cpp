#include "ToolController.h"

#include "VelConjoin/Document.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelGui/AbstractTool.h"
#include "VelGui/DocumentView.h"
#include "VelGui/ExceptionReport.h"
#include "VelGui/ToolFactory.h"
#include "VelGui/VelApplication.h"

namespace VelSystem {

namespace {

// The tool the host starts with: the pointer.
const char* const kDefaultTool = "select";

// A copy of `text` in this program's memory: a tool's strings may be literals of the
// plug-in's module, gone once it is unloaded.
QString ownCopy(const QString& text)
{
    return text.isNull() ? QString() : QString(text.constData(), text.size());
}

} // namespace

ToolController::ToolController(ToolFactory* factory, QObject* parent) : QObject(parent)
{
    KeyboardMonitor& keyboard = KeyboardMonitor::instance();
    // Harmless when the host already did it; tests get real key tracking this way too.
    keyboard.install();
    connect(&keyboard, &KeyboardMonitor::keyChanged, this, &ToolController::onKeyChanged);

    std::vector<std::string> ids;
    runGuarded(QStringLiteral("ToolFactory::toolIds"), [&] { ids = factory->toolIds(); });
    for (const std::string& id : ids) {
        boost::shared_ptr<AbstractTool> tool;
        ToolEntry entry;
        entry.id = id;
        const bool ok = runGuarded(QStringLiteral("ToolFactory::createTool"), [&] {
            tool = factory->createTool(id);
            if (!tool)
                return;
            entry.name = ownCopy(tool->name());
            entry.icon = ownCopy(tool->icon());
            entry.shortcutKeys = tool->shortcutKeys();
            entry.enabled = tool->isEnabled();
        });
        // The factory logs an identifier it cannot make; the palette just goes without it.
        if (!ok || !tool)
            continue;
        mEntries.append(entry);
        mTools[id] = tool;
    }

    if (!chooseTool(kDefaultTool)) {
        for (const ToolEntry& candidate : qAsConst(mEntries)) {
            if (chooseTool(candidate.id))
                break;
        }
    }
}

ToolController::~ToolController()
{
    release();
}

const ToolEntry* ToolController::entry(const std::string& id) const
{
    for (const ToolEntry& candidate : mEntries) {
        if (candidate.id == id)
            return &candidate;
    }
    return nullptr;
}

bool ToolController::chooseTool(const std::string& id)
{
    const ToolEntry* chosen = entry(id);
    if (!chosen || !chosen->enabled || mTools.count(id) == 0)
        return false;
    mChosenId = id;
    activate(id);
    return true;
}

bool ToolController::chartClicked(short sizeNumber, short pieceIndex, QMouseEvent* event)
{
    const boost::shared_ptr<AbstractTool> tool = mCurrent;
    bool taken = false;
    if (tool)
        runGuarded(QStringLiteral("AbstractTool::chartClicked"),
                   [&] { taken = tool->chartClicked(sizeNumber, pieceIndex, event); });
    return taken;
}

void ToolController::addView(DocumentView* view)
{
    mViews.removeAll(QPointer<DocumentView>());
    mViews.append(view);
    view->setTool(mCurrent);
}

void ToolController::release()
{
    if (const boost::shared_ptr<AbstractTool> tool = mCurrent)
        runGuarded(QStringLiteral("AbstractTool::stop"), [&] { tool->stop(); });
    for (const QPointer<DocumentView>& view : qAsConst(mViews)) {
        if (view)
            view->setTool({});
    }
    mViews.clear();
    mCurrent.reset();
    mCurrentId.clear();
    mChosenId.clear();
    mTools.clear();
    mEntries.clear();
}

void ToolController::onKeyChanged(int key, bool pressed)
{
    if (pressed)
        mHeldKeys.insert(key);
    else
        mHeldKeys.remove(key);
    if (!mCurrent)
        return;
    const ToolEntry* match = entryForKeys(mHeldKeys);
    if (pressed) {
        // A drag or a two-click gesture in progress keeps its tool.
        if (match && match->id != mCurrentId && !currentIsBusy())
            activate(match->id);
    } else if (isTemporary()) {
        // Letting go of Space while Control stays held goes from the zoom to the pointer.
        activate(match ? match->id : mChosenId);
    }
}

const ToolEntry* ToolController::entryForKeys(const QSet<int>& keys) const
{
    for (const ToolEntry& candidate : mEntries) {
        const QSet<int> shortcut(candidate.shortcutKeys.begin(), candidate.shortcutKeys.end());
        if (candidate.enabled && !shortcut.isEmpty() && shortcut == keys)
            return &candidate;
    }
    return nullptr;
}

bool ToolController::currentIsBusy() const
{
    // A tool that cannot say counts as busy: switching it away could lose its gesture.
    bool busy = true;
    const boost::shared_ptr<AbstractTool> tool = mCurrent;
    runGuarded(QStringLiteral("AbstractTool::isBusy"), [&] { busy = tool->isBusy(); });
    return busy;
}

void ToolController::activate(const std::string& id)
{
    if (id == mCurrentId)
        return;
    const auto found = mTools.find(id);
    if (found == mTools.end())
        return;
    if (const boost::shared_ptr<AbstractTool> previous = mCurrent)
        runGuarded(QStringLiteral("AbstractTool::stop"), [&] { previous->stop(); });
    const boost::shared_ptr<AbstractTool> tool = found->second;
    mCurrent = tool;
    mCurrentId = id;
    runGuarded(QStringLiteral("AbstractTool::start"), [&] { tool->start(); });
    for (const QPointer<DocumentView>& view : qAsConst(mViews)) {
        if (view)
            view->setTool(tool);
    }
    DocumentView* view = activeView();
    runGuarded(QStringLiteral("AbstractTool::showInstructions"), [&] { tool->showInstructions(view); });
    emit currentToolChanged(QString::fromStdString(id));
}

DocumentView* ToolController::activeView() const
{
    const boost::shared_ptr<Document> active = VelApplication::instance()->activeDocument();
    DocumentView* fallback = nullptr;
    for (const QPointer<DocumentView>& view : mViews) {
        if (view && active && view->document() == active)
            return view;
        if (view && !fallback)
            fallback = view;
    }
    return fallback;
}

} // namespace VelSystem
