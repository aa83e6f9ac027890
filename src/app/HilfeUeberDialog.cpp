#include "HilfeUeberDialog.h"

#include "DatabaseContext.h"
#include "PersistenceException.h"
#include "controllers/DataModelInfoController.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

HilfeUeberDialog::HilfeUeberDialog(DatabaseContext &ctx, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Informationen zu Kalvor"));
    const QString unknown = tr("Nicht bekannt");
    QString version = unknown;
    QString generatorVersion = unknown;
    try {
        const auto rows = DataModelInfoController().select(ctx, {});
        if (rows.size() == 1) {
            if (rows.front()->hasVersion())
                version = rows.front()->getVersion();
            if (rows.front()->hasGeneratorVersion())
                generatorVersion = rows.front()->getGeneratorVersion();
        }
    } catch (const PersistenceException &) {
        // The rows then show that the versions are not known.
    }

    auto *grid = new QGridLayout(this);
    const QList<QPair<QString, QString>> rows = {
        {tr("Programmversion:"), ctx.programVersion()},
        {tr("SVN-Version:"), QStringLiteral("54 (2015-04-13 22:15)")},
        {tr("Datenmodell-Version:"), version},
        {tr("Datenmodellgenerator-Version:"), generatorVersion},
    };
    int row = 0;
    for (const auto &entry : rows) {
        grid->addWidget(new QLabel(entry.first, this), row, 0);
        auto *field = new QLineEdit(entry.second, this);
        field->setReadOnly(true);
        field->setObjectName(entry.first);
        grid->addWidget(field, row, 1);
        ++row;
    }
    auto *close = new QPushButton(tr("S&chliessen"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(close, row, 1, Qt::AlignRight);
}

QString HilfeUeberDialog::value(const QString &label) const
{
    const auto *field = findChild<QLineEdit *>(label);
    return field ? field->text() : QString();
}
