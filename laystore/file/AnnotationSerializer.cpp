#include "laystore/file/AnnotationSerializer.h"

#include "laystore/CDbGrPolysObject.h"
#include "laystore/CDbLineObject.h"
#include "laystore/CDbPunchHoleObject.h"
#include "laystore/CDbTextObject.h"
#include "laystore/file/FileKeys.h"
#include "laystore/file/FileValues.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/OutlineSerializer.h"

#include <QJsonArray>
#include <climits>
#include <limits>

namespace VelSystem {

namespace {

// Lines line up by one of these; a text keeps only its horizontal alignment in a file.
const FileValues::Names kAlignments = {
    {Qt::AlignLeft, "left"}, {Qt::AlignHCenter, "center"}, {Qt::AlignRight, "right"}};

} // namespace

const FileKeys AnnotationSerializer::kTextKeys = {{"type", 1},      {"lines", 1}, {"letterSize", 1},
                                                  {"alignment", 1}, {"angle", 1}, {"section", 1},
                                                  {"centre", 1}};
const FileKeys AnnotationSerializer::kLineKeys = {{"type", 1}, {"start", 1}, {"end", 1}, {"text", 1}};
const FileKeys AnnotationSerializer::kPunchHoleKeys = {{"type", 2}, {"centre", 2}};

QJsonObject AnnotationSerializer::write(const CDbTextObject& text)
{
    return {{"type", "text"},
            {"lines", QJsonArray::fromStringList(text.getLines())},
            {"letterSize", text.letterSize()},
            {"alignment", FileValues::nameOf(int(text.horizontalAlignment()), kAlignments)},
            {"angle", text.angle()},
            {"section", FileValues::nameOf(text.workSection(), FileValues::kSections)},
            {"centre", OutlineSerializer::pointJson(text.center())}};
}

QJsonObject AnnotationSerializer::write(const CDbLineObject& line)
{
    return {{"type", "line"},
            {"start", OutlineSerializer::pointJson(line.start())},
            {"end", OutlineSerializer::pointJson(line.end())},
            {"text", line.getText()}};
}

QJsonObject AnnotationSerializer::write(const CDbPunchHoleObject& hole)
{
    return {{"type", "punchHole"}, {"centre", OutlineSerializer::pointJson(hole.centre())}};
}

std::unique_ptr<CDbTextObject> AnnotationSerializer::readText(const JsonNode& n, int version)
{
    kTextKeys.check(n, version);
    auto text = std::make_unique<CDbTextObject>();
    const JsonNode linesNode = n["lines"];
    QStringList lines;
    for (int i = 0, count = linesNode.size(1, INT_MAX, tr("lines")); i < count; ++i)
        lines << linesNode.at(i).string();
    text->setLines(lines);
    text->setLetterSize(static_cast<short>(
        n["letterSize"].integer(1, std::numeric_limits<short>::max(), CDbTextObject::kDefaultLetterSize)));
    if (n["alignment"].isPresent())
        text->setAlignment(FileValues::readName(n["alignment"], kAlignments));
    // A text may turn a full turn either way, as its dialog lets it.
    const JsonNode angle = n["angle"];
    if (angle.isPresent())
        text->setAngle(angle.number(-CDbTextObject::kAngleLimit, CDbTextObject::kAngleLimit));
    text->setWorkSection(static_cast<short>(
        FileValues::readName(n["section"], FileValues::kSections, CDbGrPolysObject::SectionFabric)));
    text->setCenter(OutlineSerializer::readPoint(n["centre"], version));
    return text;
}

std::unique_ptr<CDbLineObject> AnnotationSerializer::readLine(const JsonNode& n, int version)
{
    kLineKeys.check(n, version);
    auto line = std::make_unique<CDbLineObject>();
    line->setPoints(OutlineSerializer::readPoint(n["start"], version),
                    OutlineSerializer::readPoint(n["end"], version));
    line->setText(n["text"].string(QString()));
    return line;
}

std::unique_ptr<CDbPunchHoleObject> AnnotationSerializer::readPunchHole(const JsonNode& n, int version)
{
    if (version < 2)
        n["type"].fail(tr("punch holes came with version 2"));
    kPunchHoleKeys.check(n, version);
    return std::make_unique<CDbPunchHoleObject>(OutlineSerializer::readPoint(n["centre"], version));
}

} // namespace VelSystem
