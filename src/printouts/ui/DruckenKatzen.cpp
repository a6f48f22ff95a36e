#include "DruckenKatzen.h"
#include "Meldeformular.h"
#include "Wurfmeldung.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/ui/Psuchdlg.h"
#include "printouts/ReportKatzen.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPoint>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopedValueRollback>
#include <algorithm>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::printouts::ui {

namespace {

constexpr int MeldungBildFehlt = 24, MeldungBildUnlesbar = 6100, MeldungTextUnlesbar = 6101,
              MeldungDruckerFehler = 9654;
constexpr int TagBild = 6134;

QHash<int, DruckFormular> &formulare()
{
    static QHash<int, DruckFormular> f;
    return f;
}

QString beschriftung(int tag)
{
    return app::captionText(tag);
}

// Copy n of a print into a file goes to a file of its own: "Name-2.pdf" beside "Name.pdf".
QString kopieDatei(const QString &datei, int n)
{
    if (n <= 1)
        return datei;
    const QFileInfo f(datei);
    const QString rest = f.completeSuffix().isEmpty() ? QString() : QLatin1Char('.') + f.completeSuffix();
    return f.dir().filePath(f.baseName() + QLatin1Char('-') + QString::number(n) + rest);
}

} // namespace

void registriereDruckFormular(int job, DruckFormular f)
{
    formulare().insert(job, std::move(f));
}

tDruckenKatzen::tDruckenKatzen(store::Database &db, QWidget *parent) : m_db(db), m_parent(parent)
{
}

void tDruckenKatzen::druck(int Formular, const DruckKatze &katze)
{
    if (katze.nr <= 0 && Formular != 9)
        return; // every other job is about a cat
    try {
        const Druckentscheid e =
            druckEntscheid(Formular, katzenLage(m_db, katze.nr, !katze.bildFuerDruck.isEmpty()));
        if (e.meldung) {
            showMessage(e.meldung, MsgIcon::Information, MsgButtons::Ok);
            return;
        }
        if (e.art == Druckart::Katzenliste) {
            katzenliste();
            return;
        }
        if (e.art == Druckart::Nichts)
            return;
        if (e.art == Druckart::Formular) {
            if (const DruckFormular f = formulare().value(Formular))
                f(m_parent, m_db, katze);
            return;
        }
        app::TDatenGlobal *global = app::TDatenGlobal::instance();
        const app::tsysteminfo *s = app::tsysteminfo::instance();
        if (!global || !s)
            return;
        KatzenLeser leser(m_db, *global, beschriftung);
        const std::optional<KatzeDruck> k = leser.katze(katze.nr);
        if (!k)
            return;
        if (e.art == Druckart::Bild) {
            bildDrucken(m_parent, katze.bildFuerDruck, k->name);
            return;
        }
        std::optional<report::ReportJob> job;
        switch (e.art) {
        case Druckart::Stammdaten: {
            QImage bild;
            if (s->StammbaumBild && QFileInfo(katze.bildFuerDruck).isFile()) {
                QImageReader r(katze.bildFuerDruck);
                r.setAutoTransform(true);
                bild = r.read();
            }
            job = reportStammdaten(*k, geschlechtWort(k->geschlecht, beschriftung), bild);
            break;
        }
        case Druckart::TradRichten:
        case Druckart::TICARichten:
        case Druckart::CFARichten: {
            const Richten art = e.art == Druckart::TradRichten   ? Richten::Trad
                                : e.art == Druckart::TICARichten ? Richten::TICA
                                                                 : Richten::CFA;
            job = reportErgebnisse(art, k->name, ergebnisZeilen(m_db, art, katze.nr));
            break;
        }
        case Druckart::Deckbuch:
            job = reportDeckbuch(k->name, deckbuchZeilen(m_db, katze.nr, s->TageTraechtigkeit));
            break;
        case Druckart::Deckschein: {
            std::optional<DeckscheinDaten> d = deckscheinDaten(m_db, leser, katze.nr, katze.deckbuchZeile);
            if (!d)
                return;
            const std::optional<QString> text = deckscheinText(m_db.dataDir());
            if (!text)
                showMessage(MeldungTextUnlesbar, MsgIcon::Error, MsgButtons::Ok, QString(),
                            QLatin1Char(' ') +
                                QDir::toNativeSeparators(m_db.dataDir() + QStringLiteral("/deckschein.txt")));
            d->freitext = text.value_or(QString());
            job = reportDeckschein(*d);
            break;
        }
        default: return;
        }
        report::ui::zeigeVorschau(std::move(*job), m_parent);
    } catch (const store::EngineError &e) {
        TDBError::HandleException(e, QString());
    }
}

