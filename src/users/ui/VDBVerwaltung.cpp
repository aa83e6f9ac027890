#include "VDBVerwaltung.h"

#include "CodeManager.h"
#include "CodeValueComboBox.h"
#include "CodeValueConverters.h"
#include "DatabaseContext.h"
#include "DatabaseErrorDialog.h"
#include "FieldFactory.h"
#include "MessageBoxes.h"
#include "PersistenceException.h"
#include "VereinsSucheDialog.h"
#include "controllers/GlobaleEinstellungController.h"
#include "controllers/VereinController.h"
#include "controllers/VereinsDatenBerechtigungController.h"
#include "entities/Benutzer.h"
#include "entities/CodeValue.h"
#include "joins/VDBVereinJoinController.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kVerwaltung = QStringLiteral("VDBVerwaltung");
const QString kDialog = QStringLiteral("VDBBearbeitenDialog");

QString benutzerName(const Benutzer &benutzer)
{
    return benutzer.hasBenutzername() ? benutzer.getBenutzername() : QString();
}

QPushButton *knopf(QWidget *ziel, QHBoxLayout *zeile, const QString &text, const char *name,
                   const std::function<void()> &slot)
{
    auto *button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, ziel, slot);
    zeile->addWidget(button);
    return button;
}

} // namespace

VDBListe::VDBListe(DatabaseContext &ctx, QWidget *parent) : AuswahlListe(ctx, parent)
{
    richteEin();
}

void VDBListe::createTableView()
{
    using J = VDBVereinJoinModel;
    DatabaseContext &ctx = context();
    const auto code = [&ctx](const char *typ) {
        return std::make_unique<CodeValueKurzTextVariantConverter>(ctx, QString::fromLatin1(typ));
    };
    std::map<int, ColumnDescription> columns;
    columns.emplace(J::vereinVereinsNummerKomplettRow, ColumnDescription(tr("Vereinsnummer"), 100));
    columns.emplace(J::vereinNameRow, ColumnDescription(tr("Vereinsname"), 200));
    columns.emplace(J::berechtigungArtRow, ColumnDescription(tr("Berechtigungsart"), 140, SortAsText,
                                                             code("DatenBerechtigungsArt")));
    columns.emplace(J::berechtigungObjektTypRow, ColumnDescription(tr("Objekttyp"), 100, SortAsText,
                                                                   code("DatenBerechtigungsObjektTyp")));
    columns.emplace(J::berechtigungAusdehnungRow,
                    ColumnDescription(tr("Zugriffsrecht"), 200, SortAsText,
                                      code("VereinsDatenBerechtigungsAusdehnung")));
    setTableView(new QTableView,
                 new CompositeTableModel({J::vereinVereinsNummerKomplettRow, J::vereinNameRow,
                                          J::berechtigungArtRow, J::berechtigungObjektTypRow,
                                          J::berechtigungAusdehnungRow},
                                         std::move(columns)));
}

void VDBListe::lade(qlonglong benutzerId)
{
    std::vector<std::unique_ptr<VDBVereinJoinModel>> zeilen;
    for (const auto &berechtigung : VereinsDatenBerechtigungController().select(
             context(), {{QStringLiteral("benutzer"), benutzerId}})) {
        auto zeile = std::make_unique<VDBVereinJoinModel>();
        VDBVereinJoinController::fromBerechtigung(*zeile, *berechtigung);
        // The club of a permission is shown even where the permission does not cover it.
        if (berechtigung->hasVerein()) {
            if (const auto verein =
                    VereinController().readById(context(), berechtigung->getVerein(), true))
                VDBVereinJoinController::fromVerein(*zeile, *verein);
        }
        zeilen.push_back(std::move(zeile));
    }
    replaceRows(std::move(zeilen));
}

std::unique_ptr<VereinsDatenBerechtigung> VDBListe::berechtigungInZeile(int row) const
{
    const auto *zeile = model()->rowObjectAs<VDBVereinJoinModel>(row);
    return zeile ? VDBVereinJoinController::toBerechtigung(*zeile) : nullptr;
}

