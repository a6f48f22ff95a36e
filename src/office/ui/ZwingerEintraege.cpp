// The entry panel of the cattery registers: studs, queens or kittens of a cattery with a picture.
#include "ZwingerEintraege.h"

#include "app/Sprache.h"
#include "maintenance/Indexerstellung.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/ListenTeile.h"

#include <QFile>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagZurueck = 6929, TagBildLaden = 6930, TagBildLoeschen = 6931, TagLoeschen = 6932,
              TagNeu = 6933, TagName = 6934, TagNotiz = 6935, TagFilter = 6939, TagBildWaehlen = 6949,
              MeldungLoeschen = 31, MeldungKeinBild = 6990;

QString beschriftung(int tag, const char *text)
{
    const QString t = app::captionText(tag);
    return t.isEmpty() ? QString::fromUtf8(text) : t;
}
} // namespace

ZwingerEintraege::ZwingerEintraege(Database *db, const QString &tabelle, bool nurLesen, QWidget *parent)
    : QWidget(parent), m_nurLesen(nurLesen)
{
    setObjectName(QStringLiteral("PanelEintraege"));
    m_table = new Table(db, tabelle, this);
    m_table->setReadOnly(nurLesen);
    m_src = new DataSource(m_table, this);
    // an entry is a name: one left without it is dropped rather than kept nameless
    m_src->beforePost = [](Table &t) {
        if (t.text(QStringLiteral("Name")).trimmed().isEmpty())
            throw AbortOperation();
    };
    if (m_src->open()) {
        try {
            maintenance::indexWaehlen(*m_table, QStringLiteral("ZwingerName"));
            m_table->setRange({0, 0}, {0, 0});
        } catch (const std::exception &e) {
            m_src->reportError(e);
        }
    }

    auto *l = new QGridLayout(this);
    m_grid = new DBGrid(m_src, this);
    m_grid->setObjectName(QStringLiteral("DBGridEintraege"));
    TableModel::Column name;
    name.field = QStringLiteral("Name");
    name.title = QStringLiteral("Name");
    name.tag = TagName;
    name.editable = !nurLesen;
    m_grid->tableModel()->setColumns({name});
    m_grid->setProperty("columnTags", QVariantList{TagName});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(m_grid, 0, 0, 4, 1);

    auto *nameLabel = new QLabel(QStringLiteral("Name"), this);
    nameLabel->setProperty("tag", TagName);
    auto *nameEdit = new DBEdit(m_src, QStringLiteral("Name"), this);
    nameEdit->setObjectName(QStringLiteral("DBName"));
    nameEdit->setMaxLength(50);
    nameLabel->setBuddy(nameEdit);
    auto *kopf = new QHBoxLayout;
    kopf->addWidget(nameLabel);
    kopf->addWidget(nameEdit, 1);
    l->addLayout(kopf, 0, 1);
    m_bild = new DBImage(m_src, QStringLiteral("Bild"), this);
    m_bild->setObjectName(QStringLiteral("DBImageBild"));
    m_bild->setFrameShape(QFrame::StyledPanel);
    m_bild->setMinimumSize(220, 170);
    l->addWidget(m_bild, 1, 1);
    auto *notizLabel = new QLabel(QStringLiteral("Bemerkung"), this);
    notizLabel->setProperty("tag", TagNotiz);
    l->addWidget(notizLabel, 2, 1);
    auto *notiz = new DBMemo(m_src, QStringLiteral("Memo1"), this);
    notiz->setObjectName(QStringLiteral("DBMemo1"));
    notiz->setMaximumHeight(70);
    l->addWidget(notiz, 3, 1);
    l->setColumnStretch(0, 2);
    l->setColumnStretch(1, 3);
    l->setRowStretch(1, 1);

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [&](int tag, const char *objekt, const char *text, void (ZwingerEintraege::*f)(),
                           bool schreibend) {
        QPushButton *b = listenKnopf(tag, QString::fromLatin1(objekt), QString::fromUtf8(text), this);
        connect(b, &QPushButton::clicked, this, f);
        b->setVisible(!schreibend || !nurLesen);
        knoepfe->addWidget(b);
    };
    knopf(TagNeu, "BitBtnNeuInfo", "Katze &hinzufügen", &ZwingerEintraege::hinzufuegen, true);
    knopf(TagBildLaden, "BitBtnBildladen", "&Bild laden", &ZwingerEintraege::bildLaden, true);
    knopf(TagBildLoeschen, "BitBtnBildloeschen", "Bil&d löschen", &ZwingerEintraege::bildLoeschen, true);
    knopf(TagLoeschen, "BitBtnLoeschenInfo", "Katze Löschen", &ZwingerEintraege::loeschen, true);
    knoepfe->addStretch();
    QPushButton *zurueckKnopf =
        listenKnopf(TagZurueck, QStringLiteral("BitBtn1"), QStringLiteral("Z&urück"), this);
    connect(zurueckKnopf, &QPushButton::clicked, this, [this] {
        if (abschliessen())
            Q_EMIT zurueck();
    });
    knoepfe->addWidget(zurueckKnopf);
    l->addLayout(knoepfe, 4, 0, 1, 2);
}

