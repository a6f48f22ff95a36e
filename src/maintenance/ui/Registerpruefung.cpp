// Registerpruefung: the register check window (TFormRegisterpruefung).
#include "Registerpruefung.h"

#include "app/Sprache.h"
#include "app/ui/OptionenTeile.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QPointer>
#include <QProgressBar>
#include <QSize>
#include <QSpinBox>
#include <QStringList>
#include <QTableWidget>

namespace tav::maintenance::ui {

using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::app::ui::optionen;

namespace {
constexpr int HilfeKontextRegisterpruefung = 7790;
const QString Name = QStringLiteral("formregisterpruefung");

QPointer<TFormRegisterpruefung> &current()
{
    static QPointer<TFormRegisterpruefung> w;
    return w;
}
} // namespace

TFormRegisterpruefung::TFormRegisterpruefung(tav::store::Database *db, QWidget *parent)
    : ChildWindow(Name, parent), m_db(db)
{
    current() = this;
    setObjectName(Name);
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", 7740);
    setWindowTitle(QStringLiteral("Registerprüfung"));
    setHelpContext(HilfeKontextRegisterpruefung);

    auto *g = new QGridLayout(this);
    QLabel *monate = label(this, 7741, QStringLiteral("&Mindestalter der Eltern (Monate):"));
    SpinMonate = new QSpinBox(this);
    SpinMonate->setObjectName(QStringLiteral("SpinMonate"));
    SpinMonate->setRange(1, 120);
    SpinMonate->setValue(pruefOptionenLesen().mindestMonate);
    monate->setBuddy(SpinMonate);
    auto *oben = new QHBoxLayout;
    oben->addWidget(monate);
    oben->addWidget(SpinMonate);
    oben->addStretch();
    g->addLayout(oben, 0, 0);

    GridBefunde = new QTableWidget(0, 3, this);
    GridBefunde->setObjectName(QStringLiteral("GridBefunde"));
    GridBefunde->setHorizontalHeaderLabels(
        {QStringLiteral("Befund"), QStringLiteral("Katzen"), QStringLiteral("Erklärung")});
    GridBefunde->setProperty("columnTags", QVariantList{7746, 7747, 7748});
    GridBefunde->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridBefunde->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridBefunde->setSelectionMode(QAbstractItemView::SingleSelection);
    GridBefunde->setWordWrap(true); // the explanation is read whole, not cut at the column's end
    GridBefunde->verticalHeader()->hide();
    GridBefunde->horizontalHeader()->setStretchLastSection(true);
    GridBefunde->setColumnWidth(0, 150);
    GridBefunde->setColumnWidth(1, 260);
    g->addWidget(GridBefunde, 1, 0);

    LabelErgebnis = new QLabel(this);
    LabelErgebnis->setObjectName(QStringLiteral("LabelErgebnis"));
    LabelErgebnis->setProperty("dataText", true);
    // a long summary wraps instead of widening the window past the frame
    LabelErgebnis->setWordWrap(true);
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setValue(0);
    g->addWidget(LabelErgebnis, 2, 0);
    g->addWidget(Fortschritt, 3, 0);

    BitBtnPruefen = button(this, 7742, QStringLiteral("&Prüfen"));
    BitBtnPruefen->setObjectName(QStringLiteral("Pruefen"));
    BitBtnAbbruch = button(this, 7743, QStringLiteral("&Abbruch"));
    BitBtnAbbruch->setObjectName(QStringLiteral("Abbruch"));
    BitBtnAbbruch->setEnabled(false);
    BitBtnHilfe = button(this, 7744, QStringLiteral("&Hilfe"));
    BitBtnHilfe->setObjectName(QStringLiteral("Hilfe"));
    BitBtnZurueck = button(this, 7745, QStringLiteral("&Zurück"));
    BitBtnZurueck->setObjectName(QStringLiteral("Zurueck"));
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {BitBtnPruefen, BitBtnAbbruch, BitBtnHilfe, BitBtnZurueck})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    g->addLayout(knoepfe, 4, 0);

    connect(SpinMonate, &QSpinBox::valueChanged, this, [](int m) { pruefMonateSchreiben(m); });
    connect(BitBtnPruefen, &QPushButton::clicked, this, &TFormRegisterpruefung::BitBtnPruefenClick);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] {
        m_abbruch = true;
        BitBtnAbbruch->setEnabled(false);
    });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(GridBefunde, &QTableWidget::cellDoubleClicked, this,
            [this](int zeile, int) { GridBefundeDblClick(zeile); });
    finishCreate();
}

