#include "CatRecordPicturePage.h"
#include "PcatstamIntern.h"

#include "app/Systemi.h"
#include "cats/Stammdaten.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QIntValidator>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
constexpr int Rahmen = 73;
constexpr int Abstand = 85;

// a thumbnail that reports its click
class Vorschau : public QFrame
{
  public:
    Vorschau(int n, std::function<void(int)> klick, QWidget *parent)
        : QFrame(parent), m_n(n), m_klick(std::move(klick))
    {
        setAutoFillBackground(true);
    }

  protected:
    void mousePressEvent(QMouseEvent *) override { m_klick(m_n); }

  private:
    int m_n;
    std::function<void(int)> m_klick;
};
} // namespace

void BildanGroesseAnpassen(QLabel *ziel, const QString &pfad, QWidget *panel, int rand, bool anpassen)
{
    QImageReader reader(pfad);
    reader.setAutoTransform(true);
    const QImage bild = reader.read();
    if (bild.isNull()) {
        ziel->hide();
        return;
    }
    const QRect r = bildEinpassen(bild.size(), panel->size(), rand, anpassen || einstellungen().BildAnpassen);
    ziel->setPixmap(
        QPixmap::fromImage(bild.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    ziel->setGeometry(r);
    ziel->show();
}

CatRecordPicturePage::CatRecordPicturePage(DataSource *katze, DataSource *bilder,
                                           std::function<int()> aktuelleKatze, QPushButton *hilfe,
                                           QWidget *parent)
    : QWidget(parent), m_katze(katze), m_bilder(bilder), m_aktuelleKatze(std::move(aktuelleKatze))
{
    auto *l = new QGridLayout(this);
    m_streifenScroll = new QScrollArea(this);
    m_streifenScroll->setObjectName(QStringLiteral("ScrollBoxBilder"));
    m_streifenScroll->setFixedHeight(Rahmen + 40);
    m_streifenScroll->setWidgetResizable(false);
    m_streifen = new QWidget;
    m_streifen->resize(10, Rahmen + 20);
    m_streifenScroll->setWidget(m_streifen);
    l->addWidget(m_streifenScroll, 0, 0, 1, 3);

    m_grossPanel = new QFrame(this);
    m_grossPanel->setObjectName(QStringLiteral("PanelGrossBild"));
    m_grossPanel->setFrameShape(QFrame::Panel);
    m_grossPanel->setFrameShadow(QFrame::Sunken);
    m_grossPanel->setMinimumSize(320, 240);
    m_grossBild = new QLabel(m_grossPanel);
    m_grossBild->setObjectName(QStringLiteral("ImageGross"));
    m_grossBild->setScaledContents(true);
    m_grossBild->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *auswahl = new QAction(QStringLiteral("Auswahl für Druck"), m_grossBild);
    auswahl->setObjectName(QStringLiteral("AuswahlfuerDruck"));
    auswahl->setProperty("tag", TagAuswahlDruck);
    connect(auswahl, &QAction::triggered, this, [this] { druckBildSetzen(m_aktuell); });
    m_grossBild->addAction(auswahl);
    l->addWidget(m_grossPanel, 1, 0, 1, 2);

    auto *rechts = new QVBoxLayout;
    m_zaehler = new QLabel(this);
    m_zaehler->setProperty("dataText", true);
    m_zaehler->setObjectName(QStringLiteral("LabelBildZaehler"));
    rechts->addWidget(m_zaehler);
    auto *laden = knopfMitTag(TagBildLaden, QStringLiteral("Bi&ld laden"), this);
    auto *loeschen = knopfMitTag(TagBildLoeschen, QStringLiteral("B&ild löschen"), this);
    connect(laden, &QPushButton::clicked, this, [this] { hinzufuegen(); });
    connect(loeschen, &QPushButton::clicked, this, [this] { this->loeschen(); });
    rechts->addWidget(laden);
    rechts->addWidget(loeschen);
    m_druckVon = new DBEdit(m_katze, QStringLiteral("Feld2"), this);
    m_druckVon->setObjectName(QStringLiteral("DBEditFeld2"));
    m_druckVon->setValidator(new QIntValidator(0, 255, m_druckVon));
    connect(m_druckVon, &QLineEdit::editingFinished, this, [this] { druckBildFeldVerlassen(); });
    rechts->addWidget(textMitTag(TagDruckVonBild, QStringLiteral("Druck  von Bild"), this));
    rechts->addWidget(m_druckVon);
    m_memo1 = new DBMemo(m_bilder, QStringLiteral("BildMemo1"), this);
    m_memo2 = new DBMemo(m_bilder, QStringLiteral("BildMemo2"), this);
    rechts->addWidget(textMitTag(TagBildMemo, QStringLiteral("Bildtext"), this));
    rechts->addWidget(m_memo1);
    rechts->addWidget(m_memo2);
    rechts->addStretch();
    rechts->addWidget(hilfe);
    l->addLayout(rechts, 1, 2);
    l->setColumnStretch(0, 1);
    l->setRowStretch(1, 1);
}

int CatRecordPicturePage::feld2() const
{
    const Table *k = m_katze->table();
    return k->hasRecord() || k->isEditing() ? k->intValue(QStringLiteral("Feld2")) : 0;
}

void CatRecordPicturePage::laden()
{
    qDeleteAll(m_streifen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    m_rahmen.clear();
    m_balken.clear();
    m_pfade.clear();
    Table *t = m_bilder->table();
    if (m_aktuelleKatze() > 0 && t && t->isOpen()) {
        try {
            const auto keep = t->bookmark();
            for (t->first(); !t->eof(); t->next())
                m_pfade << t->text(QStringLiteral("Bildpfad"));
            if (keep.isValid() && t->bookmarkValid(keep))
                t->gotoBookmark(keep);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("BILDER.DB"));
        }
    }
    m_anzahl = int(qMin<qsizetype>(m_pfade.size(), 255));
    for (int n = 1; n <= m_anzahl; ++n) {
        auto *nummer = new QLabel(QString::number(n), m_streifen);
        nummer->setGeometry(Abstand * (n - 1), 0, 20, 14);
        auto *rahmen = new Vorschau(
            n, [this](int k) { waehlen(k); }, m_streifen);
        rahmen->setObjectName(QStringLiteral("Rahmen%1").arg(n));
        rahmen->setGeometry(10 + Abstand * (n - 1), 14, Rahmen, Rahmen);
        auto *bild = new QLabel(rahmen);
        const QString pfad = m_pfade[n - 1];
        if (QFileInfo::exists(pfad)) {
            BildanGroesseAnpassen(bild, pfad, rahmen, 3, true);
        } else {
            bild->setText(QStringLiteral("?"));
            bild->setAlignment(Qt::AlignCenter);
            bild->setGeometry(3, 3, Rahmen - 6, Rahmen - 6);
        }
        auto *balken = new QFrame(m_streifen);
        balken->setGeometry(10 + Abstand * (n - 1), 14 + Rahmen + 1, Rahmen, 3);
        balken->setAutoFillBackground(true);
        m_rahmen << rahmen;
        m_balken << balken;
    }
    m_streifen->resize(10 + Abstand * m_anzahl, Rahmen + 20);
    for (QWidget *w : m_streifen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->show();
    // the picture that represents the cat: the first that exists, or the one chosen for print
    m_bildFuerDruck.clear();
    for (const QString &p : std::as_const(m_pfade)) {
        if (QFileInfo::exists(p)) {
            m_bildFuerDruck = p;
            break;
        }
    }
    const int druck = feld2();
    if (druckBildGueltig(druck, m_anzahl) && QFileInfo::exists(m_pfade[druck - 1]))
        m_bildFuerDruck = m_pfade[druck - 1];
    m_aktuell = m_anzahl > 0 ? 1 : 0;
    waehlen(m_aktuell);
    Q_EMIT druckBildGeaendert(m_bildFuerDruck);
}

void CatRecordPicturePage::gezeigt()
{
    if (m_anzahl > 0)
        waehlen(qMax(1, m_aktuell));
}

void CatRecordPicturePage::waehlen(int n)
{
    const int druck = feld2();
    m_aktuell = n;
    for (int i = 0; i < m_rahmen.size(); ++i) {
        QPalette p = m_rahmen[i]->palette();
        p.setColor(QPalette::Window, i + 1 == n ? Qt::red : palette().color(QPalette::Window));
        m_rahmen[i]->setPalette(p);
        QPalette b = m_balken[i]->palette();
        b.setColor(QPalette::Window, i + 1 == druck ? Qt::blue : palette().color(QPalette::Window));
        m_balken[i]->setPalette(b);
    }
    m_zaehler->setText(bildZaehler(n, m_anzahl, sprachNummer()));
    if (n >= 1 && n <= m_pfade.size() && QFileInfo::exists(m_pfade[n - 1]))
        BildanGroesseAnpassen(m_grossBild, m_pfade[n - 1], m_grossPanel, 0, false);
    else
        m_grossBild->hide();
    // the memos follow the selected picture
    Table *t = m_bilder->table();
    if (n >= 1 && t && t->isOpen() && !t->isEditing()) {
        try {
            t->moveTo(n);
        } catch (const EngineError &e) {
            reportDatabaseError(e, t->fileName());
        }
    }
}

void CatRecordPicturePage::hinzufuegen()
{
    if (m_aktuelleKatze() <= 0)
        return;
    const QString pfad =
        openFileName(this, QString(), QString(), QStringLiteral("JPEG (*.jpg *.jpeg);;Bitmap (*.bmp)"));
    if (pfad.isEmpty())
        return;
    if (!QFileInfo::exists(pfad)) {
        showMessage(24, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral(" ") + pfad);
        return;
    }
    if (!m_bilder->append() || !m_bilder->setFieldValue(QStringLiteral("Bildpfad"), pfad) ||
        !m_bilder->save())
        return;
    laden();
    waehlen(m_anzahl);
}

void CatRecordPicturePage::loeschen()
{
    if (m_aktuell < 1 || m_aktuell > m_anzahl)
        return;
    if (showMessage(27, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes)
        return;
    const int geloescht = m_aktuell;
    Table *t = m_bilder->table();
    try {
        if (!t->moveTo(geloescht))
            return;
        t->remove();
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("BILDER.DB"));
        return;
    }
    const int druck = m_katze->table()->intValue(QStringLiteral("Feld2"));
    const int neu = druckBildNachLoeschen(druck, geloescht);
    if (neu != druck)
        m_katze->setFieldValue(QStringLiteral("Feld2"), neu == 0 ? QVariant() : QVariant(neu));
    laden();
    waehlen(qMin(geloescht, m_anzahl));
}

void CatRecordPicturePage::druckBildSetzen(int n)
{
    if (!druckBildGueltig(n, m_anzahl))
        return;
    m_katze->setFieldValue(QStringLiteral("Feld2"), n);
    if (QFileInfo::exists(m_pfade[n - 1])) {
        m_bildFuerDruck = m_pfade[n - 1];
        Q_EMIT druckBildGeaendert(m_bildFuerDruck);
    }
    waehlen(m_aktuell);
}

void CatRecordPicturePage::druckBildFeldVerlassen()
{
    if (!m_katze->isEditing())
        return;
    const QVariant v = m_katze->table()->value(QStringLiteral("Feld2"));
    if (m_anzahl == 0) {
        m_katze->setFieldValue(QStringLiteral("Feld2"), QVariant());
        return;
    }
    if (v.isNull())
        return;
    if (!druckBildGueltig(v.toInt(), m_anzahl)) {
        showMessage(227, MsgIcon::Information, MsgButtons::Ok);
        m_katze->setFieldValue(QStringLiteral("Feld2"), 0);
        return;
    }
    druckBildSetzen(v.toInt());
}

} // namespace tav::cats::ui
