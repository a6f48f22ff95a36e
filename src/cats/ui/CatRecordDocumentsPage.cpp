#include "CatRecordDocumentsPage.h"
#include "PcatstamIntern.h"

#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
constexpr int MeldungDokumentNichtGeoeffnet = 9500;
}

CatRecordDocumentsPage::CatRecordDocumentsPage(DataSource *dokumente, std::function<int()> aktuelleKatze,
                                               QPushButton *hilfe, QWidget *parent)
    : QWidget(parent), m_dokumente(dokumente), m_aktuelleKatze(std::move(aktuelleKatze))
{
    auto *l = new QVBoxLayout(this);
    m_grid = new DBGrid(m_dokumente, this);
    m_grid->setObjectName(QStringLiteral("DBGridDokumente"));
    m_grid->tableModel()->addColumn(QStringLiteral("DokDatum"), QStringLiteral("Datum"), true);
    m_grid->tableModel()->addColumn(QStringLiteral("DokTxt"), QStringLiteral("Text"), true);
    m_grid->tableModel()->addColumn(QStringLiteral("DokPfad"), QStringLiteral("Pfad"), false);
    m_grid->setProperty("columnTags", QVariantList{TagDatum, TagText, TagPfad});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(1, 260);
    l->addWidget(m_grid, 1);
    auto *knoepfe = new QHBoxLayout;
    auto *laden = knopfMitTag(TagDokumentLaden, QStringLiteral("Dokument laden"), this);
    auto *ansehen = knopfMitTag(TagDokumentAnsehen, QStringLiteral("Dokument ansehen"), this);
    auto *weg = knopfMitTag(TagLoeschen, QStringLiteral("Löschen"), this);
    connect(laden, &QPushButton::clicked, this, [this] { this->laden(); });
    connect(ansehen, &QPushButton::clicked, this, [this] { this->ansehen(); });
    connect(weg, &QPushButton::clicked, this, [this] { m_dokumente->remove(); });
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
    m_dokumente->attachButtons(speichern, zurueck);
    for (QPushButton *b : {laden, ansehen, weg, speichern, zurueck})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe);
    l->addLayout(knoepfe);
}

void CatRecordDocumentsPage::laden()
{
    if (m_aktuelleKatze() <= 0)
        return;
    const QString pfad = openFileName(
        this, QString(), QString(),
        QStringLiteral("JPEG (*.jpg);;Bitmap (*.bmp);;GIF (*.gif);;PDF (*.pdf);;Word (*.doc *.docx);;"
                       "Excel (*.xls *.xlsx);;Text (*.txt);;HTML (*.htm *.html);;Alle (*)"));
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return;
    Table *t = m_dokumente->table();
    const bool neu = t->isEmpty() && !t->isEditing();
    if (neu ? !m_dokumente->append() : !m_dokumente->edit())
        return;
    if (m_dokumente->setFieldValue(QStringLiteral("DokPfad"), pfad))
        m_dokumente->save();
}

void CatRecordDocumentsPage::ansehen()
{
    Table *t = m_dokumente->table();
    if (!t->isOpen() || !t->hasRecord())
        return;
    const QString pfad = t->text(QStringLiteral("DokPfad"));
    if (pfad.isEmpty())
        return;
    // a moved file or a desktop without a viewer for it: said, not silently ignored
    if (!QFileInfo::exists(pfad) || !QDesktopServices::openUrl(QUrl::fromLocalFile(pfad)))
        showMessage(MeldungDokumentNichtGeoeffnet, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + pfad);
}

} // namespace tav::cats::ui
