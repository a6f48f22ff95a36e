#pragma once

// Every window and dialog of the program, as the window tests open them on a started program.
// A new window joins the geometry and language checks with one line here.

#define TAV_WITH_CATSTAMM
#include "ProgramFixture.h"
#include "app/ui/AboutBox.h"
#include "app/ui/AnwDaten.h"
#include "app/ui/Optionen.h"
#include "breeding/ui/Deckplaner.h"
#include "breeding/ui/HTMLStammbaumFenster.h"
#include "breeding/ui/InzuchtFortschritt.h"
#include "breeding/ui/Inzuchtgrad.h"
#include "breeding/ui/ListeNachkommen.h"
#include "breeding/ui/Nachkommen.h"
#include "breeding/ui/Stammbaumfenster.h"
#include "breeding/ui/StatistikDateiFenster.h"
#include "breeding/ui/StatistikStammbaumFenster.h"
#include "breeding/ui/TopKatzen.h"
#include "breeding/ui/Verpaarung.h"
#include "cats/ui/KatzeGefunden.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/Pkalend.h"
#include "cats/ui/Psuchdlg.h"
#include "cats/ui/ReferenzlisteFenster.h"
#include "cats/ui/Warnung.h"
#include "maintenance/ui/Datensicherung.h"
#include "maintenance/ui/Indexrekonstruktion.h"
#include "maintenance/ui/Registerpruefung.h"
#include "maintenance/ui/SuchenErsetzen.h"
#include "office/ui/AdressSuchDlg.h"
#include "office/ui/Adressenverwaltung.h"
#include "office/ui/Buchfuehrung.h"
#include "office/ui/BueroFenster.h"
#include "office/ui/ZwinSuchDlg.h"
#include "online/ui/FortschrittAbbrechen.h"
#include "online/ui/OnlineDBInterface.h"
#include "printouts/ReportInzucht.h"
#include "printouts/ui/Meldeformular.h"
#include "printouts/ui/Wurfmeldung.h"
#include "report/ui/Vorschau.h"
#include "shell/Splascr.h"
#include "widgets/DbEngine.h"
#include "widgets/Help.h"

#include <QMdiSubWindow>
#include <functional>

struct RegisteredWindow {
    const char *name;
    // opens the window as the program does and returns what the user sees
    std::function<QWidget *(ProgramFixture &)> open;
    // windows that live for the whole run stay open; dialogs are closed and freed after the check
    bool ownedByTest = true;
};

template <class Dialog, class... Args> QWidget *openDialog(Args... args)
{
    auto *d = new Dialog(args...);
    d->show();
    return d;
}

inline QWidget *openCatRecordWindow(ProgramFixture &f)
{
    using namespace tav::cats::ui;
    if (!TCatStamm::instance()) {
        registerCatStamm();
        tav::shell::TMirravel::windowFactory("catstamm")(*f.main);
    }
    return TCatStamm::instance() ? TCatStamm::instance()->parentWidget() : nullptr;
}

inline QWidget *openPedigreeWindow(ProgramFixture &f)
{
    using tav::breeding::ui::TFormStammbaum;
    tav::breeding::ui::registerStammbaum();
    f.main->runCommand("Stammbaumlang1");
    return TFormStammbaum::instance() ? TFormStammbaum::instance()->parentWidget() : nullptr;
}

// a window of the System menu's lists, opened through the main window's factory
inline std::function<QWidget *(ProgramFixture &)> openListWindow(const char *name)
{
    return [name](ProgramFixture &f) -> QWidget * {
        tav::cats::ui::registerReferenzlisten();
        QWidget *w = tav::shell::TMirravel::windowFactory(name)(*f.main);
        return w ? w->parentWidget() : nullptr;
    };
}

// a window of the office lists, opened through the main window's factory
inline std::function<QWidget *(ProgramFixture &)> openOfficeWindow(const char *name)
{
    return [name](ProgramFixture &f) -> QWidget * {
        tav::office::ui::registerBuero();
        tav::office::ui::registerAdressen();
        QWidget *w = tav::shell::TMirravel::windowFactory(name)(*f.main);
        return w ? w->parentWidget() : nullptr;
    };
}

// the online window in the mode of the menu item that opens it
inline std::function<QWidget *(ProgramFixture &)> openOnlineWindow(const char *item)
{
    return [item](ProgramFixture &f) -> QWidget * {
        tav::online::ui::registerOnlineDBInterface();
        f.main->runCommand(item);
        auto *w = tav::online::ui::TFormOnlineDBInterface::instance();
        return w ? w->parentWidget() : nullptr;
    };
}

