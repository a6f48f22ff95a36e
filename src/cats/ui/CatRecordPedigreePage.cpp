#include "CatRecordPedigreePage.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPoint>
#include <QPushButton>
#include <QSize>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QVector>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {
constexpr int TagLaden = 4860, TagRuecksprung = 4861, TagPlatzhalter = 4862, TagHinweisNeu = 4863,
              TagHinweisLaden = 4864, TagMutterNeu = 4866, TagVaterNeu = 4867, TagTop = 4868;

QString text(int tag, const char *deutsch)
{
    const QString t = captionText(tag);
    return t.isEmpty() ? QString::fromUtf8(deutsch) : t;
}
} // namespace

CatRecordPedigreePage::CatRecordPedigreePage(Database *db, DataSource *katze, Fenster fenster,
                                             QPushButton *hilfe, QWidget *parent)
    : QWidget(parent), m_db(db), m_katze(katze), m_fenster(std::move(fenster)), m_hilfe(hilfe)
{
    setObjectName(QStringLiteral("SeiteStammbaum"));
    m_stammbaum = new Table(db, QStringLiteral("CATSTAMM.DB"), this);
    m_stammbaum->setObjectName(QStringLiteral("DBStammbaum"));
    m_stammbaum->setReadOnly(true);
    for (int n = 1; n <= StammbaumBoxen; ++n) {
        auto *panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("StbP%1").arg(n));
        panel->setFrameShape(QFrame::Box);
        auto *box = new QPlainTextEdit(panel);
        box->setObjectName(QStringLiteral("Stammbaum%1").arg(n));
        box->setReadOnly(true);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // the page places every box itself, as small as its generation needs
        box->setMinimumSize(1, 1);
        panel->setMinimumSize(1, 1);
        box->setContextMenuPolicy(Qt::DefaultContextMenu);
        box->viewport()->installEventFilter(this);
        box->viewport()->setProperty("box", n);
        (new QVBoxLayout(panel))->setContentsMargins(0, 0, 0, 0);
        panel->layout()->addWidget(box);
        m_panels << panel;
        m_boxen << box;
        if (n <= 30) {
            auto *marker = new QWidget(box->viewport());
            marker->setObjectName(QStringLiteral("AnzM%1").arg(n));
            auto *h = new QHBoxLayout(marker);
            h->setContentsMargins(0, 0, 0, 0);
            h->setSpacing(2);
            auto *top = new QLabel(QStringLiteral("TOP"), marker);
            top->setObjectName(QStringLiteral("Top%1").arg(n));
            top->setProperty("tag", TagTop);
            top->setAlignment(Qt::AlignCenter);
            top->setAutoFillBackground(true);
            QFont klein = top->font();
            klein.setPointSize(6);
            top->setFont(klein);
            h->addWidget(top);
            for (int k = 1; k <= MarkerFelder; ++k) {
                auto *m = new QLabel(marker);
                m->setObjectName(QStringLiteral("M%1%2").arg(n).arg(k));
                m->setFixedSize(8, 8);
                m->setAutoFillBackground(true);
                h->addWidget(m);
            }
            auto *mehr = new QLabel(QStringLiteral("+"), marker);
            mehr->setObjectName(QStringLiteral("mehr%1").arg(n));
            h->addWidget(mehr);
            marker->hide();
            m_marker << marker;
        }
    }
    if (m_hilfe)
        m_hilfe->setParent(this);
    m_info = new QPlainTextEdit(this);
    m_info->setObjectName(QStringLiteral("InfoPanel"));
    m_info->setReadOnly(true);
    m_info->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_info->resize(320, 170);
    m_info->viewport()->setProperty("info", true);
    m_info->viewport()->installEventFilter(this);
    m_info->viewport()->setMouseTracking(true);
    m_info->hide();
    connect(m_katze, &DataSource::recordChanged, this, [this] {
        if (isVisible())
            aufbauen();
    });
    if (Table *t = m_katze->table()) {
        connect(t, &Table::afterPost, this, [this] { nachPost(); });
        // the new parent given up: both cats stay as they were, the pedigree is shown again
        connect(t, &Table::afterCancel, this, [this] {
            TDatenGlobal *g = TDatenGlobal::instance();
            if (!g || !g->NeuausStb)
                return;
            eintragBeenden();
            QTimer::singleShot(0, this, [this] {
                m_fenster.seiteZeigen();
                aufbauen();
            });
        });
    }
}

QColor CatRecordPedigreePage::boxFarbe(int n) const
{
    const QPlainTextEdit *b = box(n);
    return b ? b->palette().color(QPalette::Base) : QColor();
}

