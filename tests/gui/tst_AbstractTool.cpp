#include "gui/GuiTestDoubles.h"

#include "VelCore/InfoBox.h"
#include "VelGui/ToolFactory.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;

namespace {

class TestFactory : public ToolFactory
{
public:
    TestFactory()
    {
        mInstructions["zoom"] = [] {
            return QStringList({QStringLiteral("<b>Zoom</b>"), QStringLiteral("Page 2")});
        };
        mInstructions["empty"] = InstructionFunction();
    }
    std::vector<std::string> toolIds() const override { return {"zoom", "empty"}; }
    boost::shared_ptr<AbstractTool> createTool(const std::string&) override { return {}; }
};

} // namespace

class tst_AbstractTool : public QObject
{
    Q_OBJECT

private slots:
    void showInstructionsShowsTheChosenPage_data()
    {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("shown");
        const QStringList pages = {QStringLiteral("<p>First <b>click</b></p>"),
                                   QStringLiteral("<p>Second</p>")};
        QTest::newRow("first, as rich text") << pages << 0 << pages[0];
        QTest::newRow("second") << pages << 1 << pages[1];
        QTest::newRow("past the end") << pages << 7 << pages[1];
        QTest::newRow("negative") << pages << -2 << pages[0];
        QTest::newRow("no pages") << QStringList() << 0 << QString();
    }

    void showInstructionsShowsTheChosenPage()
    {
        QFETCH(QStringList, pages);
        QFETCH(int, page);
        QFETCH(QString, shown);
        GetInfoBox()->setInstructions(QStringLiteral("left over"));
        RecordingTool tool;
        tool.pages = pages;
        tool.instructionPage = page;
        tool.showInstructions(nullptr);
        QCOMPARE(GetInfoBox()->instructions(), shown);
    }

    void factoryInstructionsCallTheRegisteredFunction()
    {
        TestFactory factory;
        QCOMPARE(factory.instructions("zoom"),
                 QStringList({QStringLiteral("<b>Zoom</b>"), QStringLiteral("Page 2")}));
        QVERIFY(factory.instructions("empty").isEmpty());
        QVERIFY(factory.instructions("unknown").isEmpty());
    }
};

MARKER_TEST(tst_AbstractTool)
#include "tst_AbstractTool.moc"
