// MainCommands: the main window's menu commands and closing.
#include "Main.h"
#include "app/Global.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/CatRules.h"
#include "printouts/ReportStammbaum.h"
#include "printouts/StammbaumDaten.h"
#include "report/ui/Vorschau.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/ChildWindow.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/Fenstergroesse.h"
#include "widgets/Help.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScopedValueRollback>
#include <algorithm>

using namespace tav::store;

namespace tav::shell {

using namespace tav::app;
using namespace tav::widgets;

namespace {
constexpr int HilfeKontextHauptfenster = 10;

bool german()
{
    return sprache().languageNumber() == 0;
}

// windows fitted to the free client area: both sides, or the height only
const QStringList &fitBoth()
{
    static const QStringList w = {"rassen",
                                  "farbeform",
                                  "foptionen",
                                  "formdatensicherung",
                                  "formdatenruecksicherung",
                                  "formapotheke",
                                  "forminzuchtgrad",
                                  "formverpaarung",
                                  "formhtmlstammbaum",
                                  "formlistenachkommen",
                                  "formnachkommen",
                                  "formstatistikmerkmalestammbaum",
                                  "formstatistikmerkmaledatei"};
    return w;
}
const QStringList &fitHeight()
{
    static const QStringList w = {"augenfarbeform", "titelhundform", "stbfarbeform", "formmerkmale"};
    return w;
}
} // namespace

// An exclusive window fills the free client area. The frame's client area less 7 and 59 pixels is
// what remains of it beside the tool bar, status line and borders; here that is the MDI viewport.
QRect TMirravel::exclusiveGeometry() const
{
    return QRect(QPoint(0, 0), m_mdi->viewport()->size());
}

bool TMirravel::blockedInPedigreeEntry()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (!g || !g->NeuausStb)
        return false;
    showText(tav::cats::meldungen({223, 224}), MsgIcon::Information, MsgButtons::Ok);
    return true;
}

int TMirravel::CheckFormOpen(const QString &name)
{
    const int code = exclusiveCode(openChildNames(), name, ProgrammEnde);
    if (code == 0 || code == 10)
        return code;
    if (name == QLatin1String("bringtofront"))
        bringExclusiveToFront(code);
    if (name != QLatin1String("ohneMeldung"))
        showMessage(code, MsgIcon::Information, MsgButtons::Ok);
    return code;
}

int TMirravel::CheckFormOpenOnActivation(const QString &self)
{
    // the window that is activated never counts: an exclusive window is not reported to itself
    const int code = exclusiveCode(openChildNames(), self, ProgrammEnde);
    if (code == 0 || code == 10)
        return code;
    bringExclusiveToFront(code);
    showMessage(code, MsgIcon::Information, MsgButtons::Ok);
    return code;
}

void TMirravel::bringExclusiveToFront(int code)
{
    if (!m_mdi->activeSubWindow())
        return;
    QString windowName;
    for (const ExclusiveWindow &w : exclusiveWindows()) {
        if (w.code == code)
            windowName = QString::fromLatin1(w.name);
    }
    const QList<QMdiSubWindow *> subs = m_mdi->subWindowList();
    for (int i = int(subs.size()) - 1; i >= 0; --i) {
        if (subs[i]->widget() && subs[i]->widget()->objectName().toLower() == windowName) {
            m_mdi->setActiveSubWindow(subs[i]);
            subs[i]->raise();
            break;
        }
    }
}

int TMirravel::TableTopKatzeLaden(int cat)
{
    try {
        Table t(m_db, QStringLiteral("TOPKATZE.DB"));
        t.setReadOnly(true);
        t.setIndexName(QStringLiteral("Katze"));
        t.open();
        return t.findKey({cat}) ? t.value(QStringLiteral("Farbe")).toInt() : 0;
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("TOPKATZE.DB"));
        return 0; // shown without a top-cat colour
    }
}

void TMirravel::runCommand(const QString &itemName)
{
    const MenuItemDef *item = findMenuItem(itemName);
    if (!item || ProgrammEnde)
        return;
    if (QAction *a = m_actions.value(itemName); a && !a->isEnabled())
        return;
    const bool blocked = (item->flags & MenuItemDef::Blocked) || (item->flags & MenuItemDef::SearchBlocked);
    if (blocked && blockedInPedigreeEntry())
        return;
    runItem(*item);
}

