#include "TitelBearbeitenDialog.h"

#include "CodeValueComboBox.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "Delegates.h"
#include "FieldFactory.h"
#include "MitgliedBearbeitenDialog.h"
#include "MitgliedService.h"
#include "entities/FotographischerTitel.h"

#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kLocation = QStringLiteral("TitelBearbeitenDialog");
}

TitelBearbeitenDialog::TitelBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                             const FotographischerTitel *titel, int row,
                                             QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus), m_row(row),
      m_titel(titel ? titel->clone() : new FotographischerTitel)
{
    const DialogModus dialogModus =
        DialogModus::aus(modus, tr("Neuen Titel anlegen"), tr("Titel bearbeiten"),
                         tr("Informationen zum Titel"), tr("Neuen Titel &speichern"),
                         tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kLocation, dialogModus);
    const bool editierbar = dialogModus.editierbar;
    if (m_titel->hasDatum() && !m_titel->hasDatumInput())
        m_titel->setDatumInput(m_titel->getDatum().toString(QStringLiteral("dd.MM.yyyy")));

    const AttributeDescription *titelSpalte = ctx.dataModel()
                                                  .entity(QStringLiteral("FotographischerTitel"))
                                                  ->attribute(QStringLiteral("titel"));
    m_titelFeld = FieldFactory::createLineEdit(editierbar,
                                               titelSpalte && titelSpalte->maxLength() > 0
                                                   ? titelSpalte->maxLength()
                                                   : FieldFactory::kNoMaximumLength,
                                               true);
    m_titelFeld->setObjectName(QStringLiteral("titel"));
    m_art = new CodeValueComboBox(ctx, QStringLiteral("TitelArt"));
    m_art->setObjectName(QStringLiteral("art"));
    m_art->setEnabled(editierbar);
    FieldFactory::colourComboBox(m_art, editierbar);
    m_datum = FieldFactory::createLineEdit(editierbar);
    m_datum->setObjectName(QStringLiteral("datum"));
    m_datum->setPlaceholderText(editierbar ? QStringLiteral("dd.mm.yyyy") : QString());
    m_hoechster = new QCheckBox;
    m_hoechster->setObjectName(QStringLiteral("hoechsterTitel"));
    m_hoechster->setEnabled(editierbar);
    m_hoechster->setChecked(m_titel->hasHoechsterTitel() && m_titel->getHoechsterTitel());

    m_mapper = new QDataWidgetMapper(this);
    m_mapper->setOrientation(Qt::Vertical);
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    m_mapper->setItemDelegate(new MapperDelegate(m_mapper));
    m_mapper->setModel(m_titel.get());
    m_mapper->addMapping(m_titelFeld, FotographischerTitel::titelRow);
    m_mapper->addMapping(m_art, FotographischerTitel::artRow);
    m_mapper->addMapping(m_datum, FotographischerTitel::datumInputRow);
    m_mapper->toFirst();

    auto *form = new QFormLayout;
    form->addRow(FieldFactory::createLabel(tr("Titel")), m_titelFeld);
    form->addRow(FieldFactory::createLabel(tr("TitelArt")), m_art);
    form->addRow(FieldFactory::createLabel(tr("Verleihungsdatum")), m_datum);
    form->addRow(FieldFactory::createLabel(tr("Höchster Titel")), m_hoechster);

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus);
    for (QPushButton *schliessen : {knoepfe.speichern, knoepfe.schliessen})
        if (schliessen)
            connect(schliessen, &QPushButton::clicked, this,
                    &TitelBearbeitenDialog::schreibenUndSchliessen);
    if (knoepfe.abbrechen)
        connect(knoepfe.abbrechen, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(knoepfe.zeile);
}

TitelBearbeitenDialog::~TitelBearbeitenDialog() = default;

std::optional<Meldung> TitelBearbeitenDialog::pruefe(FotographischerTitel &titel)
{
    if (!titel.hasTitel() || titel.getTitel().trimmed().isEmpty()) {
        const QString kopf = QStringLiteral("Kein Titel angegeben");
        return Meldung{kopf, QStringLiteral("Bitte fuellen Sie das Feld Titel aus."), kopf};
    }
    if (!titel.hasArt()) {
        const QString kopf = QStringLiteral("Keine Titelart angegeben");
        return Meldung{kopf,
                       QStringLiteral("Bitte waehlen Sie im Feld Art eine der Moeglichkeiten aus."),
                       kopf};
    }
    const QString datumText = titel.hasDatumInput() ? titel.getDatumInput().trimmed() : QString();
    if (datumText.isEmpty()) {
        titel.setDatumNull();
        return std::nullopt;
    }
    const QDate datum = MitgliedService::parseDatum(datumText);
    if (!datum.isValid()) {
        return Meldung{QStringLiteral("Verleihungsdatum nicht korrekt angegeben"),
                       QStringLiteral("Der als Verleihungsdatum angegebene Text %1 ist kein "
                                      "korrektes Datum. \n\nDatumsangaben muessen in der Form "
                                      "dd.mm.yyyy getaetigt werden.")
                           .arg(titel.getDatumInput()),
                       QStringLiteral("Verleihungsdatum nicht korrekt angegeben.")};
    }
    titel.setDatum(datum);
    return std::nullopt;
}

void TitelBearbeitenDialog::schreibenUndSchliessen()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7,
              QStringLiteral("Aufruf von Schreiben und Schliessen"));
    if (m_modus == Modus::ANSEHEN) {
        accept();
        return;
    }
    m_mapper->submit();
    if (m_titel->hasTitel() && m_titel->getTitel().isEmpty())
        m_titel->setTitelNull();
    if (m_titel->hasDatumInput() && m_titel->getDatumInput().trimmed().isEmpty())
        m_titel->setDatumInputNull();
    m_titel->setHoechsterTitel(m_hoechster->isChecked());
    if (const std::optional<Meldung> meldung = pruefe(*m_titel)) {
        zeigeMeldung(m_ctx, this, kLocation, *meldung);
        return;
    }
    if (m_modus == Modus::NEU)
        emit neuerTitelHinzugefuegt(*m_titel);
    else
        emit titelWurdeBearbeitet(*m_titel, m_row);
    accept();
}
