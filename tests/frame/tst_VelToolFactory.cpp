#include "ContextTranslator.h"

#include "ToolSelect.h"
#include "ToolText.h"
#include "VelToolFactory.h"
#include "markerplugin.h"

#include "VelCore/DefaultLogger.h"
#include "VelCore/VelText.h"

#include <QImage>
#include <QtTest>

using namespace VelSystem;

namespace {

struct Registered
{
    const char* id;
    const char* className;
    const char* icon;
    const char* context; // of the display name; null: the tool has no name
    const char* name;
    std::vector<int> keys;
};

const std::vector<Registered>& registry()
{
    static const std::vector<Registered> tools = {
        {"select", "ToolSelect", ":/images/tool_arrow.png", "ToolSelect", "Pointer", {Qt::Key_Control}},
        {"zoom",
         "ToolZoom",
         ":/images/tool_zoom.png",
         "ToolZoom",
         "Zoom In/Out",
         {Qt::Key_Control, Qt::Key_Space}},
        {"handgrip", "ToolViewTranslation", "", nullptr, nullptr, {Qt::Key_Space}},
        {"scale", "ToolScale", ":/images/tool_scale.png", "Velsystem::ToolScale", "Scale", {}},
        {"magnetic", "ToolMagnetic", ":/images/tool_magnetic.png", "ToolMagnetic", "Magnetic Cursor", {}},
        {"spacing", "ToolSpacing", ":/images/tool_spacing.png", nullptr, nullptr, {}},
        {"block", "ToolBlock", ":/images/tool_block.png", "ToolBlock", "Block a Piece", {}},
        {"editblock",
         "ToolEditBlock",
         ":/images/tool_editblock.png",
         "ToolEditBlock",
         "Edit Blocking Contour",
         {}},
        {"cutdown", "ToolCutDown", ":/images/tool_cutdown.png", "ToolCutDown", "Cut-Down Two Pieces", {}},
        {"cutangle", "ToolCutAngle", ":/images/tool_cutangle.png", "ToolCutAngle", "Cut with Angle", {}},
        {"fillhole", "ToolFillHole", ":/images/tool_fillhole.png", "ToolFillHole", "Fill a Hole", {}},
        {"Sequence", "ToolSequence", ":/images/tool_Sequence.png", "ToolSequence", "Sequence", {}},
        {"StartPoint",
         "ToolStartPoint",
         ":/images/tool_StartPoint.png",
         "ToolStartPoint",
         "Knife Starting Point",
         {}},
        {"interalStartPoint",
         "ToolInternalStartPoint",
         ":/images/tool_interalStartPoint.png",
         "ToolInternalStartPoint",
         "Internal Start Point",
         {}},
        {"liftPlundge",
         "ToolLiftPlunge",
         ":/images/tool_liftPlundge.png",
         "ToolLiftPlunge",
         "Lift & Plunge",
         {}},
        {"SymmetricalCut",
         "ToolSymmetricalCut",
         ":/images/tool_SymmetricalCut.png",
         "ToolSymmetricalCut",
         "Symmetrical Cut",
         {}},
        {"ExternalHole",
         "ToolExternalHole",
         ":/images/tool_externalhole.png",
         "ToolExternalHole",
         "Add External Punch Hole",
         {}},
        {"convert", "ToolConvert", ":/images/tool_convert.png", "ToolConvert", "Convert Notch", {}},
        {"matchPoint",
         "ToolMatchPoint",
         ":/images/tool_match_point.png",
         "ToolMatchPoint",
         "Match Point",
         {}},
        {"link", "ToolLink", ":/images/tool_link.png", "ToolLink", "Link", {}},
        {"ruler", "ToolRuler", ":/images/tool_ruler.png", "ToolRuler", "Ruler", {}},
        {"text", "ToolText", ":/images/tool_text.png", "ToolText", "Text", {}},
    };
    return tools;
}

// Records the default logger's lines while it lives.
class LogRecorder
{
public:
    LogRecorder()
    {
        mPrevious = DefaultLogger::setSink(
            [this](int level, const QString& line) { lines << qMakePair(level, line); });
    }
    ~LogRecorder() { DefaultLogger::setSink(mPrevious); }

    QList<QPair<int, QString>> lines;

private:
    DefaultLogger::Sink mPrevious;
};

} // namespace

class tst_VelToolFactory : public QObject
{
    Q_OBJECT

private slots:
    void entryReturnsTheOneFactory();
    void toolIdsInByteOrder();
    void createsEveryRegisteredTool_data();
    void createsEveryRegisteredTool();
    void eachCallCreatesANewTool();
    void unknownIdLogsAndReturnsEmpty();
    void laterRegistrationReplacesEarlier();
    void instructionPageCounts();
    void instructionTextsAreTranslatedInFactoryContext();
    void selectPageNamesTheControlKey();
    void toolReadsItsOwnPages();
};

void tst_VelToolFactory::entryReturnsTheOneFactory()
{
    ToolFactory* first = markerplugin();
    QVERIFY(first);
    QCOMPARE(first, markerplugin());
    QCOMPARE(first, static_cast<ToolFactory*>(&VelToolFactory::instance()));
}

