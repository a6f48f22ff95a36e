// The record life cycle of the cat record window: checks before the post, the main window's
// commands (new, duplicate, save, undo, delete, show), window events and the refresh.
#include "Pcatstam.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"

#include "CatRecordBaseDataPage.h"
#include "CatRecordLitterPage.h"
#include "CatRecordPicturePage.h"
#include "CatRecordStudBookPage.h"
#include "PcatstamIntern.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "cats/Stammdaten.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Nav2.h"
#include "widgets/Translator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVector>
#include <memory>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
// a button of the navigator about to be pressed: by the mouse, or by Space on the navigator, which
// presses its focused button
bool navigatorGedrueckt(TDBNavigatorSpec *nav, QObject *watched, QEvent *e)
{
    if (!nav)
        return false;
    if (e->type() == QEvent::MouseButtonPress) {
        auto *knopf = qobject_cast<TNavButton *>(watched);
        return knopf && knopf->isEnabled() && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton;
    }
    return watched == nav && e->type() == QEvent::KeyPress &&
           static_cast<QKeyEvent *>(e)->key() == Qt::Key_Space &&
           nav->button(nav->focusedButton())->isEnabled();
}
} // namespace

// --- record life cycle ----------------------------------------------------

PostCheck::PostCheck(TCatStamm *window) : QWidget(window), m_window(window)
{
    hide();
}

bool PostCheck::commit()
{
    return m_window->pruefenVorPost();
}

int TCatStamm::aktuelleKatze() const
{
    if (!m_katze || !m_katze->isOpen() || m_katze->state() == Table::State::Insert || !m_katze->hasRecord())
        return 0;
    return m_katze->intValue(QStringLiteral("LaufendeNummer"));
}