void TMirravel::runItem(const MenuItemDef &item)
{
    const QString command = QString::fromLatin1(item.command);
    if (command == QLatin1String("window")) {
        openWindow(item);
    } else if (command == QLatin1String("inzuchtgrad")) {
        if (!InzuchtBerechne)
            openWindow(item);
    } else if (command == QLatin1String("beenden")) {
        close();
    } else if (command == QLatin1String("katzeNeu")) {
        if (CheckFormOpen() == 0 && catRecordHooks().katzeNeu)
            catRecordHooks().katzeNeu();
    } else if (command == QLatin1String("katzeKopieren")) {
        if (CheckFormOpen() == 0 && catRecordHooks().katzeKopieren)
            catRecordHooks().katzeKopieren();
    } else if (command == QLatin1String("katzeSpeichern")) {
        if (catRecordHooks().katzeSpeichern)
            catRecordHooks().katzeSpeichern();
    } else if (command == QLatin1String("katzeSuchen")) {
        KatzeSuchen();
    } else if (command == QLatin1String("katzeLoeschen")) {
        KatzeLoeschen();
    } else if (command == QLatin1String("textverarbeitung")) {
        Textverarbeitung();
    } else if (command == QLatin1String("uebereinander")) {
        if (CheckFormOpen(QStringLiteral("ohneMeldung")) == 0) {
            for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
                if (sub->widget() && sub->widget()->objectName().toLower() != QLatin1String("catstamm"))
                    sub->raise();
            }
            m_mdi->cascadeSubWindows();
            FensterAnpassen();
        }
    } else if (command == QLatin1String("symboleanordnen")) {
        // only the minimised windows move; the open ones keep their places and sizes
        QList<QMdiSubWindow *> symbole;
        QVector<QSize> groessen;
        for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
            if (sub->isMinimized()) {
                symbole << sub;
                groessen << sub->size();
            }
        }
        const QVector<QPoint> plaetze = symbolPlaetze(m_mdi->viewport()->size(), groessen);
        for (int i = 0; i < symbole.size(); ++i)
            symbole[i]->move(plaetze[i]);
    } else if (command == QLatin1String("stammbaumdruck") || command == QLatin1String("stammbaumdruckEn")) {
        StammbaumDrucken(command.endsWith(QLatin1String("En")));
    } else if (command == QLatin1String("druckjob") || command == QLatin1String("drucken")) {
        int job = item.printJob;
        if (command == QLatin1String("drucken")) {
            // the print command prints what the cat window's page shows: the picture or the weights
            const int seite = catRecordHooks().seite ? catRecordHooks().seite() : -1;
            job = seite == 2 ? 2 : seite == 5 ? 6 : 0;
        }
        if (const WindowFactory dispatcher = windowFactory(QStringLiteral("druckdispatcher"));
            dispatcher && job) {
            Druckentag = job;
            dispatcher(*this);
        }
    } else if (command == QLatin1String("druckereinrichtung")) {
        Druckereinrichtung();
    } else if (command == QLatin1String("schriftart")) {
        Schriftart();
    } else if (command == QLatin1String("hilfe")) {
        showHelp(item.helpContext ? item.helpContext : HilfeKontextHauptfenster, this);
    }
}

void TMirravel::StammbaumDrucken(bool englisch)
{
    // one print at a time: the preview is modal, but its print dialog lets events through
    static bool druckLaeuft = false;
    if (druckLaeuft)
        return;
    const int katze = catRecordHooks().druckKatze ? catRecordHooks().druckKatze() : currentListCat();
    if (katze <= 0) {
        showMessage(9080, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    TDatenGlobal *global = TDatenGlobal::instance();
    const tsysteminfo *settings = tsysteminfo::instance();
    if (!global || !settings)
        return;
    try {
        m_db->ensureTable(QStringLiteral("STBFARBE.DB"));
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("STBFARBE.DB"));
    }
    const QScopedValueRollback<bool> laeuft(druckLaeuft, true);
    // the print's language is its own: the program, its catalogue and the settings file keep theirs
    const int sprache = englisch ? 1 : 0;
    const printouts::StammbaumDruck druck = printouts::stammbaumDruck(
        *m_db, *global, *settings, katze, sprache, [](int nr) { return messageText(nr); });
    report::ui::zeigeVorschau(printouts::reportStammbaum(druck, report::FontMeasure()),
                              report::programJobSettings(sprache), this);
}

void TMirravel::Druckereinrichtung()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!report::ui::programmDrucker().isEmpty())
        printer.setPrinterName(report::ui::programmDrucker());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(captionText(132).remove(QLatin1Char('&')));
    // a set-up: the dialog chooses the printer, it prints nothing
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    if (auto *knoepfe = dialog.findChild<QDialogButtonBox *>())
        if (QPushButton *ok = knoepfe->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    if (execDialog(dialog) == QDialog::Accepted)
        report::ui::setProgrammDrucker(
            printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString());
}

