#pragma once

#include <vector>

struct JoinDef;
struct RecordClassInfo;
struct SearchModelDef;

// Every search model and join of the data model, for code that walks them all (diagnostics
// and tests).
struct SearchModelEntry
{
    const char *name;
    const char *controller; // nullptr for a model that no controller serves
    const RecordClassInfo &(*classInfo)();
    const SearchModelDef &(*def)();
};

struct JoinEntry
{
    const JoinDef &(*join)();
    const RecordClassInfo &(*rowClass)();
    const RecordClassInfo &(*searchClass)();
    const SearchModelDef &(*searchDef)();
};

const std::vector<SearchModelEntry> &searchModelCatalogue();
const std::vector<JoinEntry> &joinCatalogue();
