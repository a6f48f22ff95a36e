// Indexrekonstruktion: the index reconstruction window (TFormIndexrekonstruktion).
#include "Indexrekonstruktion.h"

#include "app/ProgramHome.h"
#include "app/Sprache.h"
#include "app/ui/OptionenTeile.h"
#include "maintenance/Indexerstellung.h"
#include "maintenance/Indexrekonstruktion.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QPointer>
#include <QProgressBar>
#include <QSize>
#include <QVector>

namespace tav::maintenance::ui {

using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::app::ui::optionen;

namespace {
constexpr int HilfeKontextIndexrekonstruktion = 196;

QPointer<TFormIndexrekonstruktion> &current()
{
    static QPointer<TFormIndexrekonstruktion> w;
    return w;
}
} // namespace

TFormIndexrekonstruktion::TFormIndexrekonstruktion(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formindexrekonstruktion"), parent), m_db(db)
{
    current() = this;
    setObjectName(QStringLiteral("formindexrekonstruktion"));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", 7200);
    setWindowTitle(QStringLiteral("Indexrekonstruktion"));
    setHelpContext(HilfeKontextIndexrekonstruktion);

    auto *g = new QGridLayout(this);
    g->addWidget(label(this, 7217, QStringLiteral("Indizes neu aufbauen für:")), 0, 0, 1, 2);
    const auto &gruppen = indexGruppen();
    int platz = 0;
    for (int i = 0; i < gruppen.size(); ++i) {
        QCheckBox *c = check(this, gruppen[i].tag, gruppen[i].name);
        c->setObjectName(QStringLiteral("Gruppe%1").arg(i + 1));
        Gruppen << c;
        if (gruppen[i].verborgen) {
            c->hide();
            continue;
        }
        g->addWidget(c, 1 + platz % 8, platz / 8);
        ++platz;
    }
    LabelTabelle = new QLabel(this);
    LabelTabelle->setObjectName(QStringLiteral("LabelTabelle"));
    LabelTabelle->setProperty("dataText", true);
    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->setValue(0);
    g->addWidget(LabelTabelle, 9, 0, 1, 2);
    g->addWidget(Fortschritt, 10, 0, 1, 2);

    BitBtnStart = button(this, 7218, QStringLiteral("&Start"));
    BitBtnStart->setObjectName(QStringLiteral("Start"));
    BitBtnAbbruch = button(this, 7219, QStringLiteral("&Abbruch"));
    BitBtnAbbruch->setObjectName(QStringLiteral("Abbruch"));
    BitBtnAbbruch->setEnabled(false);
    BitBtnHilfe = button(this, 7220, QStringLiteral("&Hilfe"));
    BitBtnHilfe->setObjectName(QStringLiteral("Hilfe"));
    BitBtnZurueck = button(this, 7221, QStringLiteral("&Zurück"));
    BitBtnZurueck->setObjectName(QStringLiteral("Zurueck"));
    auto *knoepfe = new QHBoxLayout;
    for (QPushButton *b : {BitBtnStart, BitBtnAbbruch, BitBtnHilfe, BitBtnZurueck})
        knoepfe->addWidget(b);
    g->addLayout(knoepfe, 11, 0, 1, 2);

    connect(BitBtnStart, &QPushButton::clicked, this, &TFormIndexrekonstruktion::BitBtnStartClick);
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] {
        m_abbruch = true;
        BitBtnAbbruch->setEnabled(false);
    });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QWidget::close);
    finishCreate();
}

TFormIndexrekonstruktion *TFormIndexrekonstruktion::instance()
{
    return current();
}

void TFormIndexrekonstruktion::BitBtnStartClick()
{
    if (m_laeuft)
        return;
    m_laeuft = true;
    m_abbruch = false;
    BitBtnStart->setEnabled(false);
    BitBtnAbbruch->setEnabled(true);
    BitBtnZurueck->setEnabled(false);
    QVector<int> gewaehlt;
    for (int i = 0; i < Gruppen.size(); ++i) {
        if (Gruppen[i]->isChecked())
            gewaehlt << i;
    }
    TDataModuleIndex modul(tav::app::programHome(), m_db);
    const IndexLaufErgebnis e = indexRekonstruktion(
        modul, gewaehlt,
        [&](const IndexFortschritt &f) {
            LabelTabelle->setText(f.tabelle);
            Fortschritt->setMaximum(f.gesamt);
            Fortschritt->setValue(f.fertig);
        },
        [&] {
            QApplication::processEvents();
            return m_abbruch;
        });
    Fortschritt->setValue(Fortschritt->maximum());
    LabelTabelle->clear();
    m_laeuft = false;
    BitBtnStart->setEnabled(true);
    BitBtnAbbruch->setEnabled(false);
    BitBtnZurueck->setEnabled(true);
    if (e.erfolg)
        showMessage(7250, MsgIcon::Information, MsgButtons::Ok);
    else
        showMessage(7251, MsgIcon::Warning, MsgButtons::Ok, QString(),
                    QStringLiteral("\n") + e.fehlgeschlageneGruppen.join(QStringLiteral(", ")) +
                        QStringLiteral("\n\n") + e.fehler.join(QLatin1Char('\n')));
    if (e.neustart)
        Q_EMIT TDBError::instance().restartRequested();
}

void TFormIndexrekonstruktion::closeEvent(QCloseEvent *e)
{
    // the run holds the tables; the window goes when it has ended
    if (m_laeuft) {
        e->ignore();
        return;
    }
    ChildWindow::closeEvent(e);
}

void registerIndexrekonstruktion()
{
    registerSingleWindow(QStringLiteral("formindexrekonstruktion"), QSize(420, 360),
                         [] { return new TFormIndexrekonstruktion(store::defaultDatabase()); });
}

} // namespace tav::maintenance::ui