VDBVerwaltung::VDBVerwaltung(DatabaseContext &ctx, const Benutzer &benutzer, bool nurLesen,
                             QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_benutzer(benutzer.clone()), m_liste(new VDBListe(ctx))
{
    setWindowTitle(tr("Verwaltung der Datenberechtigungen"));
    setModal(true);
    resize(800, 400);
    ctx.log(QStringLiteral("Dialog"), kVerwaltung, 7,
            QStringLiteral("Oeffne VDBVerwaltung fuer Benutzer ") + benutzerName(benutzer));
    auto *gruppe = new QGroupBox(tr("Alle Datenberechtigungen des Benutzers"));
    (new QVBoxLayout(gruppe))->addWidget(m_liste);
    auto *zeile = new QHBoxLayout;
    QPushButton *neuKnopf = knopf(this, zeile, tr("&Neu"), "neu", [this] { neu(); });
    knopf(this, zeile, tr("&Ansehen"), "ansehen", [this] { ansehen(); });
    QPushButton *bearbeitenKnopf =
        knopf(this, zeile, tr("&Bearbeiten"), "bearbeiten", [this] { bearbeiten(); });
    QPushButton *loeschenKnopf = knopf(this, zeile, tr("&Loeschen"), "loeschen", [this] { loeschen(); });
    zeile->addStretch();
    knopf(this, zeile, tr("S&chliessen"), "schliessen", [this] { accept(); });
    for (QPushButton *schreibend : {neuKnopf, bearbeitenKnopf, loeschenKnopf})
        schreibend->setEnabled(!nurLesen);
    connect(m_liste, &VDBListe::doppelklick, this, [this, nurLesen] {
        if (nurLesen)
            ansehen();
        else
            bearbeiten();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gruppe, 1);
    layout->addLayout(zeile);
    aktualisiere(0);
}

VDBVerwaltung::~VDBVerwaltung() = default;

void VDBVerwaltung::aktualisiere(int zeile)
{
    try {
        m_liste->lade(m_benutzer->hasId() ? m_benutzer->getId() : -1);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kVerwaltung, e);
    }
    m_liste->selectRow(m_liste->rowCount() ? zeile : -1);
}

void VDBVerwaltung::oeffne(Modus modus, const char *name)
{
    const int row = m_liste->selectedRow();
    const auto berechtigung = m_liste->berechtigungInZeile(row);
    if (modus != Modus::NEU && !berechtigung) {
        m_ctx.log(QStringLiteral("Dialog"), kVerwaltung, 7,
                  QStringLiteral("Kein Aufruf von Oeffne %1 da nichts markiert").arg(QLatin1String(name)));
        return;
    }
    VDBBearbeitenDialog dialog(m_ctx, modus, modus == Modus::NEU ? nullptr : berechtigung.get(),
                               *m_benutzer, row, this);
    if (dialog.exec() != QDialog::Accepted || modus == Modus::ANSEHEN)
        return;
    m_ctx.reloadPermissions();
    aktualisiere(modus == Modus::NEU ? m_liste->rowCount() : row);
}

void VDBVerwaltung::neu()
{
    oeffne(Modus::NEU, "BerechtigungNeu");
}

void VDBVerwaltung::ansehen()
{
    oeffne(Modus::ANSEHEN, "BerechtigungAnsehen");
}

void VDBVerwaltung::bearbeiten()
{
    oeffne(Modus::BEARBEITEN, "BerechtigungBearbeiten");
}

void VDBVerwaltung::loeschen()
{
    const int row = m_liste->selectedRow();
    const auto berechtigung = m_liste->berechtigungInZeile(row);
    if (!berechtigung) {
        m_ctx.log(QStringLiteral("Dialog"), kVerwaltung, 7, QStringLiteral("==> Keine Berechtigung markiert"));
        return;
    }
    try {
        VereinsDatenBerechtigungController().remove(m_ctx, *berechtigung);
        m_ctx.reloadPermissions();
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kVerwaltung, e);
    }
    aktualisiere(row);
}

