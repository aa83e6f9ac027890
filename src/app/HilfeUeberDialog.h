#pragma once

#include <QDialog>

class DatabaseContext;

// "Informationen zu Kalvor": program, data model and generator versions.
class HilfeUeberDialog : public QDialog
{
    Q_OBJECT
public:
    explicit HilfeUeberDialog(DatabaseContext &ctx, QWidget *parent = nullptr);

    // The value shown in the row with the given label ("Programmversion:", ...).
    QString value(const QString &label) const;
};
