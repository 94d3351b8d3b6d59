#pragma once

#include <QCoreApplication>
#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace VelSystem {

class JsonNode;

// The values every area of a marker file shares: bounded numbers, indexes, and the names the
// file gives to the model's codes and flags, so that reading and writing use the same ones.
class FileValues
{
    Q_DECLARE_TR_FUNCTIONS(MarkerFile)

public:
    // A code or flag of the model and its name in the file.
    using Names = std::vector<std::pair<int, QString>>;

    // Where a group or text lies on its layer.
    static const Names kSections;
    // Counts and indexes of pieces, sizes, layers and fabrics fit the model's 16-bit indexes.
    static constexpr int kMaxIndexCount = 32767;

    // A coordinate within the marker's limit; a length above 0 within it.
    static double coordinate(const JsonNode& n);
    static double coordinate(const JsonNode& n, double fallback);
    static double length(const JsonNode& n);
    // The index of an element of a list of `count` things named by `what`.
    static short index(const JsonNode& n, int count, const QString& what);

    // The flags of `flags` named in `names`, in the order of `names`.
    static QJsonArray flagsJson(int flags, const Names& names);
    static int readFlags(const JsonNode& n, const Names& names);
    // The name of `value`, which is one of `names`; the value a name stands for.
    static QString nameOf(int value, const Names& names);
    static int readName(const JsonNode& n, const Names& names);
    static int readName(const JsonNode& n, const Names& names, int fallback);
};

} // namespace VelSystem
