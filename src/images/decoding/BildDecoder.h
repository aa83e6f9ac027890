#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// The one decoder behind every view of a picture. It decodes the stored JPEG bytes straight to
// the size needed (libturbojpeg's scaled decoding to the smallest of 1/8, 1/4, 3/8, 1/2, ... that
// is not smaller than the target, then one smooth scale), turns it by the image's rotation
// steps and converts it from its embedded ICC profile to sRGB. A picture without profile is
// taken as sRGB. The EXIF orientation tag is not applied: the picture is shown as stored, so
// that the rotation steps stay relative to what the user saw when he rotated, and the format
// check compares the stored width and height.
//
// Safe to call from any thread.
namespace BildDecoder {

// The picture rotated by `rotierSchritte` quarter turns (positive clockwise) and scaled to fit
// into `ziel` keeping its aspect ratio, never enlarged; an invalid `ziel` keeps the full size.
// A null image when the bytes are no picture.
QImage dekodiere(const QByteArray &daten, const QSize &ziel, int rotierSchritte = 0);

// The ICC profile embedded in a JPEG (its APP2 "ICC_PROFILE" segments in sequence order);
// empty when there is none.
QByteArray iccProfil(const QByteArray &daten);

// Converts an image from `profil` (an ICC profile; empty or invalid counts as sRGB) to sRGB.
QImage nachSrgb(QImage bild, const QByteArray &profil);

} // namespace BildDecoder
