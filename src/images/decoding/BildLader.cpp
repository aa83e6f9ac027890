#include "BildLader.h"

#include "BildDecoder.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

BildLader::BildLader(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

BildLader::~BildLader()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void BildLader::lade(qlonglong schluessel, const QByteArray &daten, const QSize &ziel,
                     int rotierSchritte)
{
    m_pool.start([this, schluessel, daten, ziel, rotierSchritte] {
        const QImage bild = BildDecoder::dekodiere(daten, ziel, rotierSchritte);
        // Queued to the loader's thread; the loader outlives its tasks (its destructor waits).
        QMetaObject::invokeMethod(
            this, [this, schluessel, bild] { emit geladen(schluessel, bild); },
            Qt::QueuedConnection);
    });
}

void BildLader::verwerfe()
{
    m_pool.clear();
}

void BildLader::warte()
{
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}
