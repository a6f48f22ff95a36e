// TopKatzen: the window of the five top-cat slots.
#include "TopKatzen.h"

#include "cats/ui/Psuchdlg.h"
#include "shell/Shell.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

using namespace tav::widgets;
using namespace tav::shell;

namespace tav::breeding::ui {

namespace {
QPointer<TFormTopKatzen> &current()
{
    static QPointer<TFormTopKatzen> w;
    return w;
}

constexpr int HilfeKontextTopKatzen = 101;
const QString TopKatze = QStringLiteral("TOPKATZE.DB");
} // namespace

TFormTopKatzen::TFormTopKatzen(tav::store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("FormTopKatzen"), parent), m_db(db)
{
    current() = this;
    setProperty("tag", 9800);
    setWindowTitle(QStringLiteral("Top Katzen"));
    setHelpContext(HilfeKontextTopKatzen);

    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < 5; ++i) {
        auto *frame = new QFrame(this);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setMinimumHeight(45);
        auto *fl = new QHBoxLayout(frame);
        Panel p;
        p.farbe = new QLabel(frame);
        p.farbe->setFixedSize(28, 28);
        p.farbe->setAutoFillBackground(true);
        p.farbe->setFrameShape(QFrame::Box);
        auto *titel = new QLabel(QStringLiteral("Top Katze"), frame);
        titel->setProperty("tag", 9801);
        p.slot = new QLabel(frame);
        p.name = new QLabel(frame);
        p.name->setObjectName(QStringLiteral("KatzeName%1").arg(i + 1));
        p.name->setProperty("dataText", true);
        p.name->setMinimumWidth(240);
        p.katzeLaden = new QPushButton(QStringLiteral("Katze laden"), frame);
        p.katzeLaden->setProperty("tag", 9802);
        p.farbeLaden = new QPushButton(QStringLiteral("Farbe laden"), frame);
        p.farbeLaden->setProperty("tag", 9803);
        fl->addWidget(p.farbe);
        fl->addWidget(titel);
        fl->addWidget(p.slot);
        fl->addWidget(p.name, 1);
        fl->addWidget(p.katzeLaden);
        fl->addWidget(p.farbeLaden);
        connect(p.katzeLaden, &QPushButton::clicked, this, [this, i] { katzeLaden(i); });
        connect(p.farbeLaden, &QPushButton::clicked, this, [this, i] { farbeLaden(i); });
        layout->addWidget(frame);
        Panels.append(p);
    }
    auto *knoepfe = new QHBoxLayout;
    BitBtnRueckgaengig = new QPushButton(QStringLiteral("R&ückgängig"), this);
    BitBtnRueckgaengig->setProperty("tag", 9804);
    BitBtnRueckgaengig->setToolTip(QStringLiteral("Eingabe rückgängig"));
    BitBtnHilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    BitBtnHilfe->setProperty("tag", 9805);
    BitBtnZurueck = new QPushButton(QStringLiteral("&Zurück"), this);
    BitBtnZurueck->setProperty("tag", 9806);
    knoepfe->addStretch(1);
    knoepfe->addWidget(BitBtnRueckgaengig);
    knoepfe->addWidget(BitBtnHilfe);
    knoepfe->addWidget(BitBtnZurueck);
    layout->addLayout(knoepfe);
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });

    m_top = std::make_unique<store::Table>(m_db, TopKatze);
    m_quelle = new DataSource(m_top.get(), this);
    m_quelle->attachButtons(nullptr, BitBtnRueckgaengig);
    connect(BitBtnRueckgaengig, &QPushButton::clicked, this,
            [this] { BitBtnRueckgaengig->setEnabled(false); });
    // after a post or a cancel the panels show what the table holds
    connect(m_top.get(), &store::Table::afterPost, this, [this] { einlesen(); });
    connect(m_top.get(), &store::Table::afterCancel, this, [this] { einlesen(); });
    m_quelle->open();
    BitBtnRueckgaengig->setEnabled(false);
    einlesen();
    finishCreate();
}

