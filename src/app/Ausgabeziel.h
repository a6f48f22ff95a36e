// Ausgabeziel: where a print-out, an export or an upload file may be written. Never onto the
// register: not into its data folder, and not onto a table file, a journal or a lock file anywhere.
#pragma once

#include <QString>

namespace tav::app {

constexpr int MeldungAusgabeImDatenordner = 9655; // followed by the path
constexpr int MeldungAusgabeRegisterdatei = 9656; // followed by the path

struct Ausgabeziel {
    int meldung = 0; // 0: may be written
    QString pfad;    // the refused path as the user knows it (native separators)
    bool erlaubt() const { return meldung == 0; }
};

// The data folder of the running program: that of the open register, else of the program home.
QString laufenderDatenordner();

// Whether `pfad` (a file, or the folder an upload writes into) may take an output. Links and ".."
// are resolved, also when the file or its folder does not exist yet.
Ausgabeziel ausgabezielPruefen(const QString &pfad, const QString &datenordner = laufenderDatenordner());

// A file name the register owns wherever it lies: a table file, its journals, the lock file, the
// commit intent.
bool istRegisterdatei(const QString &dateiname);

} // namespace tav::app
