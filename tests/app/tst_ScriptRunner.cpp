#include "PlatformNoise.h"
#include "app/HostTestMarker.h"
#include "app/HostTestTools.h"

#include "MarkerMainWindow.h"
#include "PluginModule.h"
#include "ScriptRunner.h"
#include "ToolController.h"

#include "VelCore/KeyboardMonitor.h"
#include "VelGui/DocumentView.h"
#include "laystore/DocumentMak.h"

#include "TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QtTest>
#include <boost/throw_exception.hpp>
#include <memory>

using namespace VelSystem;
using HostTest::TestTool;
using HostTest::TestToolFactory;

namespace {

// What a dialog opened by a test tool ended with.
struct DialogOutcome
{
    int result = -1;
    QString name;
    QString number;
    bool flag = false;
    int count = 0;
    QString kind;
};

// A modal dialog with one field of each kind a script can fill.
void runTestDialog(QWidget* parent, DialogOutcome* outcome)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Test Answers"));
    auto* name = new QLineEdit(QStringLiteral("old"), &dialog);
    name->setObjectName(QStringLiteral("editName"));
    auto* number = new QLineEdit(&dialog);
    number->setObjectName(QStringLiteral("editNumber"));
    number->setValidator(new QIntValidator(0, 99, number));
    auto* flag = new QCheckBox(&dialog);
    flag->setObjectName(QStringLiteral("checkFlag"));
    auto* count = new QSpinBox(&dialog);
    count->setObjectName(QStringLiteral("spinCount"));
    count->setRange(0, 10);
    auto* kind = new QComboBox(&dialog);
    kind->setObjectName(QStringLiteral("comboKind"));
    kind->addItems({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    for (QWidget* widget : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        layout->addWidget(widget);
    outcome->result = dialog.exec();
    outcome->name = name->text();
    outcome->number = number->text();
    outcome->flag = flag->isChecked();
    outcome->count = count->value();
    outcome->kind = kind->currentText();
}

} // namespace

class tst_ScriptRunner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostTest::silencePlatformNoise();
        QString error;
        QVERIFY2(mModule.load(PluginModule::defaultPath(), &error), qPrintable(error));
        QVERIFY(mDir.isValid());
        mFile = HostTest::writeTestMarker(QDir(mDir.path()));
        QVERIFY(!mFile.isEmpty());
    }

    void cleanupTestCase() { mModule.unload(); }
    void init()
    {
        KeyboardMonitor::instance().releaseAll();
        mSink = std::make_unique<RecordingSink>();
        mOut.clear();
        mErr.clear();
    }

    void cleanup()
    {
        mWindow.reset();
        mSink.reset();
        mFactory.made.clear();
        KeyboardMonitor::instance().releaseAll();
    }

    void keysReachTheToolThatIsCurrentWhenTheyArrive()
    {
        openWindow(&mFactory);
        QCOMPARE(run(QStringLiteral("key-press Control\nkey Plus\nkey-release Control\n")),
                 ScriptRunner::Succeeded);
        const QString control = QString::number(Qt::Key_Control);
        const QString plus = QString::number(Qt::Key_Plus);
        // The monitor sees the key first and switches; the view then hands the key to the new tool.
        QCOMPARE(tool("pointer")->calls,
                 QStringList({"start", "key+" + control, "key+" + plus, "key-" + plus, "stop"}));
        QCOMPARE(tool("block")->calls, QStringList({"start", "stop", "start", "key-" + control}));
    }

    void mouseStepsReachTheToolAtTheirDocumentPoints()
    {
        openWindow(&mFactory);
        QCOMPARE(run(QStringLiteral("press 10 20\n"
                                    "move 15.5 20\n"
                                    "release 15.5 20\n"
                                    "double-click 5 -3 right\n"
                                    "click 40 30\n")),
                 ScriptRunner::Succeeded);
        const boost::shared_ptr<TestTool> block = tool("block");
        QCOMPARE(block->calls.mid(1), QStringList({"press", "move", "release", "press", "release", "double",
                                                   "release", "press", "release"}));
        const QList<QPointF> expected = {{10, 20}, {15.5, 20}, {15.5, 20}, {5, -3}, {5, -3},
                                         {5, -3},  {5, -3},    {40, 30},   {40, 30}};
        QCOMPARE(block->positions.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) {
            const QPointF point = documentPoint(block->positions.at(i));
            QVERIFY2((point - expected.at(i)).manhattanLength() < 1e-9,
                     qPrintable(QStringLiteral("event %1 at %2, %3").arg(i).arg(point.x()).arg(point.y())));
        }
        QVERIFY2(mOut.startsWith(QStringLiteral("press left at 10, 20 cm (pixel ")), qPrintable(mOut));
    }

