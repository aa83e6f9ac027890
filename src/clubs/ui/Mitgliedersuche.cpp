#include "Mitgliedersuche.h"

#include "CodeValueComboBox.h"
#include "DataModel.h"
#include "DatabaseContext.h"
#include "FieldFactory.h"
#include "SqlWriter.h"
#include "VereinsSucheDialog.h"
#include "controllers/MitgliedController.h"
#include "entities/Mitglied.h"
#include "entities/Verein.h"
#include "search/MitgliedersucheSearchModel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kLocation = QStringLiteral("Mitgliedersuche");

int spaltenBreite(DatabaseContext &ctx, const char *entity, const char *attribute)
{
    const EntityDescription *description = ctx.dataModel().entity(QLatin1String(entity));
    const AttributeDescription *column =
        description ? description->attribute(QLatin1String(attribute)) : nullptr;
    return column && column->maxLength() > 0 ? column->maxLength() : FieldFactory::kNoMaximumLength;
}

std::unique_ptr<Verein> kopie(const Verein *verein)
{
    return verein ? std::unique_ptr<Verein>(verein->clone()) : nullptr;
}

} // namespace

QString vereinsAnzeige(const Verein &verein)
{
    const QString name = verein.hasName() ? verein.getName() : QString();
    const QString nummer =
        verein.hasVereinsNummerKomplett() ? verein.getVereinsNummerKomplett() : QString();
    if (nummer.isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(name, nummer);
}

Mitgliedersuche::Mitgliedersuche(DatabaseContext &ctx, const Verein *vorgabeVerein, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_vorgabeVerein(kopie(vorgabeVerein))
{
    m_vereinsAnzeige = FieldFactory::createLineEdit(false);
    m_vereinsAnzeige->setObjectName(QStringLiteral("verein"));
    auto *vereinWaehlen = new QPushButton(tr("&Verein waehlen"));
    vereinWaehlen->setObjectName(QStringLiteral("vereinWaehlen"));

    m_nummer = FieldFactory::createLineEdit(
        true, spaltenBreite(ctx, "Mitglied", "mitgliedsNummerKomplett"));
    m_nummer->setObjectName(QStringLiteral("mitgliedsnummer"));
    m_vorname = FieldFactory::createLineEdit(true, spaltenBreite(ctx, "Mitglied", "vorname"));
    m_vorname->setObjectName(QStringLiteral("vorname"));
    m_nachname = FieldFactory::createLineEdit(true, spaltenBreite(ctx, "Mitglied", "nachname"));
    m_nachname->setObjectName(QStringLiteral("nachname"));
    m_mitgliedsArt = new CodeValueComboBox(ctx, QStringLiteral("Mitgliedsart"));
    m_mitgliedsArt->setObjectName(QStringLiteral("mitgliedsArt"));
    FieldFactory::colourComboBox(m_mitgliedsArt, true);
    m_jugend = new CodeValueComboBox(ctx, QStringLiteral("Jugend"));
    m_jugend->setObjectName(QStringLiteral("jugend"));
    FieldFactory::colourComboBox(m_jugend, true);
    m_ausgetreteneAusblenden = new QCheckBox(tr("Ausgetretene Mitglieder ausblenden"));
    m_ausgetreteneAusblenden->setObjectName(QStringLiteral("ausgetreteneAusblenden"));

    m_suchen = new QPushButton(tr("&Suchen"));
    m_suchen->setObjectName(QStringLiteral("suchen"));
    m_suchen->setDefault(true);
    auto *zuruecksetzen = new QPushButton(tr("Felder &zuruecksetzen"));
    zuruecksetzen->setObjectName(QStringLiteral("zuruecksetzen"));

    auto *grid = new QGridLayout(this);
    auto *vereinZeile = new QHBoxLayout;
    vereinZeile->addWidget(m_vereinsAnzeige, 1);
    vereinZeile->addWidget(vereinWaehlen);
    grid->addWidget(FieldFactory::createLabel(tr("Verein")), 0, 0);
    grid->addLayout(vereinZeile, 0, 1, 1, 3);
    grid->addWidget(FieldFactory::createLabel(tr("Mitgliedsnummer")), 1, 0);
    grid->addWidget(m_nummer, 1, 1);
    grid->addWidget(FieldFactory::createLabel(tr("Mitgliedsart")), 1, 2);
    grid->addWidget(m_mitgliedsArt, 1, 3);
    grid->addWidget(FieldFactory::createLabel(tr("Vorname")), 2, 0);
    grid->addWidget(m_vorname, 2, 1);
    grid->addWidget(FieldFactory::createLabel(tr("Nachname")), 2, 2);
    grid->addWidget(m_nachname, 2, 3);
    grid->addWidget(FieldFactory::createLabel(tr("Jugend")), 3, 0);
    grid->addWidget(m_jugend, 3, 1);
    grid->addWidget(m_ausgetreteneAusblenden, 3, 2, 1, 2);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(m_suchen);
    knoepfe->addWidget(zuruecksetzen);
    grid->addLayout(knoepfe, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    vereinWaehlen->setAutoDefault(false);
    zuruecksetzen->setAutoDefault(false);
    connect(vereinWaehlen, &QPushButton::clicked, this, &Mitgliedersuche::waehleVerein);
    connect(m_suchen, &QPushButton::clicked, this, &Mitgliedersuche::sucheAngefordert);
    connect(zuruecksetzen, &QPushButton::clicked, this, &Mitgliedersuche::setzeFelderZurueck);

    setzeFelderZurueck();
}

Mitgliedersuche::~Mitgliedersuche() = default;

void Mitgliedersuche::setzeVerein(const Verein *verein)
{
    m_verein = kopie(verein);
    m_vereinsAnzeige->setText(m_verein ? vereinsAnzeige(*m_verein) : QString());
}

void Mitgliedersuche::waehleVerein()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Verein waehlen"));
    VereinsSucheDialog dialog(m_ctx, true, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.keinVereinGewaehlt()) {
        setzeVerein(nullptr);
        return;
    }
    const std::unique_ptr<Verein> gewaehlt = dialog.gewaehlterVerein();
    if (gewaehlt)
        setzeVerein(gewaehlt.get());
}

void Mitgliedersuche::setzeFelderZurueck()
{
    setzeVerein(m_vorgabeVerein.get());
    m_nummer->clear();
    m_vorname->clear();
    m_nachname->clear();
    m_mitgliedsArt->setValue(QVariant());
    m_jugend->setValue(QVariant());
    m_ausgetreteneAusblenden->setChecked(true);
}

std::unique_ptr<MitgliedersucheSearchModel> Mitgliedersuche::suchModell() const
{
    auto modell = std::make_unique<MitgliedersucheSearchModel>();
    if (m_verein && m_verein->hasId())
        modell->setVerein(m_verein->getId());
    const auto text = [](const QLineEdit *feld) {
        const QString wert = feld->text().trimmed();
        return wert.isEmpty() ? QVariant() : QVariant(wert);
    };
    modell->setValueAt(MitgliedersucheSearchModel::mitgliedsNummerKomplettRow, text(m_nummer));
    modell->setValueAt(MitgliedersucheSearchModel::vornameRow, text(m_vorname));
    modell->setValueAt(MitgliedersucheSearchModel::nachnameRow, text(m_nachname));
    modell->setValueAt(MitgliedersucheSearchModel::mitgliedsArtRow, m_mitgliedsArt->value());
    modell->setValueAt(MitgliedersucheSearchModel::jugendRow, m_jugend->value());
    if (m_ausgetreteneAusblenden->isChecked())
        modell->setDatumAustritt(m_ctx.now().date());
    return modell;
}

StrategyMap Mitgliedersuche::strategien()
{
    StrategyMap strategien;
    strategien[MitgliedersucheSearchModel::mitgliedsNummerKomplettRow] =
        std::make_unique<StringQueryConditionStrategy>(QStringLiteral("%"));
    strategien[MitgliedersucheSearchModel::vornameRow] =
        std::make_unique<ContainsQueryConditionStrategy>();
    strategien[MitgliedersucheSearchModel::nachnameRow] =
        std::make_unique<ContainsQueryConditionStrategy>();
    // Not left: no leaving date, or one after today.
    strategien[MitgliedersucheSearchModel::datumAustrittRow] =
        std::make_unique<DateNullQueryConditionStrategy>(QStringLiteral(">"));
    return strategien;
}

std::vector<std::unique_ptr<Mitglied>> Mitgliedersuche::suche()
{
    m_ctx.log(QStringLiteral("Dialog"), kLocation, 7, QStringLiteral("Aufruf von Suchen"));
    const std::unique_ptr<MitgliedersucheSearchModel> modell = suchModell();
    return MitgliedController().search(m_ctx, *modell, strategien());
}
