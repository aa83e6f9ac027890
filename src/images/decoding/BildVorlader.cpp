#include "BildVorlader.h"

#include "BildDecoder.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

BildVorlader::BildVorlader(QuellenFabrik fabrik, QObject *parent) : QObject(parent)
{
    m_thread = std::thread(&BildVorlader::arbeite, this, std::move(fabrik));
}

BildVorlader::~BildVorlader()
{
    {
        const std::lock_guard<std::mutex> sperre(m_mutex);
        m_ende = true;
    }
    m_wecker.notify_all();
    m_thread.join();
}

BildVorlader::Schluessel BildVorlader::schluessel(const Wunsch &wunsch)
{
    return {wunsch.bildDaten, ((wunsch.rotierSchritte % 4) + 4) % 4};
}

void BildVorlader::setzeZiel(const QSize &ziel)
{
    {
        const std::lock_guard<std::mutex> sperre(m_mutex);
        if (ziel == m_ziel)
            return;
        m_ziel = ziel;
        m_cache.clear();
    }
    m_wecker.notify_all();
}

QSize BildVorlader::ziel() const
{
    const std::lock_guard<std::mutex> sperre(m_mutex);
    return m_ziel;
}

void BildVorlader::wuensche(const std::vector<Wunsch> &wuensche)
{
    {
        const std::lock_guard<std::mutex> sperre(m_mutex);
        m_wuensche = wuensche;
        for (auto it = m_cache.begin(); it != m_cache.end();) {
            const bool gewuenscht =
                std::any_of(wuensche.begin(), wuensche.end(),
                            [&](const Wunsch &w) { return schluessel(w) == it->first; });
            it = gewuenscht ? std::next(it) : m_cache.erase(it);
        }
    }
    m_wecker.notify_all();
}

QImage BildVorlader::bild(const Wunsch &wunsch, bool *fehlt) const
{
    const std::lock_guard<std::mutex> sperre(m_mutex);
    const auto it = m_cache.find(schluessel(wunsch));
    if (fehlt)
        *fehlt = it != m_cache.end() && it->second.isNull();
    return it == m_cache.end() ? QImage() : it->second;
}

void BildVorlader::warte()
{
    for (;;) {
        {
            std::unique_lock<std::mutex> sperre(m_mutex);
            m_erledigt.wait(sperre, [this] {
                return m_ende || !m_ziel.isValid() ||
                       (!m_beschaeftigt &&
                        std::all_of(m_wuensche.begin(), m_wuensche.end(),
                                              [this](const Wunsch &w) {
                                                  return m_cache.count(schluessel(w)) > 0;
                                              }));
            });
            if (m_unterwegs == 0)
                return;
        }
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

void BildVorlader::arbeite(QuellenFabrik fabrik)
{
    Quelle quelle;
    try {
        quelle = fabrik();
    } catch (...) {
        // Without a source every picture stays empty; the views show their black area.
    }
    fabrik = nullptr;

    std::unique_lock<std::mutex> sperre(m_mutex);
    while (!m_ende) {
        const auto offen = std::find_if(m_wuensche.begin(), m_wuensche.end(), [this](const Wunsch &w) {
            return m_ziel.isValid() && m_cache.count(schluessel(w)) == 0;
        });
        if (offen == m_wuensche.end()) {
            m_beschaeftigt = false;
            m_erledigt.notify_all();
            m_wecker.wait(sperre);
            continue;
        }
        m_beschaeftigt = true;
        const Wunsch wunsch = *offen;
        const QSize ziel = m_ziel;
        sperre.unlock();

        QImage bild;
        try {
            if (quelle && wunsch.bildDaten >= 0)
                bild = BildDecoder::dekodiere(quelle(wunsch.bildDaten), ziel,
                                              wunsch.rotierSchritte);
            // The format of the window's backing store: painting it is a plain copy.
            if (!bild.isNull())
                bild = bild.convertToFormat(QImage::Format_RGB32);
        } catch (...) {
            bild = QImage();
        }

        sperre.lock();
        const Schluessel key = schluessel(wunsch);
        const bool nochGewuenscht =
            ziel == m_ziel && std::any_of(m_wuensche.begin(), m_wuensche.end(),
                                          [&](const Wunsch &w) { return schluessel(w) == key; });
        if (!nochGewuenscht)
            continue;
        m_cache[key] = bild;
        ++m_unterwegs;
        QMetaObject::invokeMethod(
            this,
            [this, wunsch] {
                {
                    const std::lock_guard<std::mutex> sperre2(m_mutex);
                    --m_unterwegs;
                }
                m_erledigt.notify_all();
                emit bereit(wunsch.bildDaten, wunsch.rotierSchritte);
            },
            Qt::QueuedConnection);
    }
    m_beschaeftigt = false;
    m_erledigt.notify_all();
    sperre.unlock();
    quelle = nullptr; // a source with a connection of its own closes it on this thread
}