bool TCatStamm::pruefenVorPost()
{
    Table &t = *m_katze;
    const TDatenGlobal *g = TDatenGlobal::instance();
    const PostHindernis hindernis =
        postHindernis(t.state() == Table::State::Insert, t.text(QStringLiteral("Name")),
                      t.text(QStringLiteral("Geschlecht")));
    if (hindernis == PostHindernis::NameFehlt) {
        if (g && g->NeuausStb) {
            showMessage(217, MsgIcon::Information, MsgButtons::Ok);
            showPage(SeiteStammdaten);
            return false;
        }
        if (showMessage(148, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes) {
            t.cancel();
            m_tagTmpNeueKatze = 0;
        } else {
            showPage(SeiteStammdaten);
            m_basis->nameFokussieren();
        }
        return false;
    }
    if (hindernis == PostHindernis::GeschlechtFehlt) {
        if (showMessage(169, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes) {
            t.cancel();
            m_tagTmpNeueKatze = 0;
        }
        return false;
    }
    return true;
}

bool TCatStamm::posten()
{
    if (!m_src->isEditing())
        return true;
    return m_src->save();
}

void TCatStamm::nachPost()
{
    m_tagTmpNeueKatze = 0;
    const int nr = aktuelleKatze();
    const bool neuerIndex = m_neuerIndex;
    m_neuerIndex = false;
    if (Shell *mw = Shell::current()) {
        if (neuerIndex)
            hauptlisteAktualisieren(nr);
        mw->updateCatCount();
    }
    m_basis->bemerkungVorschau();
    titelNeu();
    // a new parent from the pedigree is announced once it is linked (CatRecordPedigreePage)
    const TDatenGlobal *g = TDatenGlobal::instance();
    if (!(g && g->NeuausStb))
        katzeMelden(true);
}

void TCatStamm::hauptlisteAktualisieren(int nr)
{
    Shell *mw = Shell::current();
    if (!mw)
        return;
    try {
        mw->reloadCatList(nr);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
}

void TCatStamm::vorScroll()
{
    // a new cat is not stored by moving away from it
    if (m_katze->state() == Table::State::Insert) {
        m_katze->cancel();
        m_tagTmpNeueKatze = 0;
    }
    if (m_basis)
        m_basis->elternLeeren();
    ++m_spruenge;
}

void TCatStamm::nachScroll()
{
    if (!m_notebook)
        return;
    const Anlass anlass = m_anlass;
    m_anlass = Anlass::Navigation;
    m_basis->eingabeZuruecksetzen();
    bilderLaden();
    TitelKatzeNeu(anlass);
    m_basis->bemerkungVorschau();
}

bool TCatStamm::Speichern()
{
    // the refresh after the post ticks the stored titles: the pending ticks are kept over it
    const bool titel = m_basis->titelEingabe();
    const QVector<bool> haken = m_basis->titelHaken();
    bool ok = true;
    if (m_src->isEditing())
        ok = posten();
    if (ok && titel)
        ok = m_basis->titelSpeichern(haken);
    m_basis->knoepfeFreigeben(m_src->isEditing(), m_src->isEditing() || m_tagTmpNeueKatze == 1);
    return ok;
}

void TCatStamm::Rueckgaengig()
{
    const bool neu = m_tagTmpNeueKatze == 1;
    m_tagTmpNeueKatze = 0;
    m_src->undo();
    m_basis->titelEintragen();
    m_basis->knoepfeFreigeben(false, false);
    if (TDatenGlobal *g = TDatenGlobal::instance())
        g->NeuausStb = false;
    if (neu) {
        Shell *mw = Shell::current();
        const int zurueck = mw ? mw->tierVorNeuaufnahme() : m_vorherigeKatze;
        if (zurueck <= 0 || !zeigeKatze(zurueck))
            TitelKatzeNeu(Anlass::Navigation);
    } else {
        TitelKatzeNeu(Anlass::Einstellungen);
    }
}

bool TCatStamm::zeigeKatze(int nr)
{
    if (nr <= 0 || !m_katze->isOpen() || !neueKatzeVerlassen())
        return false;
    if (m_src->isEditing() && !posten())
        return false;
    // the rows typed in the pages' logs and books are the cat's shown now: stored before the move,
    // and a refused or failed one keeps the window on this cat with the input
    if (!eintraegeVorWechsel()) {
        if (Shell *mw = Shell::current(); mw && aktuelleKatze() > 0)
            mw->positionListOn(aktuelleKatze());
        return false;
    }
    vorScroll();
    bool found = false;
    try {
        m_anlass = Anlass::Hauptfenster;
        found = m_katze->locate(QStringLiteral("LaufendeNummer"), nr);
    } catch (const AbortOperation &) {
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
    m_anlass = Anlass::Navigation;
    // the window comes to the front, unless one that follows the cat is open: that one shows it
    const QList<ChildWindow *> offen = ChildWindow::openWindows();
    const bool folgend =
        std::any_of(offen.cbegin(), offen.cend(), [](const ChildWindow *w) { return w->followsCat(); });
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()); sub && sub->mdiArea() && !folgend)
        sub->mdiArea()->setActiveSubWindow(sub);
    return found;
}

bool TCatStamm::eintraegeVorWechsel()
{
    try {
        m_katze->settleDetails();
        return true;
    } catch (const AbortOperation &) {
        return false; // told by the data source that refused it
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
}

bool TCatStamm::KatzeLoeschen()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (g && g->NeuausStb) {
        showText(meldungen({223, 224}), MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (m_katze->state() == Table::State::Insert) {
        Rueckgaengig();
        return false;
    }
    if (!m_katze->hasRecord())
        return false;
    const QString name = m_katze->text(QStringLiteral("Name"));
    if (showText(QStringLiteral("<<") + name + QStringLiteral(">>\r") + messageText(15), MsgIcon::Warning,
                 MsgButtons::YesNo) != QMessageBox::Yes)
        return false;
    const int nr = aktuelleKatze();
    m_src->undo();
    try {
        m_katze->remove();
    } catch (const AbortOperation &) {
        return false; // a row typed in a page's log could not be stored first: the cat stays
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    hauptlisteAktualisieren(aktuelleKatze());
    if (Shell *mw = Shell::current()) {
        mw->removeRecentCat(nr);
        mw->updateCatCount();
    }
    TitelKatzeNeu(Anlass::Navigation);
    return true;
}

void TCatStamm::TabbedNotebook1Click()
{
    QWidget *shown = m_notebook->currentWidget();
    if (shown != m_pages[SeiteStammdaten]) {
        if ((m_src->isEditing() || m_basis->titelEingabe()) && !Speichern() && m_src->isEditing()) {
            // the input stays; page 0 shows it
            QTimer::singleShot(0, this, [this] { showPage(SeiteStammdaten); });
            return;
        }
    }
    if (shown == m_bildSeite)
        m_bildSeite->gezeigt();
    else if (shown == m_wurfSeite)
        m_wurfSeite->gezeigt();
    else if (shown == m_zuchtbuchSeite)
        m_zuchtbuchSeite->jungtierBildLaden();
}

void TCatStamm::activated()
{
    TabbedNotebook1Click();
}

void TCatStamm::closeEvent(QCloseEvent *e)
{
    if (!neueKatzeVerlassen()) {
        e->ignore();
        return;
    }
    if ((m_src->isEditing() || m_basis->titelEingabe()) && !Speichern() && m_src->isEditing()) {
        e->ignore();
        return;
    }
    if (!ausstehendeSpeichern()) {
        e->ignore();
        return;
    }
    ChildWindow::closeEvent(e);
}

bool TCatStamm::eventFilter(QObject *watched, QEvent *e)
{
    // the navigator moves away from a new cat without storing it, after asking when it holds input
    if (navigatorGedrueckt(navigator(), watched, e) && m_katze->state() == Table::State::Insert) {
        if (!neueKatzeVerlassen())
            return true; // the cat stays, the button is not pressed
        vorScroll();
    }
    return ChildWindow::eventFilter(watched, e);
}

void TCatStamm::setTitel(const QString &text)
{
    setWindowTitle(text);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->setWindowTitle(text);
}

void TCatStamm::titelNeu()
{
    const bool hatKatze = m_katze->hasRecord() && m_katze->state() != Table::State::Insert;
    setProperty("dataTitle", hatKatze);
    setTitel(hatKatze ? m_basis->ueberschrift() : QString());
}

void TCatStamm::katzeMelden(bool geaendert)
{
    const int nr = aktuelleKatze();
    if (Shell *mw = Shell::current(); mw && nr > 0)
        mw->katzeGezeigt(nr, geaendert);
}

// --- refresh ----------------------------------------------------------------

void TCatStamm::TitelKatzeNeu(Anlass anlass)
{
    if (!m_notebook || !m_katze->isOpen())
        return;
    m_inRefresh = true;
    m_basis->katzeAnzeigen();
    const bool hatKatze = m_katze->hasRecord() || m_katze->state() == Table::State::Insert;
    if (m_katze->state() != Table::State::Insert)
        titelNeu(); // the caption shows the cat itself
    if (!m_src->isEditing())
        m_basis->knoepfeFreigeben(false, false);
    // the coefficients come from the inbreeding calculation; without both parents the breed stands alone
    m_basis->koeffizientenZeigen(QString(), QString(), QString());
    const int rasse = hatKatze ? m_katze->intValue(QStringLiteral("Rasse")) : 0;
    const int katzeNr = m_katze->state() == Table::State::Insert ? 0 : aktuelleKatze();
    const bool berechnet = hatKatze && katzeNr > 0 &&
                           inzuchtAnzeigen(katzeNr, m_katze->intValue(QStringLiteral("Vater")),
                                           m_katze->intValue(QStringLiteral("Mutter")));
    if (!berechnet && rasse > 0 && m_rasse->isOpen()) {
        try {
            if (m_rasse->locate(QStringLiteral("RCode"), rasse)) {
                const QString kurz = m_rasse->text(QStringLiteral("RKurzname"));
                if (!kurz.isEmpty())
                    m_basis->koeffizientenZeigen(QString(), QString(), QStringLiteral("100% ") + kurz);
            }
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("RASSE.DB"));
        }
    }
    m_inRefresh = false;
    const int nr = aktuelleKatze();
    Shell *mw = Shell::current();
    if (mw && nr > 0) {
        if (anlass == Anlass::Navigation || anlass == Anlass::Hauptfenster)
            mw->addRecentCat(m_katze->text(QStringLiteral("Name")), nr);
        if ((anlass == Anlass::Navigation || anlass == Anlass::Hauptfenster) && mw->currentListCat() != nr)
            mw->positionListOn(nr);
    }
    katzeMelden(false);
}

bool TCatStamm::inzuchtAnzeigen(int katze, int vater, int mutter)
{
    if (vater <= 0 || mutter <= 0)
        return false;
    try {
        if (!m_inzucht) {
            m_stammbaumQuelle = std::make_unique<tav::breeding::StorePedigree>(*defaultDatabase());
            m_inzucht = std::make_unique<tav::breeding::InzuchtBerechnung>(*m_stammbaumQuelle);
        }
        if (m_inzucht->laeuft())
            return false;
        m_stammbaumQuelle->neuLaden(); // the register may have changed since the last cat
        const tav::app::tsysteminfo *s = tav::app::tsysteminfo::instance();
        const int generationen = s ? s->InzuchtStdgenerationen : 5;
        if (!m_inzucht->Berechne(katze, vater, mutter, generationen, false)) {
            // a cycle in the register is said, once per cat, after the refresh has ended
            static int gemeldet = 0;
            if (!m_inzucht->fehler().zyklus.isEmpty() && gemeldet != katze) {
                gemeldet = katze;
                const QString kette = QLatin1Char('\r') + tav::breeding::zyklusText(m_inzucht->fehler());
                QTimer::singleShot(
                    0, this, [kette] { showMessage(9403, MsgIcon::Warning, MsgButtons::Ok, {}, kette); });
            }
            return false;
        }
    } catch (const std::exception &e) {
        // a parent missing from the register does not throw; this is the engine failing
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    tav::breeding::InzuchtTextArt art;
    art.dezimal = m_inzucht->einstellungen.dezimal;
    art.meldung = [](int nr) { return tav::app::messageText(nr); };
    const tav::breeding::InzuchtTexte t = tav::breeding::inzuchtTexte(*m_inzucht->ergebnis(), art);
    m_basis->koeffizientenZeigen(t.Inzuchtkoeffizientkurz, t.Ahnenverlustkoeffizient, t.RTier);
    return true;
}

bool TCatStamm::ausstehendeSpeichern()
{
    for (DataSource *s : findChildren<DataSource *>()) {
        if (s != m_src && s->isEditing() && !s->save())
            return false;
    }
    return true;
}

} // namespace tav::cats::ui
