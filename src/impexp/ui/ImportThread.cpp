#include "ImportThread.h"

#include "DataImporter.h"
#include "DatabaseContext.h"
#include "LaufenderFehler.h"
#include "ImportException.h"

namespace {

const QString kKategorie = QStringLiteral("ImportExport");
const QString kOrt = QStringLiteral("ImportThread");

} // namespace

ImportThread::ImportThread(DatabaseContext &mainCtx, const QString &file, bool createdTempDir,
                           const QString &tempDir, QObject *parent)
    : QThread(parent), m_arbeit(mainCtx), m_datei(file), m_tempAngelegt(createdTempDir),
      m_tempVerzeichnis(tempDir)
{
    qRegisterMetaType<DatabaseContext *>();
    qRegisterMetaType<ImportResult *>();
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

ImportThread::~ImportThread() = default;

void ImportThread::run()
{
    std::unique_ptr<DatabaseContext> ctx;
    try {
        ctx = m_arbeit.oeffne();
        ctx->log(kKategorie, kOrt, 8, QStringLiteral("Starting import thread"));
        CSVDataImporter importer(*ctx);
        importer.setStatusmeldung([this](const QString &text) { emit statusMessage(text); });
        importer.setFortschritt([this](const ImportFortschritt &stand) {
            emit fortschritt(stand.phase, stand.erledigt, stand.gesamt);
        });
        importer.setFortsetzen([this] { return !m_abbrechen; });
        auto ergebnis = std::make_unique<ImportResult>(importer.importiere(m_datei));
        ctx->log(kKategorie, kOrt, 8, QStringLiteral("Finishing import thread"));
        emit importFinished(ctx.release(), ergebnis.release(), m_tempAngelegt, m_tempVerzeichnis);
        return;
    } catch (const ImportException &fehler) {
        emit importFailed(fehler.meldung.titel, fehler.meldungFuer(m_datei));
    } catch (...) {
        const Meldung fehler = laufenderFehler();
        emit importFailed(fehler.titel,
                          ImportException(kOrt, fehler.titel, fehler.text).meldungFuer(m_datei));
    }
    if (ctx)
        ctx->log(kKategorie, kOrt, 8, QStringLiteral("Finishing import thread"));
}