void CatRecordPedigreePage::aufbauen()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    const int katze = m_fenster.aktuelleKatze();
    m_ahnen = QVector<AhnenBox>(StammbaumBoxen + 1);
    try {
        if (!m_stammbaum->isOpen())
            m_stammbaum->open();
        else
            m_stammbaum->refresh();
        m_farben.clear();
        if (m_db->tableExists(QStringLiteral("STBFARBE.DB"))) {
            Table farben(m_db, QStringLiteral("STBFARBE.DB"));
            farben.setReadOnly(true);
            farben.open();
            for (farben.first(); !farben.eof(); farben.next())
                m_farben << storedColour(farben.intValue(QStringLiteral("farbe")));
        }
        const auto lesen = [this](int nr, Eltern &e) {
            if (!m_stammbaum->findKey({nr}))
                return false;
            e = {m_stammbaum->intValue(QStringLiteral("Vater")),
                 m_stammbaum->intValue(QStringLiteral("Mutter"))};
            return true;
        };
        Eltern eltern;
        if (katze > 0 && lesen(katze, eltern))
            m_ahnen = ahnenBoxen(katze, eltern, lesen);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
    bool zuWenig = false;
    const QVector<int> farbe = doppelteFarben(m_ahnen, int(m_farben.size()), &zuWenig);
    const QString wort = text(TagPlatzhalter, "NEUAUFNAHME");
    for (int n = 1; n <= StammbaumBoxen; ++n) {
        QPlainTextEdit *b = m_boxen[n - 1];
        const AhnenBox &a = m_ahnen[n];
        QPalette p = b->palette();
        p.setColor(QPalette::Base, farbe[n] >= 0 ? m_farben[farbe[n]] : QColor(Qt::white));
        p.setColor(QPalette::Text,
                   a.platzhalter() ? QColor(Qt::blue) : textColourOn(p.color(QPalette::Base)));
        b->setPalette(p);
        if (a.katze > 0 && g)
            b->setPlainText(
                g->Katzendaten(0, a.katze, false, generationDerBox(n)).daten.join(QLatin1Char('\n')));
        else if (a.platzhalter())
            b->setPlainText(platzhalterText(wort, a.fehlt, a.kind));
        else
            b->clear();
        b->viewport()->setToolTip(a.platzhalter() ? text(TagHinweisNeu, "Tier neu aufnehmen/suchen")
                                  : a.katze > 0   ? text(TagHinweisLaden, "alle Tierdaten laden")
                                                  : QString());
        b->moveCursor(QTextCursor::Start);
        if (n <= 30)
            markerSetzen(n, a.katze);
    }
    anordnen();
    if (zuWenig && katze != m_gemeldetFuer) {
        m_gemeldetFuer = katze;
        showText(messageText(170) + QLatin1Char('\n') + messageText(178), MsgIcon::Error, MsgButtons::Ok);
    }
}

void CatRecordPedigreePage::markerSetzen(int n, int katze)
{
    QWidget *strip = m_marker[n - 1];
    AhnenMarker m;
    if (katze > 0) {
        try {
            m = ahnenMarker(*m_db, katze);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("KATZEMERKMAL.DB"));
        }
    }
    strip->setVisible(m.topFarbe >= 0 || !m.merkmale.isEmpty());
    if (!strip->isVisibleTo(this))
        return;
    auto *top = strip->findChild<QLabel *>(QStringLiteral("Top%1").arg(n));
    // a top cat shows its label in its colour; otherwise a thin empty strip stands in its place
    top->setFixedWidth(m.topFarbe >= 0 ? 22 : 3);
    top->setText(m.topFarbe >= 0 ? text(TagTop, "TOP") : QString());
    colourField(top, m.topFarbe >= 0 ? storedColour(m.topFarbe) : QColor());
    for (int k = 1; k <= MarkerFelder; ++k) {
        auto *q = strip->findChild<QLabel *>(QStringLiteral("M%1%2").arg(n).arg(k));
        q->setVisible(k <= m.merkmale.size());
        if (k <= m.merkmale.size())
            colourField(q, storedColour(m.merkmale[k - 1]));
    }
    strip->findChild<QLabel *>(QStringLiteral("mehr%1").arg(n))->setVisible(m.merkmale.size() > MarkerFelder);
    strip->adjustSize();
}

void CatRecordPedigreePage::anordnen()
{
    for (int n = 1; n <= StammbaumBoxen; ++n) {
        const QRect r = boxRechteck(n, size() - QSize(0, 0));
        m_panels[n - 1]->setVisible(!r.isEmpty());
        if (!r.isEmpty())
            m_panels[n - 1]->setGeometry(r);
        if (n <= 30) {
            QWidget *strip = m_marker[n - 1];
            strip->move(std::max(0, m_boxen[n - 1]->viewport()->width() - strip->width() - 2), 2);
        }
    }
    if (m_hilfe) {
        m_hilfe->adjustSize();
        m_hilfe->move(4, height() / 2 - 17); // in the gap between the parents
    }
}

void CatRecordPedigreePage::resizeEvent(QResizeEvent *)
{
    anordnen();
}

void CatRecordPedigreePage::showEvent(QShowEvent *)
{
    aufbauen();
}