void TMirravel::Schriftart()
{
    tsysteminfo *s = tsysteminfo::instance();
    if (!s)
        return;
    QFontDialog dialog(QFont(s->Schriftart, s->Schriftgroesse), this);
    if (execDialog(dialog) != QDialog::Accepted)
        return;
    const QFont f = dialog.currentFont();
    const int groesse = f.pointSize() > 0 ? f.pointSize() : qRound(f.pointSizeF());
    if (!s->SchriftSpeichern(f.family(), groesse))
        showMessage(8201, MsgIcon::Error, MsgButtons::Ok, QString(), QLatin1Char(' ') + s->datei());
}

void TMirravel::openWindow(const MenuItemDef &item)
{
    const QString name = QString::fromLatin1(item.window);
    if (item.flags & MenuItemDef::Exclusive) {
        if (CheckFormOpen(name) != 0)
            return;
    } else if (CheckFormOpen() != 0) {
        return;
    }
    if (ChildWindow *open = ChildWindow::find(name)) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(open->parentWidget()))
            m_mdi->setActiveSubWindow(sub);
        return;
    }
    const auto factory = windowFactory(name);
    if (!factory)
        return;
    m_oeffnenderEintrag = QString::fromLatin1(item.name);
    QWidget *w = factory(*this);
    m_oeffnenderEintrag.clear();
    if (!w)
        return;
    if (!w->parentWidget())
        addChild(w);
    if (item.flags & MenuItemDef::HidesList) {
        const tsysteminfo *s = tsysteminfo::instance();
        if (!s || s->Anzeigen) {
            ++m_hideListCount;
            setListVisible(false);
            connect(w, &QObject::destroyed, this, [this] {
                if (--m_hideListCount <= 0) {
                    m_hideListCount = 0;
                    const tsysteminfo *s = tsysteminfo::instance();
                    setListVisible(!s || s->Anzeigen);
                }
            });
        }
    }
    if (item.flags & MenuItemDef::Exclusive) {
        // exclusive windows fill the client area and cannot be moved (see eventFilter)
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget())) {
            sub->setWindowFlags(sub->windowFlags() & ~Qt::WindowMinMaxButtonsHint);
            sub->setGeometry(exclusiveGeometry());
            sub->setProperty("exklusiv", true);
            sub->installEventFilter(this);
        }
    }
    FensterAnpassen();
}

// A window opens inside the free area: no larger than it unless its layout needs more, and moved
// back so that its right and bottom edges (and the buttons there) can be seen.
void TMirravel::imFreienBereich(QMdiSubWindow *sub)
{
    const QSize frei = m_mdi->viewport()->size();
    const QSize least = sub->minimumSizeHint().expandedTo(sub->minimumSize());
    const QSize groesse = sub->size().boundedTo(frei).expandedTo(least);
    sub->resize(groesse);
    sub->move(std::clamp(sub->x(), 0, std::max(0, frei.width() - groesse.width())),
              std::clamp(sub->y(), 0, std::max(0, frei.height() - groesse.height())));
}

void TMirravel::FensterAnpassen(const QString &name)
{
    if (ProgrammEnde)
        return;
    if (!name.isEmpty()) {
        const auto factory = windowFactory(name);
        if (factory && !ChildWindow::find(name)) {
            QWidget *w = factory(*this);
            if (w && !w->parentWidget())
                addChild(w);
        }
    }
    const tsysteminfo *s = tsysteminfo::instance();
    if (!s || !s->Fenstergroesse)
        return;
    const QSize client = m_mdi->viewport()->size();
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (auto *child = qobject_cast<ChildWindow *>(sub->widget());
            child && child->fit() != ChildWindow::Fit::None) {
            child->fitTo(client);
            continue;
        }
        const QString n = sub->widget() ? sub->widget()->objectName().toLower() : QString();
        if (fitBoth().contains(n) || fitHeight().contains(n))
            fitFrame(sub, client, fitBoth().contains(n), true);
    }
}

void TMirravel::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    clientResized();
}

