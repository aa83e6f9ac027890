#pragma once

#include "Meldung.h"
#include "Modus.h"

#include <QDialog>

#include <memory>
#include <optional>

class CodeValueComboBox;
class DatabaseContext;
class FotographischerTitel;
class QCheckBox;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;

// One photographic title of a member: "Neuen Titel anlegen" (NEU), "Titel bearbeiten"
// (BEARBEITEN), "Informationen zum Titel" (ANSEHEN, read-only). It works on a copy and hands
// the checked title back through a signal; nothing is written to the database here.
class TitelBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // `titel` is copied; null in NEU starts with an empty title. `row` is the title's row in
    // the opener's list and comes back with titelWurdeBearbeitet.
    TitelBearbeitenDialog(DatabaseContext &ctx, Modus modus, const FotographischerTitel *titel,
                          int row = -1, QWidget *parent = nullptr);
    ~TitelBearbeitenDialog() override;

    Modus modus() const { return m_modus; }
    FotographischerTitel &titel() { return *m_titel; }

    // The checks before a title is taken over, in order: title text, kind, award date. On
    // success the award date is set from its text (null for an empty text).
    static std::optional<Meldung> pruefe(FotographischerTitel &titel);

public slots:
    // "Neuen Titel &speichern" / "Aenderungen &speichern"; "S&chliessen" in ANSEHEN.
    void schreibenUndSchliessen();

signals:
    void neuerTitelHinzugefuegt(const FotographischerTitel &titel);
    void titelWurdeBearbeitet(const FotographischerTitel &titel, int row);

private:
    DatabaseContext &m_ctx;
    Modus m_modus;
    int m_row;
    std::unique_ptr<FotographischerTitel> m_titel;
    QDataWidgetMapper *m_mapper = nullptr;
    QLineEdit *m_titelFeld = nullptr;
    CodeValueComboBox *m_art = nullptr;
    QLineEdit *m_datum = nullptr;
    QCheckBox *m_hoechster = nullptr;
};
