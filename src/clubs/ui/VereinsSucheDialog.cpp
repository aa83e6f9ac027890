#include "VereinsSucheDialog.h"

#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "DataModel.h"
#include "FieldFactory.h"
#include "PersistenceException.h"
#include "QueryConditions.h"
#include "SqlWriter.h"
#include "VereinsListe.h"
#include "controllers/VereinController.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kOrt = QStringLiteral("VereinsSucheDialog");

// The check box "Inaktiv": checked finds only the inactive clubs, unchecked only the active
// ones, where a club without the flag counts as active.
class InaktivQueryConditionStrategy : public QueryConditionStrategy
{
public:
    void appendCondition(ConditionList &conditions, const QString &column,
                         const QVariant &value) const override
    {
        if (!value.isValid())
            return;
        const QString falsch = conditions.writer().literal(QVariant(false), QMetaType::Bool);
        const QString wahr = conditions.writer().literal(QVariant(true), QMetaType::Bool);
        if (value.toBool())
            conditions.append(column + QStringLiteral(" = ") + wahr);
        else
            conditions.append(QLatin1Char('(') + column + QStringLiteral(" IS NULL OR ") + column +
                              QStringLiteral(" = ") + falsch + QLatin1Char(')'));
    }
};

int laenge(DatabaseContext &ctx, const char *attribut)
{
    const EntityDescription *verein = ctx.dataModel().entity(QStringLiteral("Verein"));
    const AttributeDescription *beschreibung =
        verein ? verein->attribute(QString::fromLatin1(attribut)) : nullptr;
    return beschreibung && beschreibung->maxLength() > 0 ? beschreibung->maxLength()
                                                         : FieldFactory::kNoMaximumLength;
}

} // namespace

struct VereinsSucheDialog::Private
{
    explicit Private(DatabaseContext &context) : ctx(context) {}

    DatabaseContext &ctx;
    bool keinenVereinErlaubt = false;
    QLineEdit *nummer = nullptr;
    QLineEdit *name = nullptr;
    QCheckBox *inaktiv = nullptr;
    QLineEdit *ort = nullptr;
    VereinsListe *liste = nullptr;
    QPushButton *keinenVerein = nullptr;

    bool keinVereinGewaehlt = false;
    std::unique_ptr<Verein> gewaehlt;

    void suche(QWidget *dialog);
};

