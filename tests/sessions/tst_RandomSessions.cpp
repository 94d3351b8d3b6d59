// Random editing sessions on the bundled sample marker: seeded scripts of presses, drags,
// clicks with modifiers, keys, wheel turns, undo, redo and dialog answers over every tool,
// run through markerhost's scripting as a user's events. After each session nothing may have
// been reported but refusals, the marker must save and read back the same, undoing everything
// must give back the sample and redoing everything the marker as it was before. A failing
// session prints its seed and the script that reproduces it, to run in a folder of your own:
//     markerhost --script SCRIPT copy-of-the-sample.mak
// MARKER_RANDOM_SESSIONS sets how many sessions run (scripts/fuzz --sessions runs more), and
// MARKER_RANDOM_SEED the seed of the first.

#include "PlatformNoise.h"
#include "gui/GuiTestDoubles.h"

#include "MarkerMainWindow.h"
#include "PluginModule.h"
#include "ScriptRunner.h"
#include "ToolController.h"

#include "VelCore/KeyboardMonitor.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbMarkerDrawing.h"
#include "laystore/DocumentMak.h"
#include "laystore/file/MarkerFile.h"

#include "TestMain.h"
#include <QTemporaryDir>
#include <QTextStream>
#include <QUndoStack>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

using namespace VelSystem;

namespace {

const char* const kSample = MARKER_SOURCE_DIR "/samples/trousers-sample.mak";
// Where every session saves, in the folder it runs in.
const char* const kSaved = "random-session.mak";

// Gestures of a tool.
enum Gesture : unsigned
{
    Click = 1u << 0,
    DoubleClick = 1u << 1,
    Drag = 1u << 2,           // press, moves with the tool's keys typed on the way, release
    DoublePressDrag = 1u << 3 // a double click whose second press drags
};

// What a user does with one tool. A tool joins the random sessions with its row in kTools.
struct RandomTool
{
    const char* id;
    unsigned gestures;
    // Keys that mean something to the tool: typed during its drags, or held over a gesture.
    std::vector<const char*> keys;
    // Answers to the dialogs its gestures may open.
    std::vector<const char*> dialogAnswers;
};

const RandomTool kTools[] = {
    {"select",
     Click | DoubleClick | Drag | DoublePressDrag,
     {"5", "7", "9", "Plus", "Minus", "Enter", "0"},
     {"accept textEdit=\"Size 38\"", "accept textEdit=\"\"", "reject"}},
    {"magnetic", Click | DoubleClick | Drag, {"5", "7", "9", "Plus", "Minus"}, {}},
    {"zoom", Click | DoubleClick | Drag, {"Alt"}, {}},
    {"handgrip", Click | Drag, {}, {}},
    {"scale", Click | Drag, {}, {}},
    {"ruler", Click | DoubleClick | Drag, {}, {}},
    {"block", Click, {"Alt"}, {}},
    {"editblock", Click | Drag, {"Alt"}, {}},
    {"text",
     Click | Drag,
     {},
     {"accept textList=\"Lot 12\" textList=\"Denim 14 oz\" comboBoxLetterSize=36 editAngle=90 "
      "checkReverse=true",
      "accept textList=A editAngle=-33.3", "reject"}},
    {"cutdown",
     Click,
     {"Alt"},
     {"accept radioVerticalLeft=true editOffsetX=2 radioHorizontalBottom=true editOffsetY=-1",
      "accept radioHorizontalTop=true editOffsetY=3", "reject"}},
    // Its drag asks for a seam and its Alt-click for a whole cut: answers both dialogs take.
    {"cutangle", Click | Drag, {"5", "Plus", "Minus", "Alt"}, {"accept", "reject"}},
    {"matchPoint", Click, {"Alt"}, {}},
    {"link", Click, {"Alt"}, {}},
    {"Sequence", Click, {}, {}},
    {"StartPoint", Click, {}, {}},
    {"interalStartPoint", Click, {"Alt", "Shift"}, {}},
    {"liftPlundge", Click, {"Alt", "Shift"}, {}},
    {"SymmetricalCut", Click, {"Alt", "Shift"}, {}},
    {"ExternalHole", Click, {"Alt"}, {}},
    {"convert", Click, {"Alt", "Shift"}, {}},
};

// Keys held to choose a tool for a while, and keys any tool may meet.
const char* const kToolKeys[] = {"Control", "Space"};
const char* const kAnyKeys[] = {"Escape", "Delete", "Shift", "Return"};

int sessionCount()
{
    const int count = qEnvironmentVariableIntValue("MARKER_RANDOM_SESSIONS");
    return count > 0 ? count : 30;
}

// Writes a session step by step from where the marker and its tools are now, so that presses
// land on pieces where they lie and undo comes when there is something to undo. The same
// seed writes the same session.
class SessionWriter
{
public:
    SessionWriter(quint32 seed, MarkerMainWindow* window) : mRandom(seed), mWindow(window) {}

