#pragma once

#include <initializer_list>
#include <vector>

namespace VelSystem {

class JsonNode;

// The keys one kind of object may carry in a marker file, each with the format version that
// brought it: a file is held to the keys of its own version, so an older file keeps its rules
// and a key from a newer version is caught as unknown.
class FileKeys
{
public:
    struct Key
    {
        const char* name;
        int since;
    };

    FileKeys(std::initializer_list<Key> keys);
    explicit FileKeys(std::vector<Key> keys);

    // Fails on the first key of `node` that files of `version` do not have.
    void check(const JsonNode& node, int version) const;

private:
    std::vector<Key> mKeys;
};

} // namespace VelSystem
