// The bookkeeping window's frame: its tables, the three pages and leaving them, the period
// dialog and the registration with the main window.
#include "Buchfuehrung.h"

#include "app/Geld.h"
#include "app/Sprache.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Help.h"
#include "widgets/ListenTeile.h"
#include "widgets/Translator.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>
#include <QVector>

using namespace tav::store;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::office::ui {

namespace {
constexpr int TagFenster = 7020, TagBuchen = 7021, TagAuswertung = 7022, TagKonten = 7023, TagDialog = 7058,
              TagVon = 7059, TagBis = 7060, TagJahr = 7061, TagAbbruch = 7062, TagHilfe = 4854,
              MeldungZeitraum = 7002, Hilfe = 60;
} // namespace

QLabel *beschriftet(const QString &text, int tag, QWidget *buddy)
{
    auto *l = new QLabel(text);
    l->setProperty("tag", tag);
    l->setBuddy(buddy);
    return l;
}

DBGrid *spaltenGrid(DataSource *src, const QString &name, const QVector<GridSpalte> &spalten, QWidget *parent)
{
    auto *g = new DBGrid(src, parent);
    g->setObjectName(name);
    QVector<TableModel::Column> cols;
    QVariantList tags;
    for (const GridSpalte &s : spalten) {
        TableModel::Column c;
        c.field = c.title = s.feld;
        c.tag = s.tag;
        c.editable = s.editierbar;
        cols << c;
        tags << s.tag;
    }
    g->tableModel()->setColumns(cols);
    g->setProperty("columnTags", tags);
    g->setProperty("tag", tags.value(0)); // the translator reaches the headers of tagged views
    return g;
}

TStatistikDlg::TStatistikDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("StatistikDlg"));
    setProperty("tag", TagDialog);
    setWindowTitle(QStringLiteral("Statistik "));
    setFixedSize(384, 173);
    auto *g = new QGridLayout(this);
    von = new QSpinBox(this);
    bis = new QSpinBox(this);
    jahr = new QSpinBox(this);
    von->setObjectName(QStringLiteral("VonMonat"));
    bis->setObjectName(QStringLiteral("BisMonat"));
    jahr->setObjectName(QStringLiteral("Jahr"));
    von->setRange(0, 99);
    bis->setRange(0, 99);
    jahr->setRange(0, 9999);
    von->setValue(1);
    bis->setValue(QDate::currentDate().month());
    jahr->setValue(QDate::currentDate().year());
    g->addWidget(beschriftet(QStringLiteral("von Monat"), TagVon), 0, 0);
    g->addWidget(von, 0, 1);
    g->addWidget(beschriftet(QStringLiteral("bis"), TagBis), 0, 2);
    g->addWidget(bis, 0, 3);
    g->addWidget(beschriftet(QStringLiteral("Jahr"), TagJahr), 1, 0);
    g->addWidget(jahr, 1, 1);
    auto *knoepfe = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QPushButton *abbruch =
        listenKnopf(TagAbbruch, QStringLiteral("CancelBtn"), QStringLiteral("&Abbruch"), this);
    QPushButton *hilfe = listenKnopf(TagHilfe, QStringLiteral("HelpBtn"), QStringLiteral("&Hilfe"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [this] { tav::widgets::showHelp(Hilfe, this); });
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbruch);
    knoepfe->addWidget(hilfe);
    g->addLayout(knoepfe, 2, 0, 1, 4);
    translateOnCreate(this);
}

std::optional<Zeitraum> TStatistikDlg::zeitraum() const
{
    const auto z = monatsZeitraum(von->value(), bis->value(), jahr->value());
    if (!z)
        showMessage(MeldungZeitraum, MsgIcon::Error, MsgButtons::Ok);
    return z;
}

