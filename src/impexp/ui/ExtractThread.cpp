#include "ExtractThread.h"

#include "DatabaseContext.h"
#include "LaufenderFehler.h"
#include "ImportDatei.h"

namespace {

const QString kKategorie = QStringLiteral("Archive");
const QString kOrt = QStringLiteral("ExtractThread");

} // namespace

ExtractThread::ExtractThread(DatabaseContext &mainCtx, const QString &file, QObject *parent)
    : QThread(parent), m_arbeit(mainCtx), m_datei(file)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

ExtractThread::~ExtractThread() = default;

void ExtractThread::run()
{
    std::unique_ptr<DatabaseContext> ctx;
    try {
        ctx = m_arbeit.oeffne();
        ctx->log(kKategorie, kOrt, 8, QStringLiteral("Starting ExtractThread"));
        const ImportDatei datei = ImportDatei::bereiteVor(
            *ctx, m_datei, [this](const QString &text) { emit statusMessage(text); });
        ctx->log(kKategorie, kOrt, 8, QStringLiteral("Finished ExtractThread"));
        emit extractionFinished(datei.tempAngelegt, datei.tempVerzeichnis, datei.csvDatei);
    } catch (...) {
        const Meldung fehler = laufenderFehler();
        if (ctx)
            ctx->log(kKategorie, kOrt, 8,
                     QStringLiteral("Throwing exception with title ") + fehler.titel +
                         QStringLiteral(" and text ") + fehler.text);
        emit extractionFailed(fehler.titel, fehler.text);
    }
}
