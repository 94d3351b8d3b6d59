#include "laystore/commands/CutDownTableCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbFabricObject.h"
#include "laystore/DocumentMak.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>

namespace VelSystem {

namespace {
const CmdRegistration<CutDownTableCmd> registration(QStringLiteral("CutDownTable"));

QString undoText(const char* text)
{
    return QCoreApplication::translate("VelSystem::CutDownTableCmd", text);
}
} // namespace

CutDownTableCmd::CutDownTableCmd() : CutDownTableCmd(undoText("Cut Down in Chart")) {}

CutDownTableCmd::CutDownTableCmd(const QString& text) : ChartCutDownCmd(text) {}

short CutDownTableCmd::setDocument(const boost::shared_ptr<Document>& document,
                                   const QList<QVariant>& parameters)
{
    CDbFabricObject* fabric = nullptr;
    short layer = 0;
    CDbCutDownObject position;
    DocumentMak* marker = chartTarget(document, parameters, 16, &fabric, &layer, &position);
    if (!marker)
        return 1;
    // A piece and its number from 1 must name the same piece of the fabric.
    const auto pieceAt = [&](int at) -> short {
        double number = 0.0;
        if (!numberAt(parameters, at + 1, &number) || number < 1 || number > fabric->pieceCount())
            return -1;
        const short index = static_cast<short>(number - 1);
        return pointerAt<void>(parameters, at) == fabric->piece(index) ? index : -1;
    };
    CDbSizePlan after = fabric->sizePlan();
    std::vector<CDbSizePlan::PiecePair> pairs = after.piecePairs();
    CDbChartCutDownHelper::Change change;
    const bool newPair = parameters[10].toBool();
    const bool move = parameters[11].toBool();
    QString text = undoText("Cut Down in Chart");
    if (newPair) {
        const short first = pieceAt(0);
        const short second = pieceAt(2);
        if (first < 0 || second < 0)
            return 1;
        if (after.piecePairOf(first) || after.piecePairOf(second) || after.hasSizePair())
            return CDbCutDownHelper::NotPairable;
        const CDbCutDownHelper::Code code =
            CDbChartCutDownHelper::pairPieces(*marker, fabric, layer, first, second, position, &change);
        if (code != CDbCutDownHelper::Success)
            return code;
        pairs.push_back({first, second, position});
    } else {
        const short piece = pieceAt(4);
        const CDbSizePlan::PiecePair* pair = piece < 0 ? nullptr : after.piecePairOf(piece);
        if (!pair || (move && (!position.isValid() || position == pair->position)))
            return 1;
        const auto ofPair = [a = pair->first, b = pair->second](const CDbPolygon& first,
                                                                const CDbPolygon& second) {
            return first.pieceIndex() == a && second.pieceIndex() == b;
        };
        auto found = pairs.begin() + (pair - after.piecePairs().data());
        if (move) {
            const CDbCutDownHelper::Code code =
                CDbChartCutDownHelper::relay(*marker, fabric, layer, ofPair, position, &change);
            if (code != CDbCutDownHelper::Success)
                return code;
            found->position = position;
            text = undoText("Chart Cut-Down Position");
        } else {
            CDbChartCutDownHelper::takeApart(*marker, fabric, layer, ofPair, &change);
            pairs.erase(found);
            text = undoText("Take Chart Cut-Down Apart");
        }
    }
    after.setPiecePairs(pairs);
    auto* applied = new CutDownTableCmd(text);
    applied->prepareChart(*marker, fabric, std::move(change), after);
    marker->undoStack()->push(applied);
    return 0;
}

} // namespace VelSystem
