#pragma once

#include "DatabaseContext.h"
#include "MessageBoxes.h"

#include <QObject>

#include <memory>

// CompositeTableModel: sorting, the item-model faces, ownership of the rows.
class TableModelTest : public QObject
{
    Q_OBJECT
private slots:
    void sortStrategies_data();
    void sortStrategies();
    void sortUsesShownValues();
    void datesSortByTheCalendar();
    void invalidSortChangesNothing_data();
    void invalidSortChangesNothing();
    void itemModelFaces();
    void setDataWritesTheAttribute();
    void rowsAreOwned();
};

// ListWidget: selection, keys, replacement, removal, sorting by attribute.
class ListWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void selectRow_data();
    void selectRow();
    void keys_data();
    void keys();
    void keysThroughTheView();
    void replaceRemoveAndSort();

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

// Line edits and timestamps, field factory and colours, mapper and composite delegates.
class FieldTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void timeStamps_data();
    void timeStamps();
    void dateInput_data();
    void dateInput();
    void dateLineEditReports_data();
    void dateLineEditReports();
    void numberInput_data();
    void numberInput();
    void shownValues_data();
    void shownValues();
    void fieldFactory_data();
    void fieldFactory();
    void mapperDelegateTraces();
    void compositeDelegateCommitsThroughColumnDelegates();

private:
    std::unique_ptr<RecordingMessageBoxes> m_boxes;
};

// Code-value combo box, its model, the converters and delegates over the test server's codes.
class CodeValueWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void comboOffersPositionedValues();
    void comboEmptyEntry_data();
    void comboEmptyEntry();
    void comboCurrentValue();
    void comboKeepsAnIdItCannotShow();
    void converters_data();
    void converters();
    void convertersFollowReloadedCodes();
    void comboBoxDelegate();
    void codeValueTableDelegate();

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};
