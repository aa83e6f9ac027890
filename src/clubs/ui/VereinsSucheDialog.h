#pragma once

#include <QDialog>

#include <memory>

class DatabaseContext;
class Verein;

// "Verein auswaehlen": searches clubs and returns one, or the choice of no club.
class VereinsSucheDialog : public QDialog
{
    Q_OBJECT
public:
    // `keinenVereinErlaubt` enables the button "&Keinen Verein auswaehlen".
    VereinsSucheDialog(DatabaseContext &ctx, bool keinenVereinErlaubt, QWidget *parent = nullptr);
    ~VereinsSucheDialog() override;

    // After the dialog was accepted: true when the user chose to have no club.
    bool keinVereinGewaehlt() const;
    // After the dialog was accepted with a club: that club (the caller owns it); else null.
    std::unique_ptr<Verein> gewaehlterVerein();

public slots:
    void sucheVereine();
    void setzeSucheZurueck();
    void waehleVereinAus();
    void waehleKeinenVereinAus();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