inline const QList<RegisteredWindow> &registeredWindows()
{
    using namespace tav;
    static const QList<RegisteredWindow> list = {
        {"main window", [](ProgramFixture &f) -> QWidget * { return f.main.get(); }, false},
        {"cat record window", openCatRecordWindow, false},
        {"breeds", openListWindow("rassen")},
        {"colours", openListWindow("farbeform")},
        {"eye colours", openListWindow("augenfarbeform")},
        {"coat types", openListWindow("fellartform")},
        {"pedigree colours", openListWindow("stbfarbeform")},
        {"titles", openListWindow("titelhundform")},
        {"cat names", openListWindow("formkatzennamen")},
        {"traits", openListWindow("formmerkmale")},
        {"status list", openListWindow("statusform")},
        {"clubs", openOfficeWindow("formvereine")},
        {"show dates", openOfficeWindow("formausstellungstermine")},
        {"pharmacy", openOfficeWindow("formapotheke")},
        {"bookkeeping",
         [](ProgramFixture &f) -> QWidget * {
             office::ui::registerBuchfuehrung();
             QWidget *w = tav::shell::TMirravel::windowFactory("formbuchfuehrung")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"period dialog",
         [](ProgramFixture &f) { return openDialog<office::ui::TStatistikDlg>(f.main.get()); }},
        {"cattery register", openOfficeWindow("formzwingerregister")},
        {"private cattery register", openOfficeWindow("formzwingerregisterprivat")},
        {"cattery search",
         [](ProgramFixture &f) -> QWidget * {
             auto *d = new office::ui::TZwinSuchDlg(f.db.get(), office::zwingerTabellen(true), f.main.get());
             d->show();
             return d;
         }},
        {"address book", openOfficeWindow("adressenverwaltung")},
        {"address status", openOfficeWindow("formstatusadressen")},
        {"address search",
         [](ProgramFixture &f) { return openDialog<office::ui::TSuchenAdrDlg>(f.db.get(), f.main.get()); }},
        {"address found",
         [](ProgramFixture &f) { return openDialog<office::ui::TFormAdressegefunden>(f.main.get()); }},
        {"cat search",
         [](ProgramFixture &f) -> QWidget * {
             auto *d = new cats::ui::TSuchenDlg(f.db.get(), f.main.get());
             d->show();
             return d;
         }},
        {"calendar", [](ProgramFixture &f) { return openDialog<cats::ui::TKalenderDlg>(f.main.get()); }},
        {"found cat",
         [](ProgramFixture &f) { return openDialog<cats::ui::TFormKatzegefunden>(f.main.get()); }},
        {"database error",
         [](ProgramFixture &f) { return openDialog<tav::widgets::TDBError>(f.main.get()); }},
        {"inbreeding progress",
         [](ProgramFixture &f) { return openDialog<breeding::ui::TFormInzuchtFortschritt>(f.main.get()); }},
        {"picture upload progress",
         [](ProgramFixture &f) { return openDialog<online::ui::TFormFortschrittAbbrechen>(f.main.get()); }},
        {"inbreeding window",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerInzuchtgrad();
             QWidget *w = tav::shell::TMirravel::windowFactory("forminzuchtgrad")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"top cats",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerInzuchtgrad();
             QWidget *w = tav::shell::TMirravel::windowFactory("formtopkatzen")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"pedigree window", openPedigreeWindow},
        {"direct offspring",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerNachkommen();
             QWidget *w = tav::shell::TMirravel::windowFactory("formnachkommen")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"all descendants",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerNachkommen();
             QWidget *w = tav::shell::TMirravel::windowFactory("formlistenachkommen")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"options window",
         [](ProgramFixture &f) -> QWidget * {
             app::ui::registerOptionen();
             QWidget *w = tav::shell::TMirravel::windowFactory("foptionen")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"own data window",
         [](ProgramFixture &f) -> QWidget * {
             app::ui::registerAnwenderdaten();
             QWidget *w = tav::shell::TMirravel::windowFactory("anwenderdaten")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"information window",
         [](ProgramFixture &f) -> QWidget * {
             app::ui::registerAboutBox();
             QWidget *w = tav::shell::TMirravel::windowFactory("aboutbox")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"matings window",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerVerpaarung();
             QWidget *w = tav::shell::TMirravel::windowFactory("formverpaarung")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"pedigree trait statistics",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerStatistikStammbaum();
             QWidget *w = tav::shell::TMirravel::windowFactory("formstatistikmerkmalestammbaum")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"mating planner",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerDeckplaner();
             QWidget *w = tav::shell::TMirravel::windowFactory("formdeckplaner")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"register trait statistics",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerStatistikDatei();
             QWidget *w = tav::shell::TMirravel::windowFactory("formstatistikmerkmaledatei")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"show entry form",
         [](ProgramFixture &f) -> QWidget * {
             auto *d = new printouts::ui::TFormMeldeformular(
                 printouts::meldungLesen(*f.db, 1, 0, [](int tag) { return app::captionText(tag); }),
                 f.main.get());
             d->show();
             return d;
         }},
        {"CFA show entry form",
         [](ProgramFixture &f) -> QWidget * {
             auto *d = new printouts::ui::TFormMeldeformularCFA(
                 printouts::meldungLesen(*f.db, 1, 0, [](int tag) { return app::captionText(tag); }),
                 f.main.get());
             d->show();
             return d;
         }},
        {"backup window",
         [](ProgramFixture &f) -> QWidget * {
             maintenance::ui::registerDatensicherung();
             QWidget *w = tav::shell::TMirravel::windowFactory("formdatensicherung")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"restore window",
         [](ProgramFixture &f) -> QWidget * {
             maintenance::ui::registerDatensicherung();
             QWidget *w = tav::shell::TMirravel::windowFactory("formdatenruecksicherung")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"HTML pedigree window",
         [](ProgramFixture &f) -> QWidget * {
             breeding::ui::registerHTMLStammbaum();
             QWidget *w = tav::shell::TMirravel::windowFactory("formhtmlstammbaum")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"index reconstruction",
         [](ProgramFixture &f) -> QWidget * {
             maintenance::ui::registerIndexrekonstruktion();
             QWidget *w = tav::shell::TMirravel::windowFactory("formindexrekonstruktion")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"register check",
         [](ProgramFixture &f) -> QWidget * {
             maintenance::ui::registerRegisterpruefung();
             QWidget *w = tav::shell::TMirravel::windowFactory("formregisterpruefung")(*f.main);
             return w ? w->parentWidget() : nullptr;
         }},
        {"search and replace",
         [](ProgramFixture &f) {
             return maintenance::ui::TFormSuchen_Ersetzen::oeffnen(f.main->catList(), f.main.get());
         }},
        {"online window (upload)", openOnlineWindow("UploadKatzendaten1")},
        {"online window (CSV export)", openOnlineWindow("DatenexportCSVDatei1")},
        {"online window (table editing)", openOnlineWindow("Tierdatenbankeditieren1")},
        {"help viewer",
         [](ProgramFixture &f) -> QWidget * {
             tav::widgets::showHelp(tav::widgets::THilfeFenster::InhaltKontext, f.main.get());
             return tav::widgets::THilfeFenster::current();
         }},
        {"print preview",
         [](ProgramFixture &f) -> QWidget * {
             report::ReportJob job = printouts::reportInzucht({});
             job.prepare(report::programJobSettings());
             auto *w = new report::ui::TVorschau(job.layout(report::FontMeasure()), f.main.get());
             w->show();
             return w;
         }},
        {"reminders",
         [](ProgramFixture &f) -> QWidget * {
             cats::WarnungsListen l;
             l.medikamente << QStringLiteral("Entwurmungspaste für Kitten");
             l.impfungen << cats::FaelligerTermin{QDate::currentDate(),
                                                  QStringLiteral("Amara vom Lindenhof")};
             auto *w = new cats::ui::TFormWarnungen(l, f.main.get());
             w->show();
             return w;
         }},
        {"litter registration",
         [](ProgramFixture &f) -> QWidget * {
             const int queen =
                 scalar(*f.db, "SELECT Katze FROM wurfbuch ORDER BY LaufendeNummer LIMIT 1").toInt();
             auto *w = new printouts::ui::TformWurfmeldung(*f.db, queen, 0, f.main.get());
             w->show();
             return w;
         }},
        {"splash",
         [](ProgramFixture &f) -> QWidget * {
             auto *w = new tav::shell::TIntro(f.home.path());
             w->show();
             return w;
         }},
    };
    return list;
}
