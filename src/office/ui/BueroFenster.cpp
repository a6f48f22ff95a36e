// The clubs, show dates and pharmacy windows and the registration of the office's windows with the main
// window.
#include "BueroFenster.h"

#include "Zwingerregister.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DataSource.h"

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::office::ui {

TFormVereine::TFormVereine(tav::store::Database *db, QWidget *parent)
    : TBueroliste(vereinsliste(), db, parent)
{
    aufbauen();
}

TFormAusstellungstermine::TFormAusstellungstermine(tav::store::Database *db, QWidget *parent)
    : TBueroliste(ausstellungsliste(), db, parent)
{
    aufbauen();
    if (table()->isOpen()) {
        try {
            ersteKommendeAusstellung(*table(), QDate::currentDate());
        } catch (const std::exception &e) {
            dataSource()->reportError(e);
        }
    }
}

TFormApotheke::TFormApotheke(tav::store::Database *db, QWidget *parent)
    : TBueroliste(apothekenliste(), db, parent)
{
    aufbauen();
}

namespace {
template <class Fenster> void eintragen(const Bueroliste &liste)
{
    registerWindow(liste.fenster, [name = liste.fenster](Shell &mw) -> QWidget * {
        if (ChildWindow *offen = ChildWindow::find(name))
            return offen;
        auto *w = new Fenster(tav::store::defaultDatabase());
        mw.addChild(w);
        w->show();
        return w;
    });
}
} // namespace

void registerBuero()
{
    eintragen<TFormVereine>(vereinsliste());
    eintragen<TFormAusstellungstermine>(ausstellungsliste());
    eintragen<TFormApotheke>(apothekenliste());
    eintragen<TFormZwingerregister>(zwingerregisterListe(false));
    eintragen<TFormZwingerregisterPrivat>(zwingerregisterListe(true));
}

} // namespace tav::office::ui
