#include "Datensicherung.h"

#include "app/Sprache.h"
#include "app/ui/OptionenTeile.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSize>
#include <QStringList>
#include <QTreeView>
#include <cerrno>

namespace tav::maintenance::ui {

using namespace tav::app::ui;
using namespace tav::widgets;
using namespace tav::shell;
using namespace tav::app::ui::optionen;

namespace {
constexpr int HilfeSicherung = 195, HilfeRuecksicherung = 194;

QPointer<TFormDatensicherung> &sicherung()
{
    static QPointer<TFormDatensicherung> w;
    return w;
}

QPointer<TFormDatenruecksicherung> &ruecksicherung()
{
    static QPointer<TFormDatenruecksicherung> w;
    return w;
}

QString text(int tag, const char *vorgabe)
{
    const QString t = tav::app::captionText(tag);
    return t.isEmpty() ? QString::fromUtf8(vorgabe) : t;
}

QString zeilen(const QStringList &namen)
{
    return QStringLiteral("\r") + namen.join(QLatin1Char('\r'));
}

// each file that was not copied, with why in the user's language where the user can act on it
QStringList mitGrund(const SicherungsErgebnis &e)
{
    QStringList out;
    for (int i = 0; i < e.nichtKopiert.size(); ++i) {
        const int fehler = e.gruende.value(i);
        const QString katalog = fehler == ENOSPC || fehler == EDQUOT ? tav::app::messageText(9478)
                                : fehler == EACCES || fehler == EPERM || fehler == EROFS
                                    ? tav::app::messageText(9479)
                                    : QString();
        const QString grund = katalog.isEmpty() ? kopierGrund(fehler) : katalog;
        out << e.nichtKopiert[i] + (grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund));
    }
    return out;
}

// the windows whose tables hold input that is not saved
QStringList fensterMitAenderungen()
{
    QStringList fenster;
    for (QWidget *top : QApplication::topLevelWidgets())
        for (DataSource *ds : top->findChildren<DataSource *>()) {
            const tav::store::Table *t = ds->table();
            if (!t || !t->isEditing() || !t->isModified())
                continue;
            QWidget *w = qobject_cast<QWidget *>(ds->parent());
            const QString titel = w ? w->window()->windowTitle() : t->tableName();
            if (!fenster.contains(titel))
                fenster << titel;
        }
    return fenster;
}
} // namespace

TFormSicherungsbasis::TFormSicherungsbasis(const QString &name, int tag, int hilfe, tav::store::Database *db,
                                           QWidget *parent)
    : ChildWindow(name, parent), m_db(db)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("tag", tag);
    setHelpContext(hilfe);
    m_modell = new QFileSystemModel(this);
    m_modell->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_modell->setRootPath(QDir::rootPath());
    Verzeichnisse = new QTreeView(this);
    Verzeichnisse->setModel(m_modell);
    for (int c = 1; c < m_modell->columnCount(); ++c)
        Verzeichnisse->hideColumn(c);
    Verzeichnisse->header()->hide();
    BitBtnStart = button(this, 7152, QStringLiteral("&Start"));
    BitBtnAbbruch = button(this, 7153, QStringLiteral("&Abbruch"));
    BitBtnAbbruch->setEnabled(false);
    BitBtnHilfe = button(this, 7155, QStringLiteral("&Hilfe"));
    BitBtnZurueck = button(this, 7156, QStringLiteral("&Zurück"));
    connect(BitBtnStart, &QPushButton::clicked, this, [this] { BitBtnStartClick(); });
    connect(BitBtnAbbruch, &QPushButton::clicked, this, [this] { m_abbruch = true; });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, &QWidget::close);

    PanelFortschritt = new QWidget(this);
    auto *p = new QGridLayout(PanelFortschritt);
    LabelVorgang = label(PanelFortschritt, 7157, QStringLiteral("Kopiere"));
    LabelDatei = new QLabel(PanelFortschritt);
    LabelNummer = new QLabel(PanelFortschritt);
    LabelAnzahl = new QLabel(PanelFortschritt);
    for (QLabel *l : {LabelDatei, LabelNummer, LabelAnzahl})
        l->setProperty("dataText", true);
    ProgressBar = new QProgressBar(PanelFortschritt);
    p->addWidget(LabelVorgang, 0, 0);
    p->addWidget(LabelDatei, 0, 1, 1, 4);
    p->addWidget(label(PanelFortschritt, 7159, QStringLiteral("Datei")), 1, 0);
    p->addWidget(LabelNummer, 1, 1);
    p->addWidget(label(PanelFortschritt, 7160, QStringLiteral("von")), 1, 2);
    p->addWidget(LabelAnzahl, 1, 3);
    p->setColumnStretch(4, 1);
    p->addWidget(ProgressBar, 2, 0, 1, 5);
    PanelFortschritt->hide();
}

