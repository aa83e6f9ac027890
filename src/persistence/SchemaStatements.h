#pragma once

#include <vector>

// The schema of the data model, written by the generator.
namespace Schema {

extern const char *const kDataModelVersion;
extern const char *const kGeneratorVersion;
extern const char *const kGenerationTime; // ISO 8601, local time of generation

// One CREATE TABLE statement per concrete entity, in the order of the data model.
const std::vector<const char *> &createStatements();

} // namespace Schema
