#pragma once

#include <vector>

struct JoinSpec;
struct RecordClassInfo;
struct SearchModelSpec;

// Every search model and join of the data model, for code that walks them all (diagnostics
// and tests).
struct SearchModelEntry
{
    const char *name;
    const char *controller; // nullptr for a model that no controller serves
    const RecordClassInfo &(*classInfo)();
    const SearchModelSpec &(*spec)();
};

struct JoinEntry
{
    const JoinSpec &(*join)();
    const RecordClassInfo &(*rowClass)();
    const RecordClassInfo &(*searchClass)();
    const SearchModelSpec &(*searchSpec)();
};

const std::vector<SearchModelEntry> &searchModelCatalogue();
const std::vector<JoinEntry> &joinCatalogue();
