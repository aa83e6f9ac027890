#include "EinzelwertungBearbeitenDialog.h"

#include "Meldungen.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const QString kOrt = QStringLiteral("EinzelwertungBearbeitenDialog");
} // namespace

EinzelwertungBearbeitenDialog::EinzelwertungBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                                             const Angaben &angaben,
                                                             QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_angaben(angaben)
{
    const DialogModus art =
        DialogModus::aus(modus, tr("Neue Bewertung anlegen"), tr("Bewertung bearbeiten"),
                         tr("Informationen zur Bewertung"), tr("&Speichern"), tr("&Speichern"));
    DialogModi::oeffne(ctx, *this, kOrt, art);

    m_feld = new QLineEdit;
    m_feld->setObjectName(QStringLiteral("bewertung"));
    m_feld->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,4}")), m_feld));
    if (angaben.bewertung)
        m_feld->setText(QString::number(*angaben.bewertung));
    m_feld->setReadOnly(!art.editierbar);

    auto *formular = new QFormLayout;
    formular->addRow(tr("Juror:"), new QLabel(angaben.juror));
    formular->addRow(tr("Bild:"), new QLabel(angaben.bild));
    formular->addRow(tr("Bewertung:"), m_feld);
    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, art);
    if (knoepfe.speichern) {
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &EinzelwertungBearbeitenDialog::speichern);
        connect(knoepfe.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        connect(knoepfe.schliessen, &QPushButton::clicked, this, &QDialog::reject);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(formular);
    layout->addLayout(knoepfe.zeile);
    m_feld->setFocus();
    m_feld->selectAll();
}

void EinzelwertungBearbeitenDialog::speichern()
{
    const QString text = m_feld->text().trimmed();
    bool zahl = false;
    const int wert = text.toInt(&zahl);
    const std::optional<int> eingabe = zahl ? std::optional<int>(wert) : std::nullopt;
    if (m_angaben.pruefung) {
        if (const auto meldung = m_angaben.pruefung(eingabe)) {
            Meldungen::zeige(this, *meldung);
            return;
        }
    }
    if (!eingabe)
        return;
    m_bewertung = eingabe;
    accept();
}
