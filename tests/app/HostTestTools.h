#pragma once

// Tools and a factory standing in for a plug-in in the host's tests: each tool records the
// calls it receives (RecordingTool) and can be given shortcut keys, a busy state, a
// disabled state and something to do when pressed (open a dialog, throw).

#include "gui/GuiTestDoubles.h"

#include "VelGui/ToolFactory.h"

#include <boost/make_shared.hpp>
#include <boost/weak_ptr.hpp>
#include <map>

namespace VelSystem {
namespace HostTest {

class TestTool : public RecordingTool
{
public:
    TestTool(const std::string& id, std::vector<int> keys, bool enabled)
        : mId(id), mKeys(std::move(keys)), mEnabled(enabled)
    {
        pages << QStringLiteral("<p>How to use %1</p>").arg(QString::fromStdString(id));
    }
    std::string id() const override { return mId; }
    QString name() const override { return QString::fromStdString(mId).toUpper(); }
    std::vector<int> shortcutKeys() const override { return mKeys; }
    bool isBusy() const override { return busy; }
    bool isEnabled() const override { return mEnabled; }
    void mousePressEvent(DocumentView* view, QMouseEvent* event) override
    {
        pressButtons << event->buttons();
        pressModifiers << event->modifiers();
        RecordingTool::mousePressEvent(view, event);
        if (onPress)
            onPress();
    }

    bool busy = false;
    // Runs after each press was recorded: opens a dialog, throws.
    std::function<void()> onPress;
    QList<Qt::MouseButtons> pressButtons;
    QList<Qt::KeyboardModifiers> pressModifiers;

private:
    std::string mId;
    std::vector<int> mKeys;
    bool mEnabled;
};

// Offers "block" (no keys), "hand" (Space), "pointer" (Control), "zoom" (Control and Space)
// and the disabled "spacer"; keeps a weak reference to every tool it made.
class TestToolFactory : public ToolFactory
{
public:
    std::vector<std::string> toolIds() const override
    {
        std::vector<std::string> ids;
        for (const auto& tool : kTools)
            ids.push_back(tool.first);
        return ids;
    }
    boost::shared_ptr<AbstractTool> createTool(const std::string& id) override
    {
        const auto found = kTools.find(id);
        if (found == kTools.end())
            return {};
        auto tool = boost::make_shared<TestTool>(id, found->second, id != "spacer");
        made[id] = tool;
        return tool;
    }
    // The tool made for `id` (null when none is alive).
    boost::shared_ptr<TestTool> tool(const std::string& id) const
    {
        const auto found = made.find(id);
        return found == made.end() ? boost::shared_ptr<TestTool>() : found->second.lock();
    }

    std::map<std::string, boost::weak_ptr<TestTool>> made;

private:
    const std::map<std::string, std::vector<int>> kTools = {
        {"block", {}},
        {"hand", {Qt::Key_Space}},
        {"pointer", {Qt::Key_Control}},
        {"spacer", {}},
        {"zoom", {Qt::Key_Control, Qt::Key_Space}},
    };
};

} // namespace HostTest
} // namespace VelSystem