    void heldKeysAndButtonsShowInMouseEvents()
    {
        openWindow(&mFactory);
        // Shift held by a key step, Alt given on the step; the left button is still down at the
        // right press.
        QCOMPARE(run(QStringLiteral("key-press Shift\n"
                                    "press 1 1 alt\n"
                                    "press 1 1 right\n"
                                    "release 1 1 right\n"
                                    "release 1 1\n"
                                    "key-release Shift\n"
                                    "press 2 2\n"
                                    "release 2 2\n"
                                    "double-press 3 3\n"
                                    "press 3 3 right\n")),
                 ScriptRunner::Succeeded);
        const boost::shared_ptr<TestTool> block = tool("block");
        QCOMPARE(block->pressModifiers,
                 (QList<Qt::KeyboardModifiers>{Qt::ShiftModifier | Qt::AltModifier, Qt::ShiftModifier,
                                               Qt::NoModifier, Qt::NoModifier, Qt::NoModifier}));
        // A double press keeps its second press held.
        QCOMPARE(block->pressButtons,
                 (QList<Qt::MouseButtons>{Qt::LeftButton, Qt::LeftButton | Qt::RightButton, Qt::LeftButton,
                                          Qt::LeftButton, Qt::LeftButton | Qt::RightButton}));
        QCOMPARE(block->calls.mid(block->calls.size() - 4),
                 QStringList({"press", "release", "double", "press"}));
        QVERIFY2(mOut.contains(QStringLiteral(" with shift+alt\n")), qPrintable(mOut));
    }

    // How the view zooms is the view's; the step only has to reach it.
    void wheelReachesTheView()
    {
        openWindow(&mFactory);
        const double before = mWindow->activeView()->getScale();
        QCOMPARE(run(QStringLiteral("wheel 120 10 10\n")), ScriptRunner::Succeeded);
        QCOMPARE(tool("block")->calls.last(), QStringLiteral("wheel"));
        QVERIFY(mWindow->activeView()->getScale() > before);
    }

    void answersTheNextDialogWithItsFields()
    {
        openWindow(&mFactory);
        DialogOutcome outcome;
        pressOpensTheDialog(&outcome);
        const ScriptRunner::Result result =
            run(QStringLiteral("dialog accept editName=\"two words\" editNumber=42 checkFlag=yes spinCount=7 "
                               "comboKind=Beta\n"
                               "press 10 10\n"
                               "release 10 10\n"));
        QVERIFY2(result == ScriptRunner::Succeeded, qPrintable(mErr));
        QCOMPARE(outcome.result, int(QDialog::Accepted));
        QCOMPARE(outcome.name, QStringLiteral("two words"));
        QCOMPARE(outcome.number, QStringLiteral("42"));
        QVERIFY(outcome.flag);
        QCOMPARE(outcome.count, 7);
        QCOMPARE(outcome.kind, QStringLiteral("Beta"));
        QVERIFY2(mOut.contains(QStringLiteral("  dialog \"Test Answers\" accepted editName=two words")),
                 qPrintable(mOut));
        // The release came after the dialog closed, with the button let go.
        QCOMPARE(tool("block")->calls.last(), QStringLiteral("release"));

        QCOMPARE(run(QStringLiteral("dialog reject editName=new\nclick 10 10\n")), ScriptRunner::Succeeded);
        QCOMPARE(outcome.result, int(QDialog::Rejected));
        QCOMPARE(outcome.name, QStringLiteral("new"));

        // An answer given with "maybe" goes to the dialog of the next step, or is dropped.
        QVERIFY2(run(QStringLiteral("dialog maybe reject\ntool zoom\ntool block\n"
                                    "dialog maybe accept editName=maybe\nclick 10 10\n")) ==
                     ScriptRunner::Succeeded,
                 qPrintable(mErr));
        QCOMPARE(outcome.result, int(QDialog::Accepted));
        QCOMPARE(outcome.name, QStringLiteral("maybe"));

        // A dialog without an answer is rejected, and the steps after it do not run.
        outcome = DialogOutcome();
        QVERIFY(failureOf(QStringLiteral("tool zoom\ntool block\npress 10 10\ntool zoom\n"))
                    .startsWith(QStringLiteral(
                        "session.txt:3: the dialog \"Test Answers\" opened without an answer")));
        QCOMPARE(outcome.result, int(QDialog::Rejected));
        QCOMPARE(mWindow->toolController()->currentId(), std::string("block"));
    }

