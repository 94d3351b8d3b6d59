#include "laystore/commands/CutDownCmd.h"

#include "VelCore/CmdsManager.h"
#include "laystore/CDbGrPolysObject.h"
#include "laystore/DocumentMak.h"
#include "laystore/ops/CDbCutDownHelper.h"

#include <QCoreApplication>

namespace VelSystem {

namespace {
const CmdRegistration<CutDownCmd> registration(QStringLiteral("CutDown"));
} // namespace

CutDownCmd::CutDownCmd() : LayerReplaceCmd(QCoreApplication::translate("VelSystem::CutDownCmd", "Cut Down"))
{}

short CutDownCmd::setDocument(const boost::shared_ptr<Document>& document, const QList<QVariant>& parameters)
{
    const auto marker = boost::dynamic_pointer_cast<DocumentMak>(document);
    double values[5] = {};
    const int numbers[5] = {0, 3, 4, 5, 6};
    if (!marker || parameters.size() != 7)
        return 1;
    for (int k = 0; k < 5; ++k) {
        if (!numberAt(parameters, numbers[k], &values[k]))
            return 1;
    }
    CDbGrPolysObject* first = placedGroup(*marker, pointerAt<void>(parameters, 1));
    CDbGrPolysObject* second = placedGroup(*marker, pointerAt<void>(parameters, 2));
    if (!first || !second)
        return 1;
    const CDbCutDownObject position(static_cast<short>(values[1]), values[2], static_cast<short>(values[3]),
                                    values[4]);
    CDbCutDownHelper::Code code = CDbCutDownHelper::Success;
    std::unique_ptr<CDbGrPolysObject> pair =
        CDbCutDownHelper::makePair(*first, *second, position, layerWidth(*marker, *first), &code);
    if (!pair)
        return code;
    prepare(*marker, {first, second}, {pair.release()});
    return 0;
}

} // namespace VelSystem
