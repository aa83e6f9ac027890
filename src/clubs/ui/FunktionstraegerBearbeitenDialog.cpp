#include "FunktionstraegerBearbeitenDialog.h"

#include "CodeValueComboBox.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FieldFactory.h"
#include "MitgliederSucheDialog.h"
#include "VereinBearbeitenWidget.h"
#include "entities/Funktionstraeger.h"
#include "entities/Mitglied.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("FunktionstraegerBearbeitenDialog");

QString text(const Mitglied &mitglied, int row)
{
    return mitglied.isSetAt(row) ? mitglied.rawValueAt(row).toString() : QString();
}

} // namespace

FunktionstraegerBearbeitenDialog::FunktionstraegerBearbeitenDialog(
    DatabaseContext &ctx, Modus modus, const Funktionstraeger &funktionstraeger,
    const Mitglied *mitglied, int zeile, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus), m_zeile(zeile),
      m_funktionstraeger(funktionstraeger.clone()),
      m_mitglied(mitglied ? mitglied->clone() : nullptr)
{
    const DialogModus dialogModus = DialogModus::aus(
        modus, tr("Neuen Funktionstraeger festlegen"), tr("Funktionstraeger bearbeiten"),
        tr("Informationen zum Funktionstraeger"), tr("Neuen Funktionstraeger &speichern"),
        tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, dialogModus);
    const bool editierbar = dialogModus.editierbar;
    setModal(true);

    m_funktionsCode = new CodeValueComboBox(ctx, QStringLiteral("Funktionstraeger"));
    m_funktionsCode->setObjectName(QStringLiteral("funktion"));
    m_funktionsCode->setEnabled(editierbar);
    FieldFactory::colourComboBox(m_funktionsCode, editierbar);
    m_funktion = FieldFactory::createLineEdit(
        editierbar,
        VereinBearbeitenWidget::feldLaenge(ctx, QStringLiteral("Funktionstraeger"),
                                           QStringLiteral("funktion")),
        true);
    m_funktion->setObjectName(QStringLiteral("funktionFreitext"));
    m_mitgliedsNummer = FieldFactory::createLineEdit(false);
    m_mitgliedsNummer->setObjectName(QStringLiteral("mitgliedsnummer"));
    m_vorname = FieldFactory::createLineEdit(false);
    m_vorname->setObjectName(QStringLiteral("vorname"));
    m_nachname = FieldFactory::createLineEdit(false);
    m_nachname->setObjectName(QStringLiteral("nachname"));
    m_mitgliedWaehlen = new QPushButton(tr("&Mitglied waehlen"));
    m_mitgliedWaehlen->setAutoDefault(false);
    m_mitgliedWaehlen->setEnabled(editierbar);
    connect(m_mitgliedWaehlen, &QPushButton::clicked, this,
            &FunktionstraegerBearbeitenDialog::waehleMitgliedAus);

    auto *funktion = new QGroupBox(tr("Funktion"));
    auto *funktionLayout = new QGridLayout(funktion);
    funktionLayout->addWidget(FieldFactory::createLabel(tr("Funktion")), 0, 0);
    funktionLayout->addWidget(m_funktionsCode, 0, 1);
    funktionLayout->addWidget(FieldFactory::createLabel(tr("Funktion (Freitext)")), 1, 0);
    funktionLayout->addWidget(m_funktion, 1, 1);

    auto *person = new QGroupBox(tr("Mitglied"));
    auto *personLayout = new QGridLayout(person);
    personLayout->addWidget(FieldFactory::createLabel(tr("Mitgliedsnr.")), 0, 0);
    personLayout->addWidget(m_mitgliedsNummer, 0, 1);
    personLayout->addWidget(m_mitgliedWaehlen, 0, 2);
    personLayout->addWidget(FieldFactory::createLabel(tr("Vorname")), 1, 0);
    personLayout->addWidget(m_vorname, 1, 1, 1, 2);
    personLayout->addWidget(FieldFactory::createLabel(tr("Nachname")), 2, 0);
    personLayout->addWidget(m_nachname, 2, 1, 1, 2);

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, dialogModus);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &FunktionstraegerBearbeitenDialog::schliessenUndSpeichern);
    for (QPushButton *abbrechen : {knoepfe.abbrechen, knoepfe.schliessen})
        if (abbrechen)
            connect(abbrechen, &QPushButton::clicked, this,
                    &FunktionstraegerBearbeitenDialog::abbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(funktion);
    layout->addWidget(person);
    layout->addStretch();
    layout->addLayout(knoepfe.zeile);

    m_funktionsCode->setValue(m_funktionstraeger->hasFunktionsCode()
                                  ? QVariant(m_funktionstraeger->getFunktionsCode())
                                  : QVariant());
    m_funktion->setText(m_funktionstraeger->hasFunktion() ? m_funktionstraeger->getFunktion()
                                                          : QString());
    zeigeMitglied();
    resize(480, sizeHint().height());
}

