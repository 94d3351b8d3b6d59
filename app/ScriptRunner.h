#pragma once

#include "ScriptStep.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

class QTextStream;
class QWidget;

namespace VelSystem {

class DialogAnswerer;
class DocumentMak;
class DocumentView;
class MarkerMainWindow;

// Runs a scripted session (docs/scripting.md) on the host's window. Mouse, key and wheel
// steps become real Qt events sent to the active document view at the pixels of their
// document points, so the view routes them to the current tool, the keyboard monitor sees
// the keys and temporary tools come and go as they do for a user.
class ScriptRunner : public QObject
{
    Q_OBJECT
public:
    // Prints one line per step to `out`, and failures as "FILE:LINE: message" to `err`.
    ScriptRunner(MarkerMainWindow* window, QTextStream* out, QTextStream* err, QObject* parent = nullptr);
    ~ScriptRunner() override;

    // Exit codes of run().
    enum Result
    {
        Succeeded = 0,
        StepFailed = 1,
        UnreadableScript = 2
    };

    // Reads and runs the script file `path`.
    Result runFile(const QString& path);
    // Runs the script `text`; `name` stands for its file in messages. Nothing runs when a
    // line cannot be read; otherwise the steps run in order up to the first that fails.
    Result run(const QString& name, const QString& text);

private:
    bool execute(const ScriptStep& step, QString* done, QString* error);
    bool chooseTool(const ScriptStep& step, QString* done, QString* error);
    bool sendMouse(const ScriptStep& step, QString* done, QString* error);
    bool sendKey(const ScriptStep& step, QString* done);
    bool sendWheel(const ScriptStep& step, QString* done, QString* error);
    bool undoOrRedo(const ScriptStep& step, QString* done, QString* error);
    // Lays the waiting pieces of the active marker, without the progress dialog.
    bool lay(const ScriptStep& step, QString* done, QString* error);
    // Optimises the cut order of the active marker, printing its cut and air lengths.
    bool optimiseCuts(const ScriptStep& step, QString* done, QString* error);
    bool save(const ScriptStep& step, QString* done, QString* error);
    bool pushButton(const ScriptStep& step, QString* done, QString* error);
    // Shows the size chart and clicks the number of a piece row or a size column.
    bool clickChart(const ScriptStep& step, QString* done, QString* error);
    bool check(const ScriptStep& step, QString* done, QString* error);
    bool checkMessage(const ScriptStep& step, QString* error);
    // The checks on the active marker: undo count and text, selection, overlaps, its file.
    bool checkMarker(const ScriptStep& step, QString* error);
    // Compares the marker with the file at `path`, or with its own file when that is empty.
    bool checkSameAsFile(const DocumentMak& document, const QString& path, QString* error);
    bool checkField(const ScriptStep& step, QString* error) const;
    // The non-modal dialog in front, or null with `error` saying there is none.
    QWidget* frontDialog(QString* error) const;

    // Sends one mouse event of `type` to `view` at the document point `point`.
    void postMouse(DocumentView* view, int type, const QPointF& point, Qt::MouseButton button,
                   Qt::KeyboardModifiers modifiers);
    void postKey(int type, int key);
    // The modifiers of the keys held by key-press steps, and `extra`.
    Qt::KeyboardModifiers modifiers(Qt::KeyboardModifiers extra = Qt::NoModifier) const;
    DocumentView* view(QString* error) const;
    QString currentTool() const;

    MarkerMainWindow* mWindow;
    QTextStream& mOut;
    QTextStream& mErr;
    DialogAnswerer* mDialogs;
    // Messages and errors reported and not yet matched by an expect message step.
    QStringList mReports;
    Qt::MouseButtons mButtons = Qt::NoButton;
    QSet<int> mHeldKeys;
};

} // namespace VelSystem
