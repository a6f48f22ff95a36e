// The cat record window's entry points in the main window: opening it, and the commands of the
// main window that act on the cat shown.
#include "CatRecordBaseDataPage.h"
#include "Pcatstam.h"
#include "Psuchdlg.h"

#include "app/Global.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

void TCatStamm::referenzTabelleNeuLaden(const QString &datei)
{
    for (Table *t : m_alle) {
        if (t->tableName().compare(datei, Qt::CaseInsensitive) != 0 || !t->isOpen() || t->isEditing())
            continue;
        try {
            t->close();
            t->open();
        } catch (const EngineError &e) {
            reportDatabaseError(e, datei);
        }
    }
    if (m_basis)
        m_basis->referenzListenNeu();
}

// --- registration ------------------------------------------------------------

void registerCatStamm()
{
    registerWindow(QStringLiteral("catstamm"), [](Shell &mw) -> QWidget * {
        if (TCatStamm *w = TCatStamm::instance())
            return w;
        auto *w = new TCatStamm(defaultDatabase());
        QMdiSubWindow *sub = mw.addChild(w);
        // the window stays a window of the frame: four entries of its window menu go, by position
        if (QMenu *menu = sub ? sub->systemMenu() : nullptr) {
            for (int pos : {0, 2, 3, 3}) {
                const QList<QAction *> entries = menu->actions();
                if (pos < entries.size())
                    menu->removeAction(entries[pos]);
            }
        }
        w->FensterAnpassen();
        return w;
    });
    auto fenster = []() -> TCatStamm * {
        if (TCatStamm *w = TCatStamm::instance())
            return w;
        Shell *mw = Shell::current();
        if (!mw)
            return nullptr;
        return qobject_cast<TCatStamm *>(windowFactory(QStringLiteral("catstamm"))(*mw));
    };
    CatRecordHooks h = catRecordHooks();
    h.katzeSuchen = [] {
        // during a pedigree entry the name typed for the new ancestor is searched at once, among
        // the cats of the missing parent's sex
        Aufrufer kontext;
        QString name;
        if (const TDatenGlobal *g = TDatenGlobal::instance(); g && g->NeuausStb) {
            kontext.ahnenEingabe = true;
            kontext.vmZeiger = g->VMZeiger;
            if (TCatStamm *w = TCatStamm::instance())
                name = w->DBCatStamm()->text(QStringLiteral("Name"));
        }
        return runCatSearch(Shell::current() ? Shell::current()->frame() : nullptr,
                            int(Formular::Hauptfenster), kontext, name);
    };
    h.ahnUebernehmen = [](int nr) {
        TCatStamm *w = TCatStamm::instance();
        return w && w->ahnUebernehmen(nr);
    };
    h.katzeNeu = [fenster] {
        if (TCatStamm *w = fenster())
            w->KatzeNeu();
    };
    h.katzeNewausStb = [fenster] {
        TCatStamm *w = fenster();
        TDatenGlobal *g = TDatenGlobal::instance();
        if (!w)
            return;
        w->KatzeNeu();
        if (g && w->DBCatStamm()->state() == Table::State::Insert) {
            g->NeuausStb = true;
            if (g->VMZeiger == QLatin1Char('M'))
                w->DataSourceCatStamm()->setFieldValue(QStringLiteral("Geschlecht"), QStringLiteral("2"));
            else if (g->VMZeiger == QLatin1Char('V'))
                w->DataSourceCatStamm()->setFieldValue(QStringLiteral("Geschlecht"), QStringLiteral("1"));
        }
    };
    h.katzeKopieren = [fenster] {
        if (TCatStamm *w = fenster())
            w->KatzeKopieren();
    };
    h.katzeSpeichern = [fenster] {
        if (TCatStamm *w = fenster())
            w->Speichern();
    };
    h.druckKatze = [fenster] {
        TCatStamm *w = fenster();
        if (!w)
            return 0;
        const bool offen = w->DBCatStamm()->state() == Table::State::Edit ||
                           w->DBCatStamm()->state() == Table::State::Insert ||
                           (w->basisSeite() && w->basisSeite()->titelEingabe());
        if ((offen && !w->Speichern()) || !w->ausstehendeSpeichern())
            return 0;
        return w->aktuelleKatze();
    };
    h.bildFuerDruck = [] {
        TCatStamm *w = TCatStamm::instance();
        return w ? w->bildFuerDruck() : QString();
    };
    h.seite = [] {
        TCatStamm *w = TCatStamm::instance();
        return w && w->notebook() ? w->notebook()->currentIndex() : -1;
    };
    h.deckbuchZeile = [] {
        TCatStamm *w = TCatStamm::instance();
        return w ? w->deckbuchZeile() : 0;
    };
    h.wurfbuchZeile = [] {
        TCatStamm *w = TCatStamm::instance();
        return w ? w->wurfbuchZeile() : 0;
    };
    h.wurfbuchNeuLesen = [] {
        if (TCatStamm *w = TCatStamm::instance())
            w->wurfbuchNeuLesen();
    };
    h.eingabeSperren = [] {
        if (TCatStamm *w = TCatStamm::instance(); w && w->basisSeite())
            w->basisSeite()->knoepfeFreigeben(false, false);
    };
    h.einstellungenGeaendert = [] {
        if (TCatStamm *w = TCatStamm::instance()) {
            w->TitelKatzeNeu(TCatStamm::Anlass::Einstellungen);
            w->FensterAnpassen();
        }
    };
    h.zeigeKatze = [fenster](int nr) {
        TCatStamm *w = fenster();
        return w && w->zeigeKatze(nr);
    };
    h.refresh = [fenster] {
        TCatStamm *w = fenster();
        Shell *mw = Shell::current();
        if (!w || !mw)
            return;
        w->DataSourceCatStamm()->undo();
        try {
            w->DBCatStamm()->refresh();
        } catch (const tav::store::AbortOperation &) {
            return; // a row typed in a page's log keeps the cat where it is
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        }
        const int nr = mw->currentListCat();
        if (nr > 0)
            w->zeigeKatze(nr);
        else
            w->TitelKatzeNeu();
    };
    h.katzenAdressen = []() -> std::array<int, 3> {
        TCatStamm *w = TCatStamm::instance();
        Table *t = w ? w->DBCatStamm() : nullptr;
        if (!t || !t->isOpen() || !(t->hasRecord() || t->isEditing()))
            return {0, 0, 0};
        return {t->intValue(QStringLiteral("Züchter")), t->intValue(QStringLiteral("Besitzer")),
                t->intValue(QStringLiteral("Status"))};
    };
    h.adresseZurKatze = [](bool besitzer, int adresse) {
        TCatStamm *w = TCatStamm::instance();
        return w && w->basisSeite()->adresseSetzen(besitzer, adresse);
    };
    setCatRecordHooks(h);
}

} // namespace tav::cats::ui