    // The next gesture or step, as script lines.
    QString next()
    {
        mLines.clear();
        const QUndoStack* stack = mWindow->activeMarker()->undoStack();
        const int dice = pick(100);
        if (dice < 8)
            add(QStringLiteral("tool %1").arg(QLatin1String(kTools[pick(std::size(kTools))].id)));
        else if (dice < 14 && stack->canUndo())
            add(QStringLiteral("undo"));
        else if (dice < 18 && stack->canRedo())
            add(QStringLiteral("redo"));
        else if (dice < 23)
            toggleHeld(QLatin1String(kToolKeys[pick(std::size(kToolKeys))]));
        else if (dice < 28)
            add(QStringLiteral("wheel %1 %2%3").arg(wheelDelta()).arg(point(somewhere()), modifiers()));
        else if (dice < 32)
            add(QStringLiteral("key %1").arg(QLatin1String(kAnyKeys[pick(std::size(kAnyKeys))])));
        else
            gesture();
        return mLines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }

    // Lets go of the buttons and keys still held.
    QString finish()
    {
        mLines.clear();
        if (!mHeldButton.isEmpty())
            add(QStringLiteral("release %1 %2").arg(point(mLast), mHeldButton));
        mHeldButton.clear();
        for (const QString& key : qAsConst(mHeldKeys))
            add(QStringLiteral("key-release %1").arg(key));
        mHeldKeys.clear();
        return mLines.isEmpty() ? QString() : mLines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }

private:
    int pick(std::size_t count)
    {
        return int(std::uniform_int_distribution<std::size_t>(0, count - 1)(mRandom));
    }
    bool chance(int percent) { return pick(100) < percent; }
    double between(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(mRandom);
    }
    void add(const QString& line) { mLines << line; }

    const RandomTool& currentTool() const
    {
        const std::string id = mWindow->toolController()->currentId();
        for (const RandomTool& tool : kTools) {
            if (id == tool.id)
                return tool;
        }
        qFatal("the random sessions have no row for the tool \"%s\"", id.c_str());
    }

    void toggleHeld(const QString& key)
    {
        if (mHeldKeys.removeOne(key)) {
            add(QStringLiteral("key-release %1").arg(key));
        } else {
            mHeldKeys << key;
            add(QStringLiteral("key-press %1").arg(key));
        }
    }

