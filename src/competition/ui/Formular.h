#pragma once

#include "CodeValueComboBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QString>

#include <vector>

class DatabaseContext;
class QGridLayout;
class QWidget;
class Record;

// Binds the fields of a form to the attributes of one record: lade() shows the record,
// uebernimm() writes the fields back (an empty field makes its attribute null). The fields
// are made read-only unless the form is editable.
class Formular
{
    Q_DECLARE_TR_FUNCTIONS(Formular)
public:
    Formular(DatabaseContext &ctx, Record &record, bool editierbar);

    // A text field of a text attribute (its length from the data model), an integer field,
    // a decimal field, a check box and a code-value choice.
    QLineEdit *text(int row, bool pflicht = false);
    QLineEdit *ganzzahl(int row, bool pflicht = false);
    QLineEdit *dezimal(int row);
    QCheckBox *haken(int row);
    CodeValueComboBox *code(int row, const QString &typ, bool editierbar = true);
    // A field that only shows a text.
    static QLineEdit *anzeige(const QString &text = QString());

    // Adds "label field" as the next row of the grid.
    static void zeile(QGridLayout *grid, const QString &label, QWidget *feld,
                      QWidget *knopf = nullptr);

    void lade();
    void uebernimm();
    bool editierbar() const { return m_editierbar; }
    Record &record() const { return m_record; }

private:
    struct Bindung
    {
        int row;
        QWidget *feld;
    };

    DatabaseContext &m_ctx;
    Record &m_record;
    bool m_editierbar;
    std::vector<Bindung> m_bindungen;
};

// The first name and surname of a person record, each empty when missing.
QString vornameVon(const Record &person);
QString nachnameVon(const Record &person);