void TFormSicherungsbasis::aufbauen(QWidget *extra)
{
    auto *g = new QGridLayout(this);
    g->addWidget(Verzeichnisse, 0, 0, 6, 1);
    int zeile = 0;
    for (QPushButton *b : {BitBtnStart, BitBtnAbbruch, BitBtnHilfe, BitBtnZurueck})
        g->addWidget(b, zeile++, 1);
    g->setRowStretch(5, 1);
    if (extra)
        g->addWidget(extra, 6, 0, 1, 2);
    g->addWidget(PanelFortschritt, 7, 0, 1, 2);
    g->setColumnStretch(0, 1);
    finishCreate();
}

QString TFormSicherungsbasis::ordner() const
{
    const QModelIndex i = Verzeichnisse->currentIndex();
    return i.isValid() ? m_modell->filePath(i) : QString();
}

void TFormSicherungsbasis::setOrdner(const QString &pfad)
{
    const QModelIndex i = m_modell->index(pfad);
    Verzeichnisse->setCurrentIndex(i);
    Verzeichnisse->scrollTo(i);
}

void TFormSicherungsbasis::laeuft(bool an)
{
    m_abbruch = false;
    BitBtnStart->setEnabled(!an);
    BitBtnAbbruch->setEnabled(an);
    PanelFortschritt->setVisible(an);
}

void TFormSicherungsbasis::datei(Vorgang v, const QString &name, int nr, int anzahl)
{
    LabelVorgang->setText(v == Vorgang::Kopieren ? text(7157, "Kopiere") : text(7158, "Lösche"));
    LabelDatei->setText(name);
    LabelNummer->setText(QString::number(nr));
    LabelAnzahl->setText(QString::number(anzahl));
    ProgressBar->setMaximum(anzahl);
    ProgressBar->setValue(nr);
    QCoreApplication::processEvents();
}

bool TFormSicherungsbasis::abbrechen()
{
    QCoreApplication::processEvents();
    return m_abbruch;
}

TFormDatensicherung::TFormDatensicherung(tav::store::Database *db, QWidget *parent)
    : TFormSicherungsbasis(QStringLiteral("formdatensicherung"), 7150, HilfeSicherung, db, parent)
{
    sicherung() = this;
    setWindowTitle(QStringLiteral("Datensicherung"));
    BitBtnNeu = button(this, 7154, QStringLiteral("Neues Verzeichnis anlegen"));
    PanelNeu = new QWidget(this);
    auto *n = new QGridLayout(PanelNeu);
    EditNeu = new QLineEdit(PanelNeu);
    BitBtnNeuOk = button(PanelNeu, 7162, QStringLiteral("&OK"));
    BitBtnNeuAbbruch = button(PanelNeu, 7153, QStringLiteral("&Abbruch"));
    n->addWidget(label(PanelNeu, 7161, QStringLiteral("Geben Sie den neuen Verzeichnisnamen an!")), 0, 0, 1,
                 3);
    n->addWidget(EditNeu, 1, 0);
    n->addWidget(BitBtnNeuOk, 1, 1);
    n->addWidget(BitBtnNeuAbbruch, 1, 2);
    PanelNeu->hide();
    connect(BitBtnNeu, &QPushButton::clicked, this, [this] {
        EditNeu->clear();
        PanelNeu->show();
        EditNeu->setFocus();
    });
    connect(BitBtnNeuOk, &QPushButton::clicked, this, &TFormDatensicherung::BitBtnNeuOkClick);
    connect(BitBtnNeuAbbruch, &QPushButton::clicked, PanelNeu, &QWidget::hide);
    auto *unten = new QWidget(this);
    auto *u = new QVBoxLayout(unten);
    u->setContentsMargins(0, 0, 0, 0);
    u->addWidget(BitBtnNeu, 0, Qt::AlignLeft);
    u->addWidget(PanelNeu);
    aufbauen(unten);
}

TFormDatensicherung *TFormDatensicherung::instance()
{
    return sicherung();
}

void TFormDatensicherung::BitBtnNeuOkClick()
{
    const QString name = EditNeu->text().trimmed();
    const QString pfad = QDir(ordner()).filePath(name);
    if (ordner().isEmpty() || name.isEmpty() || name.contains(QLatin1Char('/')) || !QDir().mkdir(pfad)) {
        showMessage(34, MsgIcon::Error, MsgButtons::Ok);
        return;
    }
    PanelNeu->hide();
    setOrdner(pfad);
}

