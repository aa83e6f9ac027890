#pragma once

#include "Modus.h"

#include <QDialog>

#include <memory>

class DatabaseContext;
class Formular;
class Sparte;
class Wettbewerb;

// "Neue Sparte anlegen" (NEU), "Sparte bearbeiten" (BEARBEITEN), "Informationen zur Sparte"
// (ANSEHEN): name, abbreviation, for whom rounds are created and whether the category counts
// in the combination, on a copy of the category. A new category is stored with its rounds;
// for whom rounds are created can be chosen only then.
class SparteBearbeitenDialog : public QDialog
{
    Q_OBJECT
public:
    // `sparte` is copied; null in NEU (a new category of the competition).
    SparteBearbeitenDialog(DatabaseContext &ctx, Modus modus, const Wettbewerb &wettbewerb,
                           const Sparte *sparte = nullptr, QWidget *parent = nullptr);
    ~SparteBearbeitenDialog() override;

    Sparte &sparte() const { return *m_sparte; }

public slots:
    void schliessenUndSpeichern();
    void schliessenOhneSpeichern();

signals:
    void sparteAngelegt(Sparte *sparte);
    void sparteGeaendert(Sparte *sparte);

private:
    DatabaseContext &m_ctx;
    Modus m_modus;
    std::unique_ptr<Sparte> m_sparte;
    std::unique_ptr<Formular> m_formular;
};
