#pragma once

#include <QList>
#include <QPair>
#include <QPointF>
#include <QString>
#include <Qt>

namespace VelSystem {

// One step of a scripted session (docs/scripting.md), as read from its line. Which fields
// matter depends on the kind.
class ScriptStep
{
public:
    enum Kind
    {
        ChooseTool,   // text: the tool's identifier
        Press,        // point, button, modifiers
        Release,      // point, button, modifiers
        Click,        // point, button, modifiers: press and release
        DoubleClick,  // point, button, modifiers: press, release, double click, release
        DoublePress,  // point, button, modifiers: press, release, double click; the button stays held
        Move,         // point, modifiers; the buttons pressed before stay held
        KeyPress,     // key, text: its name
        KeyRelease,   // key, text
        KeyType,      // key, text: press and release
        Wheel,        // number: the delta (120 per notch, positive away from the user), point, modifiers
        AnswerDialog, // accept, fields, maybe: the answer to the next modal dialog
        Undo,         // all: every command instead of the last one
        Redo,         // all
        Lay,          // number: the seconds the search may take
        OptimiseCuts, // the Marker menu's "Optimise Cut Order"
        ExportHpgl,   // text: the path of the cutter's file
        CutView,      // all: shows the cut view (true) or hides it
        LinkView,     // all: opens the link view and makes it the active view (true), or closes it
        Save,         // text: the path, empty for the marker's own file
        Screenshot,   // text: the path
        PushButton,   // text: the object name of a button of the dialog in front
        ChartClick,   // text: "piece" or "size", number: its number from 1, modifiers
        Expect        // check, and text or number
    };
    enum Check
    {
        ExpectTool,         // text: the identifier of the current tool
        ExpectUndoCount,    // number: how many commands undo can take back
        ExpectSelected,     // number: how many objects are selected
        ExpectMessage,      // text: part of a message reported since the previous expect message
        ExpectNoMessage,    // nothing reported since the previous expect message
        ExpectInstructions, // text: part of the instruction page shown
        ExpectUndoText,     // text: the name of the command undo would take back
        ExpectOverlaps,     // number: how many pairs of laid pieces overlap
        ExpectUnmatched,    // number: how many links of laid pieces are off the plaid
        ExpectSameAsFile,   // text: a marker file, empty for its own; the marker holds exactly what it holds
        ExpectField,        // fields: one object name and the text its field of the dialog in front shows
        ExpectClipboard     // text: the clipboard's text
    };

    Kind kind = ChooseTool;
    // The line of the script the step came from, counting from 1, and its words.
    int line = 0;
    QString source;
    QString text;
    // In document coordinates: centimetres, y upward.
    QPointF point;
    Qt::MouseButton button = Qt::LeftButton;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    int key = 0;
    int number = 0;
    bool accept = true;
    // The answer is withdrawn when the step after it opens no dialog.
    bool maybe = false;
    bool all = false;
    // Object name and value of each dialog field to fill, in the order written.
    QList<QPair<QString, QString>> fields;
    Check check = ExpectTool;
};

} // namespace VelSystem
