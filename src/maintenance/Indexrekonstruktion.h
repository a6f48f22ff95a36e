// Indexrekonstruktion: the groups of tables whose indexes the user rebuilds, and the run over them.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace tav::maintenance {

class TDataModuleIndex;

// One check box of the window: the tables it rebuilds, in order. Tables the data module repairs
// elsewhere too depend on each other: one of them runs only while the earlier ones succeeded;
// the group's other tables are rebuilt in any case.
struct IndexGruppe {
    int tag;      // caption of the check box
    QString name; // its German caption, for the result message
    struct Tabelle {
        QString datei;
        bool modul; // a routine of the data module (CatstammIndex, ...)
    };
    QVector<Tabelle> tabellen;
    bool verborgen = false; // never offered, so never run
};

// The groups in the order of the run.
const QVector<IndexGruppe> &indexGruppen();

struct IndexFortschritt {
    int gruppe = 0; // index into indexGruppen()
    QString tabelle;
    int fertig = 0; // tables done so far of all ticked groups
    int gesamt = 0;
};

struct IndexLaufErgebnis {
    bool erfolg = true;       // every ticked group rebuilt all its tables
    bool abgebrochen = false; // stopped between two tables
    // the tables were closed for the run: the program ends and is started again
    bool neustart = false;
    QStringList fehlgeschlageneGruppen; // captions of the groups that failed, in run order
    QStringList fehler;                 // "table: reason" of each failed table
    QStringList neuAufgebaut;           // tables rebuilt
};

// Rebuilds the ticked groups (indexes into indexGruppen(), any order) in the groups' order. Every
// table is closed before each group; each table's indexes are dropped and made again from its
// declaration in one transaction, so a table that fails keeps the indexes it had. `abbrechen` is
// asked before each table.
IndexLaufErgebnis indexRekonstruktion(TDataModuleIndex &modul, const QVector<int> &gruppen,
                                      const std::function<void(const IndexFortschritt &)> &fortschritt = {},
                                      const std::function<bool()> &abbrechen = {});

} // namespace tav::maintenance
