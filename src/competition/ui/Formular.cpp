#include "Formular.h"

#include "CodeValueComboBox.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "FieldFactory.h"
#include "LineEdits.h"
#include "Record.h"
#include "entities/Person.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>

Formular::Formular(DatabaseContext &ctx, Record &record, bool editierbar)
    : m_ctx(ctx), m_record(record), m_editierbar(editierbar)
{}

QLineEdit *Formular::text(int row, bool pflicht)
{
    int laenge = FieldFactory::kNoMaximumLength;
    if (const EntityDescription *entity = m_ctx.dataModel().entity(m_record.getEntityName())) {
        const QString name = QString::fromLatin1(m_record.classInfo().slotAt(row).name);
        if (const AttributeDescription *attribut = entity->attribute(name))
            if (attribut->maxLength() > 0)
                laenge = attribut->maxLength();
    }
    QLineEdit *feld = FieldFactory::createLineEdit(m_editierbar, laenge, pflicht);
    m_bindungen.push_back({row, feld});
    return feld;
}

QLineEdit *Formular::ganzzahl(int row, bool pflicht)
{
    auto *feld = new IntLineEdit;
    FieldFactory::setEditable(feld, m_editierbar, pflicht);
    m_bindungen.push_back({row, feld});
    return feld;
}

QLineEdit *Formular::dezimal(int row)
{
    auto *feld = new DoubleLineEdit;
    FieldFactory::setEditable(feld, m_editierbar, false);
    m_bindungen.push_back({row, feld});
    return feld;
}

QCheckBox *Formular::haken(int row)
{
    auto *feld = new QCheckBox;
    feld->setEnabled(m_editierbar);
    m_bindungen.push_back({row, feld});
    return feld;
}

CodeValueComboBox *Formular::code(int row, const QString &typ, bool editierbar)
{
    auto *feld = new CodeValueComboBox(m_ctx, typ);
    feld->setEnabled(m_editierbar && editierbar);
    FieldFactory::colourComboBox(feld, m_editierbar && editierbar);
    m_bindungen.push_back({row, feld});
    return feld;
}

QLineEdit *Formular::anzeige(const QString &text)
{
    QLineEdit *feld = FieldFactory::createLineEdit(false);
    feld->setText(text);
    return feld;
}

void Formular::zeile(QGridLayout *grid, const QString &label, QWidget *feld, QWidget *knopf)
{
    const int r = grid->rowCount();
    grid->addWidget(FieldFactory::createLabel(label), r, 0);
    grid->addWidget(feld, r, 1, 1, knopf ? 1 : 2);
    if (knopf)
        grid->addWidget(knopf, r, 2);
    grid->setColumnStretch(1, 1);
}

void Formular::lade()
{
    for (const Bindung &b : m_bindungen) {
        const QVariant wert = m_record.rawValueAt(b.row);
        if (auto *haken = qobject_cast<QCheckBox *>(b.feld))
            haken->setChecked(wert.isValid() && wert.toBool());
        else if (auto *combo = qobject_cast<CodeValueComboBox *>(b.feld))
            combo->setValue(wert);
        else if (auto *i = qobject_cast<IntLineEdit *>(b.feld))
            i->setValue(wert);
        else if (auto *d = qobject_cast<DoubleLineEdit *>(b.feld))
            d->setValue(wert);
        else if (auto *feld = qobject_cast<QLineEdit *>(b.feld))
            feld->setText(wert.userType() == QMetaType::QDate
                              ? wert.toDate().toString(QStringLiteral("dd.MM.yyyy"))
                              : wert.toString());
    }
}

void Formular::uebernimm()
{
    if (!m_editierbar)
        return;
    for (const Bindung &b : m_bindungen) {
        QVariant wert;
        if (auto *haken = qobject_cast<QCheckBox *>(b.feld))
            wert = haken->isChecked();
        else if (auto *combo = qobject_cast<CodeValueComboBox *>(b.feld))
            wert = combo->value();
        else if (auto *i = qobject_cast<IntLineEdit *>(b.feld))
            wert = i->value();
        else if (auto *d = qobject_cast<DoubleLineEdit *>(b.feld))
            wert = d->value();
        else if (auto *feld = qobject_cast<QLineEdit *>(b.feld))
            wert = feld->text().isEmpty() ? QVariant() : QVariant(feld->text());
        m_record.setValueAt(b.row, wert);
    }
}

QString vornameVon(const Record &person)
{
    return person.rawValueAt(Person::vornameRow).toString();
}

QString nachnameVon(const Record &person)
{
    return person.rawValueAt(Person::nachnameRow).toString();
}