FunktionstraegerBearbeitenDialog::~FunktionstraegerBearbeitenDialog() = default;

void FunktionstraegerBearbeitenDialog::log(const QString &text)
{
    m_ctx.log(QStringLiteral("Dialog"), kOrt, 7, text);
}

void FunktionstraegerBearbeitenDialog::zeigeMitglied()
{
    const Mitglied *mitglied = m_mitglied.get();
    m_mitgliedsNummer->setText(mitglied ? text(*mitglied, Mitglied::mitgliedsNummerKomplettRow)
                                        : QString());
    m_vorname->setText(mitglied ? text(*mitglied, Mitglied::vornameRow) : QString());
    m_nachname->setText(mitglied ? text(*mitglied, Mitglied::nachnameRow) : QString());
}

void FunktionstraegerBearbeitenDialog::setzeMitglied(const Mitglied &mitglied)
{
    m_mitglied.reset(mitglied.clone());
    if (mitglied.hasId())
        m_funktionstraeger->setMitglied(mitglied.getId());
    else
        m_funktionstraeger->setMitgliedNull();
    zeigeMitglied();
}

void FunktionstraegerBearbeitenDialog::waehleMitgliedAus()
{
    log(QStringLiteral("Aufruf von Waehle Mitglied aus"));
    MitgliederSucheDialog suche(m_ctx, this);
    if (suche.exec() != QDialog::Accepted)
        return;
    if (const std::unique_ptr<Mitglied> gewaehlt = suche.gewaehltesMitglied())
        setzeMitglied(*gewaehlt);
}

void FunktionstraegerBearbeitenDialog::schliessenUndSpeichern()
{
    log(QStringLiteral("Aufruf von Schliessen und Speichern"));
    if (m_modus == Modus::ANSEHEN)
        return;
    const QString funktion = m_funktion->text();
    if (funktion.isEmpty())
        m_funktionstraeger->setFunktionNull();
    else
        m_funktionstraeger->setFunktion(funktion);
    const QVariant code = m_funktionsCode->value();
    if (code.isValid())
        m_funktionstraeger->setFunktionsCode(code.toLongLong());
    else
        m_funktionstraeger->setFunktionsCodeNull();

    if (funktion.trimmed().isEmpty()) {
        showError(m_ctx, this, kOrt, tr("Funktion nicht angegeben"),
                  tr("Bitte geben Sie die Funktion an."));
        return;
    }
    if (!m_mitglied || !m_funktionstraeger->hasMitglied()) {
        showError(m_ctx, this, kOrt, tr("Mitglied nicht angegeben"),
                  tr("Bitte geben Sie das betreffende Mitglied an."));
        return;
    }
    log(QStringLiteral("==> Pruefung erfolgreich, schonInDB = ") +
        (m_modus == Modus::BEARBEITEN ? QStringLiteral("1") : QStringLiteral("0")));
    if (m_modus == Modus::NEU)
        emit neuerFunktionstraegerHinzugefuegt(m_funktionstraeger.get(), m_mitglied.get());
    else
        emit funktionstraegerWurdeBearbeitet(m_funktionstraeger.get(), m_mitglied.get(), m_zeile);
    accept();
}

void FunktionstraegerBearbeitenDialog::abbrechen()
{
    log(m_modus == Modus::ANSEHEN ? QStringLiteral("Aufruf von Schliessen")
                                  : QStringLiteral("Aufruf von Abbrechen"));
    reject();
}
