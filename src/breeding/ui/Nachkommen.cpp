// Nachkommen: the direct-offspring window with its cards and print-out, and the registration of
// both descendant windows.
#include "Nachkommen.h"

#include "ListeNachkommen.h"
#include "app/Sprache.h"
#include "cats/ui/Pcatstam.h"
#include "printouts/ReportNachkommen.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "widgets/Dialogs.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::breeding::ui {

namespace {
QPointer<TFormNachkommen> &current()
{
    static QPointer<TFormNachkommen> w;
    return w;
}

enum Tag {
    TagFenster = 8120,
    TagDrucken = 8121,
    TagHilfe = 8122,
    TagZurueck = 8123,
    TagGeb = 8124,
    TagBesitzer = 8125,
    TagZuechter = 8126,
    TagMerkmale = 8127,
    TagNachkommenVon = 8101,
    TagVaterKopf = 763,
    TagMutterKopf = 764,
};

const char KartenNummer[] = "katzeNummer";

QLabel *feld(const QString &text, QWidget *parent, int tag = 0, bool fett = false)
{
    auto *l = new QLabel(text, parent);
    if (tag)
        l->setProperty("tag", tag);
    else
        l->setProperty("dataText", true);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

QPushButton *fensterKnopf(const QString &name, const QString &text, int tag, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setProperty("tag", tag);
    return b;
}

qint32 aktuelleKatzeDesProgramms()
{
    if (auto *katze = cats::ui::TCatStamm::instance(); katze && katze->aktuelleKatze() > 0)
        return katze->aktuelleKatze();
    if (auto *mw = Shell::current())
        return mw->currentListCat();
    return 0;
}

TFormNachkommen::TFormNachkommen(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formnachkommen"), parent), m_db(db)
{
    current() = this;
    setObjectName(QStringLiteral("FormNachkommen"));
    setProperty("tag", TagFenster);
    setWindowTitle(QStringLiteral("Nachkommen"));
    setHelpContext(HilfeKontext);
    setFit(Fit::Both);

    auto *layout = new QVBoxLayout(this);
    auto *kopf = new QHBoxLayout;
    kopf->addWidget(feld(QStringLiteral("Nachkommen von :"), this, TagNachkommenVon, true));
    LabelKatze = feld(QString(), this, 0, true);
    LabelKatze->setObjectName(QStringLiteral("LabelKatze"));
    kopf->addWidget(LabelKatze, 1);
    layout->addLayout(kopf);

    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setWidgetResizable(true);
    auto *flaeche = new QWidget(ScrollBox);
    m_kartenLayout = new QVBoxLayout(flaeche);
    m_kartenLayout->setSpacing(2);
    m_kartenLayout->setContentsMargins(2, 2, 2, 2);
    ScrollBox->setWidget(flaeche);
    layout->addWidget(ScrollBox, 1);

    auto *knoepfe = new QHBoxLayout;
    BitBtnDrucken =
        fensterKnopf(QStringLiteral("BitBtnDrucken"), QStringLiteral("Drucken"), TagDrucken, this);
    BitBtnHilfe = fensterKnopf(QStringLiteral("BitBtnHilfe"), QStringLiteral("&Hilfe"), TagHilfe, this);
    BitBtnZurueck =
        fensterKnopf(QStringLiteral("BitBtnZurueck"), QStringLiteral("&Zurück"), TagZurueck, this);
    knoepfe->addWidget(BitBtnDrucken);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtnHilfe);
    knoepfe->addWidget(BitBtnZurueck);
    layout->addLayout(knoepfe);
    connect(BitBtnDrucken, &QPushButton::clicked, this, &TFormNachkommen::BitBtnDruckenClick);
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, &TFormNachkommen::schliessen);

    lesen(aktuelleKatzeDesProgramms());
    finishCreate();
}

TFormNachkommen::~TFormNachkommen()
{
    if (current() == this)
        current() = nullptr;
}

TFormNachkommen *TFormNachkommen::instance()
{
    return current();
}

void TFormNachkommen::lesen(qint32 nummer)
{
    // the cards of the cat before go; one of them may be the one just double-clicked
    while (QLayoutItem *alt = m_kartenLayout->takeAt(0)) {
        if (QWidget *karte = alt->widget()) {
            karte->hide();
            karte->deleteLater();
        }
        delete alt;
    }
    m_karten.clear();
    m_nachkommen.clear();
    m_katze.reset();
    LabelKatze->clear();
    const QString katzen = QStringLiteral("CATSTAMM.DB");
    try {
        nachkommenIndexePruefen(*m_db);
    } catch (const std::exception &) {
        showMessage(11, MsgIcon::Error, MsgButtons::Ok, {}, QLatin1Char(' ') + katzen);
    }
    try {
        NachkommenLeser leser(*m_db, app::sprache().languageNumber());
        m_katze = leser.katze(nummer);
        if (m_katze)
            m_nachkommen = leser.nachkommen(*m_katze);
        for (const QString &tabelle : leser.fehlend())
            showMessage(11, MsgIcon::Error, MsgButtons::Ok, {}, QLatin1Char(' ') + tabelle);
    } catch (const std::exception &) {
        showMessage(11, MsgIcon::Error, MsgButtons::Ok, {}, QLatin1Char(' ') + katzen);
    }
    if (m_katze)
        LabelKatze->setText(m_katze->name);
    for (const Nachkomme &n : m_nachkommen) {
        QFrame *k = karte(n);
        m_karten.append(k);
        m_kartenLayout->addWidget(k);
    }
    m_kartenLayout->addStretch(1);
    BitBtnDrucken->setEnabled(m_katze.has_value());
}

QFrame *TFormNachkommen::karte(const Nachkomme &n)
{
    auto *k = new QFrame(ScrollBox->widget());
    k->setObjectName(QStringLiteral("Karte%1").arg(n.nummer));
    k->setProperty(KartenNummer, n.nummer);
    k->setFrameShape(QFrame::StyledPanel);
    k->setFixedHeight(KartenHoehe);
    k->setCursor(Qt::PointingHandCursor);
    k->installEventFilter(this);
    auto *g = new QGridLayout(k);
    g->setContentsMargins(6, 2, 6, 2);
    g->setVerticalSpacing(0);
    g->addWidget(feld(n.name, k, 0, true), 0, 0, 1, 2);
    g->addWidget(feld(QStringLiteral("geb.:"), k, TagGeb), 0, 2);
    g->addWidget(feld(n.gebDatum.toString(QStringLiteral("dd.MM.yyyy")), k), 0, 3);
    g->addWidget(feld(n.geschl, k), 0, 4);
    g->addWidget(feld(n.rasseFarbe, k), 0, 5, 1, 2);
    g->addWidget(feld(QStringLiteral("Besitzer:"), k, TagBesitzer), 1, 0);
    g->addWidget(feld(n.besitzer, k), 1, 1);
    g->addWidget(feld(QStringLiteral("Züchter:"), k, TagZuechter), 1, 2);
    g->addWidget(feld(n.zuechter, k), 1, 3, 1, 4);
    // the other parent: the dam for a tom, the sire otherwise
    const bool kater = m_katze && ueberVater(m_katze->geschlecht);
    g->addWidget(feld(kater ? QStringLiteral("Mutter:") : QStringLiteral("Vater:"), k,
                      kater ? TagMutterKopf : TagVaterKopf),
                 2, 0);
    g->addWidget(feld(n.andererElternteil, k), 2, 1);
    g->addWidget(feld(QStringLiteral("Merkmale:"), k, TagMerkmale), 2, 2);
    g->addWidget(feld(n.merkmale, k), 2, 3, 1, 4);
    // the cards' columns stand under each other whatever their texts
    g->setColumnMinimumWidth(3, 80);
    g->setColumnMinimumWidth(4, 36);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(5, 1);
    g->setColumnStretch(6, 1);
    return k;
}

bool TFormNachkommen::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonDblClick && watched->property(KartenNummer).isValid()) {
        karteOeffnen(watched->property(KartenNummer).toInt());
        return true;
    }
    return ChildWindow::eventFilter(watched, e);
}