void tDruckenKatzen::katzenliste()
{
    cats::ui::TSuchenDlg dlg(&m_db, m_parent);
    dlg.aufrufer.formular = cats::Formular::Hauptfenster;
    dlg.EName->setFocus();
    if (execDialog(dlg) != QDialog::Accepted)
        return;
    // OK without "Suchen" prints what the criteria as they stand find: all cats when none is
    // given; a search that finds nothing says so (message 50) and prints nothing
    if (dlg.treffer().isEmpty())
        dlg.Suchen();
    if (dlg.treffer().isEmpty())
        return;
    const bool mitStatus = !dlg.EStatus->currentText().trimmed().isEmpty();
    report::ui::zeigeVorschau(reportKatzenListe(katzenListeZeilen(m_db, dlg.treffer()),
                                                mitStatus ? dlg.Query1StatusAnzeige() : QString()),
                              m_parent);
}

bool bildDrucken(QWidget *parent, const QString &pfad, const QString &katzenName)
{
    if (!QFileInfo(pfad).isFile()) {
        showMessage(MeldungBildFehlt, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + QDir::toNativeSeparators(pfad));
        return false;
    }
    QImageReader leser(pfad);
    leser.setAutoTransform(true);
    const QImage bild = leser.read();
    if (bild.isNull()) {
        showMessage(MeldungBildUnlesbar, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + QDir::toNativeSeparators(pfad) + QLatin1Char('\r') +
                        leser.errorString());
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (execDialog(dialog) != QDialog::Accepted)
        return false;
    const app::tsysteminfo *s = app::tsysteminfo::instance();
    const int kopien = std::max(1, printer.copyCount());
    const QString datei = printer.outputFileName();
    const QString endung = beschriftung(TagBild);
    bool alle = true;
    for (int n = 1; n <= kopien; ++n) {
        printer.setCopyCount(1);
        printer.setDocName(katzenName + (endung.isEmpty() ? QStringLiteral(" - Bild") : endung));
        if (!datei.isEmpty())
            printer.setOutputFileName(kopieDatei(datei, n));
        QPainter p;
        if (!p.begin(&printer)) {
            alle = false; // this copy's job is lost; the next tries again
            continue;
        }
        QFont font(s ? s->Schriftart : QStringLiteral("DejaVu Sans"));
        font.setPointSize((s ? s->Schriftgroesse : 10) + 4);
        p.setFont(font);
        const QRect seite(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
        const QRect name =
            p.boundingRect(seite.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, katzenName);
        p.drawText(name, Qt::AlignLeft | Qt::AlignTop, katzenName);
        // the picture below the name, as large as the page allows, its proportions kept
        const int oben = name.bottom() + printer.resolution() / 4,
                  seiteKurz = std::min(seite.width(), seite.height());
        const QRect flaeche(2, oben, std::min(seite.width(), seiteKurz) - 4,
                            std::min(seite.height() - oben, seiteKurz) - 4);
        QRect ziel(QPoint(0, 0), bild.size().scaled(flaeche.size(), Qt::KeepAspectRatio));
        ziel.moveTopLeft(flaeche.topLeft());
        p.drawImage(ziel, bild);
        p.drawRect(ziel.adjusted(-1, -1, 1, 1));
        alle = p.end() && printer.printerState() != QPrinter::Error && alle;
    }
    if (!alle)
        showMessage(MeldungDruckerFehler, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + printer.printerName());
    return true;
}

void registerDruckenKatzen()
{
    // the registration windows of the jobs that open one
    const auto katze = [](void (*f)(QWidget *, store::Database &, int)) {
        return [f](QWidget *p, store::Database &db, const DruckKatze &k) { f(p, db, k.nr); };
    };
    const auto wurf = [](void (*f)(QWidget *, store::Database &, int, int)) {
        return [f](QWidget *p, store::Database &db, const DruckKatze &k) { f(p, db, k.nr, k.wurfbuchZeile); };
    };
    registriereDruckFormular(3, wurf(wurfmeldungOeffnen));
    registriereDruckFormular(4, katze(meldeformularOeffnen));
    registriereDruckFormular(6, wurf(wurfbuchDrucken));
    registriereDruckFormular(10, katze(meldeformularCFAOeffnen));
    registriereDruckFormular(13, wurf(wurfdatenDrucken));
    registerWindow(QStringLiteral("druckdispatcher"), [](Shell &mw) -> QWidget * {
        static bool laeuft = false; // the preview's print dialog lets events through
        if (laeuft)
            return nullptr;
        const QScopedValueRollback<bool> frei(laeuft, true);
        const CatRecordHooks &h = catRecordHooks();
        DruckKatze k;
        k.nr = h.druckKatze ? h.druckKatze() : mw.currentListCat();
        k.bildFuerDruck = h.bildFuerDruck ? h.bildFuerDruck() : QString();
        k.deckbuchZeile = h.deckbuchZeile ? h.deckbuchZeile() : 0;
        k.wurfbuchZeile = h.wurfbuchZeile ? h.wurfbuchZeile() : 0;
        tDruckenKatzen(*store::defaultDatabase(), mw.frame()).druck(mw.druckentag(), k);
        if (h.wurfbuchNeuLesen)
            h.wurfbuchNeuLesen();
        return nullptr;
    });
}

} // namespace tav::printouts::ui