void TFormDatensicherung::BitBtnStartClick()
{
    const QString ziel = ordner();
    if (ziel.isEmpty() || !m_db) {
        showMessage(7115, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    laeuft(true);
    SicherungsErgebnis e;
    try {
        e = datenSichern(m_db->dataDir(), ziel, m_db, this);
    } catch (const std::exception &) {
        e.belegt = true;
    }
    laeuft(false);
    if (e.belegt)
        showMessage(7113, MsgIcon::Error, MsgButtons::Ok);
    if (!e.nichtKopiert.isEmpty())
        showMessage(7100, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(mitGrund(e)));
    if (!e.beschaedigt.isEmpty())
        showMessage(7112, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.beschaedigt));
    if (!e.ordner.isEmpty())
        showMessage(7117, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.ordner));
    if (e.vollstaendig)
        showMessage(7111, MsgIcon::Information, MsgButtons::Ok, QString(),
                    QStringLiteral(" %1").arg(e.kopiert));
    else
        showMessage(7118, MsgIcon::Warning, MsgButtons::Ok);
}

TFormDatenruecksicherung::TFormDatenruecksicherung(tav::store::Database *db, QWidget *parent)
    : TFormSicherungsbasis(QStringLiteral("formdatenruecksicherung"), 7151, HilfeRuecksicherung, db, parent)
{
    ruecksicherung() = this;
    setWindowTitle(QStringLiteral("Datenrücksicherung"));
    aufbauen(nullptr);
}

TFormDatenruecksicherung *TFormDatenruecksicherung::instance()
{
    return ruecksicherung();
}

void TFormDatenruecksicherung::BitBtnStartClick()
{
    if (ordner().isEmpty() || !m_db) {
        showMessage(7115, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    Ruecksicherung r;
    r.datenordner = m_db->dataDir();
    r.sicherung = ordner();
    r.db = m_db;
    r.fortschritt = this;
    r.bestaetigen = [] {
        return showMessage(7102, MsgIcon::Information, MsgButtons::YesNo) == QMessageBox::Yes;
    };
    r.aelterBestaetigen = [] {
        return showMessage(7103, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes;
    };
    r.offeneAenderungen = fensterMitAenderungen;
    laeuft(true);
    const RueckErgebnis e = datenZurueckspielen(r);
    laeuft(false);
    const Ruecksicherungsordner o(r.datenordner);
    switch (e.status) {
    case RueckStatus::Erfolg:
        if (Shell *main = Shell::current()) {
            main->updateCatCount();
            if (CatRecord *record = main->catRecord())
                record->refresh();
        }
        showMessage(7110, MsgIcon::Information, MsgButtons::Ok, QString(),
                    QStringLiteral("\r") + QDir::toNativeSeparators(o.sicherheit));
        break;
    case RueckStatus::KeineSicherung: showMessage(7101, MsgIcon::Error, MsgButtons::Ok); break;
    case RueckStatus::Unvollstaendig:
        showMessage(7116, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.dateien));
        break;
    case RueckStatus::UnzulaessigerOrdner: showMessage(7104, MsgIcon::Error, MsgButtons::Ok); break;
    case RueckStatus::UngesicherteAenderungen:
        showMessage(7106, MsgIcon::Warning, MsgButtons::Ok, QString(), zeilen(e.dateien));
        break;
    case RueckStatus::Verneint: break;
    case RueckStatus::SicherheitNichtBeschreibbar:
        showMessage(7105, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QStringLiteral("\r") + QDir::toNativeSeparators(o.sicherheit));
        break;
    case RueckStatus::Abgebrochen: showMessage(7107, MsgIcon::Information, MsgButtons::Ok); break;
    case RueckStatus::KopierFehler:
        showMessage(7100, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.dateien));
        showMessage(7107, MsgIcon::Information, MsgButtons::Ok);
        break;
    case RueckStatus::Beschaedigt:
        showMessage(7108, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.dateien));
        break;
    case RueckStatus::TauschFehler: showMessage(7109, MsgIcon::Error, MsgButtons::Ok); break;
    case RueckStatus::ImWeg:
        showMessage(9480, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.dateien));
        break;
    case RueckStatus::Belegt:
        showMessage(7113, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.dateien));
        break;
    }
    if (!e.nichtGeoeffnet.isEmpty())
        showMessage(7114, MsgIcon::Error, MsgButtons::Ok, QString(), zeilen(e.nichtGeoeffnet));
}

void registerDatensicherung()
{
    registerSingleWindow(QStringLiteral("formdatensicherung"), QSize(460, 420),
                         [] { return new TFormDatensicherung(store::defaultDatabase()); });
    registerSingleWindow(QStringLiteral("formdatenruecksicherung"), QSize(460, 420),
                         [] { return new TFormDatenruecksicherung(store::defaultDatabase()); });
}

} // namespace tav::maintenance::ui