VDBBearbeitenDialog::VDBBearbeitenDialog(DatabaseContext &ctx, Modus modus,
                                         const VereinsDatenBerechtigung *berechtigung,
                                         const Benutzer &benutzer, int row, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_modus(modus), m_row(row),
      m_berechtigung(berechtigung ? berechtigung->clone() : new VereinsDatenBerechtigung)
{
    const DialogModus art = DialogModus::aus(
        modus, tr("Neue Berechtigung anlegen"), tr("Berechtigung bearbeiten"),
        tr("Informationen zur Berechtigung"), tr("Neue Berechtigung &speichern"),
        tr("Aenderungen &speichern"));
    DialogModi::oeffne(ctx, *this, kDialog, art);
    if (!m_berechtigung->hasBenutzer())
        m_berechtigung->setBenutzer(benutzer.hasId() ? benutzer.getId() : -1);
    else if (!benutzer.hasId() || m_berechtigung->getBenutzer() != benutzer.getId())
        ctx.log(QStringLiteral("Dialog"), kDialog, 7,
                QStringLiteral("Moegliche Dateninkonsistenz: Berechtigung gehoert nicht zum "
                               "aktuellen Benutzer."));
    const bool editierbar = art.editierbar;

    m_verein = FieldFactory::createLineEdit(false);
    m_verein->setObjectName(QStringLiteral("verein"));
    auto *vereinWaehlen = new QPushButton(tr("&Verein auswaehlen"));
    vereinWaehlen->setEnabled(editierbar);
    connect(vereinWaehlen, &QPushButton::clicked, this, &VDBBearbeitenDialog::waehleVerein);
    auto *benutzerFeld = FieldFactory::createLineEdit(false);
    benutzerFeld->setText(benutzerName(benutzer));
    const auto combo = [&](const char *typ, const char *name, qlonglong wert, bool gesetzt) {
        auto *box = new CodeValueComboBox(ctx, QString::fromLatin1(typ));
        box->setObjectName(QString::fromLatin1(name));
        box->setValue(gesetzt ? QVariant(wert) : QVariant());
        box->setEnabled(editierbar);
        FieldFactory::colourComboBox(box, editierbar);
        return box;
    };
    const VereinsDatenBerechtigung &b = *m_berechtigung;
    m_art = combo("DatenBerechtigungsArt", "art", b.hasArt() ? b.getArt() : 0, b.hasArt());
    m_typ = combo("DatenBerechtigungsObjektTyp", "objektTyp", b.hasObjektTyp() ? b.getObjektTyp() : 0,
                  b.hasObjektTyp());
    m_ausdehnung = combo("VereinsDatenBerechtigungsAusdehnung", "ausdehnung",
                         b.hasAusdehnung() ? b.getAusdehnung() : 0, b.hasAusdehnung());

    // The fields read as one sentence.
    auto *satz = new QGridLayout;
    const auto zeile = [satz](int r, const QString &text, QWidget *feld, QWidget *extra = nullptr) {
        satz->addWidget(new QLabel(text), r, 0);
        satz->addWidget(feld, r, 1);
        if (extra)
            satz->addWidget(extra, r, 2);
    };
    zeile(0, tr("Ausgehend vom Verein"), m_verein, vereinWaehlen);
    zeile(1, tr("ist dem Benutzer"), benutzerFeld);
    zeile(2, QString(), m_art);
    zeile(3, tr("von Objekten des Typs"), m_typ);
    zeile(4, tr("mit dem Zugriffsrecht"), m_ausdehnung);
    satz->addWidget(new QLabel(tr("erlaubt.")), 5, 0);
    zeigeVerein();

    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, art);
    if (knoepfe.speichern)
        connect(knoepfe.speichern, &QPushButton::clicked, this,
                &VDBBearbeitenDialog::speichernUndSchliessen);
    if (knoepfe.schliessen)
        connect(knoepfe.schliessen, &QPushButton::clicked, this, &QDialog::accept);
    if (knoepfe.abbrechen)
        connect(knoepfe.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(satz);
    layout->addLayout(knoepfe.zeile);
}

VDBBearbeitenDialog::~VDBBearbeitenDialog() = default;

void VDBBearbeitenDialog::zeigeVerein()
{
    if (!m_berechtigung->hasVerein()) {
        m_verein->clear();
        return;
    }
    const auto vereine = VereinController().select(
        m_ctx, {{QStringLiteral("id"), m_berechtigung->getVerein()}}, true, false);
    if (vereine.size() != 1) {
        m_verein->setText(
            tr("Fehler: Vereinsreferenz in der Berechtigung nicht aufloesbar oder nicht eindeutig."));
        return;
    }
    const Verein &verein = *vereine.front();
    m_verein->setText((verein.hasVereinsNummerKomplett() ? verein.getVereinsNummerKomplett() : QString()) +
                      QLatin1Char(' ') + (verein.hasName() ? verein.getName() : QString()));
}

void VDBBearbeitenDialog::waehleVerein()
{
    VereinsSucheDialog suche(m_ctx, false, this);
    if (suche.exec() != QDialog::Accepted)
        return;
    if (const auto verein = suche.gewaehlterVerein()) {
        m_berechtigung->setVerein(verein->getId());
        zeigeVerein();
    }
}

void VDBBearbeitenDialog::speichernUndSchliessen()
{
    m_ctx.log(QStringLiteral("Dialog"), kDialog, 7, QStringLiteral("Aufruf von Speichern und Schliessen"));
    const auto setze = [](CodeValueComboBox *box, auto setzen, auto leeren) {
        const QVariant wert = box->value();
        if (wert.isValid())
            setzen(wert.toLongLong());
        else
            leeren();
    };
    VereinsDatenBerechtigung &b = *m_berechtigung;
    setze(m_art, [&b](qlonglong v) { b.setArt(v); }, [&b] { b.setArtNull(); });
    setze(m_typ, [&b](qlonglong v) { b.setObjektTyp(v); }, [&b] { b.setObjektTypNull(); });
    setze(m_ausdehnung, [&b](qlonglong v) { b.setAusdehnung(v); }, [&b] { b.setAusdehnungNull(); });
    struct Fehler
    {
        bool fehlt;
        const char *log, *titel, *text;
    };
    const Fehler pruefungen[] = {
        {!b.hasVerein(), "Kein Verein angegeben.", "Kein Verein angegeben",
         "Bitte waehlen Sie einen Verein aus, fuer den die Berechtigung gelten soll.  Je nach "
         "gewaehltem Zugriffsrecht kann diese Berechtigung auch den Zugriff auf Untervereine und "
         "deren Mitglieder ermoeglichen."},
        {!b.hasArt(), "Keine Berechtigungsart angegeben.", "Keine Berechtigungsart angegeben",
         "Bitte geben Sie an, ob die Berechtigung fuer das Lesen oder das Lesen und Schreiben gilt."},
        {!b.hasObjektTyp(), "Kein Objekttyp angegeben.", "Kein Objekttyp angegeben",
         "Bitte geben Sie an, fuer welche Arten von Objekten die Berechtigung gelten soll."},
        {!b.hasAusdehnung(), "Kein Zugriffsrecht angegeben.", "Kein Zugriffsrecht angegeben",
         "Bitte geben Sie das Zugriffsrecht an.  Es legt fest, auf welche Datenobjekte (ausgehend "
         "vom gewaehlten Verein)jemand zugreifen darf.  Damit kann zum Beispiel festgelegt werden "
         "dass der Dachverband nicht auf Clubmitglieder zugreifen darf."},
    };
    for (const Fehler &fehler : pruefungen) {
        if (!fehler.fehlt)
            continue;
        m_ctx.log(QStringLiteral("Fehlermeldung"), kDialog, 7, QString::fromUtf8(fehler.log));
        MessageBoxes::current().critical(this, QString::fromUtf8(fehler.titel),
                                         QString::fromUtf8(fehler.text));
        m_ctx.log(QStringLiteral("Dialog"), kDialog, 7, QStringLiteral("==> Pruefung fehlgeschlagen"));
        return;
    }
    m_ctx.log(QStringLiteral("Dialog"), kDialog, 7, QStringLiteral("==> Pruefung erfolgreich"));
    try {
        VereinsDatenBerechtigungController().insertOrUpdate(m_ctx, b);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, kDialog, e);
        return;
    }
    if (m_modus == Modus::NEU) {
        emit neueBerechtigungHinzugefuegt();
    } else {
        m_ctx.log(QStringLiteral("Dialog"), kDialog, 7,
                  QStringLiteral("Sende Signal berechtigungWurdeBearbeitet fuer Zeile ") +
                      QString::number(m_row));
        emit berechtigungWurdeBearbeitet(m_row);
    }
    accept();
}

