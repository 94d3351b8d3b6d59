#include "ScriptParser.h"

#include <QtTest>

using namespace VelSystem;

class tst_ScriptParser : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryStepWithItsLine();
    void readsMouseStepsWithButtonAndModifiers();
    void readsDialogAnswersAndChecks();
    void refusesABadLineWithItsNumber_data();
    void refusesABadLineWithItsNumber();
    void namesKeys();
};

void tst_ScriptParser::readsEveryStepWithItsLine()
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
    QVector<ScriptStep> steps;
    int line = 0;
    QString error;
    QVERIFY2(ScriptParser::parse(script, &steps, &line, &error), qPrintable(error));
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

void tst_ScriptParser::readsMouseStepsWithButtonAndModifiers()
{
    QVector<ScriptStep> steps;
    int line = 0;
    QString error;
    QVERIFY2(ScriptParser::parse(QStringLiteral("press 10 -2.5\n"
                                                "release 10 20 right shift ALT\n"
                                                "double-click 1e1 0 ctrl middle\n"
                                                "click 3 4\n"
                                                "move 5 6 shift\n"
                                                "double-press 7 8 right\n"),
                                 &steps, &line, &error),
             qPrintable(error));
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

void tst_ScriptParser::readsDialogAnswersAndChecks()
{
    QVector<ScriptStep> steps;
    int line = 0;
    QString error;
    QVERIFY2(ScriptParser::parse(QStringLiteral("dialog accept editTop=2.5 editName=\"two words\" flag=\n"
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
                                 &steps, &line, &error),
             qPrintable(error));
    QCOMPARE(steps.size(), 11);
    QVERIFY(steps.at(0).accept);
    const QList<QPair<QString, QString>> fields = {{QStringLiteral("editTop"), QStringLiteral("2.5")},
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

void tst_ScriptParser::refusesABadLineWithItsNumber_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown step") << "jump 1 2"
                                  << "unknown step \"jump\"";
    QTest::newRow("step in capitals") << "Press 1 2"
                                      << "unknown step \"Press\"";
    QTest::newRow("tool without id") << "tool"
                                     << "missing argument; usage: tool ID";
    QTest::newRow("two tools") << "tool select zoom"
                               << "too many arguments; usage: tool ID";
    QTest::newRow("one coordinate") << "press 10"
                                    << "missing argument; usage: press X Y";
    QTest::newRow("not a number") << "move 10 abc"
                                  << "\"abc\" is not a number of centimetres";
    QTest::newRow("infinite") << "click inf 2"
                              << "\"inf\" is not a number of centimetres";
    QTest::newRow("comma decimal") << "press 1,5 2"
                                   << "\"1,5\" is not a number of centimetres";
    QTest::newRow("unknown modifier") << "press 1 2 hyper"
                                      << "unknown button or modifier \"hyper\"";
    QTest::newRow("two buttons") << "press 1 2 left right"
                                 << "\"right\": one button a step";
    QTest::newRow("button on move") << "move 1 2 left"
                                    << "\"left\": this step takes no button";
    QTest::newRow("unknown key") << "key-press Hyper"
                                 << "unknown key \"Hyper\"";
    QTest::newRow("key without name") << "key"
                                      << "missing argument; usage: key NAME";
    QTest::newRow("zero wheel") << "wheel 0 1 2"
                                << "\"0\" is not a wheel delta";
    QTest::newRow("wheel without point") << "wheel 120"
                                         << "missing argument; usage: wheel DELTA X Y";
    QTest::newRow("dialog without answer") << "dialog"
                                           << "missing argument; usage: dialog accept|reject";
    QTest::newRow("dialog maybe") << "dialog maybe"
                                  << "\"maybe\" is neither accept nor reject";
    QTest::newRow("field without value") << "dialog accept editTop"
                                         << "\"editTop\" is not NAME=VALUE";
    QTest::newRow("field without name") << "dialog accept =3"
                                        << "\"=3\" is not NAME=VALUE";
    QTest::newRow("undo with argument") << "undo 2"
                                        << "too many arguments; usage: undo";
    QTest::newRow("screenshot without path") << "screenshot"
                                             << "missing argument; usage: screenshot PATH";
    QTest::newRow("unknown check") << "expect colour red"
                                   << "unknown check \"colour\"; one of: tool, undo-count";
    QTest::newRow("negative count") << "expect selected -1"
                                    << "\"-1\" is not a count";
    QTest::newRow("message without text") << "expect message"
                                          << "missing argument; usage: expect message TEXT";
    QTest::newRow("undo text without text") << "expect undo-text"
                                            << "missing argument; usage: expect undo-text TEXT";
    QTest::newRow("overlaps not a count") << "expect overlaps some"
                                          << "\"some\" is not a count";
    QTest::newRow("same as a given file") << "expect same-as-file /tmp/x.mak"
                                          << "too many arguments; usage: expect same-as-file";
    QTest::newRow("open quote") << "save \"/tmp/x.mak"
                                << "a quote is not closed";
}

void tst_ScriptParser::refusesABadLineWithItsNumber()
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

void tst_ScriptParser::namesKeys()
{
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("Space")), int(Qt::Key_Space));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("CONTROL")), int(Qt::Key_Control));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("Shift")), int(Qt::Key_Shift));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("alt")), int(Qt::Key_Alt));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("Return")), int(Qt::Key_Return));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("Escape")), int(Qt::Key_Escape));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("Minus")), int(Qt::Key_Minus));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("-")), int(Qt::Key_Minus));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("7")), int(Qt::Key_7));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("a")), int(Qt::Key_A));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("F12")), int(Qt::Key_F12));
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("F13")), 0);
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("F01")), 0);
    QCOMPARE(ScriptParser::keyCode(QStringLiteral("é")), 0);
    QCOMPARE(ScriptParser::keyCode(QString()), 0);
}

QTEST_MAIN(tst_ScriptParser)
#include "tst_ScriptParser.moc"
