// The general and the private cattery register windows.
#include "Zwingerregister.h"

#include "ZwinSuchDlg.h"
#include "ZwingerEintraege.h"
#include "app/Sprache.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/ListenTeile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagDeckkater = 6924, TagUebernehmen = 6927, TagSuche = 6928, TagMarke = 6936, TagJa = 6937,
              TagNein = 6938, TagZuchttiere = 6907, TagBild = 6909, MeldungUebernommen = 172,
              MeldungAdresseDa = 173;

const Bueroliste &vorbereitet(Database *db, bool privat)
{
    if (privat) {
        try {
            privatesRegisterAnlegen(*db);
        } catch (const std::exception &e) {
            reportDatabaseError(e, zwingerTabellen(true).zwinger);
        }
    }
    return zwingerregisterListe(privat);
}

// a small landscape in a frame: "this kind has a picture"
QPixmap markenBild()
{
    QPixmap pm(18, 14);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(200, 225, 250));
    p.drawRect(QRectF(0.5, 0.5, 17, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 190, 40));
    p.drawEllipse(QPointF(12.5, 4.5), 2, 2);
    p.setBrush(QColor(70, 150, 70));
    p.drawPolygon(
        QPolygonF({QPointF(1, 13), QPointF(6, 6), QPointF(10, 10), QPointF(13, 8), QPointF(17, 13)}));
    return pm;
}

QString beschriftung(int tag, const QString &text)
{
    const QString t = app::captionText(tag);
    return t.isEmpty() ? text : t;
}

QString jaNein(bool ja)
{
    return ja ? beschriftung(TagJa, QStringLiteral("ja")) : beschriftung(TagNein, QStringLiteral("nein"));
}
} // namespace

TFormZwingerregister::TFormZwingerregister(Database *db, QWidget *parent)
    : TFormZwingerregister(db, false, dateneingabe(QCoreApplication::arguments()), parent)
{
}

TFormZwingerregister::TFormZwingerregister(Database *db, bool privat, bool schreiben, QWidget *parent)
    : TBueroliste(vorbereitet(db, privat), db, parent, !schreiben), m_db(db),
      m_tabellen(zwingerTabellen(privat)), m_privat(privat), m_schreiben(schreiben)
{
    m_eintraege = new ZwingerEintraege(db, m_tabellen.eintraege, !schreiben, this);
    connect(m_eintraege, &ZwingerEintraege::zurueck, this, &TFormZwingerregister::eintraegeSchliessen);
    connect(m_eintraege, &ZwingerEintraege::geaendert, this, &TFormZwingerregister::artenAktualisieren);
    // the table page's columns of entries and pictures follow them
    connect(m_eintraege, &ZwingerEintraege::geaendert, this, [this] { grid()->tableModel()->reload(); });
    aufbauen();
    auto *haupt = qobject_cast<QVBoxLayout *>(layout());
    haupt->insertWidget(haupt->indexOf(seiten()) + 1, m_eintraege, 1);
    m_eintraege->hide();

    // the table page tells which catteries have entries and pictures
    TableModel *modell = grid()->tableModel();
    const auto arten = [this](Table &t) {
        return zwingerArten(*m_db, m_tabellen, t.value(QStringLiteral("LaufendeNummer")).toLongLong());
    };
    modell->addCalcColumn(beschriftung(TagZuchttiere, QStringLiteral("Zuchttiere")),
                          [arten](Table &t) -> QVariant {
                              const ZwingerArten a = arten(t);
                              return jaNein(a.vorhanden[0] || a.vorhanden[1] || a.vorhanden[2]);
                          });
    modell->addCalcColumn(beschriftung(TagBild, QStringLiteral("Bild")), [arten](Table &t) -> QVariant {
        const ZwingerArten a = arten(t);
        return jaNein(a.bild[0] || a.bild[1] || a.bild[2]);
    });
    QVariantList tags = grid()->property("columnTags").toList();
    grid()->setProperty("columnTags", tags << TagZuchttiere << TagBild);

    connect(dataSource(), &DataSource::recordChanged, this, &TFormZwingerregister::artenAktualisieren);
    connect(dataSource(), &DataSource::dataSetChanged, this, &TFormZwingerregister::artenAktualisieren);
    artenAktualisieren();
    resize(760, 580);
}

TFormZwingerregister::~TFormZwingerregister() = default;

