#include "Eintragsansicht.h"

#include "Blaettern.h"
#include "CodeManager.h"
#include "DatabaseContext.h"
#include "FieldFactory.h"
#include "PersistenceException.h"
#include "DatabaseErrorDialog.h"
#include "TrefferListe.h"
#include "Treffersuche.h"
#include "controllers/SessionController.h"
#include "entities/CodeValue.h"
#include "joins/EventLogListeJoinModel.h"
#include "joins/QueryLogListeJoinModel.h"
#include "entities/Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// How many pages a paging step may read into the list before it reads the entry alone.
constexpr int kSeitenJeSchritt = 5;

QString wert(const Record &r, int row)
{
    return r.isSetAt(row) ? r.rawValueAt(row).toString() : QString();
}

QString zeit(const Record &r, int row)
{
    return r.isSetAt(row) ? r.rawValueAt(row).toDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"))
                          : QString();
}

QString importiert(const Record &r, int row)
{
    return r.isSetAt(row) ? zeit(r, row) : Eintragsansicht::tr("Nicht importiert");
}

Anzeigefeld textfeld(const QString &label, int row, bool mehrzeilig = false)
{
    return {label, [row](const Record &r) { return wert(r, row); }, mehrzeilig};
}

Anzeigefeld zeitfeld(const QString &label, int row)
{
    return {label, [row](const Record &r) { return zeit(r, row); }};
}

Anzeigefeld importfeld(const QString &label, int row)
{
    return {label, [row](const Record &r) { return importiert(r, row); }};
}

} // namespace

Eintragsansicht::Eintragsansicht(DatabaseContext &ctx, const QString &name, const QString &titel,
                                 std::vector<Anzeigefeld> felder, TrefferListe *liste,
                                 qlonglong zeile, std::unique_ptr<Record> einzeln, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_name(name), m_felder(std::move(felder)), m_liste(liste),
      m_einzeln(std::move(einzeln))
{
    ctx.log(QStringLiteral("Dialog"), name, 7, QStringLiteral("Oeffne ") + name);
    setWindowTitle(titel);
    auto *grid = new QGridLayout;
    for (const Anzeigefeld &feld : m_felder) {
        const int r = grid->rowCount();
        grid->addWidget(FieldFactory::createLabel(feld.label), r, 0,
                        feld.mehrzeilig ? Qt::AlignTop | Qt::AlignRight
                                        : Qt::Alignment(Qt::AlignRight));
        QWidget *anzeige = nullptr;
        if (feld.mehrzeilig) {
            auto *edit = new QPlainTextEdit;
            edit->setReadOnly(true);
            edit->setStyleSheet(FieldFactory::optionalFieldStyle(false));
            anzeige = edit;
        } else {
            anzeige = FieldFactory::createLineEdit(false);
        }
        grid->addWidget(anzeige, r, 1);
        m_anzeigen.push_back(anzeige);
    }
    grid->setColumnStretch(1, 1);

    m_zusatz = new QHBoxLayout;
    auto *blaettern = new QHBoxLayout;
    knopf(blaettern, tr("&Erster Eintrag"), "erster", QStringLiteral("Erster Eintrag"),
          [] { return 0; });
    knopf(blaettern, tr("Zehn Eintraege &zurueck"), "zehnZurueck",
          QStringLiteral("Zehn Eintraege zurueck"), [this] { return m_position - 10; });
    knopf(blaettern, tr("&Vorheriger Eintrag"), "vorheriger",
          QStringLiteral("Vorheriger Eintrag"), [this] { return m_position - 1; });
    knopf(blaettern, tr("&Naechster Eintrag"), "naechster", QStringLiteral("Naechster Eintrag"),
          [this] { return m_position + 1; });
    knopf(blaettern, tr("Zehn Eintraege v&or"), "zehnVor", QStringLiteral("Zehn Eintraege vor"),
          [this] { return m_position + 10; });
    knopf(blaettern, tr("&Letzter Eintrag"), "letzter", QStringLiteral("Letzter Eintrag"),
          [this] { return anzahl() - 1; });
    auto *schliessen = new QPushButton(tr("S&chliessen"));
    schliessen->setObjectName(QStringLiteral("schliessen"));
    schliessen->setDefault(true);
    connect(schliessen, &QPushButton::clicked, this, [this] {
        m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Schliessen"));
        accept();
    });
    m_zusatz->addStretch();
    m_zusatz->addWidget(schliessen);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(blaettern);
    layout->addLayout(m_zusatz);
    resize(760, 520);
    if (m_liste) {
        gehe(zeile);
    } else {
        m_eintrag = m_einzeln.get();
        m_position = m_eintrag ? 0 : -1;
        zeige();
    }
}

Eintragsansicht::~Eintragsansicht() = default;

void Eintragsansicht::knopf(QHBoxLayout *zeile, const QString &text, const char *name,
                            const QString &aufruf, const std::function<qlonglong()> &ziel)
{
    auto *k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoDefault(false);
    connect(k, &QPushButton::clicked, this, [this, aufruf, ziel] {
        m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von ") + aufruf);
        gehe(ziel());
    });
    zeile->addWidget(k);
    m_knoepfe.emplace_back(k, name);
}

qlonglong Eintragsansicht::anzahl() const
{
    if (!m_liste)
        return m_einzeln ? 1 : 0;
    return m_liste->treffer()->anzahl();
}

void Eintragsansicht::gehe(qlonglong zeile)
{
    if (!m_liste || zeile < 0 || zeile >= anzahl())
        return;
    TrefferModell *modell = m_liste->treffer();
    try {
        if (modell->lade(zeile, kSeitenJeSchritt)) {
            m_eintrag = modell->rowObject(int(zeile));
            m_liste->selectRow(int(zeile));
        } else if (modell->suche()) {
            // Far beyond the loaded rows: this entry alone.
            m_einzeln = modell->suche()->trefferAn(zeile);
            m_eintrag = m_einzeln.get();
            m_liste->selectRow(-1);
        }
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, m_name, fehler);
        return;
    }
    m_position = m_eintrag ? zeile : -1;
    zeige();
}

