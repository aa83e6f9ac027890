#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class DatabaseContext;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Record;
class TrefferListe;

// One read-only field of an entry view: its label and its text for a row.
struct Anzeigefeld
{
    QString label;
    std::function<QString(const Record &)> text;
    bool mehrzeilig = false;
};

// Shows one row of a list read-only and pages through the list it was opened from:
// "&Erster Eintrag", "Zehn Eintraege &zurueck", "&Vorheriger Eintrag", "&Naechster Eintrag",
// "Zehn Eintraege v&or", "&Letzter Eintrag"; each moves the list's current row. The number of
// rows is the search's number of hits, also beyond the rows the list has loaded.
class Eintragsansicht : public QDialog
{
    Q_OBJECT
public:
    // Pages through `liste` from row `zeile`; without a list it shows `einzeln` only.
    Eintragsansicht(DatabaseContext &ctx, const QString &name, const QString &titel,
                    std::vector<Anzeigefeld> felder, TrefferListe *liste, qlonglong zeile,
                    std::unique_ptr<Record> einzeln, QWidget *parent);
    ~Eintragsansicht() override;

    qlonglong position() const { return m_position; }
    qlonglong anzahl() const;
    const Record *eintrag() const { return m_eintrag; }
    // The text shown in the field with this label.
    QString text(const QString &label) const;

public slots:
    void gehe(qlonglong zeile);

protected:
    DatabaseContext &m_ctx;
    QString m_name;
    // The row above the paging buttons, for buttons of a subclass.
    QHBoxLayout *m_zusatz;

private:
    void zeige();
    void knopf(QHBoxLayout *zeile, const QString &text, const char *name, const QString &aufruf,
               const std::function<qlonglong()> &ziel);

    std::vector<Anzeigefeld> m_felder;
    std::vector<QWidget *> m_anzeigen;
    std::vector<std::pair<QPushButton *, const char *>> m_knoepfe;
    TrefferListe *m_liste;
    std::unique_ptr<Record> m_einzeln;
    const Record *m_eintrag = nullptr;
    qlonglong m_position = -1;
};

// "Session ansehen": one session.
class SessionViewDialog : public Eintragsansicht
{
    Q_OBJECT
public:
    SessionViewDialog(DatabaseContext &ctx, TrefferListe *liste, qlonglong zeile,
                      QWidget *parent = nullptr);
    // A single session, without a list to page through.
    SessionViewDialog(DatabaseContext &ctx, std::unique_ptr<Record> session,
                      QWidget *parent = nullptr);
};

// "Logeintrag ansehen": one event-log entry; "&Session Ansehen" opens its session.
class EventLogViewDialog : public Eintragsansicht
{
    Q_OBJECT
public:
    EventLogViewDialog(DatabaseContext &ctx, TrefferListe *liste, qlonglong zeile,
                       QWidget *parent = nullptr);
public slots:
    void seheSessionAn();
};

// "Logeintrag ansehen" for one statement of the query log.
class QueryLogViewDialog : public Eintragsansicht
{
    Q_OBJECT
public:
    QueryLogViewDialog(DatabaseContext &ctx, TrefferListe *liste, qlonglong zeile,
                       QWidget *parent = nullptr);
};
