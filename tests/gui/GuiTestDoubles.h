#pragma once

// Test doubles of the host framework's abstract classes: a document that records the picks
// it is asked for, a tool that records the events it receives, and recorders of the reports
// and log lines.

#include "VelConjoin/Document.h"
#include "VelConjoin/Selection.h"
#include "VelConjoin/ViewFilter.h"
#include "VelCore/DefaultLogger.h"
#include "VelCore/VelCoreApplication.h"
#include "VelGui/AbstractTool.h"

#include <QMouseEvent>
#include <QStringList>
#include <QWheelEvent>
#include <boost/make_shared.hpp>
#include <functional>

namespace VelSystem {

// A selection of `count` anonymous objects.
class CountedSelection : public Selection
{
public:
    explicit CountedSelection(int count = 0) : mCount(count) {}
    int kind() const override { return mCount > 0 ? 1 : 0; }
    bool isEmpty() const override { return mCount == 0; }
    int count() const override { return mCount; }
    GeoRectangle boundingRect() const override { return {}; }
    bool apply() override { return false; }
    bool setSelected(bool) override { return false; }
    bool toggle() override { return false; }

private:
    int mCount;
};

class RecordingDocument : public Document
{
public:
    boost::shared_ptr<Selection> selection() const override { return mSelection; }
    boost::shared_ptr<Selection> pick(const GeoPoint2D& point, double tolerance,
                                      const ViewFilter* filter) const override
    {
        pickedPoint = point;
        pickedTolerance = tolerance;
        pickedFilter = filter;
        pickedAtScale = viewScale();
        return boost::make_shared<CountedSelection>(1);
    }
    boost::shared_ptr<Selection> pick(const QPolygonF& polygon, const ViewFilter* filter) const override
    {
        pickedPolygon = polygon;
        pickedFilter = filter;
        return boost::make_shared<CountedSelection>(2);
    }
    bool deselectAll(bool notify, bool includeHidden) override
    {
        deselectCalls << QStringLiteral("%1 %2").arg(notify).arg(includeHidden);
        const bool changed = !mSelection->isEmpty();
        mSelection = boost::make_shared<CountedSelection>(0);
        return changed;
    }
    GeoRectangle extent() const override { return mExtent; }

    void setSelectionCount(int count) { mSelection = boost::make_shared<CountedSelection>(count); }
    void setExtent(const GeoRectangle& extent) { mExtent = extent; }

    mutable GeoPoint2D pickedPoint;
    mutable double pickedTolerance = -1.0;
    mutable const ViewFilter* pickedFilter = nullptr;
    mutable double pickedAtScale = -1.0;
    mutable QPolygonF pickedPolygon;
    QStringList deselectCalls;

private:
    boost::shared_ptr<Selection> mSelection = boost::make_shared<CountedSelection>(0);
    GeoRectangle mExtent;
};

// Records each call as a short word; `failure`, when set, runs inside every mouse and key
// handler and may throw.
class RecordingTool : public AbstractTool
{
public:
    std::string id() const override { return "recording"; }
    QString icon() const override { return {}; }
    QString name() const override { return QStringLiteral("Recording"); }
    std::vector<int> shortcutKeys() const override { return {}; }
    void start() override { calls << QStringLiteral("start"); }
    void openUrl(QUrl) override {}
    void stop() override { calls << QStringLiteral("stop"); }
    bool chartClicked(short, short, QMouseEvent*) override { return false; }
    void mousePressEvent(DocumentView*, QMouseEvent* event) override
    {
        record(QStringLiteral("press"), event);
    }
    void mouseReleaseEvent(DocumentView*, QMouseEvent* event) override
    {
        record(QStringLiteral("release"), event);
    }
    void mouseMoveEvent(DocumentView*, QMouseEvent* event) override { record(QStringLiteral("move"), event); }
    void mouseDoubleClickEvent(DocumentView*, QMouseEvent* event) override
    {
        record(QStringLiteral("double"), event);
    }
    void cursor(QCursor& cursor) const override { cursor.setShape(cursorShape); }
    bool keyStateChanged(bool pressed, int key) override
    {
        calls << QStringLiteral("key%1%2").arg(pressed ? '+' : '-').arg(key);
        fail();
        return handlesKeys;
    }
    bool wheelEvent(DocumentView*, QWheelEvent*) override
    {
        calls << QStringLiteral("wheel");
        return handlesWheel;
    }
    bool isBusy() const override { return false; }
    bool isEnabled() const override { return true; }
    std::vector<int> alternateShortcutKeys() const override { return {}; }
    QWidget* optionsWidget() const override { return nullptr; }
    void suspend() override {}
    void resume() override {}
    QStringList instructions() const override { return pages; }

    QStringList calls;
    QList<QPointF> positions;
    std::function<void()> failure;
    bool handlesWheel = false;
    bool handlesKeys = false;
    Qt::CursorShape cursorShape = Qt::CrossCursor;
    QStringList pages;

private:
    void record(const QString& call, QMouseEvent* event)
    {
        calls << call;
        positions << event->localPos();
        fail();
    }
    void fail()
    {
        if (failure)
            failure();
    }
};

// Records the texts of every message and error report while it lives.
class RecordingSink
{
public:
    RecordingSink()
    {
        mPrevious = VelCoreApplication::instance()->setSink(
            [this](VelCoreApplication::ReportKind kind, const QString& text, const QString&, int) {
                (kind == VelCoreApplication::Error ? errors : messages) << text;
            });
    }
    ~RecordingSink() { VelCoreApplication::instance()->setSink(mPrevious); }
    RecordingSink(const RecordingSink&) = delete;
    RecordingSink& operator=(const RecordingSink&) = delete;

    QStringList messages;
    QStringList errors;

private:
    VelCoreApplication::Sink mPrevious;
};

// Records the logger's lines while it lives.
class RecordingLog
{
public:
    RecordingLog()
    {
        mPrevious = DefaultLogger::setSink([this](int, const QString& line) { lines << line; });
    }
    ~RecordingLog() { DefaultLogger::setSink(mPrevious); }
    RecordingLog(const RecordingLog&) = delete;
    RecordingLog& operator=(const RecordingLog&) = delete;

    QStringList lines;

private:
    DefaultLogger::Sink mPrevious;
};

} // namespace VelSystem
