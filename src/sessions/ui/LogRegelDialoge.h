#pragma once

#include "Modus.h"
#include "SessionDialoge.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <memory>

class CodeValueComboBox;
class DatabaseContext;
class EventLogCategory;
class EventLogSettings;
class QCheckBox;
class QLineEdit;
class QueryLogSettings;
class Record;
class TrefferListe;
struct Trefferquelle;

// A list of log rules with "Hi&nzufuegen", "&Bearbeiten" (or a double click) and "&Loeschen".
// After every store or delete the list is read again (the logger has reloaded already).
class Regelwidget : public QWidget
{
    Q_OBJECT
public:
    TrefferListe *liste() const { return m_liste; }

public slots:
    void fuegeHinzu();
    void bearbeite();
    void loesche();
    void lade();

protected:
    Regelwidget(DatabaseContext &ctx, const QString &name, TrefferListe *liste,
                std::function<Trefferquelle()> quelle, QWidget *parent);
    // Opens the edit dialog on a row (null: a new rule); true when it stored the rule.
    virtual bool oeffne(Modus modus, const Record *zeile) = 0;
    virtual void loescheZeile(const Record &zeile) = 0;

    DatabaseContext &m_ctx;
    QString m_name;

private:
    TrefferListe *m_liste;
    std::function<Trefferquelle()> m_quelle;
};

// The event rules: "Kategorie", "Code-Standort", "Level-Operand", "Level", "Konsolenausgabe",
// "Datenbankausgabe".
class EventLogSettingsWidget : public Regelwidget
{
    Q_OBJECT
public:
    explicit EventLogSettingsWidget(DatabaseContext &ctx, QWidget *parent = nullptr);

protected:
    bool oeffne(Modus modus, const Record *zeile) override;
    void loescheZeile(const Record &zeile) override;
};

// The query rules: "Art der Abfrage", "Betroffene Entitaet", "Konsolenausgabe",
// "Datenbank-Ausgabe".
class QueryLogSettingsWidget : public Regelwidget
{
    Q_OBJECT
public:
    explicit QueryLogSettingsWidget(DatabaseContext &ctx, QWidget *parent = nullptr);

protected:
    bool oeffne(Modus modus, const Record *zeile) override;
    void loescheZeile(const Record &zeile) override;
};

// "Log-Einstellungen": the tabs "&Ereignisse" and "&Datenbankzugriffe".
class LogSettingsAdminDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LogSettingsAdminDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    EventLogSettingsWidget *ereignisse() const { return m_ereignisse; }
    QueryLogSettingsWidget *zugriffe() const { return m_zugriffe; }

private:
    EventLogSettingsWidget *m_ereignisse;
    QueryLogSettingsWidget *m_zugriffe;
};

// One event rule in the mode NEU, BEARBEITEN or ANSEHEN. Storing checks operand and level
// (the refusal is shown and the dialog stays open), stores, and reloads the event logger.
class EventLogEditDialog : public QDialog
{
    Q_OBJECT
public:
    EventLogEditDialog(DatabaseContext &ctx, Modus modus, const EventLogSettings *regel,
                       QWidget *parent = nullptr);
    ~EventLogEditDialog() override;
    const EventLogSettings &regel() const { return *m_regel; }

public slots:
    void speichere();
    void waehleKategorie();

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<EventLogSettings> m_regel;
    QLineEdit *m_kategorie;
    QLineEdit *m_standort;
    QLineEdit *m_operand;
    QLineEdit *m_level;
    QCheckBox *m_konsole;
    QCheckBox *m_datenbank;
};

// One query rule; storing has no checks.
class QueryLogEditDialog : public QDialog
{
    Q_OBJECT
public:
    QueryLogEditDialog(DatabaseContext &ctx, Modus modus, const QueryLogSettings *regel,
                       QWidget *parent = nullptr);
    ~QueryLogEditDialog() override;
    const QueryLogSettings &regel() const { return *m_regel; }

public slots:
    void speichere();

private:
    DatabaseContext &m_ctx;
    std::unique_ptr<QueryLogSettings> m_regel;
    CodeValueComboBox *m_art;
    QLineEdit *m_entitaet;
    QCheckBox *m_konsole;
    QCheckBox *m_datenbank;
};

// "Choose a category": the categories by "Name"; "Kategorie &waehlen" (or a double click),
// "&Keine Kategorie waehlen", "Abbre&chen".
class EventLogCategoryChooseDialog : public Auswahldialog
{
    Q_OBJECT
public:
    explicit EventLogCategoryChooseDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    TrefferListe *liste() const { return m_liste; }
    // The chosen category (owned by the dialog); null when none was chosen.
    const EventLogCategory *gewaehlteKategorie() const;

private:
    TrefferListe *m_liste;
};