bool CatRecordPedigreePage::eventFilter(QObject *watched, QEvent *e)
{
    if (watched->property("info").toBool() &&
        (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove)) {
        m_info->hide();
        return true;
    }
    const int n = watched->property("box").toInt();
    if (n > 0 && e->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton)
            boxGeklickt(n);
    } else if (n > 0 && e->type() == QEvent::ContextMenu) {
        QMenu menu(this);
        QAction *laden = menu.addAction(text(TagLaden, "Stammbaum laden"));
        QAction *zurueck = menu.addAction(text(TagRuecksprung, "Rücksprung"));
        zurueck->setEnabled(m_ruecksprung > 0);
        QAction *gewaehlt = menu.exec(static_cast<QContextMenuEvent *>(e)->globalPos());
        if (gewaehlt == laden)
            stammbaumLaden(n);
        else if (gewaehlt && gewaehlt == zurueck)
            ruecksprung();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void CatRecordPedigreePage::boxGeklickt(int n)
{
    const AhnenBox &a = m_ahnen.value(n);
    if (a.katze > 0) {
        m_info->setPlainText(box(n)->toPlainText());
        // kept on the page: left of its box when it would leave it, above the bottom margin
        QPoint p = m_panels[n - 1]->pos();
        p.setX(std::max(0, std::min(p.x(), width() - m_info->width())));
        p.setY(std::max(0, std::min(p.y(), height() - 20 - m_info->height())));
        m_info->move(p);
        m_info->show();
        m_info->raise();
        return;
    }
    if (!a.platzhalter())
        return;
    TDatenGlobal *g = TDatenGlobal::instance();
    if (!g)
        return;
    if (g->NeuausStb) {
        showText(messageText(221) + QLatin1Char(' ') + messageText(222), MsgIcon::Information,
                 MsgButtons::Ok);
        return;
    }
    Shell *mw = Shell::current();
    CatRecord *record = mw ? mw->catRecord() : nullptr;
    if (!record || !record->angemeldet())
        return;
    g->VMZeiger = a.fehlt;
    g->CatNr = a.kind;
    mw->setTierVorNeuaufnahme(m_fenster.aktuelleKatze());
    record->katzeNewausStb();
    if (!g->NeuausStb) {
        g->VMZeiger = QLatin1Char(' ');
        return;
    }
    // the record window's own caption: the main window keeps its title
    m_fenster.eintragAnzeigen(a.fehlt == QLatin1Char('M')
                                  ? text(TagMutterNeu, " Mutter neu aufnehmen / suchen ")
                                  : text(TagVaterNeu, " Vater neu aufnehmen / suchen "));
}

// The new parent is stored: it becomes the father or mother of the cat whose box was empty, and
// the window returns to the cat shown before.
void CatRecordPedigreePage::nachPost()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (!g || !g->NeuausStb)
        return;
    Table *t = m_katze->table();
    const int neu = t->intValue(QStringLiteral("LaufendeNummer"));
    const int kind = g->CatNr;
    const QChar vm = g->VMZeiger;
    // saved with the button on page 0 the window goes back to the pedigree; saved by turning to
    // another page it stays on the new cat and shows that page
    QTabWidget *seiten = nullptr;
    for (QWidget *w = parentWidget(); w && !seiten; w = w->parentWidget())
        seiten = qobject_cast<QTabWidget *>(w);
    const bool zurueck = !seiten || seiten->currentIndex() == 0;
    eintragBeenden();
    if (neu <= 0 || kind <= 0 || neu == kind)
        return;
    // after the record window's own work on the post
    QTimer::singleShot(0, this, [this, neu, kind, vm, zurueck] {
        try {
            elternteilEintragen(*m_db, kind, vm, neu);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
            return;
        }
        m_katze->refresh();
        if (zurueck) {
            Shell *mw = Shell::current();
            const int vorher = mw ? mw->tierVorNeuaufnahme() : 0;
            if (vorher > 0)
                m_fenster.zeigeKatze(vorher);
            m_fenster.seiteZeigen();
            aufbauen();
        }
        m_fenster.katzeGeaendert();
    });
}

void CatRecordPedigreePage::eintragBeenden()
{
    if (TDatenGlobal *g = TDatenGlobal::instance()) {
        g->NeuausStb = false;
        g->VMZeiger = QLatin1Char(' ');
    }
    m_fenster.eintragAnzeigen(QString());
}

void CatRecordPedigreePage::stammbaumLaden(int n)
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (g && g->NeuausStb) {
        showText(messageText(223) + QLatin1Char(' ') + messageText(224), MsgIcon::Information,
                 MsgButtons::Ok);
        return;
    }
    const int nr = m_ahnen.value(n < 1 || n > StammbaumBoxen ? 1 : n).katze;
    if (nr <= 0)
        return;
    const int vorher = m_fenster.aktuelleKatze();
    if (m_fenster.zeigeKatze(nr)) {
        m_ruecksprung = vorher; // one level of return only
        aufbauen();
    }
}

void CatRecordPedigreePage::ruecksprung()
{
    if (m_ruecksprung <= 0)
        return;
    const int nr = m_ruecksprung;
    m_ruecksprung = 0;
    m_fenster.zeigeKatze(nr);
    aufbauen();
}

} // namespace tav::cats::ui