ZwingerEintraege::~ZwingerEintraege()
{
    m_src->detach();
}

void ZwingerEintraege::zeigen(qint64 zwinger, KatzeArt art)
{
    m_zwinger = zwinger;
    m_art = art;
    if (!m_table->isOpen())
        return;
    try {
        m_table->setRange({zwinger, int(art)}, {zwinger, int(art)});
        m_table->first();
    } catch (const std::exception &e) {
        m_src->reportError(e);
    }
    m_grid->tableModel()->reload();
}

bool ZwingerEintraege::abschliessen()
{
    if (!m_src->isEditing())
        return true;
    if (m_table->text(QStringLiteral("Name")).trimmed().isEmpty()) {
        m_src->undo();
        return true;
    }
    // "No" to the save question abandons the entry; bad input stays to be corrected
    if (!m_src->save())
        return !m_src->isEditing();
    Q_EMIT geaendert();
    return true;
}

void ZwingerEintraege::hinzufuegen()
{
    if (m_zwinger <= 0 || !abschliessen() || !m_src->append())
        return;
    m_table->setValue(QStringLiteral("Zwinger"), m_zwinger);
    m_table->setValue(QStringLiteral("KatzeArt"), int(m_art));
    if (auto *name = findChild<QWidget *>(QStringLiteral("DBName")))
        name->setFocus();
}

void ZwingerEintraege::bildLaden()
{
    if (!m_table->isOpen() || !(m_table->hasRecord() || m_table->isEditing()))
        return;
    const QString pfad = openFileName(this, beschriftung(TagBildWaehlen, "Bild laden"), QString(),
                                      beschriftung(TagFilter, "Bilder (*.bmp *.jpg *.png *.gif)"));
    if (pfad.isEmpty())
        return;
    QFile f(pfad);
    const QByteArray daten = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (QImage::fromData(daten).isNull()) {
        showMessage(MeldungKeinBild, MsgIcon::Error, MsgButtons::Ok, QString(), QLatin1Char(' ') + pfad);
        return;
    }
    if (m_src->setFieldValue(QStringLiteral("Bild"), daten))
        Q_EMIT geaendert();
}

void ZwingerEintraege::bildLoeschen()
{
    if (m_table->isOpen() && (m_table->hasRecord() || m_table->isEditing()) &&
        m_src->setFieldValue(QStringLiteral("Bild"), QVariant()))
        Q_EMIT geaendert();
}

void ZwingerEintraege::loeschen()
{
    if (!m_table->isOpen() || !m_table->hasRecord())
        return;
    if (showMessage(MeldungLoeschen, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes)
        return;
    if (m_src->isEditing())
        m_src->undo();
    if (m_src->remove(false))
        Q_EMIT geaendert();
}

} // namespace tav::office::ui