void TFormZwingerregister::feldSeiteErgaenzen(QGridLayout *g, int &zeile)
{
    auto *reihe = new QHBoxLayout;
    const char *namen[] = {"BitBtnDeckkater", "BitBtnZuchtkatze", "BitBtnJungtiere"};
    const char *texte[] = {"&Deckkater", "Z&uchtkatze", "&Jungtiere"};
    const QPixmap marke = markenBild();
    for (int i = 0; i < 3; ++i) {
        QPushButton *b =
            listenKnopf(TagDeckkater + i, QString::fromLatin1(namen[i]), QString::fromUtf8(texte[i]), this);
        connect(b, &QPushButton::clicked, this, [this, i] { artZeigen(KatzeArt(i + 1)); });
        auto *m = new QLabel(this);
        m->setObjectName(QStringLiteral("ImageBild%1").arg(i + 1));
        m->setPixmap(marke);
        m->setProperty("tag", TagMarke);
        m->setFixedSize(marke.size());
        reihe->addWidget(b);
        reihe->addWidget(m);
        reihe->addSpacing(8);
        m_artKnoepfe[i] = b;
        m_marken[i] = m;
    }
    reihe->addStretch();
    QPushButton *adresse = listenKnopf(TagUebernehmen, QStringLiteral("ButtonUebernahmeAdresse"),
                                       QStringLiteral("Zwinger in Adressendatei übernehmen"), this);
    connect(adresse, &QPushButton::clicked, this, &TFormZwingerregister::inAdressen);
    reihe->addWidget(adresse);
    g->addLayout(reihe, zeile++, 0, 1, 2);
}

void TFormZwingerregister::knoepfeErgaenzen(QHBoxLayout *knoepfe)
{
    QPushButton *suche = listenKnopf(TagSuche, QStringLiteral("BitBtnSuche"), QStringLiteral("&Suche"), this);
    connect(suche, &QPushButton::clicked, this, &TFormZwingerregister::suchen);
    knoepfe->addWidget(suche);
}

qint64 TFormZwingerregister::aktuellerZwinger() const
{
    const Table *t = table();
    return t->isOpen() && t->hasRecord() && !t->isEditing()
               ? t->value(QStringLiteral("LaufendeNummer")).toLongLong()
               : 0;
}

void TFormZwingerregister::artenAktualisieren()
{
    const qint64 nr = aktuellerZwinger();
    ZwingerArten a;
    if (nr > 0) {
        try {
            a = zwingerArten(*m_db, m_tabellen, nr);
        } catch (const std::exception &e) {
            reportDatabaseError(e, m_tabellen.eintraege);
        }
    }
    for (int i = 0; i < 3; ++i) {
        // a register that is only read offers the kinds it has; a written one every kind
        m_artKnoepfe[i]->setEnabled(m_schreiben ? table()->isOpen() : a.vorhanden[i]);
        m_marken[i]->setVisible(a.bild[i]);
    }
}

void TFormZwingerregister::editierknoepfeZeigen(bool an)
{
    for (const char *name : {"Hinzufuegen", "Rueckgaengig", "Loeschen"}) {
        if (auto *b = findChild<QPushButton *>(QString::fromLatin1(name)))
            b->setVisible(an && m_schreiben);
    }
}

void TFormZwingerregister::artZeigen(KatzeArt art)
{
    if (!dataSource()->leaveEdit())
        return;
    const qint64 nr = aktuellerZwinger();
    if (nr <= 0)
        return;
    m_eintraege->zeigen(nr, art);
    seiten()->hide();
    m_eintraege->show();
    if (sortBox())
        sortBox()->setEnabled(false);
    editierknoepfeZeigen(false);
}

void TFormZwingerregister::eintraegeSchliessen()
{
    m_eintraege->hide();
    seiten()->show();
    if (sortBox())
        sortBox()->setEnabled(true);
    editierknoepfeZeigen(true);
    artenAktualisieren();
}

void TFormZwingerregister::suchen()
{
    if (!dataSource()->leaveEdit())
        return;
    TZwinSuchDlg dlg(m_db, m_tabellen, this);
    if (execDialog(dlg) != QDialog::Accepted || dlg.gewaehlt() <= 0)
        return;
    try {
        table()->locate(QStringLiteral("LaufendeNummer"), dlg.gewaehlt());
    } catch (const std::exception &e) {
        dataSource()->reportError(e);
    }
}

void TFormZwingerregister::inAdressen()
{
    if (!dataSource()->leaveEdit() || !table()->hasRecord())
        return;
    const Table *t = table();
    const auto f = [t](const char *feld) { return t->text(QString::fromUtf8(feld)); };
    const ZwingerAdresse a{f("Züchter"), f("Zwinger"), f("Rasse"),   f("Strasse"), f("PLZ"),      f("Ort"),
                           f("Land"),    f("Telefon"), f("Telefax"), f("EMail"),   f("Homepage"), f("Handy")};
    if (a.zuechter.trimmed().isEmpty())
        return;
    try {
        if (adresseVorhanden(*m_db, zuechterTeilen(a.zuechter)) &&
            showMessage(MeldungAdresseDa, MsgIcon::Information, MsgButtons::YesNo) != QMessageBox::Yes)
            return;
        inAdressenUebernehmen(*m_db, a);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("ADR_DAT.DB"));
        return;
    }
    showMessage(MeldungUebernommen, MsgIcon::Information, MsgButtons::Ok);
}

void TFormZwingerregister::closeEvent(QCloseEvent *e)
{
    if (m_eintraege->isVisible() && !m_eintraege->abschliessen())
        m_eintraege->dataSource()->undo();
    TBueroliste::closeEvent(e);
}

TFormZwingerregisterPrivat::TFormZwingerregisterPrivat(Database *db, QWidget *parent)
    : TFormZwingerregister(db, true, true, parent)
{
}

} // namespace tav::office::ui
