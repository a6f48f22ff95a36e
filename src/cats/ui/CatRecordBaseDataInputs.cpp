// The inputs of the base-data page: name, cattery and breeder, stud-book number, breed/colour code,
// gene code, the free titles and the colour lists.
#include "CatRecordBaseDataPage.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Systemi.h"
#include "cats/CatNames.h"
#include "cats/CatRules.h"
#include "cats/RasseFarbe.h"
#include "cats/ui/KatzeGefunden.h"
#include "shell/Shell.h"
#include "store/EngineError.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QToolTip>
#include <QVector>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

void CatRecordBaseDataPage::feldGeaendert(const QString &f)
{
    if (f.compare(QLatin1String("Rasse"), Qt::CaseInsensitive) == 0 ||
        f.compare(QLatin1String("FellFarbe"), Qt::CaseInsensitive) == 0) {
        rasseFarbeNeu();
    } else if (f.compare(QLatin1String("Zuchtbuchnummer1"), Qt::CaseInsensitive) == 0) {
        QTimer::singleShot(0, this, [this] { zuchtbuchnummerPruefen(); });
    } else if (f.compare(QLatin1String("GebDatum"), Qt::CaseInsensitive) == 0 ||
               f.compare(QLatin1String("Toddatum"), Qt::CaseInsensitive) == 0 ||
               f.compare(QLatin1String("Status"), Qt::CaseInsensitive) == 0) {
        alterAnzeigen();
    }
}

void CatRecordBaseDataPage::eingabeZuruecksetzen()
{
    m_sucheFarbe.clear();
    m_farbeTreffer = m_augenTreffer = -1;
    zusatzInfoZeigen(false);
    m_gencode->setReadOnly(true);
}

// --- name, cattery and breeder -------------------------------------------------

void CatRecordBaseDataPage::DBNameNeu()
{
    if (QApplication::focusWidget() == m_rueckgaengig || !m_src->isEditing())
        return;
    const QString getippt = m_katze->text(QStringLiteral("Name"));
    const QString name = normalizedName(getippt);
    if (name != getippt && !name.isEmpty())
        m_src->setFieldValue(QStringLiteral("Name"), name);
    const TDatenGlobal *g = TDatenGlobal::instance();
    const NameVerlassen schritte =
        nameVerlassen(false, m_katze->state() == Table::State::Insert, einstellungen().SuchebeiNeuaufnahme,
                      g && g->NeuausStb, name, m_katze->text(QStringLiteral("Zwinger")));
    if (schritte.duplikatPruefen && duplikatPruefen(name))
        return;
    if (schritte.katzenSuche) {
        if (Shell *mw = Shell::current())
            mw->KatzeSuchen();
        return;
    }
    if (schritte.zwingerAbleiten)
        zwingerAbleiten();
}

// True when an existing cat was loaded instead of the new one.
bool CatRecordBaseDataPage::duplikatPruefen(const QString &name)
{
    if (name.isEmpty())
        return false;
    QVector<GefundeneKatze> gefunden;
    try {
        gefunden = katzenMitNamen(*m_db, name);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    if (gefunden.isEmpty())
        return false;
    TDatenGlobal *g = TDatenGlobal::instance();
    if (neuaufnehmenTrotzGleichemNamen(this, g && g->NeuausStb))
        return false;
    const GefundeneKatze &katze = gefunden.first();
    if (g && g->NeuausStb) {
        // the found cat fills the gap in the pedigree at once; when it cannot, the name is cleared
        if (!m_fenster.ahnUebernehmen || !m_fenster.ahnUebernehmen(katze.LaufendeNummer)) {
            m_src->setFieldValue(QStringLiteral("Name"), QStringLiteral(" "));
            m_name->setFocus();
        }
        return true;
    }
    m_katze->cancel();
    Q_EMIT katzeZeigen(katze.LaufendeNummer);
    return true;
}

void CatRecordBaseDataPage::zwingerAbleiten()
{
    if (!m_katze->text(QStringLiteral("Zwinger")).isEmpty())
        return;
    const auto ableitung =
        zwingerAusName(m_katze->text(QStringLiteral("Name")), einstellungen().ZusatzBeiZwinger);
    if (!ableitung)
        return;
    m_src->setFieldValue(QStringLiteral("Zwinger"), ableitung->zwinger);
    DBzwingerExit();
}

void CatRecordBaseDataPage::DBzwingerExit()
{
    if (!m_katze->isOpen() || m_katze->intValue(QStringLiteral("Züchter")) >= 1)
        return;
    std::optional<int> adresse;
    try {
        adresse = zuechterZumZwinger(*m_db, m_katze->text(QStringLiteral("Zwinger")));
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("ADR_DAT.DB"));
    }
    if (adresse)
        m_fenster.stillSetzen(QStringLiteral("Züchter"), *adresse);
    adressenAnzeigen();
}