VereinsSucheDialog::VereinsSucheDialog(DatabaseContext &ctx, bool keinenVereinErlaubt,
                                       QWidget *parent)
    : QDialog(parent), d(std::make_unique<Private>(ctx))
{
    ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Oeffne VereinsSucheDialog"));
    setWindowTitle(tr("Verein auswaehlen"));
    setModal(true);
    d->keinenVereinErlaubt = keinenVereinErlaubt;

    // How the fields match: the complete number as the beginning of a club's number, name and
    // place anywhere in the club's name or place, regardless of case; "Inaktiv" chooses
    // between the inactive and the active clubs.
    d->nummer = FieldFactory::createLineEdit(true, laenge(ctx, "vereinsNummerKomplett"));
    d->nummer->setObjectName(QStringLiteral("gesamteVereinsnummer"));
    d->name = FieldFactory::createLineEdit(true, laenge(ctx, "name"));
    d->name->setObjectName(QStringLiteral("vereinsname"));
    d->inaktiv = new QCheckBox;
    d->inaktiv->setObjectName(QStringLiteral("inaktiv"));
    d->ort = FieldFactory::createLineEdit(true, laenge(ctx, "ort"));
    d->ort->setObjectName(QStringLiteral("ort"));

    auto *felder = new QGridLayout;
    felder->addWidget(FieldFactory::createLabel(tr("Gesamte Vereinsnummer")), 0, 0);
    felder->addWidget(d->nummer, 0, 1);
    felder->addWidget(FieldFactory::createLabel(tr("Vereinsname")), 1, 0);
    felder->addWidget(d->name, 1, 1);
    felder->addWidget(FieldFactory::createLabel(tr("Inaktiv")), 2, 0);
    felder->addWidget(d->inaktiv, 2, 1);
    felder->addWidget(FieldFactory::createLabel(tr("Ort")), 3, 0);
    felder->addWidget(d->ort, 3, 1);

    auto *suchen = new QPushButton(tr("&Suchen"));
    auto *zuruecksetzen = new QPushButton(tr("Suche &zuruecksetzen"));
    suchen->setDefault(true);
    zuruecksetzen->setAutoDefault(false);
    connect(suchen, &QPushButton::clicked, this, &VereinsSucheDialog::sucheVereine);
    connect(zuruecksetzen, &QPushButton::clicked, this, &VereinsSucheDialog::setzeSucheZurueck);
    auto *suchKnoepfe = new QHBoxLayout;
    suchKnoepfe->addStretch();
    suchKnoepfe->addWidget(suchen);
    suchKnoepfe->addWidget(zuruecksetzen);

    auto *suche = new QGroupBox(tr("Verein suchen"));
    auto *sucheLayout = new QVBoxLayout(suche);
    sucheLayout->addLayout(felder);
    sucheLayout->addLayout(suchKnoepfe);

    d->liste = new VereinsListe(ctx);
    d->liste->setObjectName(QStringLiteral("vereinsListe"));
    connect(d->liste, &VereinsListe::vereinDoppelgeklickt, this,
            &VereinsSucheDialog::waehleVereinAus);
    auto *gefunden = new QGroupBox(tr("Gefundene Vereine, bitte einen davon auswaehlen"));
    auto *gefundenLayout = new QVBoxLayout(gefunden);
    gefundenLayout->addWidget(d->liste);

    auto *auswaehlen = new QPushButton(tr("Verein aus&waehlen"));
    d->keinenVerein = new QPushButton(tr("&Keinen Verein auswaehlen"));
    d->keinenVerein->setEnabled(keinenVereinErlaubt);
    auto *abbrechen = new QPushButton(tr("Abbre&chen"));
    for (QPushButton *knopf : {auswaehlen, d->keinenVerein, abbrechen})
        knopf->setAutoDefault(false);
    connect(auswaehlen, &QPushButton::clicked, this, &VereinsSucheDialog::waehleVereinAus);
    connect(d->keinenVerein, &QPushButton::clicked, this,
            &VereinsSucheDialog::waehleKeinenVereinAus);
    connect(abbrechen, &QPushButton::clicked, this, [this] {
        d->ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Abbrechen"));
        reject();
    });
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(auswaehlen);
    knoepfe->addWidget(d->keinenVerein);
    knoepfe->addWidget(abbrechen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(suche);
    layout->addWidget(gefunden, 1);
    layout->addLayout(knoepfe);
    resize(520, 560);

    // The active clubs are shown at once; the fields narrow them down.
    d->suche(this);
    d->nummer->setFocus();
}

VereinsSucheDialog::~VereinsSucheDialog() = default;

bool VereinsSucheDialog::keinVereinGewaehlt() const
{
    return d->keinVereinGewaehlt;
}

std::unique_ptr<Verein> VereinsSucheDialog::gewaehlterVerein()
{
    return std::move(d->gewaehlt);
}

void VereinsSucheDialog::sucheVereine()
{
    d->ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Suche Vereine"));
    d->suche(this);
}

void VereinsSucheDialog::Private::suche(QWidget *dialog)
{
    VereinsSucheSearchModel model;
    const auto uebernimm = [](QLineEdit *feld, auto setzen) {
        const QString text = feld->text().trimmed();
        if (!text.isEmpty())
            setzen(text);
    };
    uebernimm(nummer, [&](const QString &t) { model.setVereinsNummerKomplett(t); });
    uebernimm(name, [&](const QString &t) { model.setName(t); });
    uebernimm(ort, [&](const QString &t) { model.setOrt(t); });
    model.setInaktiv(inaktiv->isChecked());

    StrategyMap strategien;
    strategien[VereinsSucheSearchModel::vereinsNummerKomplettRow] =
        std::make_unique<StringQueryConditionStrategy>(QStringLiteral("%"));
    strategien[VereinsSucheSearchModel::nameRow] =
        std::make_unique<ContainsQueryConditionStrategy>();
    strategien[VereinsSucheSearchModel::ortRow] =
        std::make_unique<ContainsQueryConditionStrategy>();
    strategien[VereinsSucheSearchModel::inaktivRow] =
        std::make_unique<InaktivQueryConditionStrategy>();
    try {
        // The controller leaves out the clubs the user may not read.
        liste->zeigeVereine(VereinController().search(ctx, model, std::move(strategien)));
    } catch (const PersistenceException &fehler) {
        liste->replaceRows(std::vector<std::unique_ptr<Verein>>());
        DatabaseErrorDialog::show(ctx, dialog, kOrt, fehler);
        return;
    }
    if (liste->rowCount() > 0)
        liste->selectRow(0);
}

void VereinsSucheDialog::setzeSucheZurueck()
{
    d->ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Setze Suche zurueck"));
    d->nummer->clear();
    d->name->clear();
    d->ort->clear();
    d->inaktiv->setChecked(false);
    d->liste->replaceRows(std::vector<std::unique_ptr<Verein>>());
    d->nummer->setFocus();
}

void VereinsSucheDialog::waehleVereinAus()
{
    d->ctx.log(QStringLiteral("Dialog"), kOrt, 7, QStringLiteral("Aufruf von Waehle Verein aus"));
    const Verein *verein = d->liste->markierterVerein();
    if (!verein) {
        showError(d->ctx, this, kOrt, tr("Kein Verein markiert"),
                  tr("Bitte markieren Sie zunaechst einen der gefundenen Vereine."));
        return;
    }
    d->gewaehlt.reset(verein->clone());
    d->keinVereinGewaehlt = false;
    accept();
}

void VereinsSucheDialog::waehleKeinenVereinAus()
{
    d->ctx.log(QStringLiteral("Dialog"), kOrt, 7,
               QStringLiteral("Aufruf von Waehle keinen Verein aus"));
    if (!d->keinenVereinErlaubt)
        return;
    d->gewaehlt.reset();
    d->keinVereinGewaehlt = true;
    accept();
}
