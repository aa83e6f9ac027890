#include "ImportDatei.h"

#include "AnwendungsFehler.h"
#include "ArchiveHelper.h"
#include "DatabaseContext.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kKategorie = QStringLiteral("Archive");
const QString kOrt = QStringLiteral("ArchiveHelper");

} // namespace

ImportDatei ImportDatei::bereiteVor(DatabaseContext &ctx, const QString &datei,
                                    const std::function<void(const QString &)> &status)
{
    const auto melde = [&status](const QString &text) {
        if (status)
            status(text);
    };
    ImportDatei ergebnis;
    ArchiveHelper::pruefeEndung(datei);
    if (datei.endsWith(QLatin1String(".csv"))) {
        ergebnis.csvDatei = datei;
        return ergebnis;
    }
    melde(QStringLiteral("Entpacke das Archiv...  Bitte haben Sie Geduld, je nach Dateigroesse "
                         "kann das einige Zeit dauern."));
    const QDir temp = ArchiveHelper::erstelleTempVerzeichnis(ctx, datei);
    ergebnis.tempAngelegt = true;
    ergebnis.tempVerzeichnis = temp.absolutePath();
    try {
        ArchiveHelper::entpacke(ctx, datei, temp);
        ergebnis.csvDatei = ArchiveHelper::einzigeCsvDatei(temp);
    } catch (...) {
        ergebnis.raeumeAuf(ctx);
        throw;
    }
    melde(QStringLiteral("Entpacke das Archiv...  Abgeschlossen."));
    return ergebnis;
}

void ImportDatei::raeumeAuf(DatabaseContext &ctx) const
{
    if (!tempAngelegt || !QFileInfo(tempVerzeichnis).isDir())
        return;
    try {
        ArchiveHelper::loescheTempVerzeichnis(ctx, QDir(tempVerzeichnis));
    } catch (const AnwendungsFehler &fehler) {
        ctx.log(kKategorie, kOrt, 9, fehler.meldung.titel + QStringLiteral(": ") + fehler.meldung.text);
    }
}
