#include "ContextTranslator.h"

#include "ToolSelect.h"
#include "ToolText.h"
#include "VelToolFactory.h"
#include "markerplugin.h"

#include "VelCore/DefaultLogger.h"
#include "VelCore/VelText.h"

#include "TestMain.h"
#include <QImage>
#include <QtTest>

using namespace VelSystem;

using Keys = std::vector<int>;
Q_DECLARE_METATYPE(Keys)

namespace {

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
    void entryReturnsTheOneFactoryWithIdsInByteOrder()
    {
        ToolFactory* first = markerplugin();
        QCOMPARE(first, markerplugin());
        QCOMPARE(first, static_cast<ToolFactory*>(&VelToolFactory::instance()));
        const std::vector<std::string> expected = {
            "ExternalHole", "Sequence", "StartPoint", "SymmetricalCut",
            "block",        "convert",  "cutangle",   "cutdown",
            "editblock",    "fillhole", "handgrip",   "interalStartPoint",
            "liftPlundge",  "link",     "magnetic",   "matchPoint",
            "ruler",        "scale",    "select",     "spacing",
            "text",         "zoom"};
        QVERIFY(first->toolIds() == expected);
    }

    void createsEveryRegisteredTool_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("icon"); // under :/images/, without ".png"
        QTest::addColumn<QString>("name"); // "context|source", empty when the tool has none
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("pages");
        const auto row = [](const char* id, const char* className, const char* icon, const char* name,
                            Keys keys = {}, int pages = 1, const char* context = nullptr) {
            QTest::newRow(id) << QString::fromLatin1(className) << QString::fromLatin1(icon)
                              << (name ? ContextTranslator::tagged(context ? context : className, name)
                                       : QString())
                              << keys << pages;
        };
        row("select", "ToolSelect", "tool_arrow", "Pointer", {Qt::Key_Control});
        row("zoom", "ToolZoom", "tool_zoom", "Zoom In/Out", {Qt::Key_Control, Qt::Key_Space});
        row("handgrip", "ToolViewTranslation", "", nullptr, {Qt::Key_Space}, 0);
        row("scale", "ToolScale", "tool_scale", "Scale", {}, 1, "Velsystem::ToolScale");
        row("magnetic", "ToolMagnetic", "tool_magnetic", "Magnetic Cursor", {}, 2);
        row("spacing", "ToolSpacing", "tool_spacing", nullptr, {}, 0);
        row("block", "ToolBlock", "tool_block", "Block a Piece");
        row("editblock", "ToolEditBlock", "tool_editblock", "Edit Blocking Contour");
        row("cutdown", "ToolCutDown", "tool_cutdown", "Cut-Down Two Pieces");
        row("cutangle", "ToolCutAngle", "tool_cutangle", "Cut with Angle");
        row("fillhole", "ToolFillHole", "tool_fillhole", "Fill a Hole");
        row("Sequence", "ToolSequence", "tool_Sequence", "Sequence");
        row("StartPoint", "ToolStartPoint", "tool_StartPoint", "Knife Starting Point");
        row("interalStartPoint", "ToolInternalStartPoint", "tool_interalStartPoint", "Internal Start Point");
        row("liftPlundge", "ToolLiftPlunge", "tool_liftPlundge", "Lift & Plunge");
        row("SymmetricalCut", "ToolSymmetricalCut", "tool_SymmetricalCut", "Symmetrical Cut");
        row("ExternalHole", "ToolExternalHole", "tool_externalhole", "Add External Punch Hole");
        row("convert", "ToolConvert", "tool_convert", "Convert Notch");
        row("matchPoint", "ToolMatchPoint", "tool_match_point", "Match Point");
        row("link", "ToolLink", "tool_link", "Link");
        row("ruler", "ToolRuler", "tool_ruler", "Ruler", {}, 2);
        row("text", "ToolText", "tool_text", "Text");
    }

    void createsEveryRegisteredTool()
    {
        QFETCH(QString, className);
        QFETCH(QString, icon);
        QFETCH(QString, name);
        QFETCH(Keys, keys);
        QFETCH(int, pages);
        const std::string id = QTest::currentDataTag();
        const ContextTranslator translator;

        const boost::shared_ptr<AbstractTool> tool = markerplugin()->createTool(id);
        QVERIFY(tool);
        QVERIFY(markerplugin()->createTool(id) != tool);
        QCOMPARE(QString::fromLatin1(tool->metaObject()->className()),
                 QStringLiteral("VelSystem::") + className);
        QCOMPARE(tool->id(), id);
        QCOMPARE(tool->icon(), icon.isEmpty() ? QString() : QStringLiteral(":/images/%1.png").arg(icon));
        QCOMPARE(tool->name(), name);
        QVERIFY(tool->shortcutKeys() == keys);
        QCOMPARE(tool->isEnabled(), id != "spacing");
        QVERIFY(tool->alternateShortcutKeys().empty());
        QCOMPARE(tool->instructionPage, 0);
        QCOMPARE(markerplugin()->instructions(id).size(), pages);
        QCOMPARE(tool->instructions(), markerplugin()->instructions(id));
        // Every named icon is compiled in; "spacing" names one that was never drawn.
        if (!icon.isEmpty())
            QCOMPARE(QImage(tool->icon()).isNull(), id == "spacing");
    }

    void unknownIdLogsAndReturnsEmpty()
    {
        const ContextTranslator translator;
        LogRecorder log;
        QVERIFY(!markerplugin()->createTool("Select"));
        QCOMPARE(log.lines.size(), 1);
        QCOMPARE(log.lines[0].first, 2);
        const QString text = ContextTranslator::tagged("Velsystem::VelToolFactory", "No such tool id");
        QVERIFY2(log.lines[0].second.contains(text + QLatin1String(" Select")),
                 qPrintable(log.lines[0].second));
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