// --- stud-book number ---------------------------------------------------------------

void CatRecordBaseDataPage::zuchtbuchnummerPruefen()
{
    if (!m_src->isEditing() || !m_q.stammbaum->isOpen())
        return;
    const int eigene = m_katze->state() == Table::State::Insert ? 0 : m_fenster.aktuelleKatze();
    int andere = 0;
    try {
        andere = andereKatzeMitZuchtbuchnummer(*m_q.stammbaum,
                                               m_katze->text(QStringLiteral("Zuchtbuchnummer1")), eigene);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("catstamm.db"));
        return;
    }
    if (andere == 0)
        return;
    if (showMessage(143, MsgIcon::Information, MsgButtons::YesNo) == QMessageBox::Yes) {
        titelEintragen();
        m_src->undo();
        Q_EMIT katzeZeigen(andere);
    } else {
        m_src->setFieldValue(QStringLiteral("Zuchtbuchnummer1"), QVariant());
    }
}

// --- breed/colour code and gene code ---------------------------------------------------

void CatRecordBaseDataPage::rasseFarbeNeu()
{
    m_rasseFarbeLaden = false;
    SetRFCodeAnz();
}

void CatRecordBaseDataPage::SetRFCodeAnz()
{
    if (m_rasseFarbeLaden)
        return;
    QString code;
    if (hatKatze()) {
        try {
            code = rfCodeAnzeige(*m_db, m_katze->intValue(QStringLiteral("Rasse")),
                                 m_katze->text(QStringLiteral("FellFarbe")));
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("FARBE.DB"));
        }
    }
    m_rfCode->setText(code);
    m_rasseFarbeLaden = true;
}

void CatRecordBaseDataPage::rfCodeEingabe(const QString &text)
{
    if (!m_rasseFarbeLaden || text.trimmed().isEmpty())
        return;
    RFCodeTreffer treffer;
    try {
        treffer = rfCodeSuchen(*m_db, text);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("FARBE.DB"));
        return;
    }
    // the typed code stays while the fields follow it
    if (treffer.rasse)
        m_fenster.stillSetzen(QStringLiteral("Rasse"), *treffer.rasse);
    if (treffer.fellFarbe)
        m_fenster.stillSetzen(QStringLiteral("FellFarbe"), *treffer.fellFarbe);
}

void CatRecordBaseDataPage::gencodeWaehlen()
{
    const int typ = m_katze->intValue(QStringLiteral("GenoTyp"));
    std::optional<GenTyp> zeile;
    if (typ > 0) {
        try {
            zeile = genTypLesen(*m_db, typ);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("FARBEGEN.DB"));
            return;
        }
        if (!zeile)
            return;
    }
    const auto code = gencodeFuer(typ, m_katze->text(QStringLiteral("Geschlecht")), zeile.value_or(GenTyp()));
    if (code)
        m_src->setFieldValue(QStringLiteral("Gencode"), code->isEmpty() ? QVariant() : QVariant(*code));
}

// --- colour lists ----------------------------------------------------------------------

void CatRecordBaseDataPage::referenzListenNeu()
{
    for (DBLookupComboBox *c : {m_rasseCombo, m_fellartCombo}) {
        if (c) {
            c->reloadList();
            c->readField();
        }
    }
    farbListenLaden();
    if (!m_titelEingabe)
        titelLaden();
}

void CatRecordBaseDataPage::farbListenLaden()
{
    farbListeFuellen(m_farbeCombo, m_q.farbe, true, [](const Table &t) {
        return farbEintragText(t.text(QStringLiteral("Rasseinfo")), t.text(QStringLiteral("Farbname")));
    });
    farbListeFuellen(m_augenCombo, m_q.augen, false,
                     [](const Table &t) { return t.text(QStringLiteral("Augenfarbe")); });
}