TFormTopKatzen::~TFormTopKatzen()
{
    if (current() == this)
        current() = nullptr;
}

TFormTopKatzen *TFormTopKatzen::instance()
{
    return current();
}

void TFormTopKatzen::activated()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->raise();
}

QString TFormTopKatzen::katzenName(int katze) const
{
    if (katze <= 0)
        return QString();
    store::Table t(m_db, QStringLiteral("CATSTAMM.DB"));
    t.setReadOnly(true);
    t.open();
    return t.findKey({katze}) ? t.text(QStringLiteral("Name")) : QString();
}

void TFormTopKatzen::einlesen()
{
    m_slots.clear();
    if (!m_top->isOpen() || m_top->isEditing()) {
        anzeigen();
        return;
    }
    try {
        store::QuietCursor ruhig(*m_top);
        for (m_top->first(); !m_top->eof() && m_slots.size() < 5; m_top->next()) {
            const int katze = m_top->intValue(QStringLiteral("Katze"));
            m_slots.append({m_top->intValue(QStringLiteral("LaufendeNummer")), katze, katzenName(katze),
                            m_top->intValue(QStringLiteral("Farbe"))});
        }
    } catch (const std::exception &e) {
        reportDatabaseError(e, TopKatze);
    }
    anzeigen();
}

void TFormTopKatzen::anzeigen()
{
    for (int i = 0; i < Panels.size(); ++i) {
        const Panel &p = Panels[i];
        const bool da = i < m_slots.size();
        p.slot->setText(da ? QString::number(m_slots[i].nummer) : QString());
        p.name->setText(da ? m_slots[i].name : QString());
        colourField(p.farbe, da ? storedColour(m_slots[i].farbe) : QColor());
        p.katzeLaden->setEnabled(da);
        p.farbeLaden->setEnabled(da);
    }
}

// Leaves a row in edit (posting it, or dropping it on No) and stands on the panel's row.
bool TFormTopKatzen::gehZu(int panel)
{
    if (panel < 0 || panel >= m_slots.size())
        return false;
    const int nummer = m_slots[panel].nummer;
    if (m_quelle->isEditing() && m_top->intValue(QStringLiteral("LaufendeNummer")) != nummer) {
        if (!m_quelle->leaveEdit())
            return false;
    }
    if (m_quelle->isEditing())
        return true;
    try {
        return m_top->findKey({nummer});
    } catch (const std::exception &e) {
        reportDatabaseError(e, TopKatze);
        return false;
    }
}

void TFormTopKatzen::katzeLaden(int panel)
{
    if (!gehZu(panel))
        return;
    const int katze = cats::ui::runCatSearch(this, 0);
    if (katze <= 0 || !m_quelle->setFieldValue(QStringLiteral("Katze"), katze))
        return;
    m_slots[panel].katze = katze;
    m_slots[panel].name = katzenName(katze);
    anzeigen();
}

void TFormTopKatzen::farbeLaden(int panel)
{
    if (!gehZu(panel))
        return;
    QColorDialog dlg(storedColour(m_slots[panel].farbe), this);
    if (execDialog(dlg) != QDialog::Accepted)
        return;
    const int farbe = storedValue(dlg.currentColor());
    if (!m_quelle->setFieldValue(QStringLiteral("Farbe"), farbe))
        return;
    m_slots[panel].farbe = farbe;
    anzeigen();
}

void TFormTopKatzen::closeEvent(QCloseEvent *e)
{
    if (m_quelle->isEditing() && !m_quelle->leaveEdit()) {
        e->ignore(); // the input stays after an error
        return;
    }
    if (Shell *mw = Shell::current())
        mw->refreshListColours();
    ChildWindow::closeEvent(e);
}

} // namespace tav::breeding::ui
