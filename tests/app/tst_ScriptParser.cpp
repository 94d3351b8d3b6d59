#include "ScriptParser.h"

#include "TestMain.h"
#include <QtTest>

using namespace VelSystem;

namespace {

// The steps of a script that must parse; `error` gets the parser's complaint.
QVector<ScriptStep> parsed(const QString& script, QString* error)
{
    QVector<ScriptStep> steps;
    int line = 0;
    if (!ScriptParser::parse(script, &steps, &line, error))
        *error = QStringLiteral("line %1: %2").arg(line).arg(*error);
    return steps;
}

} // namespace

class tst_ScriptParser : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryStepWithItsLine()
    {
        const QString script = QStringLiteral("# a session\n"
                                              "\n"
                                              "tool select   # the pointer\n"
                                              "key-press Control\r\n"
                                              "key-release ctrl\n"
                                              "key Plus\n"
                                              "wheel -240 1.5 2\n"
                                              "undo\n"
                                              "redo\n"
                                              "save\n"
                                              "save \"/tmp/a marker.mak\"\n"
                                              "screenshot /tmp/x.png\n");
        QString error;
        const QVector<ScriptStep> steps = parsed(script, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(steps.size(), 10);
        QCOMPARE(steps.at(0).kind, ScriptStep::ChooseTool);
        QCOMPARE(steps.at(0).line, 3);
        QCOMPARE(steps.at(0).text, QStringLiteral("select"));
        QCOMPARE(steps.at(0).source, QStringLiteral("tool select"));
        QCOMPARE(steps.at(1).kind, ScriptStep::KeyPress);
        QCOMPARE(steps.at(1).key, int(Qt::Key_Control));
        QCOMPARE(steps.at(2).kind, ScriptStep::KeyRelease);
        QCOMPARE(steps.at(2).key, int(Qt::Key_Control));
        QCOMPARE(steps.at(3).kind, ScriptStep::KeyType);
        QCOMPARE(steps.at(3).key, int(Qt::Key_Plus));
        QCOMPARE(steps.at(4).kind, ScriptStep::Wheel);
        QCOMPARE(steps.at(4).number, -240);
        QCOMPARE(steps.at(4).point, QPointF(1.5, 2.0));
        QCOMPARE(steps.at(5).kind, ScriptStep::Undo);
        QCOMPARE(steps.at(6).kind, ScriptStep::Redo);
        QCOMPARE(steps.at(7).kind, ScriptStep::Save);
        QVERIFY(steps.at(7).text.isEmpty());
        QCOMPARE(steps.at(8).text, QStringLiteral("/tmp/a marker.mak"));
        QCOMPARE(steps.at(9).kind, ScriptStep::Screenshot);
        QCOMPARE(steps.at(9).line, 12);
    }

    void readsMouseStepsWithButtonAndModifiers()
    {
        QString error;
        const QVector<ScriptStep> steps = parsed(QStringLiteral("press 10 -2.5\n"
                                                                "release 10 20 right shift ALT\n"
                                                                "double-click 1e1 0 ctrl middle\n"
                                                                "click 3 4\n"
                                                                "move 5 6 shift\n"
                                                                "double-press 7 8 right\n"),
                                                 &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(steps.size(), 6);
        QCOMPARE(steps.at(0).kind, ScriptStep::Press);
        QCOMPARE(steps.at(0).point, QPointF(10.0, -2.5));
        QCOMPARE(steps.at(0).button, Qt::LeftButton);
        QCOMPARE(steps.at(0).modifiers, Qt::KeyboardModifiers());
        QCOMPARE(steps.at(1).button, Qt::RightButton);
        QCOMPARE(steps.at(1).modifiers, Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(steps.at(2).kind, ScriptStep::DoubleClick);
        QCOMPARE(steps.at(2).point, QPointF(10.0, 0.0));
        QCOMPARE(steps.at(2).button, Qt::MiddleButton);
        QCOMPARE(steps.at(2).modifiers, Qt::KeyboardModifiers(Qt::ControlModifier));
        QCOMPARE(steps.at(3).kind, ScriptStep::Click);
        QCOMPARE(steps.at(4).kind, ScriptStep::Move);
        QCOMPARE(steps.at(4).modifiers, Qt::KeyboardModifiers(Qt::ShiftModifier));
        QCOMPARE(steps.at(5).kind, ScriptStep::DoublePress);
        QCOMPARE(steps.at(5).point, QPointF(7.0, 8.0));
        QCOMPARE(steps.at(5).button, Qt::RightButton);
    }

    void readsDialogAnswersAndChecks()
    {
        QString error;
        const QVector<ScriptStep> steps =
            parsed(QStringLiteral("dialog accept editTop=2.5 editName=\"two words\" flag=\n"
                                  "dialog reject\n"
                                  "expect tool zoom\n"
                                  "expect undo-count 3\n"
                                  "expect selected 0\n"
                                  "expect message The operation   was \"un  successful\"\n"
                                  "expect no-message\n"
                                  "expect instructions Zoom In:\n"
                                  "expect undo-text Move  Pieces\n"
                                  "expect overlaps 2\n"
                                  "expect same-as-file\n"),
                   &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(steps.size(), 11);
        QVERIFY(steps.at(0).accept);
        const QList<QPair<QString, QString>> fields = {
            {QStringLiteral("editTop"), QStringLiteral("2.5")},
            {QStringLiteral("editName"), QStringLiteral("two words")},
            {QStringLiteral("flag"), QString()}};
        QCOMPARE(steps.at(0).fields, fields);
        QVERIFY(!steps.at(1).accept);
        QVERIFY(steps.at(1).fields.isEmpty());
        QCOMPARE(steps.at(2).check, ScriptStep::ExpectTool);
        QCOMPARE(steps.at(2).text, QStringLiteral("zoom"));
        QCOMPARE(steps.at(3).check, ScriptStep::ExpectUndoCount);
        QCOMPARE(steps.at(3).number, 3);
        QCOMPARE(steps.at(4).check, ScriptStep::ExpectSelected);
        QCOMPARE(steps.at(4).number, 0);
        QCOMPARE(steps.at(5).check, ScriptStep::ExpectMessage);
        // Words are joined by one blank; quotes keep their blanks.
        QCOMPARE(steps.at(5).text, QStringLiteral("The operation was un  successful"));
        QCOMPARE(steps.at(6).check, ScriptStep::ExpectNoMessage);
        QCOMPARE(steps.at(7).check, ScriptStep::ExpectInstructions);
        QCOMPARE(steps.at(7).text, QStringLiteral("Zoom In:"));
        QCOMPARE(steps.at(8).check, ScriptStep::ExpectUndoText);
        QCOMPARE(steps.at(8).text, QStringLiteral("Move Pieces"));
        QCOMPARE(steps.at(9).check, ScriptStep::ExpectOverlaps);
        QCOMPARE(steps.at(9).number, 2);
        QCOMPARE(steps.at(10).check, ScriptStep::ExpectSameAsFile);
    }

    void refusesABadLineWithItsNumber_data()
    {
        QTest::addColumn<QString>("badLine");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown step") << "jump 1 2" << QStringLiteral("unknown step \"jump\"");
        QTest::newRow("step in capitals") << "Press 1 2" << QStringLiteral("unknown step \"Press\"");
        QTest::newRow("tool without id") << "tool" << QStringLiteral("missing argument; usage: tool ID");
        QTest::newRow("two tools") << "tool select zoom"
                                   << QStringLiteral("too many arguments; usage: tool ID");
        QTest::newRow("one coordinate") << "press 10" << QStringLiteral("missing argument; usage: press X Y");
        QTest::newRow("not a number")
            << "move 10 abc" << QStringLiteral("\"abc\" is not a number of centimetres");
        QTest::newRow("infinite") << "click inf 2"
                                  << QStringLiteral("\"inf\" is not a number of centimetres");
        QTest::newRow("comma decimal")
            << "press 1,5 2" << QStringLiteral("\"1,5\" is not a number of centimetres");
        QTest::newRow("unknown modifier")
            << "press 1 2 hyper" << QStringLiteral("unknown button or modifier \"hyper\"");
        QTest::newRow("two buttons") << "press 1 2 left right"
                                     << QStringLiteral("\"right\": one button a step");
        QTest::newRow("button on move")
            << "move 1 2 left" << QStringLiteral("\"left\": this step takes no button");
        QTest::newRow("unknown key") << "key-press Hyper" << QStringLiteral("unknown key \"Hyper\"");
        QTest::newRow("key without name") << "key" << QStringLiteral("missing argument; usage: key NAME");
        QTest::newRow("zero wheel") << "wheel 0 1 2" << QStringLiteral("\"0\" is not a wheel delta");
        QTest::newRow("wheel without point")
            << "wheel 120" << QStringLiteral("missing argument; usage: wheel DELTA X Y");
        QTest::newRow("dialog without answer")
            << "dialog" << QStringLiteral("missing argument; usage: dialog accept|reject");
        QTest::newRow("dialog maybe")
            << "dialog maybe" << QStringLiteral("\"maybe\" is neither accept nor reject");
        QTest::newRow("field without value")
            << "dialog accept editTop" << QStringLiteral("\"editTop\" is not NAME=VALUE");
        QTest::newRow("field without name")
            << "dialog accept =3" << QStringLiteral("\"=3\" is not NAME=VALUE");
        QTest::newRow("undo with argument") << "undo 2" << QStringLiteral("too many arguments; usage: undo");
        QTest::newRow("screenshot without path")
            << "screenshot" << QStringLiteral("missing argument; usage: screenshot PATH");
        QTest::newRow("unknown check")
            << "expect colour red" << QStringLiteral("unknown check \"colour\"; one of: tool, undo-count");
        QTest::newRow("negative count") << "expect selected -1" << QStringLiteral("\"-1\" is not a count");
        QTest::newRow("message without text")
            << "expect message" << QStringLiteral("missing argument; usage: expect message TEXT");
        QTest::newRow("undo text without text")
            << "expect undo-text" << QStringLiteral("missing argument; usage: expect undo-text TEXT");
        QTest::newRow("overlaps not a count")
            << "expect overlaps some" << QStringLiteral("\"some\" is not a count");
        QTest::newRow("same as a given file")
            << "expect same-as-file /tmp/x.mak"
            << QStringLiteral("too many arguments; usage: expect same-as-file");
        QTest::newRow("open quote") << "save \"/tmp/x.mak" << QStringLiteral("a quote is not closed");
    }

    void refusesABadLineWithItsNumber()
    {
        QFETCH(QString, badLine);
        QFETCH(QString, message);
        const QString script =
            QStringLiteral("tool select\n# comment\n\n") + badLine + QStringLiteral("\nundo\n");
        QVector<ScriptStep> steps(1);
        int line = 0;
        QString error;
        QVERIFY(!ScriptParser::parse(script, &steps, &line, &error));
        QCOMPARE(line, 4);
        QVERIFY2(error.startsWith(message), qPrintable(error));
        // Nothing of the script is kept.
        QCOMPARE(steps.size(), 1);
    }

    void namesKeys()
    {
        const QList<QPair<QString, int>> names = {{"Space", Qt::Key_Space},
                                                  {"CONTROL", Qt::Key_Control},
                                                  {"Shift", Qt::Key_Shift},
                                                  {"alt", Qt::Key_Alt},
                                                  {"Return", Qt::Key_Return},
                                                  {"Escape", Qt::Key_Escape},
                                                  {"Minus", Qt::Key_Minus},
                                                  {"-", Qt::Key_Minus},
                                                  {"7", Qt::Key_7},
                                                  {"a", Qt::Key_A},
                                                  {"F12", Qt::Key_F12},
                                                  {"F13", 0},
                                                  {"F01", 0},
                                                  {"\u00E9", 0},
                                                  {QString(), 0}};
        for (const auto& name : names)
            QVERIFY2(ScriptParser::keyCode(name.first) == name.second, qPrintable(name.first));
    }
};

MARKER_TEST(tst_ScriptParser)
#include "tst_ScriptParser.moc"
