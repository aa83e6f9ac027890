#pragma once

#include "Modus.h"

#include <QDialog>

#include <memory>

class DatabaseContext;
class QPushButton;
class QTabWidget;
class Verein;
class VereinBearbeitenWidget;
class VereinFunktionstraegerWidget;

// Creates (NEU), edits (BEARBEITEN) or shows (ANSEHEN) one club with its officials, in the
// tabs "&Vereinsdaten" and "&Funktionstraeger". The dialog works on its own copy of the club;
// the club, its officials and, when its number changed, the numbers of the clubs below it are
// written together when the user stores, and the opener is told through
// vereinWurdeGespeichert. In BEARBEITEN a club the user may not write opens read-only.
//
// The opener runs it modally:
//
//   VereinBearbeitenDialog dialog(ctx, Modus::BEARBEITEN, aktiverVerein, this);
//   connect(&dialog, &VereinBearbeitenDialog::vereinWurdeGespeichert, this,
//           [&](Verein *verein) { /* copy it */ });
//   dialog.exec(); // Accepted only after storing
class VereinBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // `verein` (copied; null for NEU, where a new club starts with the preset country).
    VereinBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Verein *verein,
                           QWidget *parent = nullptr);
    ~VereinBearbeitenDialog() override;

    Modus modus() const { return m_modus; }
    // Whether the fields can be changed: not in ANSEHEN, nor when the write check refuses.
    bool istEditierbar() const { return m_editierbar; }
    // The dialog's copy of the club.
    const Verein &verein() const { return *m_verein; }
    VereinBearbeitenWidget *vereinsdaten() const { return m_vereinsdaten; }
    VereinFunktionstraegerWidget *funktionstraeger() const { return m_funktionstraeger; }
    QTabWidget *reiter() const { return m_reiter; }

    // Deletes a club after asking the user: refused (with a message) while members,
    // competitions or sub-clubs refer to it; otherwise its data permissions, its officials
    // and the club are deleted and the user is told. True when the club was deleted.
    static bool loescheVerein(DatabaseContext &ctx, const Verein &verein,
                              QWidget *parent = nullptr);

public slots:
    // "Verein &speichern" / "Aenderungen &speichern": checks, stores, tells the opener and
    // closes; a failed check or a database error keeps the dialog open with a message.
    void schliessenUndSpeichern();
    // "Abbre&chen" (asks first) and, in ANSEHEN, "S&chliessen".
    void abbrechen();
    // Closing the window or Escape ask like "Abbre&chen".
    void reject() override;

signals:
    // The stored club (the dialog's copy, valid during the call: receivers copy it).
    void vereinWurdeGespeichert(Verein *verein);

private:
    void log(const QString &text);

    DatabaseContext &m_ctx;
    Modus m_modus;
    bool m_editierbar = false;
    std::unique_ptr<Verein> m_verein;
    QString m_nummerBeimOeffnen;
    QTabWidget *m_reiter = nullptr;
    VereinBearbeitenWidget *m_vereinsdaten = nullptr;
    VereinFunktionstraegerWidget *m_funktionstraeger = nullptr;
};