TFormBuchfuehrung::TFormBuchfuehrung(Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formbuchfuehrung"), parent), m_db(db), m_buch(*db)
{
    setObjectName(QStringLiteral("FormBuchfuehrung"));
    setProperty("tag", TagFenster);
    setHelpContext(Hilfe);
    setAttribute(Qt::WA_DeleteOnClose);
    setFit(Fit::Both);
    m_dlg = new TStatistikDlg(this);
    try {
        buecherEinrichten(*db, [](int tag) { return tav::app::captionText(tag); });
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("KONTEN.DB"));
    }

    m_konten = new Table(db, QStringLiteral("KONTEN.DB"), this);
    m_konten->setFilter(QStringLiteral("Kontoart<>0"));
    m_konten->setFiltered(true);
    m_kats = new Table(db, QStringLiteral("KONTEN.DB"), this);
    m_kats->setIndexName(QStringLiteral("Nameidx"));
    m_kats->setFilter(QStringLiteral("Kontoart=0"));
    m_kats->setFiltered(true);
    m_kats->onNewRecord = [](Table &t) {
        t.setValue(QStringLiteral("Kontoart"), int(Kontoart::Kategorie));
        // most new categories are costs; the grid shows the kind to change
        t.setValue(QStringLiteral("EinAus"), EinAusAusgabe);
    };
    m_mwst = new Table(db, QStringLiteral("MEHRWERT.DB"), this);
    m_buchungen = new Table(db, QStringLiteral("BUCHUNG.DB"), this);
    m_buchungen->setIndexName(QStringLiteral("BuchungsdatumKontoname"));
    m_buchungen->setReadOnly(true); // postings change only through the bookkeeping's rules
    m_kontenSrc = new DataSource(m_konten, this);
    m_katSrc = new DataSource(m_kats, this);
    m_mwstSrc = new DataSource(m_mwst, this);
    m_buchSrc = new DataSource(m_buchungen, this);
    for (DataSource *s : {m_kontenSrc, m_katSrc}) {
        s->beforePost = [this](Table &t) {
            try {
                kontoVorDemSpeichern(*m_db, t);
            } catch (const std::overflow_error &) {
                showMessage(MeldungBetragZuGross, MsgIcon::Warning, MsgButtons::Ok);
                throw AbortOperation();
            }
        };
        s->open();
    }
    m_mwstSrc->open();
    m_buchSrc->open();

    m_seiten = new QTabWidget(this);
    m_seiten->setObjectName(QStringLiteral("PageControl1"));
    m_seiten->addTab(buchenSeite(), QStringLiteral("Buchen"));
    m_seiten->addTab(auswertungSeite(), QStringLiteral("Auswertungen"));
    m_seiten->addTab(kontenSeite(), QStringLiteral("Konten / Kategorien"));
    m_seiten->widget(SeiteBuchen)->setProperty("tag", TagBuchen);
    m_seiten->widget(SeiteAuswertung)->setProperty("tag", TagAuswertung);
    m_seiten->widget(SeiteKonten)->setProperty("tag", TagKonten);
    int vorher = 0;
    connect(m_seiten, &QTabWidget::currentChanged, this, [this, vorher](int neu) mutable {
        if (neu == vorher)
            return;
        if (!allesSpeichern()) {
            const QSignalBlocker b(m_seiten);
            m_seiten->setCurrentIndex(vorher);
            return;
        }
        vorher = neu;
        if (neu == SeiteBuchen)
            kontoWaehlerZeigen();
        else if (neu == SeiteAuswertung)
            kontostandZeigen();
    });
    (new QVBoxLayout(this))->addWidget(m_seiten);
    resize(760, 520);
    finishCreate();
    kontoWaehlerZeigen();
    // without an account the window starts with the kind choice, else the editor shows the last one
    m_kontenSrc->last();
    if (!m_konten->hasRecord())
        kontoartWaehlen();
    kontoEditorZeigen();
}

TFormBuchfuehrung::~TFormBuchfuehrung()
{
    for (DataSource *s : {m_kontenSrc, m_katSrc, m_mwstSrc, m_buchSrc})
        s->detach();
}

bool TFormBuchfuehrung::seiteZeigen(int seite)
{
    m_seiten->setCurrentIndex(seite);
    return m_seiten->currentIndex() == seite;
}

bool TFormBuchfuehrung::allesSpeichern()
{
    if (m_eingabe && !speichern())
        return false;
    for (DataSource *s : {m_kontenSrc, m_katSrc, m_mwstSrc})
        if (s->isEditing() && !s->save())
            return false;
    return true;
}

bool TFormBuchfuehrung::meldenBeiFehler(const std::function<void()> &f)
{
    try {
        f();
        return true;
    } catch (const std::overflow_error &) {
        showMessage(MeldungBetragZuGross, MsgIcon::Warning, MsgButtons::Ok);
        return false;
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("BUCHUNG.DB"));
        return false;
    }
}

QLocale TFormBuchfuehrung::locale() const
{
    return app::geldLocale();
}

QWidget *TFormBuchfuehrung::knopfLeiste(const QList<QWidget *> &knoepfe)
{
    auto *leiste = new QWidget;
    auto *h = new QHBoxLayout(leiste);
    h->setContentsMargins(0, 0, 0, 0);
    for (QWidget *k : knoepfe)
        k ? h->addWidget(k) : h->addStretch();
    return leiste;
}

void TFormBuchfuehrung::closeEvent(QCloseEvent *e)
{
    if (!allesSpeichern()) {
        for (DataSource *s : {m_kontenSrc, m_katSrc, m_mwstSrc})
            s->undo();
    }
    ChildWindow::closeEvent(e);
}

void registerBuchfuehrung()
{
    registerWindow(QStringLiteral("formbuchfuehrung"), [](Shell &mw) -> QWidget * {
        if (ChildWindow *offen = ChildWindow::find(QStringLiteral("formbuchfuehrung")))
            return offen;
        auto *w = new TFormBuchfuehrung(tav::store::defaultDatabase());
        mw.addChild(w);
        w->show();
        return w;
    });
}

} // namespace tav::office::ui