    void anAnswerThatDoesNotFitStopsAtItsLine_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such field")
            << "dialog accept editColour=red"
            << QStringLiteral("the dialog \"Test Answers\" has no field \"editColour\"");
        QTest::newRow("refused by the validator")
            << "dialog accept editNumber=123" << QStringLiteral("the field editNumber refused \"123\"");
        QTest::newRow("out of range")
            << "dialog accept spinCount=11"
            << QStringLiteral("the field spinCount takes a number from 0 to 10, not \"11\"");
        QTest::newRow("not a switch")
            << "dialog accept checkFlag=maybe"
            << QStringLiteral("the field checkFlag takes true or false, not \"maybe\"");
        QTest::newRow("not in the list")
            << "dialog accept comboKind=Gamma" << QStringLiteral("the list comboKind has no item \"Gamma\"");
    }

    void anAnswerThatDoesNotFitStopsAtItsLine()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        openWindow(&mFactory);
        DialogOutcome outcome;
        pressOpensTheDialog(&outcome);
        QCOMPARE(failureOf("tool block\n" + answer + "\npress 10 10\n"), "session.txt:2: " + message + '\n');
        QCOMPARE(outcome.result, int(QDialog::Rejected));
    }

    void anUnusedAnswerStopsTheScript()
    {
        openWindow(&mFactory);
        QCOMPARE(failureOf(QStringLiteral("dialog accept\npress 10 10\n")),
                 QStringLiteral("session.txt:1: no dialog opened for this answer\n"));
        QCOMPARE(
            failureOf(QStringLiteral("dialog accept\ndialog reject\n")),
            QStringLiteral("session.txt:2: the dialog answer of line 1 is still waiting for its dialog\n"));
    }

    void anExceptionInAToolIsReportedAndTheSessionGoesOn()
    {
        const RecordingLog quiet; // the report also logs the error
        openWindow(&mFactory);
        tool("block")->onPress = [] { BOOST_THROW_EXCEPTION(std::runtime_error("Error during blocking.")); };
        const ScriptRunner::Result result = run(QStringLiteral("press 10 10\n"
                                                               "expect message Error during blocking.\n"
                                                               "release 10 10\n"
                                                               "expect no-message\n"
                                                               "tool zoom\n"
                                                               "expect tool zoom\n"));
        QVERIFY2(result == ScriptRunner::Succeeded, qPrintable(mErr));
        QCOMPARE(mSink->errors, QStringList{QStringLiteral("Error during blocking.")});
    }

    void aFailingCheckStopsTheScriptAtItsLine()
    {
        openWindow(&mFactory);
        QCOMPARE(failureOf(QStringLiteral("tool zoom\n\nexpect tool hand\ntool block\n")),
                 QStringLiteral("session.txt:3: expected the tool \"hand\", the current tool is \"zoom\"\n"));
        QCOMPARE(mOut, QStringLiteral("tool zoom (ZOOM)\n"));

        for (const char* step : {"expect selected 2", "expect undo-count 1", "expect message Nothing",
                                 "expect instructions How to use hand", "tool spacer", "tool nothing",
                                 "push buttonCopy", "expect field labelDistance 1 cm", "undo", "redo"}) {
            const QString error = failureOf(QLatin1String(step));
            QVERIFY2(error.startsWith(QStringLiteral("session.txt:1: ")), qPrintable(step + error));
        }
        QVERIFY2(mErr.contains(QStringLiteral("nothing to redo")), qPrintable(mErr));
    }

    void undoRedoAndSave()
    {
        openWindow(&mFactory);
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        HostTest::addFly(*marker);
        HostTest::addFly(*marker, 90.0);
        const QString copy = mDir.filePath(QStringLiteral("copy.mak"));
        const QString shot = mDir.filePath(QStringLiteral("shot.png"));
        const ScriptRunner::Result result = run(QStringLiteral("expect undo-count 2\n"
                                                               "undo\n"
                                                               "expect undo-count 1\n"
                                                               "redo\n"
                                                               "save %1\n"
                                                               "undo all\n"
                                                               "expect undo-count 0\n"
                                                               "expect same-as-file %3\n"
                                                               "undo all\n"
                                                               "redo all\n"
                                                               "expect same-as-file\n"
                                                               "screenshot %2\n"
                                                               "expect selected 0\n")
                                                    .arg(copy, shot, mFile));
        QVERIFY2(result == ScriptRunner::Succeeded, qPrintable(mErr));
        QVERIFY2(mOut.contains("\nundo Add Fly\n") && mOut.contains("\nredo Add Fly\n"), qPrintable(mOut));
        QVERIFY2(mOut.contains("\nundo all: 2 commands\n") && mOut.contains("\nundo all: 0 commands\n"),
                 qPrintable(mOut));
        QCOMPARE(marker->fileName(), copy);
        QVERIFY(!marker->isModified());
        QCOMPARE(HostTest::savedGroupCount(copy), 6);
        QVERIFY(!QImage(shot).isNull());
    }

    void checksOverlapsUndoTextAndTheMarkersFile()
    {
        openWindow(&mFactory);
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        // The test marker's two pockets overlap.
        QCOMPARE(run(QStringLiteral("expect overlaps 1\nexpect same-as-file\n")), ScriptRunner::Succeeded);
        QCOMPARE(failureOf(QStringLiteral("expect undo-text Add Fly\n")),
                 QStringLiteral("session.txt:1: expected \"Add Fly\" to undo, there is nothing to undo\n"));

        HostTest::addFly(*marker);
        CDbFabricObject* fabric = marker->drawing()->getCurrentFabric();
        CDbGrPolysObject* pocket = marker->groups(fabric, 0).at(2);
        const std::unique_ptr<CDbAbstractObject> pocketAsSaved(pocket->clone());
        GeoPoint2D up(0.0, 30.0);
        pocket->translate(up);
        QCOMPARE(
            failureOf(QStringLiteral("expect undo-text Add Fly\nexpect overlaps 0\nexpect same-as-file\n")),
            QStringLiteral("session.txt:3: the marker differs from its file: "
                           "only the file has Pocket 40, turned 0.00°, not mirrored, at 35, 5; "
                           "only the marker has Pocket 40, turned 0.00°, not mirrored, at 35, 35; "
                           "only the marker has Front leg 40, turned 0.00°, not mirrored, at 70, 0\n"));
        QCOMPARE(
            failureOf(QStringLiteral("expect undo-text Add")),
            QStringLiteral("session.txt:1: expected \"Add\" to undo, the command to undo is \"Add Fly\"\n"));
        QCOMPARE(failureOf(QStringLiteral("expect overlaps 1")),
                 QStringLiteral("session.txt:1: expected 1 overlapping pairs of pieces, there are 0\n"));

        // Back as the file has it, in another order: the same marker.
        pocket->exchangeInfos(pocketAsSaved.get());
        marker->removePiece(pocket, fabric, 0);
        marker->addPiece(pocket, fabric, 0);
        marker->undoStack()->undo();
        QVERIFY2(run(QStringLiteral("expect same-as-file\n")) == ScriptRunner::Succeeded, qPrintable(mErr));
        QFile::remove(mFile);
        QVERIFY(failureOf(QStringLiteral("expect same-as-file\n")).contains(QStringLiteral("trousers.mak")));
        QVERIFY(!HostTest::writeTestMarker(QDir(mDir.path())).isEmpty());
    }

