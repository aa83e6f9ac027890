#pragma once

// Which paging buttons of an entry view are enabled, standing on row `r` of `n` rows
// (r = -1: no row is current).
struct Blaettern
{
    bool erster = false;
    bool zehnZurueck = false;
    bool vorheriger = false;
    bool naechster = false;
    bool zehnVor = false;
    bool letzter = false;

    static Blaettern fuer(long long r, long long n)
    {
        Blaettern b;
        const bool aktuell = r >= 0 && r < n;
        b.erster = b.letzter = aktuell;
        b.zehnZurueck = aktuell && r > 9;
        b.vorheriger = aktuell && r >= 1;
        b.naechster = aktuell && r < n - 1;
        b.zehnVor = aktuell && r < n - 10;
        return b;
    }
};
