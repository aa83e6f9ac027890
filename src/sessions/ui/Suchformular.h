#pragma once

#include "Suchfelder.h"

#include <QWidget>

#include <vector>

class DatabaseContext;
class QLineEdit;
class Session;

// The search fields of a form described by a Suchmaske, with "&Suchen", "Suche
// &zuruecksetzen" and, for the logs, "&Löschen". Session and category are chosen in their
// own dialogs; the query type from a combo box. Empty fields impose nothing.
class Suchformular : public QWidget
{
    Q_OBJECT
public:
    Suchformular(DatabaseContext &ctx, const Suchmaske &maske, const QString &name,
                 bool mitLoeschen, QWidget *parent = nullptr);

    const Suchmaske &maske() const { return m_maske; }
    const QString &name() const { return m_name; }
    // The values in the order of the mask.
    Suchwerte werte() const;
    // The field of a mask entry, by its name (a QLineEdit or a CodeValueComboBox).
    QWidget *feld(const char *name) const;
    // Shows a chosen session (null: none) in the session field.
    void setzeSession(const Session *session);

public slots:
    void zuruecksetzen();
    void waehleSession();
    void waehleKategorie();

signals:
    void suchen();
    void loeschen();

private:
    int index(Suchfeld::Art art) const;

    DatabaseContext &m_ctx;
    const Suchmaske &m_maske;
    QString m_name;
    std::vector<QWidget *> m_felder;
    std::vector<QVariant> m_ids; // chosen session or category
};

// The session search: user, start and end, id, operating system and its version, message,
// program, data model and generator versions, computer, connection, return code.
class SessionSearchWidget : public Suchformular
{
    Q_OBJECT
public:
    explicit SessionSearchWidget(DatabaseContext &ctx, QWidget *parent = nullptr);
};

class EventLogSearchWidget : public Suchformular
{
    Q_OBJECT
public:
    explicit EventLogSearchWidget(DatabaseContext &ctx, QWidget *parent = nullptr);
};

class QueryLogSearchWidget : public Suchformular
{
    Q_OBJECT
public:
    explicit QueryLogSearchWidget(DatabaseContext &ctx, QWidget *parent = nullptr);
};

// "Benutzer <name> auf Rechner <host> ab <start>", with "(ohne Benutzername)", "(ohne
// Rechnername)", "(ohne Beginn-Zeitstempel)" for missing parts.
QString sessionBeschreibung(const Session &session);
