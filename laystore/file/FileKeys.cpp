#include "laystore/file/FileKeys.h"

#include "laystore/file/JsonNode.h"

#include <utility>

namespace VelSystem {

FileKeys::FileKeys(std::initializer_list<Key> keys) : mKeys(keys) {}

FileKeys::FileKeys(std::vector<Key> keys) : mKeys(std::move(keys)) {}

void FileKeys::check(const JsonNode& node, int version) const
{
    std::vector<const char*> known;
    for (const Key& key : mKeys) {
        if (key.since <= version)
            known.push_back(key.name);
    }
    node.checkKeys(known);
}

} // namespace VelSystem
