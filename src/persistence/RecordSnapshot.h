#pragma once

#include "Record.h"

#include <memory>
#include <utility>
#include <vector>

// Copies of objects taken before writes that belong together; restore() puts the values back
// when the writes failed and their transaction was rolled back, so that the objects match the
// database again (no id of a row that does not exist, no stamps that were not stored).
class RecordSnapshot
{
public:
    void take(Record &object)
    {
        m_copies.emplace_back(&object, std::unique_ptr<Record>(object.clone()));
    }

    void restore()
    {
        for (auto &[object, copy] : m_copies) {
            for (int row = 0; row < object->attributeCount(); ++row)
                object->setValueAt(row, copy->rawValueAt(row));
        }
    }

private:
    std::vector<std::pair<Record *, std::unique_ptr<Record>>> m_copies;
};