void Eintragsansicht::zeige()
{
    for (size_t i = 0; i < m_felder.size(); ++i) {
        const QString inhalt = m_eintrag ? m_felder[i].text(*m_eintrag) : QString();
        if (auto *edit = qobject_cast<QLineEdit *>(m_anzeigen[i])) {
            edit->setText(inhalt);
            edit->setCursorPosition(0);
        } else {
            static_cast<QPlainTextEdit *>(m_anzeigen[i])->setPlainText(inhalt);
        }
    }
    const Blaettern b = Blaettern::fuer(m_position, m_liste ? anzahl() : 0);
    const bool an[] = {b.erster, b.zehnZurueck, b.vorheriger, b.naechster, b.zehnVor, b.letzter};
    for (size_t i = 0; i < m_knoepfe.size(); ++i)
        m_knoepfe[i].first->setEnabled(an[i]);
}

QString Eintragsansicht::text(const QString &label) const
{
    for (size_t i = 0; i < m_felder.size(); ++i)
        if (m_felder[i].label == label) {
            if (auto *edit = qobject_cast<QLineEdit *>(m_anzeigen[i]))
                return edit->text();
            return static_cast<QPlainTextEdit *>(m_anzeigen[i])->toPlainText();
        }
    return QString();
}

namespace {

std::vector<Anzeigefeld> sessionFelder()
{
    using S = Session;
    return {textfeld(SessionViewDialog::tr("Benutzer"), S::benutzernameRow),
            textfeld(SessionViewDialog::tr("Rechner"), S::hostnameRow),
            textfeld(SessionViewDialog::tr("Verbindung zu"), S::connectionURLRow),
            zeitfeld(SessionViewDialog::tr("Gestartet"), S::start_tistRow),
            zeitfeld(SessionViewDialog::tr("Beendet"), S::end_tistRow),
            textfeld(SessionViewDialog::tr("Betriebssystem"), S::ostypeRow),
            textfeld(SessionViewDialog::tr("Version"), S::osversionRow),
            textfeld(SessionViewDialog::tr("Rückgabewert"), S::retCodeRow),
            textfeld(SessionViewDialog::tr("Meldung"), S::retMessageRow),
            textfeld(SessionViewDialog::tr("Datenmodellversion"), S::dataModelVersionRow),
            textfeld(SessionViewDialog::tr("Programmversion"), S::programVersionRow),
            textfeld(SessionViewDialog::tr("Generatorversion"), S::dmgenVersionRow),
            importfeld(SessionViewDialog::tr("Importiert"), S::import_tistRow)};
}

} // namespace

SessionViewDialog::SessionViewDialog(DatabaseContext &ctx, TrefferListe *liste, qlonglong zeile,
                                     QWidget *parent)
    : Eintragsansicht(ctx, QStringLiteral("SessionViewDialog"), tr("Session ansehen"),
                      sessionFelder(), liste, zeile, nullptr, parent)
{
}