    void gesture()
    {
        const RandomTool& tool = currentTool();
        std::vector<Gesture> gestures;
        for (Gesture g : {Click, DoubleClick, Drag, DoublePressDrag}) {
            if (tool.gestures & g)
                gestures.push_back(g);
        }
        const Gesture chosen = gestures[std::size_t(pick(gestures.size()))];
        const QString button = chance(80)   ? QStringLiteral("left")
                               : chance(75) ? QStringLiteral("right")
                                            : QStringLiteral("middle");
        QString held;
        if (!tool.keys.empty() && chance(15)) {
            held = QLatin1String(tool.keys[std::size_t(pick(tool.keys.size()))]);
            if (!mHeldKeys.contains(held))
                toggleHeld(held);
            else
                held.clear();
        }
        // A press still held from a gesture cut short is let go by this one's press.
        mLast = somewhere();
        const QString at = QStringLiteral("%1 %2%3").arg(point(mLast), button, modifiers());
        switch (chosen) {
        case Click:
        case DoubleClick:
            answerMaybe(tool);
            add((chosen == Click ? QStringLiteral("click ") : QStringLiteral("double-click ")) + at);
            break;
        default:
            answerMaybe(tool);
            add((chosen == Drag ? QStringLiteral("press ") : QStringLiteral("double-press ")) + at);
            mHeldButton = button;
            for (int moves = 1 + pick(6); moves > 0; --moves) {
                mLast += QPointF(between(-40.0, 40.0), between(-25.0, 25.0));
                add(QStringLiteral("move %1%2").arg(point(mLast), modifiers()));
                if (!tool.keys.empty() && chance(25))
                    add(QStringLiteral("key %1").arg(
                        QLatin1String(tool.keys[std::size_t(pick(tool.keys.size()))])));
            }
            // Now and then the release never comes.
            if (chance(95)) {
                answerMaybe(tool);
                add(QStringLiteral("release %1 %2%3").arg(point(mLast), button, modifiers()));
                mHeldButton.clear();
            }
        }
        if (!held.isEmpty())
            toggleHeld(held);
    }

    void answerMaybe(const RandomTool& tool)
    {
        if (!tool.dialogAnswers.empty())
            add(QStringLiteral("dialog maybe %1")
                    .arg(QLatin1String(tool.dialogAnswers[std::size_t(pick(tool.dialogAnswers.size()))])));
    }

    // On a piece, text or line where it lies now, mostly; else anywhere on or around the marker.
    QPointF somewhere()
    {
        const boost::shared_ptr<DocumentMak> marker = mWindow->activeMarker();
        CDbFabricObject* fabric = marker->drawing()->getCurrentFabric();
        const QListEx<CDbAbstractObject*> objects =
            marker->objects(fabric, marker->drawing()->currentLayer());
        if (!objects.isEmpty() && chance(65)) {
            const GeoRectangle box = objects.at(pick(std::size_t(objects.size())))->boundingRect();
            const GeoPoint2D centre = box.center();
            return {centre.x + between(-0.3, 0.3) * box.width(),
                    centre.y + between(-0.3, 0.3) * box.height()};
        }
        double length = 0.0;
        for (const CDbAbstractObject* object : objects)
            length = std::max(length, object->boundingRect().xmax);
        const double width = fabric->getFabricLayerWidth(marker->drawing()->currentLayer());
        return {between(-20.0, length + 40.0), between(-20.0, 2.0 * width + 20.0)};
    }

    QString modifiers()
    {
        QString words;
        for (const char* modifier : {"shift", "alt", "ctrl"}) {
            if (chance(12))
                words += QLatin1Char(' ') + QLatin1String(modifier);
        }
        return words;
    }

    int wheelDelta()
    {
        static const int deltas[] = {120, -120, 240, -240, 30, -60};
        return deltas[pick(std::size(deltas))];
    }

    static QString point(const QPointF& p)
    {
        return QStringLiteral("%1 %2").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
    }

    std::mt19937 mRandom;
    MarkerMainWindow* mWindow;
    QStringList mLines;
    QStringList mHeldKeys;
    QString mHeldButton;
    QPointF mLast;
};

// Drops the debug lines of the many drops a session makes and keeps the rest for a report.
QStringList& sessionLog()
{
    static QStringList lines;
    return lines;
}

void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg &&
        !message.contains(QLatin1String("does not support propagateSizeHints")))
        sessionLog() << message;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_RandomSessions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostTest::silencePlatformNoise();
        QString error;
        QVERIFY2(mModule.load(PluginModule::defaultPath(), &error), qPrintable(error));
        QVERIFY(mDir.isValid());
        // Sessions save beside themselves, as a script run by hand does.
        mWorkingDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(mDir.path()));
    }

    void cleanupTestCase()
    {
        QDir::setCurrent(mWorkingDir);
        mModule.unload();
    }

    void everySessionUndoesToTheSampleAndRedoesToItsEnd()
    {
        const quint32 first = quint32(qEnvironmentVariableIntValue("MARKER_RANDOM_SEED"));
        int steps = 0;
        for (int i = 0; i < sessionCount(); ++i) {
            runSession(first + quint32(i), &steps);
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%d random sessions of %d steps in all, seeds %u to %u", sessionCount(), steps, first,
              first + quint32(sessionCount()) - 1);
    }

