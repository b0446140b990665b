#include "ui/PosizioneFinestra.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

std::optional<int> Pixel(const QSettings& impostazioni, const char* chiave, int tpp) {
    bool numero = false;
    const double twip =
        impostazioni.value(QStringLiteral("Settings/") + QLatin1String(chiave)).toDouble(&numero);
    if (!numero || !(twip > -1e9 && twip < 1e9)) return std::nullopt;
    return static_cast<int>(twip / tpp);
}

}  // namespace

QRect PosizioneSalvata(const QSettings& impostazioni, QRect attuale, int twipPerPixel,
                       QRect schermo) {
    const int tpp = std::max(1, twipPerPixel);
    QRect r = attuale;
    if (auto x = Pixel(impostazioni, "MainLeft", tpp)) r.moveLeft(*x);
    if (auto y = Pixel(impostazioni, "MainTop", tpp)) r.moveTop(*y);
    if (auto w = Pixel(impostazioni, "MainWidth", tpp); w && *w > 0) r.setWidth(*w);
    if (auto h = Pixel(impostazioni, "MainHeight", tpp); h && *h > 0) r.setHeight(*h);

    return TenutaSulloSchermo(r, schermo);
}

QRect TenutaSulloSchermo(QRect r, QRect schermo) {
    if (schermo.isEmpty()) return r;
    r.setWidth(std::min(r.width(), schermo.width()));
    r.setHeight(std::min(r.height(), schermo.height()));
    r.moveLeft(std::clamp(r.left(), schermo.left(), schermo.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), schermo.top(), schermo.bottom() + 1 - r.height()));
    return r;
}

void CentraSulloSchermo(QWidget& finestra) {
    const QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    if (schermo) finestra.move(schermo->geometry().center() - finestra.rect().center());
}
