#include "laystore/file/FileValues.h"

#include "laystore/CDbGrPolysObject.h"
#include "laystore/file/JsonNode.h"
#include "laystore/file/MarkerFile.h"

#include <algorithm>

namespace VelSystem {

namespace {

QStringList namesOf(const FileValues::Names& names)
{
    QStringList all;
    for (const auto& f : names)
        all << f.second;
    return all;
}

} // namespace

const FileValues::Names FileValues::kSections = {{CDbGrPolysObject::SectionFabric, "fabric"},
                                                 {CDbGrPolysObject::SectionStandby, "standby"}};

double FileValues::coordinate(const JsonNode& n)
{
    return n.number(-MarkerFile::kCoordinateLimit, MarkerFile::kCoordinateLimit);
}

double FileValues::coordinate(const JsonNode& n, double fallback)
{
    return n.isPresent() ? coordinate(n) : fallback;
}

double FileValues::length(const JsonNode& n)
{
    return n.positive(MarkerFile::kCoordinateLimit);
}

short FileValues::index(const JsonNode& n, int count, const QString& what)
{
    if (count == 0)
        n.fail(tr("there are no %1 to refer to").arg(what));
    // The model keeps indexes in 16 bits: elements past them cannot be named.
    return static_cast<short>(n.integer(0, std::min(count, kMaxIndexCount + 1) - 1));
}

QJsonArray FileValues::flagsJson(int flags, const Names& names)
{
    QJsonArray a;
    for (const auto& f : names) {
        if (flags & f.first)
            a.append(f.second);
    }
    return a;
}

int FileValues::readFlags(const JsonNode& n, const Names& names)
{
    int flags = 0;
    for (int i = 0, count = n.size(); i < count; ++i)
        flags |= readName(n.at(i), names);
    return flags;
}

QString FileValues::nameOf(int value, const Names& names)
{
    const auto named =
        std::find_if(names.begin(), names.end(), [value](const auto& f) { return f.first == value; });
    return named == names.end() ? QString() : named->second;
}

int FileValues::readName(const JsonNode& n, const Names& names)
{
    return names[static_cast<size_t>(n.choice(namesOf(names)))].first;
}

int FileValues::readName(const JsonNode& n, const Names& names, int fallback)
{
    return n.isPresent() ? readName(n, names) : fallback;
}

} // namespace VelSystem
