#include "ContextTranslator.h"
#include "gui/GuiTestDoubles.h"

#include "ToolSelect.h"
#include "ToolText.h"
#include "VelToolFactory.h"
#include "markerplugin.h"

#include "VelCore/VelText.h"

#include "TestMain.h"
#include <QFile>
#include <QImage>
#include <QtTest>

using namespace VelSystem;

class tst_VelToolFactory : public QObject
{
    Q_OBJECT

private slots:
    void entryReturnsTheOneFactoryWithIdsInByteOrder()
    {
        ToolFactory* first = markerplugin();
        QCOMPARE(first, markerplugin());
        QCOMPARE(first, static_cast<ToolFactory*>(&VelToolFactory::instance()));
        const std::vector<std::string> ids = first->toolIds();
        QCOMPARE(ids.size(), size_t(22));
        QVERIFY(std::is_sorted(ids.begin(), ids.end()));
    }

    // Whatever a tool offers, the host can show it: a fresh tool per call that knows its id,
    // the factory's pages, and an icon with its hover and down images.
    void everyRegisteredToolIsComplete()
    {
        for (const std::string& id : markerplugin()->toolIds()) {
            const boost::shared_ptr<AbstractTool> tool = markerplugin()->createTool(id);
            QVERIFY2(tool && tool != markerplugin()->createTool(id), id.c_str());
            QCOMPARE(tool->id(), id);
            QCOMPARE(tool->instructions(), markerplugin()->instructions(id));
            QCOMPARE(tool->instructionPage, 0);
            // "spacing" names an icon that was never drawn and is never enabled.
            if (!tool->isEnabled() || tool->icon().isEmpty())
                continue;
            QVERIFY2(!QImage(tool->icon()).isNull(), id.c_str());
            for (const char* state : {"_hover.png", "_down.png"})
                QVERIFY2(QFile::exists(tool->icon().chopped(4) + QLatin1String(state)), id.c_str());
        }
    }

    // The ids scripts and the host name, and the names users read, in their contexts.
    void idsAndNames_data()
    {
        QTest::addColumn<QString>("name"); // "context|source", empty when the tool has none
        const auto row = [](const char* id, const char* context, const char* name) {
            QTest::newRow(id) << (name ? ContextTranslator::tagged(context, name) : QString());
        };
        row("select", "ToolSelect", "Pointer");
        row("zoom", "ToolZoom", "Zoom In/Out");
        row("handgrip", "ToolViewTranslation", nullptr);
        row("scale", "Velsystem::ToolScale", "Scale");
        row("magnetic", "ToolMagnetic", "Magnetic Cursor");
        row("spacing", "ToolSpacing", nullptr);
        row("block", "ToolBlock", "Block a Piece");
        row("editblock", "ToolEditBlock", "Edit Blocking Contour");
        row("cutdown", "ToolCutDown", "Cut-Down Two Pieces");
        row("cutangle", "ToolCutAngle", "Cut with Angle");
        row("fillhole", "ToolFillHole", "Fill a Hole");
        row("Sequence", "ToolSequence", "Sequence");
        row("StartPoint", "ToolStartPoint", "Knife Starting Point");
        row("interalStartPoint", "ToolInternalStartPoint", "Internal Start Point");
        row("liftPlundge", "ToolLiftPlunge", "Lift & Plunge");
        row("SymmetricalCut", "ToolSymmetricalCut", "Symmetrical Cut");
        row("ExternalHole", "ToolExternalHole", "Add External Punch Hole");
        row("convert", "ToolConvert", "Convert Notch");
        row("matchPoint", "ToolMatchPoint", "Match Point");
        row("link", "ToolLink", "Link");
        row("ruler", "ToolRuler", "Ruler");
        row("text", "ToolText", "Text");
    }

    void idsAndNames()
    {
        const ContextTranslator translator;
        const boost::shared_ptr<AbstractTool> tool = markerplugin()->createTool(QTest::currentDataTag());
        QVERIFY(tool);
        QTEST(tool->name(), "name");
    }

    void unknownIdLogsAndReturnsEmpty()
    {
        const ContextTranslator translator;
        RecordingLog log;
        QVERIFY(!markerplugin()->createTool("Select"));
        QCOMPARE(log.lines.size(), 1);
        const QString text = ContextTranslator::tagged("Velsystem::VelToolFactory", "No such tool id");
        QVERIFY2(log.lines[0].startsWith(QLatin1String("WARNING")) &&
                     log.lines[0].contains(text + QLatin1String(" Select")),
                 qPrintable(log.lines[0]));
    }

    void laterRegistrationReplacesEarlier()
    {
        VelToolFactory& factory = VelToolFactory::instance();
        factory.registerTool<ToolText>("select", QStringLiteral(":/images/tool_text.png"));
        const auto replaced = factory.createTool("select");
        factory.registerTool<ToolSelect>("select", QStringLiteral(":/images/tool_arrow.png"));

        QVERIFY(qobject_cast<ToolText*>(replaced.get()));
        QCOMPARE(replaced->id(), std::string("select"));
        QCOMPARE(factory.toolIds().size(), size_t(22));
        QVERIFY(qobject_cast<ToolSelect*>(factory.createTool("select").get()));
    }

    void instructionTextsAreTranslatedInFactoryContext()
    {
        const ContextTranslator translator;
        const auto tagged = [](std::initializer_list<const char*> texts) {
            QStringList page;
            for (const char* text : texts)
                page << ContextTranslator::tagged("VelToolFactory", text);
            return toHtml(page);
        };
        QCOMPARE(
            markerplugin()->instructions("ruler"),
            QStringList({tagged({"Distance between Two Points:", "click the first reference point;"}),
                         tagged({"Distance between Two Points:", "click the second reference point."})}));
        QCOMPARE(markerplugin()->instructions("StartPoint"),
                 QStringList{tagged({"Relocate the Knife Starting Point:",
                                     " left-lick the new starting point of the piece."})});
        QCOMPARE(markerplugin()->instructions("scale"), QStringList{toHtml(QStringList())});
    }

    void selectPageNamesTheControlKey()
    {
        const QString control = keyToString(Qt::ControlModifier);
        QVERIFY(!control.isEmpty());
        const QString page = markerplugin()->instructions("select").value(0);
        QVERIFY2(page.contains(QStringLiteral("click the Pointer tool with %1 and Alt.").arg(control)),
                 qPrintable(page));
        QVERIFY(!page.contains(QLatin1String("%1")));
        // Before the factory names it, a tool has no identifier and so no pages.
        const ToolSelect unnamed(QStringLiteral(":/images/tool_arrow.png"));
        QVERIFY(unnamed.id().empty());
        QVERIFY(unnamed.instructions().isEmpty());
    }
};

MARKER_TEST(tst_VelToolFactory)
#include "tst_VelToolFactory.moc"