private:
    // Runs `script` on the window; the output goes to mOut and mErr.
    ScriptRunner::Result run(const QString& script)
    {
        QTextStream out(&mOut);
        QTextStream err(&mErr);
        ScriptRunner runner(mWindow.get(), &out, &err);
        return runner.run(QStringLiteral("session.txt"), script);
    }

    // What a script that must fail a step wrote to its error stream.
    QString failureOf(const QString& script)
    {
        mErr.clear();
        const ScriptRunner::Result result = run(script);
        return result == ScriptRunner::StepFailed ? mErr : QStringLiteral("ended with %1").arg(result);
    }

    // Opens the test marker in a new window using `factory`'s tools.
    void openWindow(ToolFactory* factory)
    {
        mWindow = std::make_unique<MarkerMainWindow>();
        QVERIFY(mWindow->openFile(mFile));
        mWindow->setToolFactory(factory);
    }

    boost::shared_ptr<TestTool> tool(const std::string& id) const { return mFactory.tool(id); }
    // Makes every press of the "block" tool open the test dialog.
    void pressOpensTheDialog(DialogOutcome* outcome)
    {
        tool("block")->onPress = [this, outcome] { runTestDialog(mWindow.get(), outcome); };
    }
    // The document point of a view pixel.
    QPointF documentPoint(const QPointF& pixel) const
    {
        return mWindow->activeView()->viewportTransform().inverted().map(pixel);
    }

    PluginModule mModule;
    TestToolFactory mFactory;
    QTemporaryDir mDir;
    QString mFile;
    std::unique_ptr<MarkerMainWindow> mWindow;
    std::unique_ptr<RecordingSink> mSink;
    QString mOut;
    QString mErr;
};

MARKER_TEST(tst_ScriptRunner)
#include "tst_ScriptRunner.moc"
