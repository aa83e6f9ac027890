#pragma once

#include <QDialog>

#include <memory>

class DatabaseContext;
class Sparte;
class SpartenListe;
class Wettbewerb;

// Picks one category of a competition: "Sparte aus&waehlen", "&Keine Sparte auswaehlen",
// "Abbre&chen".
class SparteAuswahlDialog : public QDialog
{
    Q_OBJECT
public:
    SparteAuswahlDialog(DatabaseContext &ctx, const Wettbewerb &wettbewerb,
                        QWidget *parent = nullptr);
    ~SparteAuswahlDialog() override;

    SpartenListe *liste() const { return m_liste; }
    // After acceptance: the chosen category (the caller owns it), null for "no category".
    std::unique_ptr<Sparte> gewaehlteSparte();

public slots:
    void waehleSparteAus();
    void waehleKeineSparteAus();

private:
    DatabaseContext &m_ctx;
    SpartenListe *m_liste;
    std::unique_ptr<Sparte> m_gewaehlt;
};