void CatRecordBaseDataPage::farbListeFuellen(DBComboBox *liste, Table *tabelle, bool sortiert,
                                             const std::function<QString(const Table &)> &eintrag)
{
    if (!tabelle || !tabelle->isOpen())
        return;
    QStringList eintraege;
    try {
        for (tabelle->first(); !tabelle->eof(); tabelle->next())
            eintraege << eintrag(*tabelle);
    } catch (const EngineError &e) {
        reportDatabaseError(e, tabelle->tableName());
    }
    if (sortiert)
        eintraege.sort(Qt::CaseInsensitive);
    QSignalBlocker block(liste);
    liste->clear();
    liste->addItems(eintraege);
    liste->readField();
}

// Typing into the colour or eye-colour combo: the text typed so far moves the list table to the
// nearest entry, which the drop-down then offers as its current row.
void CatRecordBaseDataPage::farbeSuchen(bool augen, const QString &text)
{
    m_sucheFarbe = text;
    Table *t = augen ? m_q.augen : m_q.farbe;
    QComboBox *combo = augen ? static_cast<QComboBox *>(m_augenCombo) : m_farbeCombo;
    int &treffer = augen ? m_augenTreffer : m_farbeTreffer;
    treffer = -1;
    if (!t || !t->isOpen() || text.isEmpty())
        return;
    try {
        if (!t->findNearest({text}))
            return;
        const QString eintrag = augen ? t->text(QStringLiteral("Augenfarbe"))
                                      : farbEintragText(t->text(QStringLiteral("Rasseinfo")),
                                                        t->text(QStringLiteral("Farbname")));
        treffer = combo->findText(eintrag);
    } catch (const EngineError &e) {
        reportDatabaseError(e, augen ? QStringLiteral("AUGEN.DB") : QStringLiteral("FARBE.DB"));
        return;
    }
    if (treffer >= 0 && combo->view()->isVisible())
        combo->view()->setCurrentIndex(combo->model()->index(treffer, 0));
}

// --- events of the page's controls ------------------------------------------------------

bool CatRecordBaseDataPage::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_name && e->type() == QEvent::FocusOut)
        DBNameNeu();
    // the owner block follows the status also when the status combo gets the focus
    if (watched == m_statusCombo && e->type() == QEvent::FocusIn)
        adressenAnzeigen();
    // the typed gene code is closed again once it is left
    if (watched == m_gencode && e->type() == QEvent::FocusOut)
        m_gencode->setReadOnly(true);
    // the remark: the preview opens the full text, a click on it or the mouse on its panel closes it
    if (e->type() == QEvent::MouseButtonPress && watched == m_infoVorschau->viewport()) {
        zusatzInfoZeigen(true);
        return true;
    }
    if ((e->type() == QEvent::MouseButtonPress && watched == m_infoZusatz->viewport()) ||
        (e->type() == QEvent::MouseMove && watched == m_zusatzPanel)) {
        zusatzInfoZeigen(false);
        return true;
    }
    // the drop-down of a colour combo opens on the colour found by typing
    if (e->type() == QEvent::Show) {
        for (auto [combo, treffer] : {std::pair<QComboBox *, int>{m_farbeCombo, m_farbeTreffer},
                                      std::pair<QComboBox *, int>{m_augenCombo, m_augenTreffer}}) {
            if (combo && watched == combo->view() && treffer >= 0)
                combo->view()->setCurrentIndex(combo->model()->index(treffer, 0));
        }
    }
    // "trägt" explains itself even when the hints are switched off
    if (watched == m_traegt && e->type() == QEvent::Enter && !einstellungen().hilfe)
        QToolTip::showText(QCursor::pos(), m_traegt->toolTip(), m_traegt);
    if (watched == m_traegt && e->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent *>(e)->globalPos(), m_traegt->toolTip(), m_traegt);
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (watched == m_fellartCombo && k->key() == Qt::Key_Delete) {
            m_src->setFieldValue(QStringLiteral("Fellart"), QVariant());
            return true;
        }
        if (watched == m_genoTyp && k->key() == Qt::Key_Delete && (k->modifiers() & Qt::ControlModifier)) {
            for (const char *f : {"GenoTyp", "Gencode", "Agouti", "Verduennung"})
                m_src->setFieldValue(QString::fromLatin1(f), QVariant());
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace tav::cats::ui
