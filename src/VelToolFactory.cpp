#include "VelToolFactory.h"

#include "VelCore/DefaultLogger.h"
#include "VelCore/VelText.h"

#include <QCoreApplication>
#include <initializer_list>

namespace VelSystem {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("VelToolFactory", text);
}

QStringList translated(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << translated(text);
    return list;
}

// One instruction page: headings (ending in a colon) alternating with the text under them.
QString page(std::initializer_list<const char*> texts)
{
    return toHtml(translated(texts));
}

QStringList selectPages()
{
    QStringList texts = translated({
        QT_TRANSLATE_NOOP("VelToolFactory", "Move Single Piece:"),
        QT_TRANSLATE_NOOP("VelToolFactory", "left-click and drag the piece to the desired area;"),
        QT_TRANSLATE_NOOP("VelToolFactory", "Multi Selection:"),
        QT_TRANSLATE_NOOP("VelToolFactory", "left-click the piece to select or deselect with Shift."),
        QT_TRANSLATE_NOOP("VelToolFactory", "Move More Pieces:"),
        QT_TRANSLATE_NOOP("VelToolFactory", "left-click and drag the pieces to the desired area with Alt."),
        QT_TRANSLATE_NOOP("VelToolFactory", "Move Horizontally:"),
    });
    // The platform names the Control key differently.
    texts << translated(QT_TRANSLATE_NOOP("VelToolFactory", "click the Pointer tool with %1 and Alt."))
                 .arg(keyToString(Qt::ControlModifier));
    texts << translated({
        QT_TRANSLATE_NOOP("VelToolFactory", "Move Quickly:"),
        QT_TRANSLATE_NOOP("VelToolFactory", "double click and drag the piece to the desired area."),
    });
    return {toHtml(texts)};
}

} // namespace