BerechtigungsModusDialog::BerechtigungsModusDialog(DatabaseContext &ctx, QWidget *parent)
    : QDialog(parent), m_ctx(ctx)
{
    const DialogModus art{QString(), tr("Berechtigungen ein- oder ausschalten"), true,
                          tr("Aenderungen &speichern")};
    DialogModi::oeffne(ctx, *this, QStringLiteral("BerechtigungsModusDialog"), art);
    m_modus = new CodeValueComboBox(ctx, QStringLiteral("DatenBerechtigungsModus"));
    m_modus->setObjectName(QStringLiteral("modus"));
    GlobaleEinstellungNachNameSearchModel suche;
    suche.setName(QStringLiteral("DatenBerechtigungsModus"));
    const auto einstellungen = GlobaleEinstellungController().search(ctx, suche);
    if (einstellungen.size() == 1 && einstellungen.front()->hasCodeValue())
        m_modus->setValue(einstellungen.front()->getCodeValue());
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(FieldFactory::createLabel(tr("Berechtigungsmodus")));
    zeile->addWidget(m_modus, 1);
    const DialogKnoepfe knoepfe = DialogModi::knoepfe(*this, art);
    connect(knoepfe.speichern, &QPushButton::clicked, this,
            &BerechtigungsModusDialog::speichernUndSchliessen);
    connect(knoepfe.abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(zeile);
    layout->addLayout(knoepfe.zeile);
}

void BerechtigungsModusDialog::speichernUndSchliessen()
{
    const QVariant wert = m_modus->value();
    const auto code = wert.isValid() ? m_ctx.codeManager().getCodeValueById(wert.toLongLong()) : nullptr;
    m_ctx.log(QStringLiteral("Dialog"), QStringLiteral("BerechtigungsModusDialog"), 7,
              QStringLiteral("Aufruf von Speichern und Schliessen, neuer Wert von Berechtigungen "
                             "Ein/Aus ist ") +
                  (code && code->hasName() ? code->getName() : QStringLiteral("(ohne Wert)")));
    try {
        GlobaleEinstellungNachNameSearchModel suche;
        suche.setName(QStringLiteral("DatenBerechtigungsModus"));
        auto einstellungen = GlobaleEinstellungController().search(m_ctx, suche);
        std::unique_ptr<GlobaleEinstellung> einstellung =
            einstellungen.empty() ? std::make_unique<GlobaleEinstellung>() : std::move(einstellungen.front());
        einstellung->setName(QStringLiteral("DatenBerechtigungsModus"));
        if (wert.isValid())
            einstellung->setCodeValue(wert.toLongLong());
        else
            einstellung->setCodeValueNull();
        GlobaleEinstellungController().insertOrUpdate(m_ctx, *einstellung);
    } catch (const PersistenceException &e) {
        DatabaseErrorDialog::show(m_ctx, this, QStringLiteral("BerechtigungsModusDialog"), e);
        return;
    }
    accept();
}