void tst_VelToolFactory::toolIdsInByteOrder()
{
    const std::vector<std::string> expected = {"ExternalHole", "Sequence", "StartPoint", "SymmetricalCut",
                                               "block",        "convert",  "cutangle",   "cutdown",
                                               "editblock",    "fillhole", "handgrip",   "interalStartPoint",
                                               "liftPlundge",  "link",     "magnetic",   "matchPoint",
                                               "ruler",        "scale",    "select",     "spacing",
                                               "text",         "zoom"};
    QVERIFY(markerplugin()->toolIds() == expected);
}

void tst_VelToolFactory::createsEveryRegisteredTool_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < registry().size(); ++i)
        QTest::newRow(registry()[i].id) << static_cast<int>(i);
}

void tst_VelToolFactory::createsEveryRegisteredTool()
{
    QFETCH(int, index);
    const Registered& expected = registry()[static_cast<size_t>(index)];
    const ContextTranslator translator;

    const boost::shared_ptr<AbstractTool> tool = markerplugin()->createTool(expected.id);
    QVERIFY(tool);
    QCOMPARE(QString::fromLatin1(tool->metaObject()->className()),
             QStringLiteral("VelSystem::") + QLatin1String(expected.className));
    QCOMPARE(QString::fromStdString(tool->id()), QString::fromLatin1(expected.id));
    QCOMPARE(tool->icon(), QString::fromLatin1(expected.icon));
    QCOMPARE(tool->name(),
             expected.name ? ContextTranslator::tagged(expected.context, expected.name) : QString());
    QVERIFY(tool->shortcutKeys() == expected.keys);
    QCOMPARE(tool->isEnabled(), std::string(expected.id) != "spacing");
    QVERIFY(tool->alternateShortcutKeys().empty());
    QCOMPARE(tool->instructionPage, 0);
    // Every named icon is compiled in; "spacing" names one that was never drawn.
    const bool drawn = !tool->icon().isEmpty() && tool->icon() != QLatin1String(":/images/tool_spacing.png");
    QCOMPARE(!QImage(tool->icon()).isNull(), drawn);
}

void tst_VelToolFactory::eachCallCreatesANewTool()
{
    const auto first = markerplugin()->createTool("block");
    const auto second = markerplugin()->createTool("block");
    QVERIFY(first && second);
    QVERIFY(first != second);
}

void tst_VelToolFactory::unknownIdLogsAndReturnsEmpty()
{
    const ContextTranslator translator;
    LogRecorder log;
    QVERIFY(!markerplugin()->createTool("Select"));
    QCOMPARE(log.lines.size(), 1);
    QCOMPARE(log.lines[0].first, 2);
    const QString line = log.lines[0].second;
    const QString text = ContextTranslator::tagged("Velsystem::VelToolFactory", "No such tool id");
    QVERIFY2(line.contains(text + QLatin1Char(' ') + QLatin1String("Select")), qPrintable(line));
}

void tst_VelToolFactory::laterRegistrationReplacesEarlier()
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

void tst_VelToolFactory::instructionPageCounts()
{
    for (const std::string& id : markerplugin()->toolIds()) {
        int expected = 1;
        if (id == "handgrip" || id == "spacing")
            expected = 0;
        else if (id == "magnetic" || id == "ruler")
            expected = 2;
        QCOMPARE(markerplugin()->instructions(id).size(), expected);
    }
}

void tst_VelToolFactory::instructionTextsAreTranslatedInFactoryContext()
{
    const ContextTranslator translator;
    const auto tagged = [](std::initializer_list<const char*> texts) {
        QStringList page;
        for (const char* text : texts)
            page << ContextTranslator::tagged("VelToolFactory", text);
        return toHtml(page);
    };
    const QStringList ruler = {
        tagged({"Distance between Two Points:", "click the first reference point;"}),
        tagged({"Distance between Two Points:", "click the second reference point."}),
    };
    QCOMPARE(markerplugin()->instructions("ruler"), ruler);
    QCOMPARE(markerplugin()->instructions("StartPoint"),
             QStringList{tagged(
                 {"Relocate the Knife Starting Point:", " left-lick the new starting point of the piece."})});
    QCOMPARE(markerplugin()->instructions("scale"), QStringList{toHtml(QStringList())});
}

void tst_VelToolFactory::selectPageNamesTheControlKey()
{
    const QString control = keyToString(Qt::ControlModifier);
    QVERIFY(!control.isEmpty());
    const QStringList pages = markerplugin()->instructions("select");
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages[0].contains(QStringLiteral("click the Pointer tool with %1 and Alt.").arg(control)),
             qPrintable(pages[0]));
    QVERIFY(!pages[0].contains(QLatin1String("%1")));
}

void tst_VelToolFactory::toolReadsItsOwnPages()
{
    const auto magnetic = markerplugin()->createTool("magnetic");
    QCOMPARE(magnetic->instructions(), markerplugin()->instructions("magnetic"));
    // Before the factory names it, a tool has no identifier and so no pages.
    const ToolSelect unnamed(QStringLiteral(":/images/tool_arrow.png"));
    QVERIFY(unnamed.id().empty());
    QVERIFY(unnamed.instructions().isEmpty());
}

QTEST_MAIN(tst_VelToolFactory)
#include "tst_VelToolFactory.moc"
