#pragma once

#include <QDialog>

#include <memory>

class DatabaseContext;
class Record;
class Session;
class Trefferbereich;
class TrefferListe;

// A list to choose one row from: "<choose>" (or a double click) accepts with the selected
// row, "<none>" accepts with no row, "Abbre&chen" rejects and leaves the choice as it was.
class Auswahldialog : public QDialog
{
    Q_OBJECT
public:
    ~Auswahldialog() override;
    bool keineGewaehlt() const { return m_keine; }

protected:
    Auswahldialog(DatabaseContext &ctx, const QString &name, QWidget *parent);
    // Adds the buttons below `inhalt`, which holds `liste`.
    void baue(QWidget *inhalt, TrefferListe *liste, const QString &waehlen, const QString &keine);
    const Record *gewaehlt() const { return m_gewaehlt.get(); }

    DatabaseContext &m_ctx;
    QString m_name;

private:
    void waehle();

    TrefferListe *m_liste = nullptr;
    std::unique_ptr<Record> m_gewaehlt;
    bool m_keine = false;
};

// "Sessions": search, list, "&Ansehen" (or a double click) and "S&chliessen".
class SessionAdminDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SessionAdminDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    Trefferbereich *bereich() const { return m_bereich; }

public slots:
    void seheAn();

private:
    DatabaseContext &m_ctx;
    Trefferbereich *m_bereich;
};

// "Session auswaehlen": the same search; "Aus&waehlen", "&Keine auswaehlen", "Abbre&chen".
class SessionChooseDialog : public Auswahldialog
{
    Q_OBJECT
public:
    explicit SessionChooseDialog(DatabaseContext &ctx, QWidget *parent = nullptr);
    Trefferbereich *bereich() const { return m_bereich; }
    // The chosen session (owned by the dialog); null when none was chosen.
    const Session *gewaehlteSession() const;

private:
    Trefferbereich *m_bereich;
};

// A Trefferbereich over the sessions.
Trefferbereich *sessionBereich(DatabaseContext &ctx, QWidget *parent = nullptr);
