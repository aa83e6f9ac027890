#pragma once

#include <QByteArray>

#include <memory>

class Random;

// The pictures of the demo federation: drawn into an RGB buffer (gradients, a horizon, a sun,
// translucent shapes; every picture different, the same for the same random numbers) and
// encoded as JPEG with libturbojpeg. Wide-gamut pictures carry an ICC profile with the Display
// P3 primaries, written by this code, in an APP2 "ICC_PROFILE" segment.
class DemoBilder
{
public:
    static constexpr int kBreite = 640;
    static constexpr int kHoehe = 427;

    DemoBilder();
    ~DemoBilder();
    DemoBilder(const DemoBilder &) = delete;
    DemoBilder &operator=(const DemoBilder &) = delete;

    // A new picture, landscape (kBreite x kHoehe) or portrait (turned), its colours drawn from
    // `zufall`; with `weiterFarbraum` saturated colours and the Display P3 profile.
    QByteArray zeichne(Random &zufall, bool hochformat, bool weiterFarbraum);

    // A matrix/TRC display profile (ICC version 4.3): Display P3 primaries and white point
    // (D65, adapted to the D50 connection space with Bradford), the sRGB tone curve.
    static QByteArray displayP3Profil();
    // The JPEG with the profile in an APP2 "ICC_PROFILE" segment after its JFIF header; the
    // JPEG unchanged when it is none or the profile does not fit into one segment.
    static QByteArray mitProfil(const QByteArray &jpeg, const QByteArray &profil);

private:
    void *m_encoder; // tjhandle
};