TFormRegisterpruefung *TFormRegisterpruefung::instance()
{
    return current();
}

void TFormRegisterpruefung::BitBtnPruefenClick()
{
    if (m_laeuft)
        return;
    m_laeuft = true;
    m_abbruch = false;
    BitBtnPruefen->setEnabled(false);
    BitBtnAbbruch->setEnabled(true);
    BitBtnZurueck->setEnabled(false);
    GridBefunde->setRowCount(0);
    LabelErgebnis->clear();
    m_optionen = pruefOptionenLesen();
    m_optionen.mindestMonate = SpinMonate->value();
    try {
        m_katzen = registerLesen(*m_db);
        m_ergebnis = registerPruefen(m_katzen, m_optionen, [this](int fertig, int gesamt) {
            Fortschritt->setMaximum(gesamt);
            Fortschritt->setValue(fertig);
            QApplication::processEvents();
            return !m_abbruch;
        });
    } catch (const store::EngineError &e) {
        m_katzen.clear();
        m_ergebnis = {};
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
    }
    Fortschritt->setValue(Fortschritt->maximum());
    m_laeuft = false;
    BitBtnPruefen->setEnabled(true);
    BitBtnAbbruch->setEnabled(false);
    BitBtnZurueck->setEnabled(true);
    zeigen();
}

void TFormRegisterpruefung::zeigen()
{
    const app::Sprache &katalog = app::sprache();
    const auto nummern = nachNummer(m_katzen);
    GridBefunde->setRowCount(int(m_ergebnis.funde.size()));
    for (int i = 0; i < m_ergebnis.funde.size(); ++i) {
        const Fund &f = m_ergebnis.funde[i];
        QStringList katzen;
        for (const qint32 nr : f.katzen)
            katzen << katzeText(nummern, nr, katalog);
        const QString texte[3] = {befundName(f.art, katalog), katzen.join(QStringLiteral(", ")),
                                  erklaerung(f, nummern, m_optionen, katalog)};
        for (int s = 0; s < 3; ++s) {
            auto *item = new QTableWidgetItem(texte[s]);
            item->setToolTip(texte[2]);
            GridBefunde->setItem(i, s, item);
        }
    }
    // rows as high as their wrapped text; a register with thousands of findings keeps one line each
    if (m_ergebnis.funde.size() <= 2000)
        GridBefunde->resizeRowsToContents();
    if (m_ergebnis.abgebrochen)
        LabelErgebnis->setText(katalog.message(meldung::Abgebrochen));
    else if (m_ergebnis.funde.isEmpty())
        LabelErgebnis->setText(katalog.message(meldung::KeineBefunde));
    else
        LabelErgebnis->setText(katalog.message(meldung::Befunde).arg(m_ergebnis.funde.size()));
}

qint32 TFormRegisterpruefung::katzeDerZeile(int zeile) const
{
    if (zeile < 0 || zeile >= m_ergebnis.funde.size())
        return 0;
    return m_ergebnis.funde[zeile].katzen.value(0);
}

void TFormRegisterpruefung::GridBefundeDblClick(int zeile)
{
    const qint32 nr = katzeDerZeile(zeile);
    Shell *main = Shell::current();
    CatRecord *record = main ? main->catRecord() : nullptr;
    if (nr <= 0 || !record || !record->zeigeKatze(nr))
        return;
    main->positionListOn(nr);
}

void TFormRegisterpruefung::closeEvent(QCloseEvent *e)
{
    // the check runs on the event loop; the window goes when it has ended
    if (m_laeuft) {
        e->ignore();
        return;
    }
    ChildWindow::closeEvent(e);
}

void registerRegisterpruefung()
{
    registerSingleWindow(Name, QSize(760, 420),
                         [] { return new TFormRegisterpruefung(store::defaultDatabase()); });
}

void pruefungNachImportAnbieten(Shell &main, store::Database &db)
{
    const int anzahl = importVermerk(db.dataDir());
    if (anzahl <= 0)
        return;
    importVermerkLoeschen(db.dataDir());
    const QString text = app::messageText(meldung::NachImport).arg(anzahl);
    if (showText(text, MsgIcon::Question, MsgButtons::YesNo) != QMessageBox::Yes)
        return;
    main.runCommand(QStringLiteral("Registerpruefung1"));
    if (TFormRegisterpruefung *w = TFormRegisterpruefung::instance())
        w->BitBtnPruefenClick();
}

} // namespace tav::maintenance::ui
