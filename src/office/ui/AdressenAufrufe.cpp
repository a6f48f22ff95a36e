// What the address book hands on: its print-outs, the group e-mail, the status list, and its
// registration with the main window and the cat window.
#include "AdressSuchDlg.h"
#include "Adressenverwaltung.h"

#include "app/Anwenderdaten.h"
#include "app/Sprache.h"
#include "printouts/ReportAdressen.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QDesktopServices>
#include <QVector>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::office::ui {

namespace {
constexpr int MeldungKeineMarkiert = 161, MeldungStatusVoll = 6861, MeldungOhneEmail = 6862,
              MeldungGruss = 6863, MeldungVerweis = 9552;
} // namespace

void Tadressenverwaltung::listeDrucken()
{
    if (dataSource()->isEditing() && !dataSource()->save())
        return;
    TSuchenAdrDlg dlg(table()->database(), this);
    if (execDialog(dlg) != QDialog::Accepted || dlg.ergebnis().isEmpty())
        return;
    report::ui::zeigeVorschau(printouts::reportAdressenListe(printouts::adressListeZeilen(dlg.ergebnis())),
                              this);
}

void Tadressenverwaltung::adresseDrucken()
{
    if ((dataSource()->isEditing() && !dataSource()->save()) || !table()->hasRecord())
        return;
    std::optional<AdressTreffer> a;
    try {
        a = adresseLesen(*table()->database(), table()->intValue(QStringLiteral("LaufendeNr")));
    } catch (const std::exception &e) {
        dataSource()->reportError(e);
    }
    if (a)
        report::ui::zeigeVorschau(printouts::reportAdresse(*a), this);
}

void Tadressenverwaltung::gruppenEmail()
{
    if (dataSource()->isEditing() && !dataSource()->save())
        return;
    TSuchenAdrDlg dlg(table()->database(), this);
    dlg.setMehrfachauswahl(true);
    if (execDialog(dlg) != QDialog::Accepted)
        return;
    const QVector<AdressTreffer> gewaehlt = dlg.markiert();
    if (gewaehlt.isEmpty()) {
        showMessage(MeldungKeineMarkiert, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    tav::app::EigeneDaten eigene;
    try {
        eigene = tav::app::eigeneDatenLesen(*table()->database());
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("EIGEN.DB"));
    }
    const GruppenMail mail =
        gruppenMail(gewaehlt, tav::app::messageText(MeldungGruss), eigene.Vorname, eigene.Name);
    for (const QString &ohne : mail.ohneEmail)
        showMessage(MeldungOhneEmail, MsgIcon::Information, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + ohne);
    if (mail.link.isValid() && !QDesktopServices::openUrl(mail.link))
        showMessage(MeldungVerweis, MsgIcon::Error, MsgButtons::Ok);
}

TFormStatusAdressen::TFormStatusAdressen(tav::store::Database *db, QWidget *parent)
    : TBueroliste(statusadressenliste(), db, parent)
{
    aufbauen();
    // an open address book takes the changed list at once
    const auto weitergeben = [] {
        if (auto *w = qobject_cast<Tadressenverwaltung *>(ChildWindow::find(adressliste().fenster)))
            w->statusAktualisieren();
    };
    connect(table(), &tav::store::Table::afterPost, this, weitergeben);
    connect(table(), &tav::store::Table::afterDelete, this, weitergeben);
}

void TFormStatusAdressen::hinzufuegen()
{
    if (!dataSource()->leaveEdit())
        return;
    if (statusVoll(table()->recordCount())) {
        showMessage(MeldungStatusVoll, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    TBueroliste::hinzufuegen();
}

void registerAdressen()
{
    registerWindow(adressliste().fenster, [](Shell &mw) -> QWidget * {
        if (auto *offen = qobject_cast<Tadressenverwaltung *>(ChildWindow::find(adressliste().fenster)))
            return offen;
        auto *w = new Tadressenverwaltung(tav::store::defaultDatabase());
        mw.addChild(w);
        w->show();
        w->aufrufen(AdressAufruf::Menue);
        return w;
    });
    registerWindow(statusadressenliste().fenster, [](Shell &mw) -> QWidget * {
        if (ChildWindow *offen = ChildWindow::find(statusadressenliste().fenster))
            return offen;
        auto *w = new TFormStatusAdressen(tav::store::defaultDatabase());
        mw.addChild(w);
        w->show();
        return w;
    });
    CatRecordHooks h = catRecordHooks();
    h.adressenOeffnen = [](int aufruf) {
        Shell *mw = Shell::current();
        if (!mw)
            return;
        mw->runCommand(QStringLiteral("Adresenverwaltung1"));
        if (auto *w = qobject_cast<Tadressenverwaltung *>(ChildWindow::find(adressliste().fenster)))
            w->aufrufen(AdressAufruf(aufruf));
    };
    h.adresseSuchen = [] {
        return adresseWaehlen(Shell::current() ? Shell::current()->frame() : nullptr,
                              tav::store::defaultDatabase());
    };
    setCatRecordHooks(h);
}

} // namespace tav::office::ui
