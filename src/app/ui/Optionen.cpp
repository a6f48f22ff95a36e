// Optionen: the options window: its frame, saving and the openers.
#include "Optionen.h"

#include "OptionenTeile.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "widgets/Dialogs.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSize>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QVector>

namespace tav::app::ui {

using namespace tav::widgets;

using namespace optionen;

namespace {
QPointer<TFOptionen> &current()
{
    static QPointer<TFOptionen> w;
    return w;
}

constexpr int HilfeKontextOptionen = 70;
constexpr int MeldungKeineZahl = 8200;
constexpr int MeldungNichtGeschrieben = 8201;
} // namespace

TFOptionen::TFOptionen(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("FOptionen"), parent), m_db(db)
{
    current() = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", 5600);
    setWindowTitle(QStringLiteral("Systemparameter"));
    setHelpContext(HilfeKontextOptionen);
    setFit(Fit::Both);
    m_sprache = sprache().languageNumber();

    auto *layout = new QVBoxLayout(this);
    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    m_seite = {baueStammdaten(),  baueAuswahlfenster(), baueStammbaum(),      baueWurfbuch(),
               baueAllgemeines(), baueWarnungen(),      baueDruckStammbaum(), baueAdressen(),
               baueDruck(),       baueStatistiken(),    baueVerpaarung(),     baueInzucht()};
    static const char *titel[SeitenAnzahl] = {
        "&Stammdaten",      "A&uswahlfenster", "S&tammbaum", "Wurfbuch",    "A&llgemeines", "&Warnungen",
        "&Druck-Stammbaum", "&Adressen",       "Druck",      "Statistiken", "Verpaarung",   "Inzucht"};
    for (int i = 0; i < SeitenAnzahl; ++i) {
        m_seite[i]->setProperty("tag", 5601 + i);
        PageControl->addTab(m_seite[i], QString::fromUtf8(titel[i]));
    }
    layout->addWidget(PageControl, 1);

    auto *knoepfe = new QHBoxLayout;
    BitBtnSpeichern = button(this, 5613, QStringLiteral("&Speichern"));
    BitBtnSpeichern->setDefault(true);
    BitBtnZurueck = button(this, 5614, QStringLiteral("&Zurück"));
    BitBtnHilfe = button(this, 5615, QStringLiteral("&Hilfe"));
    knoepfe->addStretch();
    knoepfe->addWidget(BitBtnSpeichern);
    knoepfe->addWidget(BitBtnZurueck);
    knoepfe->addWidget(BitBtnHilfe);
    layout->addLayout(knoepfe);
    connect(BitBtnSpeichern, &QPushButton::clicked, this, [this] { speichern(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });

    if (const tsysteminfo *s = tsysteminfo::instance())
        fuellen(*s);
    finishCreate();
}

TFOptionen::~TFOptionen() = default;

TFOptionen *TFOptionen::instance()
{
    return current();
}

void TFOptionen::seitenBeschraenken(Seiten seiten)
{
    if (seiten == Seiten::Alle)
        return;
    for (int i = 0; i < SeitenAnzahl; ++i) {
        const bool bleibt =
            seiten == Seiten::Verpaarung ? i == SeiteVerpaarung : i == SeiteWurfbuch || i == SeiteInzucht;
        const int at = PageControl->indexOf(m_seite[i]);
        if (!bleibt && at >= 0)
            PageControl->removeTab(at);
    }
    PageControl->setCurrentIndex(0);
}

QVector<OptionenSeite> TFOptionen::seiten() const
{
    QVector<OptionenSeite> out;
    for (int i = 0; i < SeitenAnzahl; ++i)
        if (PageControl->indexOf(m_seite[i]) >= 0)
            out << OptionenSeite(i);
    return out;
}

void TFOptionen::fuellen(const tsysteminfo &s)
{
    fuellenListe(s);
    fuellenDruck(s);
    m_spracheAlt = s.Sprache;
}

void TFOptionen::uebernehmen(tsysteminfo &s)
{
    uebernehmenListe(s);
    uebernehmenDruck(s);
    // applying the settings switches the language only when it was changed here
    s.SpracheGeaendert = s.Sprache != m_spracheAlt;
}

QLineEdit *TFOptionen::ersteUngueltigeZahl() const
{
    for (OptionenSeite p : seiten()) {
        for (QLineEdit *e : m_seite[p]->findChildren<QLineEdit *>()) {
            bool ok = false;
            if (e->property("ganzzahl").toBool())
                e->text().trimmed().toInt(&ok);
            else if (e->property("dezimal").toBool()) {
                double d = 0;
                ok = parseDecimal(e->text(), d);
            } else
                ok = true;
            if (!ok)
                return e;
        }
    }
    return nullptr;
}

bool TFOptionen::speichern()
{
    tsysteminfo *s = tsysteminfo::instance();
    if (!s)
        return false;
    // every field is checked before anything is taken, so a bad one leaves the settings as they were
    if (QLineEdit *bad = ersteUngueltigeZahl()) {
        PageControl->setCurrentWidget(bad->parentWidget());
        bad->setFocus();
        showMessage(MeldungKeineZahl, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QStringLiteral(" „%1“").arg(bad->text()));
        return false;
    }
    uebernehmen(*s);
    s->setzen();
    if (shell::Shell *mw = shell::Shell::current())
        mw->FensterAnpassen();
    if (shell::Shell *mw = shell::Shell::current(); mw && mw->catRecord())
        mw->catRecord()->einstellungenGeaendert();
    const QString path = s->datei();
    if (!IniFile::write(path, seitenEintraege(*s, seiten())))
        showMessage(MeldungNichtGeschrieben, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + path);
    close();
    return true;
}

TFOptionen *optionenOeffnen(shell::Shell &mw, TFOptionen::Seiten seiten)
{
    TFOptionen *w = TFOptionen::instance();
    if (!w) {
        w = new TFOptionen(store::defaultDatabase());
        w->seitenBeschraenken(seiten);
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(sub->sizeHint().expandedTo(QSize(780, 640)));
    } else if (seiten != TFOptionen::Seiten::Alle) {
        // an open window keeps its pages; it comes to the front
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
            sub->mdiArea()->setActiveSubWindow(sub);
    }
    w->show();
    return w;
}

void registerOptionen()
{
    shell::registerWindow(QStringLiteral("foptionen"), [](shell::Shell &mw) -> QWidget * {
        return optionenOeffnen(mw, TFOptionen::Seiten::Alle);
    });
}

} // namespace tav::app::ui