SessionViewDialog::SessionViewDialog(DatabaseContext &ctx, std::unique_ptr<Record> session,
                                     QWidget *parent)
    : Eintragsansicht(ctx, QStringLiteral("SessionViewDialog"), tr("Session ansehen"),
                      sessionFelder(), nullptr, 0, std::move(session), parent)
{
}

EventLogViewDialog::EventLogViewDialog(DatabaseContext &ctx, TrefferListe *liste, qlonglong zeile,
                                       QWidget *parent)
    : Eintragsansicht(
          ctx, QStringLiteral("EventLogViewDialog"), tr("Logeintrag ansehen"),
          {textfeld(tr("Benutzer"), EventLogListeJoinModel::sessionBenutzernameRow),
           textfeld(tr("Rechner"), EventLogListeJoinModel::sessionHostnameRow),
           textfeld(tr("Kategorie"), EventLogListeJoinModel::categoryNameRow),
           textfeld(tr("Level"), EventLogListeJoinModel::eventLogLevelRow),
           zeitfeld(tr("Zeitstempel"), EventLogListeJoinModel::eventLogExecution_tistRow),
           importfeld(tr("Logeintrag importiert"), EventLogListeJoinModel::eventLogImport_tistRow),
           textfeld(tr("Code-Standort"), EventLogListeJoinModel::eventLogLocationRow),
           textfeld(tr("Text"), EventLogListeJoinModel::eventLogTextRow, true)},
          liste, zeile, nullptr, parent)
{
    auto *session = new QPushButton(tr("&Session Ansehen"));
    session->setObjectName(QStringLiteral("sessionAnsehen"));
    session->setAutoDefault(false);
    connect(session, &QPushButton::clicked, this, &EventLogViewDialog::seheSessionAn);
    m_zusatz->insertWidget(0, session);
}

void EventLogViewDialog::seheSessionAn()
{
    m_ctx.log(QStringLiteral("Dialog"), m_name, 7, QStringLiteral("Aufruf von Session Ansehen"));
    if (!eintrag() || !eintrag()->isSetAt(EventLogListeJoinModel::eventLogSessionRow))
        return;
    std::unique_ptr<Session> session;
    try {
        session = SessionController().readById(
            m_ctx, eintrag()->rawValueAt(EventLogListeJoinModel::eventLogSessionRow).toLongLong());
    } catch (const PersistenceException &fehler) {
        DatabaseErrorDialog::show(m_ctx, this, m_name, fehler);
        return;
    }
    if (!session)
        return;
    SessionViewDialog dialog(m_ctx, std::move(session), this);
    dialog.exec();
}

QueryLogViewDialog::QueryLogViewDialog(DatabaseContext &ctx, TrefferListe *liste, qlonglong zeile,
                                       QWidget *parent)
    : Eintragsansicht(
          ctx, QStringLiteral("QueryLogViewDialog"), tr("Logeintrag ansehen"),
          {textfeld(tr("Benutzer"), QueryLogListeJoinModel::sessionBenutzernameRow),
           textfeld(tr("Rechner"), QueryLogListeJoinModel::sessionHostnameRow),
           zeitfeld(tr("Zeitstempel"), QueryLogListeJoinModel::queryLogExecution_tistRow),
           importfeld(tr("Logeintrag importiert"), QueryLogListeJoinModel::queryLogImport_tistRow),
           {tr("Abfrage-Art"),
            [&ctx](const Record &r) {
                const int row = QueryLogListeJoinModel::queryLogQueryTypeRow;
                const auto code = r.isSetAt(row) ? ctx.codeManager().getCodeValueById(
                                                       r.rawValueAt(row).toLongLong())
                                                 : nullptr;
                return code && code->hasName() ? code->getName() : QString();
            }},
           textfeld(tr("Anzahl Datensaetze"), QueryLogListeJoinModel::queryLogNumberOfRowsRow),
           textfeld(tr("Code-Standort"), QueryLogListeJoinModel::queryLogLocationRow),
           textfeld(tr("Tabellen"), QueryLogListeJoinModel::queryLogEntitiesRow),
           textfeld(tr("Extra-Info"), QueryLogListeJoinModel::queryLogInfoRow),
           textfeld(tr("Abfrage"), QueryLogListeJoinModel::queryLogQueryRow, true)},
          liste, zeile, nullptr, parent)
{
}