void TMirravel::clientResized()
{
    if (!m_mdi)
        return;
    if (exclusiveCode(openChildNames(), QString(), false) == 0)
        FensterAnpassen();
    // exclusive windows follow the frame
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        const QString n = sub->widget() ? sub->widget()->objectName().toLower() : QString();
        for (const ExclusiveWindow &w : exclusiveWindows()) {
            if (n == QLatin1String(w.name))
                sub->setGeometry(exclusiveGeometry());
        }
    }
}

void TMirravel::KatzeSuchen()
{
    if (CheckFormOpen() != 0 || !catRecordHooks().katzeSuchen)
        return;
    const int cat = catRecordHooks().katzeSuchen();
    if (cat <= 0)
        return;
    // the name typed for a missing parent was searched: the cat chosen fills the gap
    if (const TDatenGlobal *g = TDatenGlobal::instance(); g && g->NeuausStb) {
        if (catRecordHooks().ahnUebernehmen)
            catRecordHooks().ahnUebernehmen(cat);
        return;
    }
    if (catRecordHooks().zeigeKatze && !catRecordHooks().zeigeKatze(cat))
        return;
    positionListOn(cat);
}

void TMirravel::Textverarbeitung()
{
    const tsysteminfo *s = tsysteminfo::instance();
    const QString commandLine = s ? s->Textverarbeitung.trimmed() : QString();
    QStringList args = QProcess::splitCommand(commandLine);
    if (!args.isEmpty()) {
        const QString program = args.takeFirst();
        if (QProcess::startDetached(program, args))
            return;
    }
    showMessage(9152, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral("\r") + commandLine);
    // the program is chosen on the options page: offered once that window exists
    const MenuItemDef *options = findMenuItem(QStringLiteral("Systemparameter2"));
    if (options && hasWindow(QString::fromLatin1(options->window)) &&
        showMessage(9153, MsgIcon::Question, MsgButtons::YesNo) == QMessageBox::Yes)
        runCommand(QString::fromLatin1(options->name));
}

void TMirravel::KatzeLoeschen()
{
    if (CheckFormOpen() != 0)
        return;
    const int cat = currentListCat();
    if (cat <= 0)
        return;
    try {
        Table t(m_db, QStringLiteral("CATSTAMM.DB"));
        t.open();
        if (!t.findKey({cat}))
            return;
        const QString name = t.value(QStringLiteral("Name")).toString();
        const Answer a = showText(QStringLiteral("<<") + name + QStringLiteral(">>\r") + messageText(15),
                                  MsgIcon::Warning, MsgButtons::YesNo);
        if (a != QMessageBox::Yes)
            return;
        t.remove();
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    removeRecentCat(cat);
    m_listSource->table()->refresh();
    m_grid->tableModel()->reload();
    updateCatCount();
    if (catRecordHooks().refresh)
        catRecordHooks().refresh();
}

bool TMirravel::shutdownWindows()
{
    // the on-demand windows close first, the cat record window last
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName().toLower() != QLatin1String("catstamm"))
            sub->close();
    }
    m_mdi->closeAllSubWindows();
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (sub->isVisible())
            return false;
    }
    if (m_listSource)
        m_listSource->detach();
    if (m_list)
        m_list->close();
    return true;
}

void TMirravel::closeEvent(QCloseEvent *e)
{
    ProgrammEnde = true;
    if (TDBError::indexrekonstruktion()) {
        showText(german() ? QStringLiteral("Programm wird beendet! Bitte neu starten!")
                          : QStringLiteral("Program is closed! Please restart!"),
                 MsgIcon::Information, MsgButtons::Ok);
        shutdownWindows();
        e->accept();
        return;
    }
    // the German words stand in while the catalogue is closed
    const QString frage = messageText(9860);
    if (showText(frage.isEmpty() ? QStringLiteral("Tavrenno wirklich beenden?") : frage, MsgIcon::Warning,
                 MsgButtons::YesNo) != QMessageBox::Yes) {
        ProgrammEnde = false;
        e->ignore();
        return;
    }
    if (tsysteminfo *s = tsysteminfo::instance(); s && s->Aufloesung.contains(QLatin1String("Angepasst")))
        if (!s->AufloesungSpeichern(size()))
            showMessage(9551, MsgIcon::Error, MsgButtons::Ok, QString(),
                        QStringLiteral("\r") + settingsPath());
    if (!shutdownWindows()) {
        // a window kept its input (the user chose to stay): the program goes on
        ProgrammEnde = false;
        e->ignore();
        return;
    }
    e->accept();
}

void TMirravel::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange && !isActiveWindow())
        suchName.clear();
    QMainWindow::changeEvent(e);
}

} // namespace tav::shell
