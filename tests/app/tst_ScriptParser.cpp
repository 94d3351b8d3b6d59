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
    // The forms the end-to-end sessions do not write: comments, blank and CRLF lines, aliases
    // and capitals, exponents, quotes, joined words and steps without their optional parts.
    void readsEveryForm()
    {
        QString error;
        const QVector<ScriptStep> steps =
            parsed(QStringLiteral("# a session\n"
                                  "\n"
                                  "tool select   # the pointer\n"
                                  "key-release ctrl\r\n"
                                  "double-click 1e1 -2.5 CTRL middle\n"
                                  "release 10 20 right shift ALT\n"
                                  "save\n"
                                  "save \"/tmp/a marker.mak\"\n"
                                  "dialog accept editName=\"two words\" flag=\n"
                                  "expect message The   was \"un  done\"\n"
                                  "dialog maybe reject\n"
                                  "redo all\n"
                                  "expect same-as-file \"/tmp/a marker.mak\"\n"
                                  "lay\n"),
                   &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(steps.size(), 12);
        QCOMPARE(steps[0].line, 3);
        QCOMPARE(steps[0].text, QStringLiteral("select"));
        QCOMPARE(steps[0].source, QStringLiteral("tool select"));
        QCOMPARE(steps[1].key, int(Qt::Key_Control));
        QCOMPARE(steps[2].point, QPointF(10.0, -2.5));
        QCOMPARE(steps[2].button, Qt::MiddleButton);
        QCOMPARE(steps[2].modifiers, Qt::KeyboardModifiers(Qt::ControlModifier));
        QCOMPARE(steps[3].button, Qt::RightButton);
        QCOMPARE(steps[3].modifiers, Qt::ShiftModifier | Qt::AltModifier);
        QCOMPARE(steps[4].kind, ScriptStep::Save);
        QVERIFY(steps[4].text.isEmpty());
        QCOMPARE(steps[5].text, QStringLiteral("/tmp/a marker.mak"));
        const QList<QPair<QString, QString>> fields = {
            {QStringLiteral("editName"), QStringLiteral("two words")}, {QStringLiteral("flag"), QString()}};
        QCOMPARE(steps[6].fields, fields);
        QCOMPARE(steps[7].text, QStringLiteral("The was un  done"));
        QCOMPARE(steps[7].line, 10);
        QVERIFY(!steps[6].maybe && steps[8].maybe && !steps[8].accept);
        QVERIFY(steps[9].all);
        QCOMPARE(steps[10].text, QStringLiteral("/tmp/a marker.mak"));
        QCOMPARE(steps[11].kind, ScriptStep::Lay);
        QCOMPARE(steps[11].number, 60);
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
            << "dialog" << QStringLiteral("missing argument; usage: dialog [maybe] accept|reject");
        QTest::newRow("maybe without answer")
            << "dialog maybe" << QStringLiteral("missing argument; usage: dialog [maybe] accept|reject");
        QTest::newRow("neither accept nor reject")
            << "dialog maybe ok" << QStringLiteral("\"ok\" is neither accept nor reject");
        QTest::newRow("field without value")
            << "dialog accept editTop" << QStringLiteral("\"editTop\" is not NAME=VALUE");
        QTest::newRow("field without name")
            << "dialog accept =3" << QStringLiteral("\"=3\" is not NAME=VALUE");
        QTest::newRow("undo a count")
            << "undo 2" << QStringLiteral("\"2\" is not \"all\"; usage: undo [all]");
        QTest::newRow("redo all twice")
            << "redo all all" << QStringLiteral("too many arguments; usage: redo [all]");
        QTest::newRow("push without name") << "push" << QStringLiteral("missing argument; usage: push NAME");
        QTest::newRow("field without text")
            << "expect field labelDistance"
            << QStringLiteral("missing argument; usage: expect field NAME TEXT");
        QTest::newRow("lay for no time")
            << "lay 0" << QStringLiteral("\"0\" is not a number of seconds (a whole number, at least 1)");
        QTest::newRow("lay twice") << "lay 1 2" << QStringLiteral("too many arguments; usage: lay [SECONDS]");
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
        QTest::newRow("same as two files")
            << "expect same-as-file /tmp/x.mak /tmp/y.mak"
            << QStringLiteral("too many arguments; usage: expect same-as-file [PATH]");
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
