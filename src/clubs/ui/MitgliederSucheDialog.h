#pragma once

#include <QDialog>
#include <QSet>

#include <memory>

class DatabaseContext;
class Mitglied;

// "Mitglied auswaehlen": searches members and returns one.
class MitgliederSucheDialog : public QDialog
{
    Q_OBJECT
public:
    // With `erlaubteIds`, every search result outside that set is dropped.
    explicit MitgliederSucheDialog(DatabaseContext &ctx, QWidget *parent = nullptr,
                                   const QSet<qlonglong> *erlaubteIds = nullptr);
    ~MitgliederSucheDialog() override;

    // After the dialog was accepted: the chosen member (the caller owns it); else null.
    std::unique_ptr<Mitglied> gewaehltesMitglied();

public slots:
    void waehleMitgliedAus();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