private:
    void runSession(quint32 seed, int* steps)
    {
        KeyboardMonitor::instance().releaseAll();
        const QString copy = mDir.filePath(QStringLiteral("sample.mak"));
        QFile::remove(copy);
        QVERIFY(QFile::copy(QString::fromUtf8(kSample), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner));
        RecordingSink sink;
        MarkerMainWindow window;
        window.setToolFactory(mModule.factory());
        QVERIFY(window.openFile(copy));
        window.show();
        sessionLog().clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);

        QString script = QStringLiteral("# random editing session, seed %1\n").arg(seed);
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        ScriptRunner runner(&window, &outStream, &errStream);
        SessionWriter writer(seed, &window);
        // Each part runs as it is written; the lines before it, blanked, keep the line numbers
        // of failures those of the whole script.
        const auto runPart = [&](const QString& part) {
            const QString blank(script.count(QLatin1Char('\n')), QLatin1Char('\n'));
            script += part;
            *steps += part.count(QLatin1Char('\n'));
            return runner.run(QStringLiteral("session"), blank + part) == ScriptRunner::Succeeded;
        };
        bool ok = true;
        for (int gestures = 0; ok && gestures < 40; ++gestures)
            ok = runPart(writer.next());
        // Redone first, what undo left to redo: "redo all" at the end must bring back the
        // marker as saved, not more.
        ok = ok && runPart(writer.finish() + QStringLiteral("redo all\n"
                                                            "save %1\n"
                                                            "expect same-as-file\n"
                                                            "undo all\n"
                                                            "expect same-as-file %2\n"
                                                            "redo all\n"
                                                            "expect same-as-file\n")
                                                 .arg(QLatin1String(kSaved), QString::fromUtf8(kSample)));
        qInstallMessageHandler(previous);

        QStringList problems;
        if (!ok)
            problems << err.trimmed();
        if (!sink.errors.isEmpty())
            problems << QStringLiteral("errors reported: ") + sink.errors.join(QStringLiteral("; "));
        if (!sessionLog().isEmpty())
            problems << QStringLiteral("warnings: ") + sessionLog().join(QStringLiteral("; "));
        if (ok) {
            // Exactly, not only piece by piece: the file reads back to what was written, and
            // redoing everything gives the marker in the same order as it was saved.
            const QByteArray saved = readAll(QString::fromUtf8(kSaved));
            QString error;
            const boost::shared_ptr<DocumentMak> again = MarkerFile::load(QString::fromUtf8(kSaved), &error);
            if (!again || MarkerFile::toJson(*again) != saved)
                problems << QStringLiteral("the saved marker reads back different ") + error;
            else if (MarkerFile::toJson(*window.activeMarker()) != saved)
                problems << QStringLiteral("redoing everything does not give the marker as it was saved");
        }
        if (problems.isEmpty())
            return;
        // Whole, where QtTest would cut a long message short.
        std::fprintf(stderr, "%s", qPrintable(script));
        QFAIL(qPrintable(QStringLiteral("seed %1: %2\n(the script that reproduces it is printed above)")
                             .arg(seed)
                             .arg(problems.join(QLatin1Char('\n')))));
    }

    PluginModule mModule;
    QTemporaryDir mDir;
    QString mWorkingDir;
};

MARKER_TEST(tst_RandomSessions)
#include "tst_RandomSessions.moc"