VelToolFactory::VelToolFactory()
{
    mInstructions["select"] = &selectPages;
    mInstructions["zoom"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Zoom In:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "select the element(s);"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Zoom Out:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the target area with Alt."),
        })};
    };
    mInstructions["block"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Create a Blocking:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "click the piece in the standby or fabric simulation area;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Create Blocking for Over One Size:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the piece in the chart."),
        })};
    };
    mInstructions["cutdown"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Cut Down Two Pieces:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the first piece and then the second;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Cut Down All Pieces under Same Size:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the number of Size in the chart area."),
        })};
    };
    mInstructions["magnetic"] = [] {
        return QStringList{
            page({
                QT_TRANSLATE_NOOP("VelToolFactory", "Magnetic Cursor:"),
                QT_TRANSLATE_NOOP("VelToolFactory", "Select the desired piece."),
            }),
            page({
                QT_TRANSLATE_NOOP("VelToolFactory", "Magnetic Cursor:"),
                QT_TRANSLATE_NOOP("VelToolFactory", "Drag the cursor in the desired area."),
            }),
        };
    };
    mInstructions["cutangle"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Cut with Angle:"),
            QT_TRANSLATE_NOOP("VelToolFactory",
                              "left-click the piece without releasing (5 on the keyboard: change the cutting "
                              "rotation angle), then release the mouse button;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Vertical or Horizontal Cutting:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the piece with Alt;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Cut Piece of One Size:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the piece in the chart."),
        })};
    };
    mInstructions["editblock"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Modify Blocking Contour:"),
            QT_TRANSLATE_NOOP("VelToolFactory",
                              "click the piece with blocking, drag the control point to modify;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Add Blocking Control Point:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "click the blocking contour line;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove Blocking Control Point:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "click the control point with Alt."),
        })};
    };
    mInstructions["fillhole"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Fill a Hole:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "drag a rectangle shape to surround the void place."),
        })};
    };
    mInstructions["text"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Create Text:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "click the desired area and input the text."),
        })};
    };
    mInstructions["ruler"] = [] {
        return QStringList{
            page({
                QT_TRANSLATE_NOOP("VelToolFactory", "Distance between Two Points:"),
                QT_TRANSLATE_NOOP("VelToolFactory", "click the first reference point;"),
            }),
            page({
                QT_TRANSLATE_NOOP("VelToolFactory", "Distance between Two Points:"),
                QT_TRANSLATE_NOOP("VelToolFactory", "click the second reference point."),
            }),
        };
    };
    mInstructions["convert"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Convert Notch:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "click the notch of piece;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove Converted Notch:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "click the converted notch with Alt."),
        })};
    };
    // The hand grip needs no explanation.
    mInstructions["handgrip"] = [] { return QStringList(); };
    mInstructions["Sequence"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Reorder the Cut Sequence of a Marker:"),
            QT_TRANSLATE_NOOP("VelToolFactory",
                              "left-click the pieces in the order you wish them to be cut."),
        })};
    };
    mInstructions["StartPoint"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Relocate the Knife Starting Point:"),
            QT_TRANSLATE_NOOP("VelToolFactory", " left-lick the new starting point of the piece."),
        })};
    };
    mInstructions["ExternalHole"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Add External Punch Hole:"),
            QT_TRANSLATE_NOOP(
                "VelToolFactory",
                "left-click the space between your pieces in the simulated area to add punch holes;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove External Punch Hole:"),
            QT_TRANSLATE_NOOP("VelToolFactory",
                              "left-click the punch holes that you wish to remove with Alt."),
        })};
    };
    mInstructions["liftPlundge"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Add Lift and Plunge Points:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the point(s) where you wish to lift and plunge;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove Lift and Plunge Points:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the desired points with Alt."),
        })};
    };
    mInstructions["SymmetricalCut"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Enable a Symmetrical Cut:"),
            QT_TRANSLATE_NOOP("VelToolFactory",
                              "left-click the point where you wish the knife to start and the "
                              "one where the knife to end;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove the Symmetrical Cut Points:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the desired points with Alt."),
        })};
    };
    mInstructions["interalStartPoint"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Add Internal Start Point:"),
            QT_TRANSLATE_NOOP(
                "VelToolFactory",
                "left-click the desired internal segment and repeat the same step to another "
                "internal segment where you wish the knife to start. Cutting sequence is shown;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove the Internal Start Point:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the points that you wish to remove with Alt."),
        })};
    };
    mInstructions["matchPoint"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Create a Match Point:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click an existing point;"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove a Match Point:"),
            QT_TRANSLATE_NOOP("VelToolFactory",
                              "left-click the match point that you wish to remove with Alt."),
        })};
    };
    mInstructions["link"] = [] {
        return QStringList{page({
            QT_TRANSLATE_NOOP("VelToolFactory", "Create Links between Points:"),
            QT_TRANSLATE_NOOP(
                "VelToolFactory",
                "left-click the desired point on the pattern piece and then another point from "
                "other pattern piece to create new link (double-click the link line to edit Link "
                "Properties);"),
            QT_TRANSLATE_NOOP("VelToolFactory", "Remove a Link:"),
            QT_TRANSLATE_NOOP("VelToolFactory", "left-click the line with Alt to remove."),
        })};
    };
    // The scale tool shows an empty page rather than none.
    mInstructions["scale"] = [] { return QStringList{page({})}; };
    // "spacing" is never enabled and has no instructions.
}

VelToolFactory& VelToolFactory::instance()
{
    static VelToolFactory factory;
    return factory;
}

std::vector<std::string> VelToolFactory::toolIds() const
{
    std::vector<std::string> ids;
    ids.reserve(creators.size());
    for (const auto& entry : creators)
        ids.push_back(entry.first);
    return ids;
}

boost::shared_ptr<AbstractTool> VelToolFactory::createTool(const std::string& id)
{
    const auto it = creators.find(id);
    if (it == creators.end()) {
        DefaultLogger(2) << QCoreApplication::translate("Velsystem::VelToolFactory", "No such tool id") << id;
        return {};
    }
    return it->second(id);
}

} // namespace VelSystem
