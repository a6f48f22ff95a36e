// The titles on the base-data page: the registry titles, bound to fields of the cat, and the free
// titles of the catalogue, ticked for the cat and stored on their own.
#include "CatRecordBaseDataPage.h"
#include "PcatstamIntern.h"

#include "app/Systemi.h"
#include "cats/Titel.h"
#include "store/EngineError.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

void CatRecordBaseDataPage::titelBauen(QVBoxLayout *rechts)
{
    m_registerTitel = new QTabWidget(this);
    m_registerTitel->setObjectName(QStringLiteral("PageControlTitel"));
    for (bool kastrat : {false, true}) {
        auto *seite = new QWidget;
        auto *l = new QHBoxLayout(seite);
        for (Register reg : {Register::WCF, Register::TICA, Register::CFA}) {
            static const char *const namen[] = {"W&CF ", "&TICA", "&CFA"};
            auto *gruppe = new DBRadioGroup(QString::fromLatin1(namen[int(reg)]), m_src,
                                            registerTitelFeld(reg, kastrat), seite);
            QVariantList werte;
            for (int i = 1; i <= 6; ++i)
                werte << QString::number(i);
            gruppe->setItems(registerTitelTexte(reg), werte);
            l->addWidget(gruppe);
        }
        m_registerTitel->addTab(seite,
                                kastrat ? QStringLiteral("Titel Kastrat") : QStringLiteral("Titel Normal"));
    }
    rechts->addWidget(m_registerTitel);

    m_titelGruppe = new QGroupBox(QStringLiteral("Titel"), this);
    m_titelGruppe->setObjectName(QStringLiteral("GroupBoxTitel"));
    m_titelGruppe->setProperty("tag", TagTitel);
    auto *titelLayout = new QVBoxLayout(m_titelGruppe);
    titelLayout->setContentsMargins(2, 2, 2, 2);
    // the list of titles scrolls: a long catalogue must not make the window taller
    auto *titelScroll = new QScrollArea(m_titelGruppe);
    titelScroll->setObjectName(QStringLiteral("ScrollBoxTitel"));
    titelScroll->setFrameShape(QFrame::NoFrame);
    titelScroll->setWidgetResizable(true);
    titelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    titelScroll->setMinimumHeight(80);
    m_titelFlaeche = new QWidget;
    titelScroll->setWidget(m_titelFlaeche);
    titelLayout->addWidget(titelScroll);
    rechts->addWidget(m_titelGruppe, 1);
    titelLaden();
}

void CatRecordBaseDataPage::titelLaden()
{
    qDeleteAll(m_titelBoxen);
    m_titelBoxen.clear();
    m_titelNummern.clear();
    QVector<TitelBez> katalog;
    try {
        katalog = titelKatalog(*m_db);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("TITELBEZ.DB"));
    }
    const QString aufloesung = einstellungen().Aufloesung;
    int hoehe = 0;
    for (const TitelBez &t : std::as_const(katalog)) {
        auto *box = new QCheckBox(t.Kuerzel, m_titelFlaeche);
        const int i = int(m_titelBoxen.size());
        box->setObjectName(QStringLiteral("Titel_%1").arg(i + 1));
        box->setToolTip(t.Titel);
        // rows as far apart as the font needs, never closer than the classic spacing
        const QPoint p = titelBoxPosition(i, aufloesung);
        const int zeile = qMax(titelBoxPosition(2, aufloesung).y(), box->sizeHint().height());
        box->setGeometry(p.x(), (i / 2) * zeile, TitelBoxBreite, box->sizeHint().height());
        box->setProperty("dataText", true);
        box->show();
        hoehe = qMax(hoehe, box->geometry().bottom() + 1);
        connect(box, &QCheckBox::clicked, this, [this] { titelBoxGeklickt(); });
        m_titelBoxen << box;
        m_titelNummern << t.LaufendeNummer;
    }
    m_titelFlaeche->setMinimumSize(2 * TitelBoxBreite + 10, hoehe + 2);
    if (auto *scroll = qobject_cast<QScrollArea *>(
            m_titelFlaeche->parentWidget() ? m_titelFlaeche->parentWidget()->parentWidget() : nullptr))
        scroll->setMinimumWidth(m_titelFlaeche->minimumWidth() +
                                scroll->verticalScrollBar()->sizeHint().width());
    titelEintragen();
}

void CatRecordBaseDataPage::titelEintragen()
{
    m_titelEingabe = false;
    QSet<int> halten;
    const int nr = m_fenster.aktuelleKatze();
    if (nr > 0) {
        try {
            halten = titelDerKatze(*m_db, nr);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("TITELHUND.DB"));
        }
    }
    for (int i = 0; i < m_titelBoxen.size(); ++i)
        m_titelBoxen[i]->setChecked(halten.contains(m_titelNummern[i]));
}

void CatRecordBaseDataPage::titelBoxGeklickt()
{
    m_titelEingabe = true;
    knoepfeFreigeben(true, true);
}

QVector<bool> CatRecordBaseDataPage::titelHaken() const
{
    QVector<bool> haken;
    for (QCheckBox *b : m_titelBoxen)
        haken << b->isChecked();
    return haken;
}

QStringList CatRecordBaseDataPage::titelKuerzelAngehakt() const
{
    QStringList out;
    for (QCheckBox *b : m_titelBoxen) {
        if (b->isChecked())
            out << b->text();
    }
    return out;
}

bool CatRecordBaseDataPage::titelSpeichern(const QVector<bool> &haken)
{
    for (int i = 0; i < m_titelBoxen.size() && i < haken.size(); ++i)
        m_titelBoxen[i]->setChecked(haken[i]);
    m_titelEingabe = true;
    const bool ok = Titelspeichern();
    titelEintragen();
    return ok;
}

bool CatRecordBaseDataPage::Titelspeichern()
{
    const int nr = m_fenster.aktuelleKatze();
    bool gespeichert = false;
    if (!m_src->saveWithoutAsking())
        gespeichert = showMessage(29, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes;
    bool ok = true;
    if ((m_src->saveWithoutAsking() || gespeichert) && nr > 0) {
        QSet<int> angehakt;
        for (int i = 0; i < m_titelBoxen.size(); ++i) {
            if (m_titelBoxen[i]->isChecked())
                angehakt.insert(m_titelNummern[i]);
        }
        try {
            tav::cats::titelSpeichern(*m_db, nr, angehakt);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("TITELHUND.DB"));
            ok = false;
        }
    }
    knoepfeFreigeben(m_src->isEditing(), m_src->isEditing());
    m_titelEingabe = false;
    return ok;
}

} // namespace tav::cats::ui
