#pragma once

#include "DatabaseContext.h"

#include <QObject>

#include <memory>

// CompositeTableModel: the item-model faces, ownership of the rows, sorting.
class TableModelTest : public QObject
{
    Q_OBJECT
private slots:
    void sortStrategies_data();
    void sortStrategies();
    void sortUsesConvertedValues();
    void invalidSortChangesNothing_data();
    void invalidSortChangesNothing();
    void itemModelFaces();
    void setDataWritesTheAttribute();
    void rowObjectChangesReachTheCells();
    void rowsAreOwned();
    void insertPositions();
    void columnWidthsAndHeaders();
    void valueConverters_data();
    void valueConverters();
};

// ListWidget: selection, keys, removal, replacement, sorting by attribute.
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
    void firstSelectedRow();
    void removeAndReplace();
    void sortByAttribute();

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};

// Line edits, timestamps, field factory and colours, the mapper and composite delegates.
class FieldTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void timeStamps_data();
    void timeStamps();
    void timeStampLineEdit();
    void dateInput_data();
    void dateInput();
    void dateLineEditReports_data();
    void dateLineEditReports();
    void lineEditsShowValues();
    void doubleLineEdit_data();
    void doubleLineEdit();
    void intLineEdit_data();
    void intLineEdit();
    void fieldFactory_data();
    void fieldFactory();
    void fieldColours();
    void mapperDelegateTraces();
    void compositeDelegateForwards();
    void compositeDelegateCommitsOnEnter();
    void compositeDelegateOwnsItsDelegates();
};

// Code-value combo box, its model, the code-value converters and delegates, over the test
// server's code tables.
class CodeValueWidgetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void comboOffersPositionedValues();
    void comboEmptyEntry_data();
    void comboEmptyEntry();
    void comboOfTypeWithoutValues();
    void comboCurrentValue();
    void comboKeepsAnIdItCannotShow();
    void codeConverters_data();
    void codeConverters();
    void converterFollowsReloadedCodes();
    void comboBoxDelegate();
    void comboBoxDelegateErrorLines();
    void codeValueTableDelegate();

private:
    std::unique_ptr<DatabaseContext> m_ctx;
};