void TFormNachkommen::karteOeffnen(qint32 nummer)
{
    auto *katze = cats::ui::TCatStamm::instance();
    if (!katze || !katze->zeigeKatze(nummer))
        return;
    // the kitten is looked at in the record window, which this window gives way to
    if (auto *sub = qobject_cast<QMdiSubWindow *>(katze->parentWidget()); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    // the focus goes to the first field of the record window's page
    if (QWidget *seite = katze->notebook()->currentWidget()) {
        for (QWidget *w = seite->nextInFocusChain(); w && w != seite; w = w->nextInFocusChain()) {
            if (seite->isAncestorOf(w) && w->isEnabled() && w->isVisible() &&
                (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    schliessen();
}

void TFormNachkommen::BitBtnDruckenClick()
{
    if (m_katze)
        report::ui::zeigeVorschau(printouts::reportNachkommenListe(*m_katze, m_nachkommen), this);
}

void TFormNachkommen::schliessen()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

// --- registration ------------------------------------------------------------

void registerNachkommen()
{
    registerWindow(QStringLiteral("formnachkommen"), [](Shell &mw) -> QWidget * {
        if (TFormNachkommen *w = TFormNachkommen::instance())
            return w;
        auto *w = new TFormNachkommen(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(900, 520);
        return w;
    });
    registerWindow(QStringLiteral("formlistenachkommen"), [](Shell &mw) -> QWidget * {
        if (TFormListeNachkommen *w = TFormListeNachkommen::instance())
            return w;
        auto *w = new TFormListeNachkommen(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(820, 560);
        return w;
    });
}

} // namespace tav::breeding::ui
