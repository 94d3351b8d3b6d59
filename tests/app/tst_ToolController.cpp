#include "app/HostTestMarker.h"
#include "app/HostTestTools.h"

#include "MarkerMainWindow.h"
#include "ToolController.h"

#include "VelCore/InfoBox.h"
#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentView.h"

#include "TestMain.h"
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace VelSystem;
using HostTest::TestToolFactory;

namespace {

void hold(int key)
{
    KeyboardMonitor::instance().setKeyPressed(key, true);
}

void letGo(int key)
{
    KeyboardMonitor::instance().setKeyPressed(key, false);
}

} // namespace

class tst_ToolController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        mFile = HostTest::writeTestMarker(QDir(mDir.path()));
        QVERIFY(!mFile.isEmpty());
    }

    void init()
    {
        KeyboardMonitor::instance().releaseAll();
        mFactory.made.clear();
    }

    void cleanup() { KeyboardMonitor::instance().releaseAll(); }

    void startsWithTheFirstEnabledToolAndRefusesDisabledOnes()
    {
        ToolController tools(&mFactory);
        QCOMPARE(tools.entries().size(), 5);
        QCOMPARE(tools.currentId(), std::string("block"));
        QCOMPARE(mFactory.tool("block")->calls, QStringList{QStringLiteral("start")});
        QVERIFY(GetInfoBox()->instructions().contains(QStringLiteral("How to use block")));
        QCOMPARE(tools.entry("zoom")->shortcutKeys, (std::vector<int>{Qt::Key_Control, Qt::Key_Space}));
        QCOMPARE(tools.entry("zoom")->name, QStringLiteral("ZOOM"));
        QVERIFY(!tools.entry("spacer")->enabled);
        // A disabled or unknown tool cannot be chosen.
        QVERIFY(!tools.chooseTool("spacer"));
        QVERIFY(!tools.chooseTool("Block"));
        QCOMPARE(tools.currentId(), std::string("block"));
        QCOMPARE(mFactory.tool("block")->calls.size(), 1);
    }

    void choosingAToolStopsThePreviousAndHandsTheNextToEveryView()
    {
        MarkerMainWindow window;
        QVERIFY(window.openFile(mFile));
        window.setToolFactory(&mFactory);
        const QString other = HostTest::writeTestMarker(QDir(mDir.path()), QStringLiteral("other.mak"));
        QVERIFY(window.openFile(other));
        ToolController* tools = window.toolController();
        QSignalSpy changed(tools, &ToolController::currentToolChanged);

        QVERIFY(tools->chooseTool("zoom"));
        const boost::shared_ptr<HostTest::TestTool> block = mFactory.tool("block");
        const boost::shared_ptr<HostTest::TestTool> zoom = mFactory.tool("zoom");
        QCOMPARE(block->calls, QStringList({"start", "stop"}));
        QCOMPARE(zoom->calls, QStringList({"start"}));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.first().first().toString(), QStringLiteral("zoom"));
        // Both windows, the one opened before the factory came and the one after.
        const QList<DocumentView*> views = window.findChildren<DocumentView*>();
        QCOMPARE(views.size(), 2);
        for (DocumentView* view : views) {
            QCOMPARE(view->tool(), boost::shared_ptr<AbstractTool>(zoom));
            QCOMPARE(view->viewport()->cursor().shape(), zoom->cursorShape);
        }
        QVERIFY(GetInfoBox()->instructions().contains(QStringLiteral("How to use zoom")));

        // Choosing the current tool again neither stops nor restarts it.
        QVERIFY(tools->chooseTool("zoom"));
        QCOMPARE(zoom->calls.size(), 1);
    }

    void heldShortcutKeysSelectATemporaryToolUntilReleased()
    {
        ToolController tools(&mFactory);
        hold(Qt::Key_Control);
        QCOMPARE(tools.currentId(), std::string("pointer"));
        QVERIFY(tools.isTemporary());
        QCOMPARE(tools.chosenId(), std::string("block"));
        hold(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("zoom"));
        // Space let go while Control stays down: back to the pointer, not yet to the chosen tool.
        letGo(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("pointer"));
        letGo(Qt::Key_Control);
        QCOMPARE(tools.currentId(), std::string("block"));
        QVERIFY(!tools.isTemporary());

        hold(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("hand"));
        letGo(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("block"));
        QCOMPARE(mFactory.tool("pointer")->calls, QStringList({"start", "stop", "start", "stop"}));
        QCOMPARE(mFactory.tool("block")->calls.count(QStringLiteral("start")), 3);

        // Other keys held with the shortcut select nothing.
        hold(Qt::Key_Shift);
        hold(Qt::Key_Control);
        QCOMPARE(tools.currentId(), std::string("block"));
        letGo(Qt::Key_Shift);
        hold(Qt::Key_Alt);
        QCOMPARE(tools.currentId(), std::string("block"));
        letGo(Qt::Key_Alt);
        letGo(Qt::Key_Control);
        QCOMPARE(tools.currentId(), std::string("block"));
    }

    void aBusyToolKeepsItsPlaceAndChoosingEndsATemporaryTool()
    {
        ToolController tools(&mFactory);
        mFactory.tool("block")->busy = true;
        hold(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("block"));
        letGo(Qt::Key_Space);
        mFactory.tool("block")->busy = false;
        hold(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("hand"));
        // Choosing while a temporary tool is shown ends the temporary tool.
        QVERIFY(tools.chooseTool("zoom"));
        letGo(Qt::Key_Space);
        QCOMPARE(tools.currentId(), std::string("zoom"));
        QVERIFY(!tools.isTemporary());
    }

    void closingTheWindowReleasesEveryToolFirst()
    {
        {
            MarkerMainWindow window;
            QVERIFY(window.openFile(mFile));
            window.setToolFactory(&mFactory);
            window.toolController()->chooseTool("zoom");
            QVERIFY(mFactory.tool("block"));
        }
        for (const auto& made : mFactory.made)
            QVERIFY2(made.second.expired(), made.first.c_str());
    }

private:
    QTemporaryDir mDir;
    QString mFile;
    TestToolFactory mFactory;
};

MARKER_TEST(tst_ToolController)
#include "tst_ToolController.moc"
